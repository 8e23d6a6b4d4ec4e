#pragma once

#include "link/link_engine.h"
#include "presets/preset_link.h"

namespace kdsp {

// The preset files and device modes driving the real link engine.
class EnginePresetLink : public PresetLink {
public:
    explicit EnginePresetLink(LinkEngine& engine) : engine_(engine) {}

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

private:
    LinkEngine& engine_;
};

} // namespace kdsp
