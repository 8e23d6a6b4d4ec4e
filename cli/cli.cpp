#include "cli/cli.h"

#include <charconv>
#include <ostream>

namespace kdsp::cli {

namespace {

constexpr const char* HelpText =
    R"(usage: kdsp COMMAND ARGS...

Commands:
  value format KIND INDEX       text of a parameter index of value kind KIND
  value parse KIND NUMBER       parameter index of a typed number (not limited)
  frame write PAGE SLOT VALUE   9-byte write frame as hex
  frame read PAGE SLOT VALUE    9-byte read frame as hex
  frame decode [--transport serial|tcp|usb] HEX...
                                decode one received block: PAGE:SLOT=VALUE per
                                stored value, "ack", "status BYTE", or
                                "frame lost" (exit 1)
  response TYPE FREQ Q GAIN     the 463 grid values of one band's response, dB
  fft N                         forward FFT of N lines "re im" read from stdin
  preset dump FILE              PAGE:SLOT=VALUE of every value a preset file loads
  preset check FILE             "ok", or why the file cannot be loaded (exit 1)
  preset write FILE             write PAGE:SLOT=VALUE lines from stdin, over the
                                start-up values, as a .Nddt or .EQdt file
  box CONNECTION ACTION         talk to a box: CONNECTION is --tcp HOST:PORT,
                                --serial DEVICE or --usb; ACTION is info,
                                modes, dump, get PAGE:SLOT, set PAGE:SLOT
                                VALUE, recall system|hint N, store system|hint
                                N NAME (N from 1), backup FILE or restore FILE
                                (.Nddt or .EQdt). Progress on stderr; exit 1
                                when the box is not reached
  --help                        this text

Bad arguments print one line on stderr and exit with status 2.
)";

} // namespace

int BadUsage(Streams io, const std::string& message) {
    io.err << "kdsp: " << message << '\n';
    return ExitBadUsage;
}

bool ParseInt(const std::string& text, long long& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last && !text.empty();
}

bool ParseNumber(const std::string& text, double& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last && !text.empty();
}

int Run(Args args, Streams io, Command box) {
    if (args.empty())
        return BadUsage(io, "missing command; see kdsp --help");
    const std::string& command = args[0];
    const Args rest = args.subspan(1);
    if (command == "--help" || command == "-h" || command == "help") {
        io.out << HelpText;
        return ExitOk;
    }
    if (command == "value")
        return RunValueCommand(rest, io);
    if (command == "frame")
        return RunFrameCommand(rest, io);
    if (command == "response")
        return RunResponseCommand(rest, io);
    if (command == "fft")
        return RunFftCommand(rest, io);
    if (command == "preset")
        return RunPresetCommand(rest, io);
    if (command == "box")
        return box ? box(rest, io) : BadUsage(io, "box: this build has no link to a box");
    return BadUsage(io, "unknown command '" + command + "'; see kdsp --help");
}

} // namespace kdsp::cli
