#pragma once

#include "link/link_host.h"

#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

namespace kdsp {

// The link engine's three timers on the Qt event loop. The engine decides
// when they run and how fast; each timeout calls the matching tick.
class LinkTimers : public QObject {
public:
    using TickHandler = std::function<void(LinkTimer)>;

    explicit LinkTimers(TickHandler onTick, QObject* parent = nullptr);

    void start(LinkTimer timer, int intervalMs);
    void stop(LinkTimer timer);
    bool isRunning(LinkTimer timer) const { return timer_(timer).isActive(); }

private:
    QTimer& timer_(LinkTimer timer) { return timers_[static_cast<std::size_t>(timer)]; }
    const QTimer& timer_(LinkTimer timer) const { return timers_[static_cast<std::size_t>(timer)]; }

    std::array<QTimer, 3> timers_;
};

} // namespace kdsp
