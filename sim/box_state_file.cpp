#include "sim/box_state_file.h"

#include <memory>
#include <sstream>

namespace kdsp {

namespace {

constexpr std::string_view Header = "kdsp-boxsim state 1";

const char* listName(ModeList list) {
    return list == ModeList::System ? "system" : "hint";
}

void writeValues(std::ostream& out, const std::string& prefix, const ParameterStore& store,
                 int firstPage, int endPage) {
    for (int page = firstPage; page < endPage; ++page)
        for (int slot = 0; slot < SlotsPerPage; ++slot)
            if (const int value = store.value(page, slot); value != 0)
                out << prefix << page << ' ' << slot << ' ' << value << '\n';
}

bool parseList(const std::string& word, ModeList& list) {
    if (word == "system")
        list = ModeList::System;
    else if (word == "hint")
        list = ModeList::Hint;
    else
        return false;
    return true;
}

// Everything a state file sets, assembled before the box is touched.
struct Parsed {
    std::string password, code;
    DeviceId id{};
    ParameterStore store;
    ParameterStore modes[2][ModesPerList];
    std::string names[2][ModesPerList];
};

bool parseValue(std::istringstream& in, ParameterStore& store) {
    int page = -1, slot = -1, value = 0;
    if (!(in >> page >> slot >> value) || !PageTable::contains(page, slot) || value < 0 ||
        value > 0xFFFF)
        return false;
    store.setValue(page, slot, value);
    return true;
}

bool parseLine(const std::string& line, Parsed& parsed) {
    std::istringstream in(line);
    std::string key;
    in >> key;
    if (key == "password" || key == "code") {
        std::string rest;
        std::getline(in >> std::ws, rest);
        (key == "password" ? parsed.password : parsed.code) = rest;
        return true;
    }
    if (key == "id") {
        unsigned raw = 0;
        if (!(in >> std::hex >> raw))
            return false;
        for (int i = 3; i >= 0; --i, raw >>= 8)
            parsed.id[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(raw & 0xFF);
        return true;
    }
    if (key == "value")
        return parseValue(in, parsed.store);
    if (key == "name" || key == "mode") {
        std::string listWord;
        int index = -1;
        ModeList list{};
        if (!(in >> listWord >> index) || !parseList(listWord, list) ||
            !ModeBank::validIndex(index))
            return false;
        const auto l = static_cast<std::size_t>(list == ModeList::System ? 0 : 1);
        const auto i = static_cast<std::size_t>(index);
        if (key == "mode")
            return parseValue(in, parsed.modes[l][i]);
        std::string name;
        std::getline(in >> std::ws, name);
        parsed.names[l][i] = name;
        return true;
    }
    return false;
}

} // namespace

std::string SaveBoxState(const BoxSimulator& box) {
    std::ostringstream out;
    out << Header << '\n';
    out << "password " << box.devicePassword() << '\n';
    out << "code " << box.systemCode() << '\n';
    std::string id = FormatHex(box.deviceId());
    std::erase(id, ' ');
    out << "id " << id << '\n';
    writeValues(out, "value ", box.store(), 0, PageCount);
    for (ModeList list : {ModeList::System, ModeList::Hint}) {
        for (int i = 0; i < ModesPerList; ++i) {
            out << "name " << listName(list) << ' ' << i << ' ' << box.modes().name(list, i)
                << '\n';
            writeValues(out, std::string("mode ") + listName(list) + ' ' + std::to_string(i) + ' ',
                        box.modes().snapshot(list, i), ModeBank::firstPage(list),
                        ModeBank::endPage(list));
        }
    }
    return out.str();
}

bool LoadBoxState(BoxSimulator& box, std::string_view text, std::string& error) {
    auto parsed = std::make_unique<Parsed>();
    std::istringstream in{std::string(text)};
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (number == 1) {
            if (line != Header) {
                error = "line 1: not a kdsp-boxsim state file";
                return false;
            }
            continue;
        }
        if (!line.empty() && !parseLine(line, *parsed)) {
            error = "line " + std::to_string(number) + ": cannot read '" + line + "'";
            return false;
        }
    }
    if (number == 0) {
        error = "the file is empty";
        return false;
    }
    box.setDevicePassword(parsed->password);
    box.setSystemCode(parsed->code);
    box.setDeviceId(parsed->id);
    box.store() = parsed->store;
    for (ModeList list : {ModeList::System, ModeList::Hint}) {
        const auto l = static_cast<std::size_t>(list == ModeList::System ? 0 : 1);
        for (int i = 0; i < ModesPerList; ++i) {
            const auto idx = static_cast<std::size_t>(i);
            box.modes().store(list, i, parsed->modes[l][idx], parsed->names[l][idx]);
        }
    }
    return true;
}

} // namespace kdsp
