#include "presets/line_cipher.h"
#include "presets/preset_format.h"

#include <climits>
#include <gtest/gtest.h>

namespace kdsp {
namespace {

TEST(LineCipher, ScramblesEachByteWithItsKeyByteIntoUpperCaseHex) {
    struct Case {
        const char* plain;
        const char* line;
    } cases[] = {
        // 'W' 57^3C=6B, '2' 32^E1=D3, ' ' 20^57=77, '1' 31^0A=3B, '5' 35^D8=ED, '2' 32^26=14
        {"W2 152", "6BD3773BED14"},
        {"Velor 89", "6A843B65AA06A348"}, // exactly one turn of the key
        {"W2EQ 149", "6BD3125BF817AF48"},
        {"Velor 84", "6A843B65AA06A345"},
        // twelve characters: bytes 8..11 take key bytes 0..3 again
        {"Intoal: 1611", "758F2365B94AA1510DD7663B"},
        {"CCCCK: -255", "7FA21449931CBB5C0ED462"},
        {"2 -3", "0EC17A39"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScrambleLine(c.plain), c.line) << c.plain;
        EXPECT_EQ(UnscrambleLine(c.line), c.plain) << c.line;
    }
}

TEST(LineCipher, UnscrambleReadsLowerCaseAndRefusesAnythingButWholePairs) {
    EXPECT_EQ(UnscrambleLine("6bd3773bed14"), "W2 152");
    struct Case {
        const char* line;
    } refused[] = {{"6BD3773BED1"}, {"6BD3773BED14 "}, {"6BD3773BEG14"}, {"6B D3"}, {"+1"}};
    for (const auto& c : refused)
        EXPECT_EQ(UnscrambleLine(c.line), std::nullopt) << c.line;
}

TEST(PresetChecksum, KeepsTheSignOfTheDividendAndWrapsAt32Bits) {
    struct Case {
        std::int32_t sum, checksum;
    } cases[] = {
        {0, 0},       {1, 255},     {2, 254},        {255, 1},   {256, 0},
        {65536, 0},   {65537, 255}, {-1, -255},      {-2, -254}, {-256, 0},
        {INT_MAX, 1}, {INT_MIN, 0}, {0x7FFF0000, 0}, // XOR gives INT_MAX; adding one wraps to
                                                     // INT_MIN
    };
    for (const auto& c : cases)
        EXPECT_EQ(PresetChecksum(c.sum), c.checksum) << c.sum;
}

TEST(PresetWriter, LinesOfEachKind) {
    struct Case {
        PresetKind kind;
        std::size_t lines;
        const char* header;
        const char* version;
        const char* firstData; // of an all-zero store
        const char* lineCount;
    } cases[] = {
        // line 2 is page 0 slot 0: 0^2, 0^2
        {PresetKind::WholeSetup, 1613, "W2 152", "Velor 89", "2 2", "Intoal: 1611"},
        // line 2 is page 22 slot 0: 5632^2, 0^2
        {PresetKind::HintEq, 82, "W2EQ 149", "Velor 84", "5634 2", "Intoal: 80"},
    };
    const ParameterStore empty;
    for (const auto& c : cases) {
        const auto lines = PresetPlainLines(c.kind, empty);
        ASSERT_EQ(lines.size(), c.lines);
        EXPECT_EQ(lines[0], c.header);
        EXPECT_EQ(lines[1], c.version);
        EXPECT_EQ(lines[2], c.firstData);
        EXPECT_EQ(lines[c.lines - 2], c.lineCount);
        EXPECT_EQ(lines[c.lines - 1], "CCCCK: 0");
    }
}

TEST(PresetWriter, DataLinesXorAddressAndValueWithTheLineNumber) {
    ParameterStore store;
    store.setValue(0, 0, 1);
    store.setValue(0, 1, 10);
    store.setValue(26, 17, 65535); // the last line of a whole-setup file
    const auto lines = PresetPlainLines(PresetKind::WholeSetup, store);
    EXPECT_EQ(lines[2], "2 3"); // 0^2, 1^2
    EXPECT_EQ(lines[3], "2 9"); // 1^3, 10^3
    EXPECT_EQ(lines[4], "6 4"); // 2^4, 0^4
    // k = 1610: (26*256+17)^1610 = 6673^1610 = 7259, 65535^1610 = 63925
    EXPECT_EQ(lines[1610], "7259 63925");
}

TEST(PresetWriter, ChecksumLineFollowsTheSumOfAllValues) {
    struct Case {
        const char* name;
        int page, slot;
        std::int32_t value;
        const char* last;
    } cases[] = {
        {"one", 0, 0, 1, "CCCCK: 255"},
        {"negative sum keeps its sign", 3, 20, -1, "CCCCK: -255"},
        {"multiple of 256", 21, 42, 512, "CCCCK: 0"},
        // pages 25 and 26 are written, so they count
        {"volume page", 25, 0, 1, "CCCCK: 255"},
    };
    for (const auto& c : cases) {
        ParameterStore store;
        store.setValue(c.page, c.slot, c.value);
        EXPECT_EQ(PresetPlainLines(PresetKind::WholeSetup, store).back(), c.last) << c.name;
    }
}

TEST(PresetWriter, NegativeValueLineIsSignedDecimal) {
    ParameterStore store;
    store.setValue(0, 0, -1);
    const std::string file = EncodePresetFile(PresetKind::WholeSetup, store);
    // line 2, "2 -3", after the two header lines of 12 + 2 and 16 + 2 bytes
    EXPECT_EQ(file.substr(32, 10), "0EC17A39\r\n");
}

TEST(PresetWriter, FileIsScrambledLinesEachEndedByCrLf) {
    const ParameterStore empty;
    struct Case {
        PresetKind kind;
        const char* head;
        const char* tail;
    } cases[] = {
        {PresetKind::WholeSetup, "6BD3773BED14\r\n6A843B65AA06A348\r\n",
         "758F2365B94AA1510DD7663B\r\n7FA21449931CBB41\r\n"},
        {PresetKind::HintEq, "6BD3125BF817AF48\r\n6A843B65AA06A345\r\n",
         "758F2365B94AA15104D1\r\n7FA21449931CBB41\r\n"},
    };
    for (const auto& c : cases) {
        const std::string file = EncodePresetFile(c.kind, empty);
        const std::string head = c.head, tail = c.tail;
        EXPECT_EQ(file.substr(0, head.size()), head);
        ASSERT_GE(file.size(), tail.size());
        EXPECT_EQ(file.substr(file.size() - tail.size()), tail);
        std::size_t lineEnds = 0;
        for (std::size_t i = 0; i < file.size(); ++i) {
            if (file[i] == '\n') {
                ++lineEnds;
                EXPECT_TRUE(i > 0 && file[i - 1] == '\r') << "bare LF at " << i;
            }
        }
        EXPECT_EQ(lineEnds, PresetPlainLines(c.kind, empty).size());
    }
}

} // namespace
} // namespace kdsp
