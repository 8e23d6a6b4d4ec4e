#include "model/value_scales.h"

#include "model/address_resolution.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>

namespace kdsp {

namespace {

using namespace std::string_view_literals;

constexpr std::array QTable = {
    "0.40"sv,   "0.42"sv,   "0.45"sv,   "0.47"sv,   "0.50"sv,   "0.53"sv,  "0.56"sv,  "0.59"sv,
    "0.63"sv,   "0.67"sv,   "0.71"sv,   "0.75"sv,   "0.79"sv,   "0.84"sv,  "0.89"sv,  "0.94"sv,
    "1.00"sv,   "1.06"sv,   "1.12"sv,   "1.19"sv,   "1.26"sv,   "1.30"sv,  "1.40"sv,  "1.50"sv,
    "1.60"sv,   "1.70"sv,   "1.80"sv,   "1.90"sv,   "2.00"sv,   "2.10"sv,  "2.20"sv,  "2.40"sv,
    "2.50"sv,   "2.70"sv,   "2.80"sv,   "3.00"sv,   "3.20"sv,   "3.40"sv,  "3.60"sv,  "3.80"sv,
    "4.00"sv,   "4.20"sv,   "4.50"sv,   "4.80"sv,   "5.00"sv,   "5.30"sv,  "5.70"sv,  "6.00"sv,
    "6.30"sv,   "6.70"sv,   "7.10"sv,   "7.60"sv,   "8.00"sv,   "8.50"sv,  "9.00"sv,  "9.50"sv,
    "10.10"sv,  "10.70"sv,  "11.30"sv,  "12.00"sv,  "12.70"sv,  "13.50"sv, "14.00"sv, "15.00"sv,
    "16.00"sv,  "17.00"sv,  "18.00"sv,  "19.00"sv,  "20.00"sv,  "21.00"sv, "23.00"sv, "24.00"sv,
    "25.00"sv,  "27.00"sv,  "29.00"sv,  "30.00"sv,  "32.00"sv,  "34.00"sv, "36.00"sv, "38.00"sv,
    "40.00"sv,  "43.00"sv,  "45.00"sv,  "48.00"sv,  "51.00"sv,  "54.00"sv, "57.00"sv, "60.00"sv,
    "64.00"sv,  "68.00"sv,  "72.00"sv,  "76.00"sv,  "81.00"sv,  "85.00"sv, "91.00"sv, "96.00"sv,
    "102.00"sv, "108.00"sv, "114.00"sv, "121.00"sv, "128.00"sv,
};
static_assert(QTable.size() == QCount);

constexpr std::array RatioTable = {
    "1.0"sv, "1.2"sv, "1.4"sv, "1.6"sv, "1.8"sv, "2.0"sv, "2.4"sv,  "2.8"sv,  "3.2"sv,
    "3.6"sv, "4.0"sv, "4.4"sv, "4.8"sv, "5.2"sv, "5.6"sv, "6.0"sv,  "6.4"sv,  "6.8"sv,
    "7.2"sv, "7.6"sv, "8.0"sv, "8.4"sv, "9.0"sv, "9.6"sv, "10.2"sv, "10.8"sv, "11.4"sv,
    "12"sv,  "13"sv,  "14"sv,  "15"sv,  "16"sv,  "17"sv,  "18"sv,   "19"sv,   "20"sv,
    "22"sv,  "24"sv,  "26"sv,  "30"sv,  "100"sv,
};
static_assert(RatioTable.size() == 41);

constexpr std::array ReleaseTable = {
    "Atk x 2"sv,  "Atk x 4"sv,  "Atk x 6"sv,  "Atk x 8"sv,
    "Atk x 12"sv, "Atk x 16"sv, "Atk x 24"sv, "Atk x 32"sv,
};

constexpr std::array AttackTable = {
    "0.5"sv, "0.7"sv, "1.0"sv, "1.4"sv, "2.0"sv, "2.8"sv, "4.0"sv, "5.7"sv, "8.0"sv, "11"sv,
    "16"sv,  "23"sv,  "32"sv,  "45"sv,  "64"sv,  "90"sv,  "100"sv, "120"sv, "150"sv, "400"sv,
};
static_assert(AttackTable.size() == 20);

constexpr std::array BandTypeStandard = {"BYPSS"sv, "PEQ"sv, "LSEQ"sv, "HSEQ"sv};
constexpr std::array BandTypeMusicBand12 = {"Bypass"sv, "PEQ"sv, "LSEQ"sv, "HSEQ"sv};
constexpr std::array BandTypeDynamicEq = {"BYpass"sv, "PEQ"sv, "LSEQ"sv, "HSEQ"sv};

constexpr std::array TriggerTable = {"Off"sv, "Below"sv, "Above"sv};

constexpr std::array CrossoverTable = {
    "Bypass"sv,           "6dB 1st "sv,        "12dB Besse"sv,       "12dB Butterworth"sv,
    "12dB Link-Riley"sv,  "18dB Bessel"sv,     "18dB Butterworth"sv, "24dB Bessel"sv,
    "24dB Butterworth"sv, "24dB Link-Riley"sv, "36dB Bessel"sv,      "36dB Butterworth"sv,
    "36dB Link-Riley"sv,
};
static_assert(CrossoverTable.size() == 13);

constexpr std::array AuxGainStepTable = {"0.2"sv, "0.4"sv, "0.6"sv, "0.8"sv, "1.0"sv};

constexpr std::array<InputSourceText, 6> InputSourceTable = {{
    {"自动", "AUTO", "模拟1音量", "RCA1 Vol"},
    {"模拟1", "RCA1", "模拟1音量", "RCA1 Vol"},
    {"模拟2", "RCA2", "模拟2音量", "RCA2 Vol"},
    {"光纤", "OPTI", "光纤音量", "OPTI Vol"},
    {"蓝牙", "BLUE", "蓝牙音量", "BLUE Vol"},
    {"USB", "USB", "USB音量", "USB Vol"},
}};

// Frequencies in tenths of a hertz. Entry i is 1000 Hz * 2^((i - 204) / 36)
// kept to three significant digits, halves upwards; four entries near 96 Hz
// hold rounder numbers than the rule gives.
std::array<long long, FrequencyCount> buildFrequencyTenths() {
    std::array<long long, FrequencyCount> tenths{};
    for (std::size_t i = 0; i < tenths.size(); ++i) {
        const double hz = 1000.0 * std::exp2((static_cast<double>(i) - 204.0) / 36.0);
        // Scale into 100..1000 by exact operations, so that 31.25 Hz stays a
        // true half and rounds up.
        double mantissa = hz;
        long long unitTenths = 10;
        if (hz < 100.0) {
            mantissa = hz * 10.0;
            unitTenths = 1;
        } else if (hz >= 10000.0) {
            mantissa = hz / 100.0;
            unitTenths = 1000;
        } else if (hz >= 1000.0) {
            mantissa = hz / 10.0;
            unitTenths = 100;
        }
        tenths[i] = static_cast<long long>(std::floor(mantissa + 0.5)) * unitTenths;
    }
    tenths[81] = 940;
    tenths[82] = 950;
    tenths[83] = 970;
    tenths[84] = 990;
    return tenths;
}

const std::array<long long, FrequencyCount>& frequencyTenths() {
    static const auto table = buildFrequencyTenths();
    return table;
}

// "#0.0" of a value held in tenths; never "-0.0".
std::string tenthsText(long long tenths) {
    const long long magnitude = tenths < 0 ? -tenths : tenths;
    std::string text = tenths < 0 ? "-" : "";
    text += std::to_string(magnitude / 10);
    text += '.';
    text += std::to_string(magnitude % 10);
    return text;
}

// numerator / denominator (denominator > 0) to the nearest integer, halves
// away from zero: the rounding of the "#0" texts.
long long roundedQuotient(long long numerator, long long denominator) {
    const long long magnitude =
        ((numerator < 0 ? -numerator : numerator) * 2 + denominator) / (2 * denominator);
    return numerator < 0 ? -magnitude : magnitude;
}

std::string integerText(long long value) {
    return std::to_string(value);
}

std::string tableText(std::span<const std::string_view> table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size())
        return {};
    return std::string(table[static_cast<std::size_t>(index)]);
}

std::string frequencyText(int index) {
    if (index < 0 || index >= FrequencyCount)
        return {};
    return FrequencyText()[static_cast<std::size_t>(index)];
}

// A table text with its unit; no unit on a missing text.
std::string withUnit(const std::string& text, std::string_view unit) {
    return text.empty() ? text : text + std::string(unit);
}

struct KindRange {
    bool ranged;
    int lower;
    int upper;
    bool steps;
};

constexpr std::array<KindRange, ValueKindCount> KindRanges = {{
    {false, 0, 0, false},   // 0 placeholders, volume read-outs
    {true, 0, 3, false},    // 1 band type, trigger
    {true, 0, 360, true},   // 2 band frequency
    {true, 0, 180, true},   // 3 band gain
    {true, 0, 100, true},   // 4 band Q (shelves narrower)
    {true, 0, 40, true},    // 5 music input gain
    {true, 0, 360, false},  // 6 crossover frequency
    {false, 0, 0, false},   // 7
    {true, 0, 100, false},  // 8 effect level
    {true, 0, 200, false},  // 9 mix level
    {true, 0, 100, false},  // 10 echo right time
    {true, 0, 250, false},  // 11 echo time, reverb pre-delay
    {true, 0, 80, false},   // 12 reverb time
    {false, 0, 0, false},   // 13
    {true, 0, 34, false},   // 14 output limiter threshold
    {true, 0, 40, false},   // 15 ratio
    {true, 0, 7, false},    // 16 release
    {true, 0, 19, false},   // 17 attack
    {true, 0, 500, false},  // 18 output delay
    {false, 0, 0, false},   // 19
    {true, 0, 60, false},   // 20 dynamic-equaliser threshold
    {true, 0, 14, false},   // 21 pitch
    {true, 0, 40, false},   // 22 microphone input gain
    {true, 0, 4, false},    // 23 feedback suppression
    {true, 0, 60, false},   // 24 noise-gate threshold
    {true, 0, 34, false},   // 25 microphone limiter threshold
    {true, 0, 250, false},  // 26 echo pre-delay
    {true, 120, 180, true}, // 27 auxiliary upper gain limit
    {true, 60, 120, true},  // 28 auxiliary lower gain limit
}};

constexpr KindRange NoRange = {false, 0, 0, false};

const KindRange& rangeOf(int kind) {
    if (kind < 0 || kind >= ValueKindCount)
        return NoRange;
    return KindRanges[static_cast<std::size_t>(kind)];
}

int saturate(long long value) {
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

// Saturating conversion, truncating towards zero; NaN gives 0.
int saturate(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::trunc(value), lowest, highest));
}

