// Feeds arbitrary bytes to the preset reader as either kind of file: a file
// that is accepted must only name slots inside the store, and applying it
// must stay inside the 31 x 165 table.
#include "presets/preset_reader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kdsp;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (PresetKind kind : PresetKinds) {
        const PresetReadResult result = DecodePresetFile(kind, bytes);
        if (result.status != PresetStatus::Ok && !result.values.empty())
            std::abort();
        for (const PresetValue& v : result.values)
            if (!PageTable::contains(v.tag))
                std::abort();
        ParameterStore store;
        ApplyPresetValues(result.values, store);
    }
    return 0;
}
