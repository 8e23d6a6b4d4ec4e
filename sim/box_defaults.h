#pragma once

#include "model/parameter_store.h"
#include "sim/mode_bank.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace kdsp {

using DeviceId = std::array<std::uint8_t, 4>;

// What a fresh simulated box holds. The store is the console's start-up
// store with a few differences, so that a download visibly changes the
// console's image:
//   page 0 slot 3, pitch and status byte               5
//   page 0 slot 12, music left band 1 gain             150 (+6.0 dB)
//   page 22 slot 3, first hint page band 1 gain        130 (+2.0 dB)
//   page 25 slots 0..2, microphone/music/effect volume 50, 60, 40
//   page 30 slot 20, highest input source offered      5 (USB)
ParameterStore BoxStartStore();

// Modes of a fresh box, numbered k = 0..15:
//   system mode k: BoxStartStore() with page 0 slot 12 = 120 + k and page 30
//     slot 2 = k, named "System mode k+1";
//   hint mode k: the hint pages of BoxStartStore() with page 22 slot 3 =
//     100 + k, named "Hint mode k+1".
// Every default mode therefore differs from the start store, so a recall
// shows.
ModeBank BoxStartModes();

inline constexpr DeviceId BoxStartDeviceId = {0x12, 0xA4, 0x5C, 0x07};
inline constexpr std::string_view BoxStartPassword = "2468";
inline constexpr std::string_view BoxStartSystemCode = "135790";

} // namespace kdsp
