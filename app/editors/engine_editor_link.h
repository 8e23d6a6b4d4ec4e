#pragma once

#include "app/editors/editor_link.h"
#include "link/link_engine.h"

namespace kdsp {

// The editors' link on the real link engine.
class EngineEditorLink : public EditorLink {
public:
    explicit EngineEditorLink(LinkEngine& engine) : engine_(engine) {}

    bool online() const override { return engine_.online(); }
    void enterState(int state) override { engine_.enterState(state); }
    void sendTextCommand(Tag address, std::string_view text) override {
        engine_.sendTextCommand(address, text);
    }
    void armFollowUp(int code) override { engine_.armFollowUp(code); }
    void showStatus(std::string_view chinese, std::string_view english) override {
        engine_.showStatus(chinese, english);
    }
    void awaitAcknowledgement() override { engine_.awaitAcknowledgement(); }
    LinkTexts& texts() override { return engine_.texts(); }
    int linkUpStage() const override { return engine_.linkUpStage(); }
    void setLinkUpStage(int stage) override { engine_.setLinkUpStage(stage); }

private:
    LinkEngine& engine_;
};

} // namespace kdsp
