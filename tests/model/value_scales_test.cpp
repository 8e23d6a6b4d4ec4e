#include "model/value_scales.h"

#include <charconv>
#include <gtest/gtest.h>
#include <string>

namespace kdsp {
namespace {

TEST(FrequencyText, TellingRowsAndExceptions) {
    struct Case {
        int index;
        const char* text;
    };
    const Case cases[] = {
        {0, "19.7"},    {1, "20.1"},    {2, "20.5"},    {24, "31.3"}, // 31.25 exactly: half up
        {60, "62.5"},   {80, "91.9"},   {81, "94.0"},   {82, "95.0"},   {83, "97.0"},
        {84, "99.0"},   {85, "101.0"},  {100, "135.0"}, {120, "198.0"}, {180, "630.0"},
        {203, "981.0"}, {204, "1000"},  {240, "2000"},  {300, "6350"},  {359, "19800"},
        {360, "20200"}, {361, "20600"},
    };
    const auto texts = FrequencyText();
    ASSERT_EQ(texts.size(), 362u);
    for (const Case& c : cases)
        EXPECT_EQ(texts[static_cast<std::size_t>(c.index)], c.text) << "index " << c.index;
}

TEST(FrequencyText, ValuesMatchTextsAndRise) {
    const auto texts = FrequencyText();
    const auto values = FrequencyValue();
    ASSERT_EQ(values.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        float parsed = 0;
        std::from_chars(texts[i].data(), texts[i].data() + texts[i].size(), parsed);
        EXPECT_EQ(values[i], parsed) << "index " << i;
        if (i > 0) {
            EXPECT_LT(values[i - 1], values[i]) << "index " << i;
        }
    }
}

TEST(SelectorLists, StoredSpellings) {
    EXPECT_EQ(CrossoverTypeItems().size(), 13u);
    EXPECT_EQ(CrossoverTypeItems()[1], "6dB 1st ");
    EXPECT_EQ(CrossoverTypeItems()[2], "12dB Besse");
    EXPECT_EQ(BandTypeItems()[0], "BYPSS");
    EXPECT_EQ(BandTypeItems(BandTypeSpelling::MusicBand12)[0], "Bypass");
    EXPECT_EQ(BandTypeItems(BandTypeSpelling::DynamicEq)[0], "BYpass");
    EXPECT_EQ(InputSources()[0].englishVolumeLabel, "RCA1 Vol"); // AUTO shows RCA1's volume
    EXPECT_EQ(InputSources()[3].chineseVolumeLabel, "光纤音量");
}

TEST(FormatValue, TextsByKind) {
    struct Case {
        int kind;
        int index;
        const char* text;
    };
    const Case cases[] = {
        {0, 17, ""},         {1, 2, "LSEQ"},      {2, 204, "1000Hz"}, {2, 0, "19.7Hz"},
        {2, 360, "20200Hz"}, {3, 120, "0.0dB"},   {3, 0, "-24.0dB"},  {3, 119, "-0.2dB"},
        {3, 2, "-23.6dB"},   {4, 16, "1.00"},     {4, 100, "128.00"}, {5, 0, "-10.0dB"},
        {5, 21, "0.5dB"},    {8, 100, "100%"},    {9, 200, "200%"},   {10, 0, "-50%"},
        {11, 250, "500ms"},  {12, 1, "63ms"}, // 62.5 rounds away from zero
        {12, 80, "5000ms"},  {14, 0, "-34dBu"},   {15, 40, "100"},    {16, 7, "Atk x 32"},
        {17, 0, "0.5ms"},    {18, 500, "50.0ms"}, {20, 0, "-60dBu"},  {21, 7, "0"},
        {21, 0, "-7"},       {22, 1, "-10dB"}, // -9.5 rounds away from zero
        {22, 39, "10dB"},                      // 9.5 likewise
        {23, 4, "4"},        {24, 60, "-30dB"},   {25, 34, "0dB"},    {26, 0, "-100ms"},
        {27, 180, "12.0dB"}, {28, 60, "-12.0dB"}, {7, 5, ""},         {29, 5, ""},
        {4, 101, ""}, // past the table: limit first
        {17, -1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatValue(c.kind, c.index), c.text)
            << "kind " << c.kind << " index " << c.index;
}

TEST(LimitValue, RangesByKind) {
    struct Case {
        int kind;
        int index;
        int limited;
    };
    const Case cases[] = {
        {0, 9999, 9999}, {0, -5, -5},    {1, 7, 3},     {2, 361, 360},  {6, 361, 360},
        {3, 181, 180},   {3, -1, 0},     {4, 101, 100}, {5, 41, 40},    {18, 505, 500},
        {27, 100, 120},  {27, 200, 180}, {28, 50, 60},  {28, 130, 120}, {23, 5, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LimitValue(c.kind, c.index, {}), c.limited)
            << "kind " << c.kind << " index " << c.index;
}

TEST(LimitValue, LimitedThenFormatted) {
    EXPECT_EQ(FormatValue(6, LimitValue(6, 361, {})), "20200Hz");
    EXPECT_EQ(FormatValue(3, LimitValue(3, 181, {})), "12.0dB");
    EXPECT_EQ(FormatValue(18, LimitValue(18, 505, {})), "50.0ms");
}

TEST(StepValue, StepsAndLimits) {
    const ValueContext shelf{.bandType = 2};
    const ValueContext auxStep3{.gainStep = 3};
    struct Case {
        const char* what;
        int kind;
        int index;
        int action;
        ValueContext context;
        int result;
    };
    const Case cases[] = {
        {"frequency up", 2, 204, ActionStepUp, {}, 205},
        {"frequency down at bottom", 2, 0, ActionStepDown, {}, 0},
        {"frequency set", 2, 204, ActionSet, {}, 204},
        {"frequency up at top stays typable", 2, 360, ActionStepUp, {}, 360},
        {"peaking Q up", 4, 24, ActionStepUp, {}, 25},
        {"shelving Q up from 24", 4, 24, ActionStepUp, shelf, 24},
        {"shelving Q from above the limit", 4, 40, ActionStepDown, shelf, 24},
        {"gain with auxiliary step", 3, 120, ActionStepUp, auxStep3, 123},
        {"gain down with auxiliary step", 3, 1, ActionStepDown, auxStep3, 0},
        {"input gain", 5, 40, ActionStepUp, {}, 40},
        {"upper limit", 27, 120, ActionStepDown, {}, 120},
        {"lower limit", 28, 60, ActionStepUp, {}, 61},
        {"read-out kinds do not step", 8, 50, ActionStepUp, {}, 50},
        {"read-out kinds are still limited", 8, 150, ActionStepUp, {}, 100},
        {"unknown action", 3, 120, 7, {}, 120},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepValue(c.kind, c.index, c.action, c.context), c.result) << c.what;
}

TEST(ParseValue, TypedNumbers) {
    struct Case {
        int kind;
        double number;
        int index;
    };
    const Case cases[] = {
        {2, 1010, 204}, // 1000 and 1020 are equally near: the lower wins
        {2, 1003, 204},  {2, 1011, 205},  {2, 19.7, 0},
        {2, 1, 0},       {2, 20000, 360}, // first entry not below is 360, though 359 is as near
        {2, 20600, 360}, {2, 30000, 360}, {3, -23.5, 2}, // 2.5 rounds to even
        {3, 2.95, 135},  {3, 12, 180},    {27, 0, 120},
        {28, -12, 60},   {5, 2.25, 24}, // 24.5 rounds to even
        {5, 2.75, 26},                  // 25.5 likewise
        {4, 1.0, 16},    {4, 1.01, 17},   {4, 0.59, 7},
        {4, 0.1, 0},     {4, 128, 100},   {4, 500, 101},
        {8, 42.9, 42},   {0, -3.7, -3},   {3, 1e12, 2147483647}, // saturates instead of overflowing
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseValue(c.kind, c.number), c.index)
            << "kind " << c.kind << " number " << c.number;
}

TEST(ParseValue, QAbove128IsBroughtBackByTheBandType) {
    const int parsed = ParseValue(4, 500);
    EXPECT_EQ(FormatValue(4, LimitValue(4, parsed, {.bandType = 1})), "128.00");
    EXPECT_EQ(FormatValue(4, LimitValue(4, parsed, {.bandType = 3})), "1.60");
}

TEST(ParseValue, EveryFrequencyTextParsesBackToItsIndex) {
    const auto texts = FrequencyText();
    for (int i = 0; i < 360; ++i) {
        const std::string& text = texts[static_cast<std::size_t>(i)];
        double number = 0;
        std::from_chars(text.data(), text.data() + text.size(), number);
        EXPECT_EQ(ParseValue(2, number), i) << text;
    }
}

TEST(ParseValue, EveryQTextParsesBackToItsIndex) {
    const auto texts = QText();
    ASSERT_EQ(texts.size(), 101u);
    for (int i = 0; i < 101; ++i) {
        const auto text = texts[static_cast<std::size_t>(i)];
        double number = 0;
        std::from_chars(text.data(), text.data() + text.size(), number);
        EXPECT_EQ(ParseValue(4, number), i) << text;
    }
}

ViewValues AuxView() {
    ViewValues view;
    view.setValue(PageAux, 0, 2); // "0.6" dB
    view.setValue(PageAux, 31, 150);
    view.setValue(PageAux, 32, 90);
    view.setValue(PageAux, 41, 130);
    view.setValue(PageAux, 42, 110);
    view.setValue(PageAux, 35, 10);  // upper limit outside its own scale
    view.setValue(PageAux, 36, 200); // lower limit outside its own scale
    return view;
}

TEST(ValueContextFor, RangesOfGainAndQ) {
    ViewValues view = AuxView();
    view.setValue(PageMusic, 10 + 5 * 2, 3); // music band 3 is a high shelf
    view.setValue(PageDeq, 12, 2);           // dynamic band 2 is a low shelf
    view.setValue(PageHint, 1, 1);           // hint band 1 is peaking
    struct Case {
        const char* what;
        Tag tag;
        int currentViewPage;
        int kind;
        int index;
        int action;
        int result;
    };
    const Case cases[] = {
        {"shelf Q on peaking slot", makeTag(PageMusic, 23), 0, 4, 50, ActionSet, 24},
        {"shelf Q on shelf slot", makeTag(PageMusic, 24), 0, 4, 24, ActionStepUp, 24},
        {"peaking Q", makeTag(PageHint, 4), 22, 4, 50, ActionStepUp, 51},
        {"dynamic-equaliser shelf Q", makeTag(PageDeq, 16), 2, 4, 30, ActionSet, 24},
        {"dynamic-equaliser gain floor", makeTag(PageDeq, 14), 2, 3, 70, ActionStepDown, 69},
        {"dynamic-equaliser gain at floor", makeTag(PageDeq, 14), 2, 3, 60, ActionStepDown, 60},
        {"dynamic-equaliser gain below floor", makeTag(PageDeq, 14), 2, 3, 0, ActionSet, 60},
        {"music gain elsewhere", makeTag(PageMusic, 12), 0, 3, 0, ActionSet, 0},
        {"aux music bass up by three", makeTag(PageAux, 3), 21, 3, 120, ActionStepUp, 123},
        {"aux music bass at upper", makeTag(PageAux, 3), 21, 3, 149, ActionStepUp, 150},
        {"aux music bass at lower", makeTag(PageAux, 3), 21, 3, 92, ActionStepDown, 90},
        {"aux mic treble upper", makeTag(PageAux, 28), 21, 3, 180, ActionSet, 130},
        {"aux mic treble lower", makeTag(PageAux, 28), 21, 3, 0, ActionSet, 110},
        {"aux limits kept in their scales", makeTag(PageAux, 13), 21, 3, 0, ActionSet, 120},
        {"aux frequency steps by one", makeTag(PageAux, 2), 21, 2, 20, ActionStepUp, 21},
        {"aux limit steps by one", makeTag(PageAux, 31), 21, 27, 150, ActionStepUp, 151},
    };
    for (const Case& c : cases) {
        const ValueContext context = ValueContextFor(c.tag, view, c.currentViewPage);
        EXPECT_EQ(StepValue(c.kind, c.index, c.action, context), c.result) << c.what;
    }
}

TEST(ValueContextFor, AuxiliaryStepFollowsTheStepSelector) {
    struct Case {
        int item;
        int step;
    };
    const Case cases[] = {{0, 1}, {4, 5}, {9, 5}};
    for (const Case& c : cases) {
        ViewValues view;
        view.setValue(PageAux, 0, c.item);
        EXPECT_EQ(ValueContextFor(makeTag(PageAux, 3), view, PageAux).gainStep, c.step)
            << "item " << c.item;
    }
}

} // namespace
} // namespace kdsp
