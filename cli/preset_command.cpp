#include "cli/cli.h"
#include "cli/preset_file_kind.h"
#include "presets/preset_file_io.h"
#include "presets/preset_messages.h"

#include <istream>
#include <ostream>

namespace kdsp::cli {

namespace {

// One "PAGE:SLOT=VALUE" line into the store; false when it is not one.
bool applyLine(const std::string& line, ParameterStore& store) {
    const auto colon = line.find(':');
    const auto equals = line.find('=');
    long long page = 0, slot = 0, value = 0;
    if (colon == std::string::npos || equals == std::string::npos || equals < colon ||
        !ParseInt(line.substr(0, colon), page) ||
        !ParseInt(line.substr(colon + 1, equals - colon - 1), slot) ||
        !ParseInt(line.substr(equals + 1), value) || value < 0 || value > 65535 ||
        !PageTable::contains(static_cast<int>(page), static_cast<int>(slot)))
        return false;
    store.setValue(static_cast<int>(page), static_cast<int>(slot),
                   static_cast<std::int32_t>(value));
    return true;
}

int runWrite(const std::filesystem::path& file, PresetKind kind, Streams io) {
    ParameterStore store = StartupStore();
    std::string line;
    int number = 0;
    while (std::getline(io.in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        if (!applyLine(line, store))
            return BadUsage(io, "stdin line " + std::to_string(number) + ": '" + line +
                                    "' is not PAGE:SLOT=VALUE inside the store");
    }
    if (!WritePresetFile(file, kind, store)) {
        io.err << SaveFailedMessage.english << '\n';
        return ExitFailed;
    }
    return ExitOk;
}

} // namespace

int RunPresetCommand(Args args, Streams io) {
    if (args.size() != 2)
        return BadUsage(io, "preset takes dump FILE, check FILE or write FILE");
    const std::string& verb = args[0];
    const std::filesystem::path file = args[1];
    const auto kind = PresetKindOfFile(file);
    if (!kind)
        return BadUsage(io, "a preset file ends in .Nddt or .EQdt, not '" + args[1] + "'");

    if (verb == "write")
        return runWrite(file, *kind, io);
    if (verb != "dump" && verb != "check")
        return BadUsage(io, "unknown preset command '" + verb + "'; use dump, check or write");

    const PresetReadResult result = ReadPresetFile(file, *kind);
    if (result.status != PresetStatus::Ok) {
        (verb == "dump" ? io.err : io.out) << EnglishMessageOf(result.status) << '\n';
        return ExitFailed;
    }
    if (verb == "check") {
        io.out << "ok\n";
        return ExitOk;
    }
    for (const PresetValue& v : result.values)
        io.out << pageOf(v.tag) << ':' << slotOf(v.tag) << '=' << v.value << '\n';
    return ExitOk;
}

} // namespace kdsp::cli