// Nearest integer, halves to even, independent of the floating-point
// rounding mode.
double roundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5)
        return lower + 1.0;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

int parseFrequency(double hz) {
    constexpr int highestTypable = 360;
    const auto values = FrequencyValue();
    for (int i = 0; i < highestTypable; ++i) {
        const double here = values[static_cast<std::size_t>(i)];
        if (!(hz <= here))
            continue;
        if (i > 0) {
            const double below = values[static_cast<std::size_t>(i - 1)];
            if (here - hz >= hz - below)
                return i - 1;
        }
        return i;
    }
    return highestTypable;
}

// The Q texts as numbers. Comparing against the parsed texts, not scaled
// integers, keeps a typed "0.59" equal to its entry.
const std::array<double, QCount>& qNumbers() {
    static const auto table = [] {
        std::array<double, QCount> numbers{};
        for (std::size_t i = 0; i < numbers.size(); ++i)
            std::from_chars(QTable[i].data(), QTable[i].data() + QTable[i].size(), numbers[i]);
        return numbers;
    }();
    return table;
}

int parseQ(double q) {
    const auto& numbers = qNumbers();
    for (int i = 0; i < QCount; ++i) {
        if (q <= numbers[static_cast<std::size_t>(i)])
            return i;
    }
    return QCount;
}

