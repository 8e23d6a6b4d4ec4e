#pragma once

#include <cstdint>
#include <string_view>

namespace kdsp {

// The two kinds of preset file: the whole setup and the hint equaliser.
enum class PresetKind { WholeSetup, HintEq };

struct PresetKindInfo {
    std::string_view extension;  // with its dot
    std::string_view folderName; // below the mode folder
    std::string_view headerWord; // opens line 0, space included
    int headerMask;              // XORed into both header numbers
    int firstPageWritten, lastPageWritten;
    int firstPageAccepted, lastPageAccepted; // a load stores only these
    int uploadState;                         // link state that sends a good load
};

const PresetKindInfo& InfoOf(PresetKind kind);

inline constexpr PresetKind PresetKinds[] = {PresetKind::WholeSetup, PresetKind::HintEq};

} // namespace kdsp
