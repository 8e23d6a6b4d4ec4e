// A full download through the real link engine, Qt transports and the box
// simulator on loopback TCP and a pseudo-terminal. The protocol itself sets
// the pace: one request per transfer tick. "vs_schedule" is the measured
// time over that tick-bound schedule (requests x tick interval), so 1.0 means
// the console adds nothing; the goal is at most 1.05.

#include "cli/box_session.h"
#include "sim/qt/sim_server.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <sstream>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int DownloadRequests = 67;

// Notes when the download starts: the handshake before it waits on the
// once-a-second search, which is not the transfer's cost.
class TimedSession : public kdsp::cli::BoxSession {
public:
    using BoxSession::BoxSession;
    Clock::time_point linkingStarted;

    void showLinkStatus(std::string_view chinese, std::string_view english) override {
        if (english == "Linking...")
            linkingStarted = Clock::now();
        BoxSession::showLinkStatus(chinese, english);
    }
};

void FullDownload(benchmark::State& state, bool overTcp) {
    kdsp::SimServer server;
    if (!server.listen() || !server.openPseudoTerminal()) {
        state.SkipWithError("cannot start the simulator");
        return;
    }
    kdsp::cli::BoxConnection connection;
    if (overTcp) {
        connection.kind = kdsp::cli::BoxConnection::Kind::Tcp;
        connection.host = "127.0.0.1";
        connection.port = std::to_string(server.tcpPort());
    } else {
        connection.kind = kdsp::cli::BoxConnection::Kind::Serial;
        connection.device = server.pseudoTerminalName().toStdString();
    }
    const double tickSeconds = overTcp ? 0.160 : 0.050;

    double total = 0;
    for (auto _ : state) {
        std::ostringstream progress;
        TimedSession session(connection, progress);
        if (!session.connect()) {
            state.SkipWithError("the download failed");
            return;
        }
        const double seconds =
            std::chrono::duration<double>(Clock::now() - session.linkingStarted).count();
        state.SetIterationTime(seconds);
        total += seconds;
        session.close();
    }
    const double mean = total / static_cast<double>(state.iterations());
    state.counters["vs_schedule"] = mean / (DownloadRequests * tickSeconds);
}

BENCHMARK_CAPTURE(FullDownload, tcp, true)
    ->UseManualTime()
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullDownload, pty, false)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
