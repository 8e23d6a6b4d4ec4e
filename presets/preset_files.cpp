#include "presets/preset_files.h"

#include "presets/preset_file_io.h"
#include "presets/preset_messages.h"
#include "presets/preset_names.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace kdsp {

namespace {

std::size_t indexOf(PresetKind kind) {
    return kind == PresetKind::WholeSetup ? 0 : 1;
}

} // namespace

PresetFiles::PresetFiles(PresetFolders folders, ParameterStore& store, Prompter& prompter,
                         PresetLink& link)
    : folders_(std::move(folders)), store_(store), prompter_(prompter), link_(link) {}

void PresetFiles::prepare() {
    PreparePresetFolders(folders_);
    for (PresetKind kind : PresetKinds)
        refresh(kind);
}

void PresetFiles::refresh(PresetKind kind) {
    table(kind) = ListPresetNames(folders_.of(kind), kind);
}

const std::vector<std::string>& PresetFiles::names(PresetKind kind) const {
    return names_[indexOf(kind)];
}

std::vector<std::string>& PresetFiles::table(PresetKind kind) {
    return names_[indexOf(kind)];
}

SaveOutcome PresetFiles::save(PresetKind kind, std::string_view name, Language language) {
    if (name.empty())
        return SaveOutcome::NothingToSave;
    if (!IsAcceptablePresetName(name, NameUse::Save)) {
        prompter_.showMessage(InvalidFileNameMessage.in(language));
        return SaveOutcome::InvalidName;
    }
    // One question per equal entry: a folder on a case-sensitive file system
    // can list two files under one name.
    const auto& listed = names(kind);
    const auto equal = std::count(listed.begin(), listed.end(), name);
    for (std::ptrdiff_t i = 0; i < equal; ++i) {
        if (!prompter_.ask(OverwriteCaption.in(language), OverwriteQuestion.in(language),
                           QuestionButtons::OkCancel))
            return SaveOutcome::Cancelled;
    }

    const bool written = WritePresetFile(PresetPath(folders_, kind, name), kind, store_);
    if (!written)
        prompter_.showMessage(SaveFailedMessage.in(language));
    refresh(kind);
    return written ? SaveOutcome::Saved : SaveOutcome::Failed;
}

LoadOutcome PresetFiles::load(PresetKind kind, std::string_view name, Language language) {
    if (!IsAcceptablePresetName(name, NameUse::Open)) {
        prompter_.showMessage(InvalidFileNameMessage.in(language));
        return LoadOutcome::InvalidName;
    }
    if (!prompter_.ask(LoadCaption, LoadQuestion(name, language), QuestionButtons::YesNo))
        return LoadOutcome::Declined;

    const PresetReadResult read = ReadPresetFile(PresetPath(folders_, kind, name), kind);
    switch (read.status) {
    case PresetStatus::CannotOpen:
        prompter_.showMessage(FileNotFoundMessage.in(language));
        return LoadOutcome::CannotOpen;
    case PresetStatus::FormatError:
        prompter_.showMessage(FileFormatErrorMessage.in(language));
        return LoadOutcome::FormatError;
    case PresetStatus::Corrupted:
        prompter_.showMessage(FileCorruptedMessage.in(language));
        return LoadOutcome::Corrupted;
    case PresetStatus::Ok:
        break;
    }

    ApplyPresetValues(read.values, store_);
    if (link_.online())
        link_.enterState(InfoOf(kind).uploadState);
    return LoadOutcome::Loaded;
}

bool PresetFiles::remove(PresetKind kind, std::string_view name, Language language) {
    if (name.empty())
        return false;
    if (!IsAcceptablePresetName(name, NameUse::Open)) {
        prompter_.showMessage(InvalidFileNameMessage.in(language));
        return false;
    }
    std::filesystem::path file = PresetPath(folders_, kind, name);
    prompter_.showMessage(Utf8FromPath(file.make_preferred()));
    std::error_code error;
    const bool removed = std::filesystem::remove(file, error);
    refresh(kind);
    return removed;
}

} // namespace kdsp
