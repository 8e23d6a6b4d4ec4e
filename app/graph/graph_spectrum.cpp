#include "app/graph/graph_controller.h"
#include "app/window/main_window.h"

namespace kdsp {

namespace {

// The two-state button form of the console's widget states.
constexpr int TwoStateButton = 11;

} // namespace

void GraphController::startCapture() {
    recorder_.setOnRecord([this](std::span<const std::uint8_t> samples,
                                 std::span<const std::uint8_t>) { analyser_.record(samples); });
    recorder_.setTriggered(false);
    if (!recorder_.start())
        analyser_.setAudioAvailable(false);
}

void GraphController::spectrumSwitchClicked() {
    auto* button = window_.control<BitmapButton>(QStringLiteral("PinPPBtn"));
    const int state = console_.widgetState(button, TwoStateButton);
    if (!analyser_.audioAvailable()) {
        console_.showPrompt("没检测到音频设备", "Audio device is not detected");
        if (state != 0)
            console_.widgetState(button, TwoStateButton);
        analyser_.setOn(false);
        return;
    }
    if (state != 0) {
        analyser_.setOn(true);
        console_.setCaptureFrozen(false);
        analyser_.setFrozen(false);
    } else {
        analyser_.setOn(false);
        paintCurrentPage();
    }
}

void GraphController::lowTriggerClicked() {
    auto* button = window_.control<BitmapButton>(QStringLiteral("PinDCFBtn"));
    analyser_.setLowTrigger(console_.widgetState(button, TwoStateButton) != 0);
}

} // namespace kdsp
