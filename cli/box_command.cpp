#include "cli/box_command.h"

#include "cli/box_session.h"
#include "model/page_catalogue.h"

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
            const auto colon = args[1].rfind(':');
            long long port = 0;
            if (colon == std::string::npos || !ParseInt(args[1].substr(colon + 1), port) ||
                port < 1 || port > 65535) {
                status = BadUsage(io, "--tcp needs HOST:PORT with a port 1..65535");
                return false;
            }
            connection.kind = BoxConnection::Kind::Tcp;
            connection.host = args[1].substr(0, colon);
            connection.port = args[1].substr(colon + 1);
        }
        args = args.subspan(2);
        return true;
    }
    status = BadUsage(io, "box needs --tcp HOST:PORT, --serial DEVICE or --usb");
    return false;
}

void printInfo(const BoxSession& session, std::ostream& out) {
    const auto& texts = session.texts();
    out << "device id " << texts.deviceId << '\n';
    const int system = session.store().value(PageSystem, SystemModeSlot);
    const int hint = session.store().value(PageSystem, HintModeSlot);
    for (int i = 0; i < ModesPerList; ++i)
        out << "system mode " << i + 1 << (i == system ? " * " : "   ")
            << texts.systemModeNames[static_cast<std::size_t>(i)] << '\n';
    for (int i = 0; i < ModesPerList; ++i)
        out << "hint mode " << i + 1 << (i == hint ? " * " : "   ")
            << texts.hintModeNames[static_cast<std::size_t>(i)] << '\n';
    out << "current system mode " << system + 1 << '\n';
    out << "current hint mode " << hint + 1 << '\n';
}

void printDump(const ParameterStore& store, std::ostream& out) {
    for (int page = 0; page < PageCount; ++page)
        for (int slot = 0; slot < SlotCount[static_cast<std::size_t>(page)]; ++slot)
            out << page << ':' << slot << '=' << store.value(page, slot) << '\n';
}

// What to do once online, checked before anything is connected.
struct Action {
    enum class Kind { Info, Dump, Get, Set, Recall } kind = Kind::Info;
    Tag tag = 0;
    std::int32_t value = 0;
    ModeList list = ModeList::System;
    int index = 0;
};

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
    if (verb == "recall" && args.size() == 3 && (args[1] == "system" || args[1] == "hint")) {
        action.kind = Action::Kind::Recall;
        action.list = args[1] == "system" ? ModeList::System : ModeList::Hint;
        long long n = 0;
        if (!ParseInt(args[2], n) || n < 1 || n > ModesPerList)
            return bad("recall needs a mode number 1..16");
        action.index = static_cast<int>(n) - 1;
        return true;
    }
    return bad("unknown box action; use info, dump, get PAGE:SLOT, set PAGE:SLOT VALUE or "
               "recall system|hint N");
}

} // namespace

int RunBoxCommand(Args args, Streams io) {
    BoxConnection connection;
    Action action;
    int status = ExitOk;
    if (!parseConnection(args, connection, io, status) || !parseAction(args, action, io, status))
        return status;

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
    }
    session.close();
    return ok ? ExitOk : ExitFailed;
}

} // namespace kdsp::cli