constexpr int AuxGainStepSlot = 0;
constexpr int AuxFirstLimitSlot = 31;

} // namespace

std::span<const std::string> FrequencyText() {
    static const auto table = [] {
        std::array<std::string, FrequencyCount> texts;
        const auto& tenths = frequencyTenths();
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = tenths[i] < 10000 ? tenthsText(tenths[i]) : integerText(tenths[i] / 10);
        return texts;
    }();
    return table;
}

std::span<const float> FrequencyValue() {
    static const auto table = [] {
        std::array<float, FrequencyCount> values{};
        const auto& tenths = frequencyTenths();
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = static_cast<float>(static_cast<double>(tenths[i]) / 10.0);
        return values;
    }();
    return table;
}

std::span<const std::string_view> QText() {
    return QTable;
}
std::span<const std::string_view> RatioText() {
    return RatioTable;
}
std::span<const std::string_view> ReleaseText() {
    return ReleaseTable;
}
std::span<const std::string_view> AttackText() {
    return AttackTable;
}

std::span<const std::string_view> BandTypeItems(BandTypeSpelling spelling) {
    switch (spelling) {
    case BandTypeSpelling::MusicBand12:
        return BandTypeMusicBand12;
    case BandTypeSpelling::DynamicEq:
        return BandTypeDynamicEq;
    case BandTypeSpelling::Standard:
        break;
    }
    return BandTypeStandard;
}

