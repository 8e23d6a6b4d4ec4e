#pragma once

#include "link/link_engine.h"
#include "presets/preset_link.h"

namespace kdsp {

// The preset and mode commands on the real link engine. `Interface` is
// PresetLink or an interface that extends it; an extension adds its own
// calls on top of engine().
template <class Interface = PresetLink> class EngineLinkAdapter : public Interface {
public:
    explicit EngineLinkAdapter(LinkEngine& engine) : engine_(engine) {}

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

protected:
    LinkEngine& engine() const { return engine_; }

private:
    LinkEngine& engine_;
};

using EnginePresetLink = EngineLinkAdapter<PresetLink>;

} // namespace kdsp
