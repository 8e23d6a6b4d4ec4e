#include "presets/preset_kind.h"

#include "presets/preset_link.h"

namespace kdsp {

namespace {

// A whole-setup file carries pages 25 and 26 too, but a load leaves the
// volume page and the equaliser-reset page alone.
constexpr PresetKindInfo WholeSetupInfo{".Nddt", "R9Mode",          "W2 ", 0x58, 0, 26, 0,
                                        21,      LinkStateUploadAll};
constexpr PresetKindInfo HintEqInfo{
    ".EQdt", "HintMode", "W2EQ ", 0x55, 22, 24, 22, 24, LinkStateUploadHintPages};

} // namespace

const PresetKindInfo& InfoOf(PresetKind kind) {
    return kind == PresetKind::WholeSetup ? WholeSetupInfo : HintEqInfo;
}

} // namespace kdsp