std::span<const std::string_view> TriggerItems() {
    return TriggerTable;
}
std::span<const std::string_view> CrossoverTypeItems() {
    return CrossoverTable;
}
std::span<const std::string_view> AuxGainStepItems() {
    return AuxGainStepTable;
}
std::span<const InputSourceText> InputSources() {
    return InputSourceTable;
}

std::string FormatValue(int kind, int index) {
    const long long i = index;
    switch (kind) {
    case 1:
        return tableText(BandTypeItems(), index);
    case 2:
    case 6:
        return withUnit(frequencyText(index), "Hz");
    case 3:
    case 27:
    case 28:
        return tenthsText(2 * i - 240) + "dB";
    case 4:
        return tableText(QText(), index);
    case 5:
        return tenthsText(5 * i - 100) + "dB";
    case 8:
    case 9:
        return integerText(i) + "%";
    case 10:
        return integerText(i - 50) + "%";
    case 11:
        return integerText(2 * i) + "ms";
    case 12:
        return integerText(roundedQuotient(125 * i, 2)) + "ms";
    case 14:
        return integerText(i - 34) + "dBu";
    case 15:
        return tableText(RatioText(), index);
    case 16:
        return tableText(ReleaseText(), index);
    case 17:
        return withUnit(tableText(AttackText(), index), "ms");
    case 18:
        return tenthsText(i) + "ms";
    case 20:
        return integerText(i - 60) + "dBu";
    case 21:
        return integerText(i - 7);
    case 22:
        return integerText(roundedQuotient(i - 20, 2)) + "dB";
    case 23:
        return integerText(i);
    case 24:
        return integerText(i - 90) + "dB";
    case 25:
        return integerText(i - 34) + "dB";
    case 26:
        return integerText(i - 100) + "ms";
    default:
        return {};
    }
}

ValueContext ValueContextFor(Tag viewTag, const ViewValues& view, int currentViewPage) {
    ValueContext context;
    if (!ViewValues::contains(viewTag))
        return context;

    const int band = BandOfTag(viewTag);
    const int position = band % 256;
    if (position == BandQPeaking || position == BandQShelf)
        context.bandType = view.value(viewTag - position);

    if (currentViewPage == PageDeq)
        context.gainLower = 60;

    if (currentViewPage == PageAux) {
        const int item = std::clamp(view.value(PageAux, AuxGainStepSlot), 0,
                                    static_cast<int>(AuxGainStepTable.size()) - 1);
        context.gainStep = item + 1;

        if (pageOf(viewTag) == PageAux && position == BandGain) {
            // A limit pair is itself kept within its own scale, so a pair not
            // yet received from the box cannot pin the gain outside 60..180.
            const int upperSlot = AuxFirstLimitSlot + 2 * (band / 256);
            context.gainUpper = LimitValue(27, view.value(PageAux, upperSlot), {});
            context.gainLower = LimitValue(28, view.value(PageAux, upperSlot + 1), {});
        }
    }
    return context;
}

int LimitValue(int kind, int index, const ValueContext& context) {
    const KindRange& range = rangeOf(kind);
    if (!range.ranged)
        return index;
    int upper = range.upper;
    if (kind == 4 && context.bandType >= 2)
        upper = ShelvingQLimit;
    int limited = std::clamp(index, range.lower, upper);
    if (kind == 3)
        limited = std::max(std::min(limited, context.gainUpper), context.gainLower);
    return limited;
}

int StepValue(int kind, int index, int action, const ValueContext& context) {
    long long stepped = index;
    if (rangeOf(kind).steps) {
        const int step = kind == 3 ? context.gainStep : 1;
        if (action == ActionStepUp)
            stepped += step;
        else if (action == ActionStepDown)
            stepped -= step;
    }
    return LimitValue(kind, saturate(stepped), context);
}

int ParseValue(int kind, double number) {
    switch (kind) {
    case 2:
        return parseFrequency(number);
    case 3:
    case 27:
    case 28:
        return saturate(roundHalfEven((number + 24.0) * 5.0));
    case 4:
        return parseQ(number);
    case 5:
        return saturate(roundHalfEven((number + 10.0) * 2.0));
    default:
        return saturate(number);
    }
}

} // namespace kdsp
