#pragma once

#include "model/page_catalogue.h"
#include "model/parameter_store.h"

#include <span>
#include <string>
#include <string_view>

namespace kdsp {

// A value kind (0..28) chooses how a slot index is ranged, stepped, written
// and parsed. Kinds without a rule (0, 7, 13, 19 and anything outside 0..28)
// have no range, no step and no text.
inline constexpr int ValueKindCount = 29;

inline constexpr int FrequencyCount = 362;
inline constexpr int QCount = 101;
inline constexpr int DefaultQIndex = 16;  // "1.00"
inline constexpr int ShelvingQLimit = 24; // "1.60"

// Edit actions.
inline constexpr int ActionSet = 0;
inline constexpr int ActionStepUp = 1;
inline constexpr int ActionStepDown = 11;

// Frequency texts in 1/36-octave steps from 19.7 Hz to 20.6 kHz, without
// unit: one decimal place below 1000 Hz, none from 1000 Hz on.
std::span<const std::string> FrequencyText();
// The same frequencies as numbers, for parsing typed input.
std::span<const float> FrequencyValue();

std::span<const std::string_view> QText();
std::span<const std::string_view> RatioText();   // kind 15
std::span<const std::string_view> ReleaseText(); // kind 16
std::span<const std::string_view> AttackText();  // kind 17, milliseconds without unit

// The band-type selector spells its bypass item differently in two places.
enum class BandTypeSpelling { Standard, MusicBand12, DynamicEq };
std::span<const std::string_view>
BandTypeItems(BandTypeSpelling spelling = BandTypeSpelling::Standard);
std::span<const std::string_view> TriggerItems();
// High-pass and low-pass type items exactly as the box's lists hold them,
// including the clipped "12dB Besse" and the trailing blank of "6dB 1st ".
std::span<const std::string_view> CrossoverTypeItems();
// Auxiliary gain step in dB; item index + 1 is the step in gain steps.
std::span<const std::string_view> AuxGainStepItems();

// Names of the music input sources (index = source 0..5) and the caption of
// the matching volume control, in both console languages (UTF-8).
struct InputSourceText {
    std::string_view chineseName;
    std::string_view englishName;
    std::string_view chineseVolumeLabel;
    std::string_view englishVolumeLabel;
};
std::span<const InputSourceText> InputSources();

// The text a control of `kind` shows for `index`. Kinds without text give
// "". No range is applied: limit first. An index outside a text table gives "".
// Decimal texts use "." and round halves away from zero.
std::string FormatValue(int kind, int index);

// What the range of a value depends on besides its kind.
struct ValueContext {
    int bandType = 0;  // kind 4: type of the band the Q belongs to
    int gainStep = 1;  // kind 3: gain steps per one-step edit
    int gainLower = 0; // kind 3: applied after the kind's own range
    int gainUpper = 180;
};

// The context of the value bound to `viewTag` while `currentViewPage` is
// shown: the band's type for a Q slot, the dynamic equaliser's narrower gain
// range, and the auxiliary gain step and per-band limit pair.
ValueContext ValueContextFor(Tag viewTag, const ViewValues& view, int currentViewPage);

// `index` brought into the range of `kind`; kinds without a range pass it
// through. Shelving bands (type 2 or above) take Q indices up to 24 only.
// For kind 3 the context's limits apply after 0..180; when they cross, the
// lower one wins.
int LimitValue(int kind, int index, const ValueContext& context);

// One step up (ActionStepUp) or down (ActionStepDown) for the kinds that
// step (2, 3, 4, 5, 27, 28); then, for every kind, LimitValue.
int StepValue(int kind, int index, int action, const ValueContext& context);

// The index of a typed number; not limited. Frequencies go to the nearest
// entry (ties to the lower) and never past index 360; gains round halves to
// even; a Q above the table gives 101. Other kinds truncate the number.
// Results saturate at the int range; NaN gives 0 where no rule applies.
int ParseValue(int kind, double number);

} // namespace kdsp
