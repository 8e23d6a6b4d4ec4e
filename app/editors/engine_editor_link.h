#pragma once

#include "app/editors/editor_link.h"
#include "presets/engine_preset_link.h"

namespace kdsp {

// The editors' link on the real link engine.
class EngineEditorLink : public EngineLinkAdapter<EditorLink> {
public:
    using EngineLinkAdapter::EngineLinkAdapter;

    LinkTexts& texts() override { return engine().texts(); }
    int linkUpStage() const override { return engine().linkUpStage(); }
    void setLinkUpStage(int stage) override { engine().setLinkUpStage(stage); }
};

} // namespace kdsp
