#pragma once

#include "model/address_resolution.h"
#include "model/parameter_store.h"
#include "model/view_selection.h"

#include <cstdint>

namespace kdsp {

// Where committed changes go: the link's write pacing decides whether to
// queue them.
class CommitSink {
public:
    virtual ~CommitSink() = default;
    virtual void sendParameter(Tag storeTag, std::int32_t value) = 0;
};

// What the model tells the console about.
class ModelObserver {
public:
    virtual ~ModelObserver() = default;
    // The music input-gain editor is usable only for a chosen source, not AUTO.
    virtual void musicInputGainEnabled(bool enabled) = 0;
    // Push the stored values of `viewPage` (100 for every view page) to the controls.
    virtual void refreshRequested(int viewPage) = 0;
};

// The pairs whose right channel can be kept equal to the left one.
enum class ChannelPair { Music, Mic, Main, Surround };

inline constexpr int ResetAllPages = 100;

// Owns the store, the view values and the view selection, and is the only
// write path of a user change.
class ParameterModel {
public:
    ParameterModel(CommitSink& sink, ModelObserver& observer);

    ParameterStore& store() { return store_; }
    const ParameterStore& store() const { return store_; }
    ViewValues& viewValues() { return view_; }
    const ViewValues& viewValues() const { return view_; }
    ViewSelection& selection() { return selection_; }
    const ViewSelection& selection() const { return selection_; }

    // ResolveStoreTag, telling the observer whether the music input gain is
    // editable each time that address is resolved.
    Tag resolveStoreTag(Tag viewTag);
    Tag resolveQSlot(Tag viewTag) const { return ResolveQSlot(viewTag, view_); }

    // Writes the view value, the store value it stands for, and hands the
    // store address and value to the sink.
    void commitValue(Tag viewTag, std::int32_t value);

    // Refills the view values of every view page from the store.
    void loadViewValues();

    // Resets the bands of the store page `viewPage` stands for and tells the
    // box (through page 26); ResetAllPages resets pages 0..24 and sends nothing.
    void resetEq(int viewPage);

    // Copies the left channel of a pair onto its right channel in the store.
    // Nothing is sent; delay and mute of the outputs are never copied.
    void copyChannel(ChannelPair pair);

private:
    int storePageOf(int viewPage) const;

    CommitSink& sink_;
    ModelObserver& observer_;
    ParameterStore store_;
    ViewValues view_;
    ViewSelection selection_;
};

} // namespace kdsp
