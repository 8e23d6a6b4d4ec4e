#include "presets/line_cipher.h"
#include "presets/preset_format.h"
#include "presets/preset_reader.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kdsp {
namespace {

std::string fileOf(const std::vector<std::string>& plain, std::string_view lineEnd = "\r\n") {
    std::string file;
    for (const std::string& line : plain)
        file += ScrambleLine(line) + std::string(lineEnd);
    return file;
}

// A store with a different value in every slot of every page.
ParameterStore patternedStore() {
    ParameterStore store;
    for (int page = 0; page < PageCount; ++page)
        for (int slot = 0; slot < SlotsPerPage; ++slot)
            store.setValue(page, slot, (page * 131 + slot * 7) % 700 - 20);
    return store;
}

// A hint file of two data lines, written out by hand:
//   0 "W2EQ 149"   1 "Velor 84"
//   2 "5634 5"     page 22 slot 0 (5632^2), value 7 (5^2)
//   3 "5894 303"   page 23 slot 5 (5893^3), value 300 (303^3)
//   4 "Intoal: 4"  5 "CCCCK: 205"  (((307^65535)+1) mod 256)
constexpr std::string_view TinyHintFile = "6BD3125BF817AF48\r\n"
                                          "6A843B65AA06A345\r\n"
                                          "09D7643EF813\r\n"
                                          "09D96E3EF815AB42\r\n"
                                          "758F2365B94AA15108\r\n"
                                          "7FA21449931CBB430CD4\r\n";

TEST(PresetReader, ReadsAHandWrittenFile) {
    const PresetReadResult read = DecodePresetFile(PresetKind::HintEq, TinyHintFile);
    ASSERT_EQ(read.status, PresetStatus::Ok);
    const std::vector<PresetValue> expected = {{makeTag(22, 0), 7}, {makeTag(23, 5), 300}};
    EXPECT_EQ(read.values, expected);
}

TEST(PresetReader, AcceptsOtherLineEnds) {
    for (std::string_view end : {"\n", "\r"}) {
        std::string file(TinyHintFile);
        std::string::size_type at;
        while ((at = file.find("\r\n")) != std::string::npos)
            file.replace(at, 2, end);
        EXPECT_EQ(DecodePresetFile(PresetKind::HintEq, file).status, PresetStatus::Ok);
    }
}

TEST(PresetReader, RoundTripStoresOnlyTheAcceptedPages) {
    struct Case {
        PresetKind kind;
        int firstStored, lastStored;
    } cases[] = {
        // a whole-setup file carries pages 0..26 but a load stops at 21
        {PresetKind::WholeSetup, 0, 21},
        {PresetKind::HintEq, 22, 24},
    };
    const ParameterStore source = patternedStore();
    for (const auto& c : cases) {
        const PresetReadResult read = DecodePresetFile(c.kind, EncodePresetFile(c.kind, source));
        ASSERT_EQ(read.status, PresetStatus::Ok);
        ParameterStore target;
        ApplyPresetValues(read.values, target);
        for (int page = 0; page < PageCount; ++page) {
            const bool stored = page >= c.firstStored && page <= c.lastStored;
            for (int slot = 0; slot < SlotsPerPage; ++slot) {
                const bool expected = stored && slot < SlotCount[static_cast<std::size_t>(page)];
                ASSERT_EQ(target.value(page, slot), expected ? source.value(page, slot) : 0)
                    << page << ":" << slot;
            }
        }
    }
}

TEST(PresetReader, SkippedLinesStillCountTowardsTheChecksum) {
    // page 0 slot 1 (not a hint page), page 22 slot 26 (past the slot
    // count) and a negative address: none stored, all summed.
    const std::vector<std::string> plain = {
        "W2EQ 149",
        "Velor 84",
        std::to_string(makeTag(0, 1) ^ 2) + " " + std::to_string(100 ^ 2),
        std::to_string(makeTag(22, 26) ^ 3) + " " + std::to_string(50 ^ 3),
        std::to_string(-5 ^ 4) + " " + std::to_string(6 ^ 4),
        std::to_string(makeTag(24, 25) ^ 5) + " " + std::to_string(9 ^ 5),
        "Intoal: 6",
        "CCCCK: " + std::to_string(PresetChecksum(100 + 50 + 6 + 9)),
    };
    const PresetReadResult read = DecodePresetFile(PresetKind::HintEq, fileOf(plain));
    ASSERT_EQ(read.status, PresetStatus::Ok);
    const std::vector<PresetValue> expected = {{makeTag(24, 25), 9}};
    EXPECT_EQ(read.values, expected);
}

// Each case damages a good whole-setup file, given as plain lines.
TEST(PresetReader, RefusesDamagedFilesWithoutValues) {
    using Lines = std::vector<std::string>;
    struct Case {
        const char* name;
        std::function<std::string(Lines)> damage;
        PresetStatus status;
    } cases[] = {
        {"empty", [](Lines) { return std::string(); }, PresetStatus::Corrupted},
        {"header only", [](Lines l) { return fileOf({l[0]}); }, PresetStatus::Corrupted},
        {"three lines",
         [](Lines l) {
             return fileOf({l[0], l[1], l[2]});
         },
         PresetStatus::Corrupted},
        {"header of the other kind",
         [](Lines l) {
             l[0] = "W2 149";
             return fileOf(l);
         },
         PresetStatus::FormatError},
        {"version number wrong",
         [](Lines l) {
             l[1] = "Velor 84";
             return fileOf(l);
         },
         PresetStatus::FormatError},
        {"header without a number",
         [](Lines l) {
             l[0] = "W2152";
             return fileOf(l);
         },
         PresetStatus::FormatError},
        {"data line removed",
         [](Lines l) {
             l.erase(l.begin() + 100);
             return fileOf(l);
         },
         PresetStatus::Corrupted},
        {"value off by one",
         [](Lines l) {
             l[2] = "2 3";
             return fileOf(l);
         },
         PresetStatus::Corrupted},
        {"one integer",
         [](Lines l) {
             l[5] = "5";
             return fileOf(l);
         },
         PresetStatus::Corrupted},
        {"three integers",
         [](Lines l) {
             l[5] = "5 5 5";
             return fileOf(l);
         },
         PresetStatus::Corrupted},
        {"not a number",
         [](Lines l) {
             l[5] = "5 x";
             return fileOf(l);
         },
         PresetStatus::Corrupted},
        {"beyond 32 bits",
         [](Lines l) {
             l[5] = "5 4294967301";
             return fileOf(l);
         },
         PresetStatus::Corrupted},
        {"checksum without a number",
         [](Lines l) {
             l.back() = "CCCCK:";
             return fileOf(l);
         },
         PresetStatus::Corrupted},
        {"non-hex digit",
         [](Lines l) {
             std::string file = fileOf(l);
             file[40] = 'G';
             return file;
         },
         PresetStatus::Corrupted},
        {"odd-length line",
         [](Lines l) {
             std::string file = fileOf(l);
             return file.insert(40, "A");
         },
         PresetStatus::Corrupted},
        {"truncated", [](Lines l) { return fileOf(l).substr(0, 5000); }, PresetStatus::Corrupted},
        {"blank line at the end", [](Lines l) { return fileOf(l) + "\r\n"; },
         PresetStatus::Corrupted},
        {"huge",
         [](Lines l) {
             std::string file = fileOf(l);
             return file + std::string(MaxPresetFileSize, '0');
         },
         PresetStatus::Corrupted},
    };
    const Lines good = PresetPlainLines(PresetKind::WholeSetup, patternedStore());
    ASSERT_EQ(DecodePresetFile(PresetKind::WholeSetup, fileOf(good)).status, PresetStatus::Ok);
    for (const auto& c : cases) {
        const PresetReadResult read = DecodePresetFile(PresetKind::WholeSetup, c.damage(good));
        EXPECT_EQ(read.status, c.status) << c.name;
        EXPECT_TRUE(read.values.empty()) << c.name;
    }
}

TEST(PresetReader, ChangeOfAMultipleOf256GoesUnnoticed) {
    ParameterStore store;
    std::vector<std::string> plain = PresetPlainLines(PresetKind::HintEq, store);
    plain[2] = "5634 258"; // page 22 slot 0: value 256 instead of 0
    const PresetReadResult read = DecodePresetFile(PresetKind::HintEq, fileOf(plain));
    ASSERT_EQ(read.status, PresetStatus::Ok);
    EXPECT_EQ(read.values.front(), (PresetValue{makeTag(22, 0), 256}));
}

TEST(PresetReader, EachKindRefusesTheOthersHeader) {
    const ParameterStore store;
    EXPECT_EQ(DecodePresetFile(PresetKind::WholeSetup, EncodePresetFile(PresetKind::HintEq, store))
                  .status,
              PresetStatus::FormatError);
    EXPECT_EQ(DecodePresetFile(PresetKind::HintEq, EncodePresetFile(PresetKind::WholeSetup, store))
                  .status,
              PresetStatus::FormatError);
}

} // namespace
} // namespace kdsp
