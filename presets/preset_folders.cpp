#include "presets/preset_folders.h"

#include <algorithm>
#include <system_error>

namespace kdsp {

namespace fs = std::filesystem;

namespace {

char foldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string folded(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), foldCase);
    return out;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

PresetFolders PresetFoldersUnder(const fs::path& base) {
    const fs::path mode = base / "Mode";
    return {mode, mode / std::string(InfoOf(PresetKind::WholeSetup).folderName),
            mode / std::string(InfoOf(PresetKind::HintEq).folderName)};
}

fs::path ChoosePresetBase(const fs::path& besideExecutable, const fs::path& userData,
                          const std::function<bool(const fs::path&)>& writable) {
    return writable(besideExecutable) ? besideExecutable : userData;
}

void PreparePresetFolders(const PresetFolders& folders) {
    for (const fs::path* folder : {&folders.mode, &folders.wholeSetup, &folders.hintEq}) {
        std::error_code ignored;
        fs::create_directories(*folder, ignored);
    }
}

fs::path PathFromUtf8(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8FromPath(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path PresetPath(const PresetFolders& folders, PresetKind kind, std::string_view name) {
    return folders.of(kind) / PathFromUtf8(std::string(name) + std::string(InfoOf(kind).extension));
}

bool MatchesPresetPattern(std::string_view fileName, PresetKind kind) {
    return folded(fileName).find(folded(InfoOf(kind).extension)) != std::string::npos;
}

std::string StripPresetExtension(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos)
        return std::string(fileName);
    const std::string_view after = fileName.substr(dot + 1);
    const auto characters =
        std::count_if(after.begin(), after.end(), [](char c) { return !isContinuationByte(c); });
    return std::string(characters == 4 ? fileName.substr(0, dot) : fileName);
}

std::vector<std::string> ListPresetNames(const fs::path& folder, PresetKind kind) {
    std::vector<std::string> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        std::string name = Utf8FromPath(it->path().filename());
        if (MatchesPresetPattern(name, kind))
            files.push_back(std::move(name));
    }
    std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        const std::string fa = folded(a), fb = folded(b);
        return fa != fb ? fa < fb : a < b;
    });
    if (files.size() > MaxListedPresets)
        files.resize(MaxListedPresets);
    std::vector<std::string> names;
    names.reserve(files.size());
    for (const std::string& file : files)
        names.push_back(StripPresetExtension(file));
    return names;
}

} // namespace kdsp
