#pragma once

#include "sim/box_simulator.h"

#include <string>
#include <string_view>

namespace kdsp {

// The simulated box's memory as text, so a simulator keeps its setup across
// runs: password, system code, device ID, the live store and every mode
// (name and the non-zero values of the pages it covers).
std::string SaveBoxState(const BoxSimulator& box);

// Restores what SaveBoxState wrote. On a malformed text returns false with
// `error` naming the line, and leaves the box unchanged.
bool LoadBoxState(BoxSimulator& box, std::string_view text, std::string& error);

} // namespace kdsp
