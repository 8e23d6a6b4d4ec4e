#include "link/qt/link_timers.h"

namespace kdsp {

LinkTimers::LinkTimers(TickHandler onTick, QObject* parent) : QObject(parent) {
    for (LinkTimer timer : {LinkTimer::Search, LinkTimer::Transfer, LinkTimer::Pacing}) {
        QTimer& t = timer_(timer);
        t.setTimerType(Qt::PreciseTimer);
        connect(&t, &QTimer::timeout, this, [onTick, timer] { onTick(timer); });
    }
}

void LinkTimers::start(LinkTimer timer, int intervalMs) {
    QTimer& t = timer_(timer);
    if (t.isActive() && t.interval() == intervalMs)
        return;
    t.start(intervalMs);
}

void LinkTimers::stop(LinkTimer timer) {
    timer_(timer).stop();
}

} // namespace kdsp
