#include "presets/device_modes.h"

#include "presets/mode_texts.h"

namespace kdsp {

namespace {

bool isModeIndex(int index) {
    return index >= 0 && index < ModesPerList;
}

} // namespace

DeviceModes::DeviceModes(ParameterModel& model, LinkTexts& names, Prompter& prompter,
                         PresetLink& link)
    : model_(model), names_(names), prompter_(prompter), link_(link) {}

bool DeviceModes::recall(ModeList list, int index, std::string_view item, Language language) {
    if (!isModeIndex(index))
        return false;
    if (!prompter_.ask(ModeQuestionCaption, RecallQuestion(item, language), QuestionButtons::YesNo))
        return false;
    model_.commitValue(ModeRecallTag(list), index);
    return true;
}

bool DeviceModes::store(ModeList list, int index, std::string_view name, Language language) {
    if (!isModeIndex(index))
        return false;
    if (!prompter_.ask(ModeQuestionCaption, StoreQuestion(index, name, language),
                       QuestionButtons::YesNo))
        return false;
    const std::string kept = CutModeName(name);
    names_.names(list)[static_cast<std::size_t>(index)] = kept;
    link_.sendTextCommand(ModeStoreTag(list), StoreCommandText(index, kept));
    link_.armFollowUp(list == ModeList::System ? FollowUpSystemModeStored : FollowUpHintModeStored);
    link_.showStatus(SavingStatus.chinese, SavingStatus.english);
    link_.awaitAcknowledgement();
    return true;
}

} // namespace kdsp
