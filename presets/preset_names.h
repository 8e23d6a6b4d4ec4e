#pragma once

#include <string_view>

namespace kdsp {

enum class NameUse {
    // A name that becomes a new file: nothing a file system on any of the
    // console's platforms refuses, and no "..".
    Save,
    // A name that opens or deletes an existing file: only what would reach
    // outside the kind's folder is refused, so files named elsewhere still load.
    Open,
};

// Whether `name` (UTF-8, without extension) may name a preset file. Save
// refuses control characters, \ / : * ? " < > |, "..", and the device names
// CON, PRN, AUX, NUL, COM1..COM9 and LPT1..LPT9 (with or without a further
// extension, in any letter case); Open refuses control characters, \ / and :.
bool IsAcceptablePresetName(std::string_view name, NameUse use);

} // namespace kdsp
