#pragma once

#include "model/page_catalogue.h"

#include <string_view>

namespace kdsp {

// Link state entries the preset and mode commands ask for.
inline constexpr int LinkStateUploadAll = 6;       // every page, then refresh
inline constexpr int LinkStateUploadHintPages = 8; // pages 22..24, then refresh

// Follow-ups armed after a mode store: the link enters them once the box
// acknowledges, rebuilding the mode list and reporting success.
inline constexpr int FollowUpSystemModeStored = 3;
inline constexpr int FollowUpHintModeStored = 23;

// What the preset files and device modes need from the link. Parameter
// writes do not come through here: mode recalls take the model's commit
// path, like any user edit.
class PresetLink {
public:
    virtual ~PresetLink() = default;
    virtual bool online() const = 0;
    // Runs a state entry of the link (LinkStateUploadAll, LinkStateUploadHintPages).
    virtual void enterState(int state) = 0;
    // Sends a text command of the command page at once, in the wire form of
    // its address (BuildTextCommand).
    virtual void sendTextCommand(Tag address, std::string_view text) = 0;
    // The state to enter at the first pacing tick after the box acknowledges.
    virtual void armFollowUp(int code) = 0;
    // Shows a status pair in the link label and in the status dialog, which
    // stays up until the link closes it.
    virtual void showStatus(std::string_view chinese, std::string_view english) = 0;
    // Takes the link off line with no missed polls, so that it stops polling
    // and waits for the box to acknowledge the command just sent.
    virtual void awaitAcknowledgement() = 0;
};

} // namespace kdsp
