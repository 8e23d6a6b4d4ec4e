#include "cli/box_command.h"

#include "cli/box_session.h"
#include "cli/preset_file_kind.h"
#include "link/host_port.h"
#include "model/page_catalogue.h"
#include "presets/preset_file_io.h"
#include "presets/preset_messages.h"

#include <QCoreApplication>
#include <ostream>

namespace kdsp::cli {

namespace {

constexpr int SystemModeSlot = 2;
constexpr int HintModeSlot = 34;

bool parseAddress(const std::string& text, Tag& tag) {
    const auto colon = text.find(':');
    long long page = 0, slot = 0;
    if (colon == std::string::npos || !ParseInt(text.substr(0, colon), page) ||
        !ParseInt(text.substr(colon + 1), slot) ||
        !PageTable::contains(static_cast<int>(page), static_cast<int>(slot)))
        return false;
    tag = makeTag(static_cast<int>(page), static_cast<int>(slot));
    return true;
}

bool parseConnection(Args& args, BoxConnection& connection, Streams io, int& status) {
    if (args.empty()) {
        status = BadUsage(io, "box needs --tcp HOST:PORT, --serial DEVICE or --usb");
        return false;
    }
    const std::string option = args[0];
    if (option == "--usb") {
        connection.kind = BoxConnection::Kind::Usb;
        args = args.subspan(1);
        return true;
    }
    if ((option == "--tcp" || option == "--serial") && args.size() >= 2) {
        if (option == "--serial") {
            connection.kind = BoxConnection::Kind::Serial;
            connection.device = args[1];
        } else {
            const auto endpoint = ParseHostPort(args[1]);
            if (!endpoint || endpoint->port < 1) {
                status = BadUsage(io, "--tcp needs HOST:PORT with a port 1..65535");
                return false;
            }
            connection.kind = BoxConnection::Kind::Tcp;
            connection.host = endpoint->host;
            connection.port = std::to_string(endpoint->port);
        }
        args = args.subspan(2);
        return true;
    }
    status = BadUsage(io, "box needs --tcp HOST:PORT, --serial DEVICE or --usb");
    return false;
}

void printModes(const BoxSession& session, std::ostream& out) {
    const auto& texts = session.texts();
    const int system = session.store().value(PageSystem, SystemModeSlot);
    const int hint = session.store().value(PageSystem, HintModeSlot);
    for (int i = 0; i < ModesPerList; ++i)
        out << "system mode " << i + 1 << (i == system ? " * " : "   ")
            << texts.systemModeNames[static_cast<std::size_t>(i)] << '\n';
    for (int i = 0; i < ModesPerList; ++i)
        out << "hint mode " << i + 1 << (i == hint ? " * " : "   ")
            << texts.hintModeNames[static_cast<std::size_t>(i)] << '\n';
}

void printInfo(const BoxSession& session, std::ostream& out) {
    out << "device id " << session.texts().deviceId << '\n';
    printModes(session, out);
    out << "current system mode " << session.store().value(PageSystem, SystemModeSlot) + 1 << '\n';
    out << "current hint mode " << session.store().value(PageSystem, HintModeSlot) + 1 << '\n';
}

void printDump(const ParameterStore& store, std::ostream& out) {
    for (int page = 0; page < PageCount; ++page)
        for (int slot = 0; slot < SlotCount[static_cast<std::size_t>(page)]; ++slot)
            out << page << ':' << slot << '=' << store.value(page, slot) << '\n';
}

// What to do once online, checked before anything is connected.
struct Action {
    enum class Kind {
        Info,
        Modes,
        Dump,
        Get,
        Set,
        Recall,
        Store,
        Backup,
        Restore
    } kind = Kind::Info;
    Tag tag = 0;
    std::int32_t value = 0;
    ModeList list = ModeList::System;
    int index = 0;
    std::string name;
    std::filesystem::path file;
    PresetKind fileKind = PresetKind::WholeSetup;
    PresetReadResult loaded;
};

bool parseModeNumber(const std::string& listWord, const std::string& number, Action& action) {
    long long n = 0;
    if ((listWord != "system" && listWord != "hint") || !ParseInt(number, n) || n < 1 ||
        n > ModesPerList)
        return false;
    action.list = listWord == "system" ? ModeList::System : ModeList::Hint;
    action.index = static_cast<int>(n) - 1;
    return true;
}

bool parseAction(Args args, Action& action, Streams io, int& status) {
    const auto bad = [&](const std::string& message) {
        status = BadUsage(io, message);
        return false;
    };
    if (args.empty())
        return bad("box needs an action: info, dump, get, set or recall");
    const std::string& verb = args[0];
    if ((verb == "info" || verb == "dump") && args.size() == 1) {
        action.kind = verb == "info" ? Action::Kind::Info : Action::Kind::Dump;
        return true;
    }
    if (verb == "get" && args.size() == 2) {
        action.kind = Action::Kind::Get;
        return parseAddress(args[1], action.tag) || bad("get needs PAGE:SLOT inside the store");
    }
    if (verb == "set" && args.size() == 3) {
        action.kind = Action::Kind::Set;
        long long value = 0;
        if (!parseAddress(args[1], action.tag))
            return bad("set needs PAGE:SLOT inside the store");
        if (!ParseInt(args[2], value) || value < 0 || value > 65535)
            return bad("set needs a VALUE 0..65535");
        action.value = static_cast<std::int32_t>(value);
        return true;
    }
    if (verb == "modes" && args.size() == 1) {
        action.kind = Action::Kind::Modes;
        return true;
    }
    if (verb == "recall" && args.size() == 3) {
        action.kind = Action::Kind::Recall;
        return parseModeNumber(args[1], args[2], action) ||
               bad("recall needs system|hint and a mode number 1..16");
    }
    if (verb == "store" && args.size() == 4) {
        action.kind = Action::Kind::Store;
        action.name = args[3];
        return parseModeNumber(args[1], args[2], action) ||
               bad("store needs system|hint, a mode number 1..16 and a name");
    }
    if ((verb == "backup" || verb == "restore") && args.size() == 2) {
        action.kind = verb == "backup" ? Action::Kind::Backup : Action::Kind::Restore;
        action.file = args[1];
        const auto kind = PresetKindOfFile(action.file);
        if (!kind)
            return bad(verb + " needs a file ending in .Nddt or .EQdt");
        action.fileKind = *kind;
        return true;
    }
    return bad("unknown box action; use info, modes, dump, get PAGE:SLOT, set PAGE:SLOT VALUE, "
               "recall system|hint N, store system|hint N NAME, backup FILE or restore FILE");
}

} // namespace

int RunBoxCommand(Args args, Streams io) {
    BoxConnection connection;
    Action action;
    int status = ExitOk;
    if (!parseConnection(args, connection, io, status) || !parseAction(args, action, io, status))
        return status;

    // A file that cannot be loaded is refused before the box is touched.
    if (action.kind == Action::Kind::Restore) {
        action.loaded = ReadPresetFile(action.file, action.fileKind);
        if (action.loaded.status != PresetStatus::Ok) {
            io.err << EnglishMessageOf(action.loaded.status) << '\n';
            return ExitFailed;
        }
    }

    int argc = 1;
    char name[] = "kdsp";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    BoxSession session(connection, io.err);
    if (!session.connect())
        return ExitFailed;

    bool ok = true;
    switch (action.kind) {
    case Action::Kind::Info:
        printInfo(session, io.out);
        break;
    case Action::Kind::Modes:
        printModes(session, io.out);
        break;
    case Action::Kind::Dump:
        printDump(session.store(), io.out);
        break;
    case Action::Kind::Get:
        io.out << session.store().value(action.tag) << '\n';
        break;
    case Action::Kind::Set:
        ok = session.write(action.tag, action.value);
        break;
    case Action::Kind::Recall:
        ok = session.recall(action.list, action.index);
        if (ok) {
            const auto& names = action.list == ModeList::System ? session.texts().systemModeNames
                                                                : session.texts().hintModeNames;
            io.out << "recalled " << (action.list == ModeList::System ? "system" : "hint")
                   << " mode " << action.index + 1 << ' '
                   << names[static_cast<std::size_t>(action.index)] << '\n';
        }
        break;
    case Action::Kind::Store:
        ok = session.storeMode(action.list, action.index, action.name);
        break;
    case Action::Kind::Backup:
        ok = WritePresetFile(action.file, action.fileKind, session.store());
        if (!ok)
            io.err << SaveFailedMessage.english << '\n';
        break;
    case Action::Kind::Restore:
        ok = session.upload(action.fileKind, action.loaded.values);
        break;
    }
    session.close();
    return ok ? ExitOk : ExitFailed;
}

} // namespace kdsp::cli
