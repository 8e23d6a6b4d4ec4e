// The kdsp command against a kdsp-boxsim process, over loopback TCP and a
// pseudo-terminal: what the box received, and what the console downloaded.
#include "box_processes.h"
#include "link/frame_codec.h"
#include "sim/box_defaults.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kdsp {
namespace {

using test::BoxSimProcess;
using test::runKdsp;

QString hex(const Bytes& frame) {
    return QString::fromStdString(FormatHex(frame));
}

// The requests of a full download over a stream, in order.
QStringList downloadRequests() {
    QStringList requests;
    for (int page = 0; page <= 25; ++page)
        requests << hex(BuildValueFrame(CommandRead, command::BlockRequest, page));
    const auto names = [&](Tag list) {
        for (std::uint8_t k = 0; k < ModesPerList; ++k) {
            const std::uint8_t payload[] = {k, 0};
            requests << hex(BuildBlockFrame(CommandRead, list, payload));
        }
    };
    const auto info = [&](int slot) {
        requests << hex(BuildBlockFrame(CommandRead, makeTag(PageSystem, slot), {}));
    };
    names(command::SystemModeName);
    for (int slot = 0x01; slot <= 0x05; ++slot)
        info(slot);
    info(0x15);
    names(command::HintModeName);
    info(0x21);
    info(0x22);
    info(0x14);
    return requests;
}

bool isDownloadRequest(const QString& frame, const QStringList& requests) {
    return requests.contains(frame);
}

QString expectedDump() {
    const ParameterStore store = BoxStartStore();
    QString dump;
    for (int page = 0; page < PageCount; ++page)
        for (int slot = 0; slot < SlotCount[static_cast<std::size_t>(page)]; ++slot)
            dump += QString("%1:%2=%3\n").arg(page).arg(slot).arg(store.value(page, slot));
    return dump;
}

QStringList connection(const BoxSimProcess& box, bool overTcp) {
    return overTcp ? QStringList{"--tcp", box.tcpEndpoint()}
                   : QStringList{"--serial", box.ptyPath()};
}

struct DownloadCase {
    const char* name;
    bool overTcp;
    QStringList faults;
};

class FullDownload : public ::testing::TestWithParam<DownloadCase> {};

TEST_P(FullDownload, DumpsWhatTheBoxHolds) {
    const DownloadCase& c = GetParam();
    BoxSimProcess box(c.faults);
    ASSERT_TRUE(box.started());

    const auto run = runKdsp(QStringList{"box"} << connection(box, c.overTcp) << "dump");

    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, expectedDump());
    const QStringList requests = downloadRequests();
    QStringList seen;
    for (const QString& frame : box.loggedFrames())
        if (isDownloadRequest(frame, requests))
            seen << frame;
    if (c.faults.isEmpty() || c.faults.contains("--split") || c.faults.contains("--coalesce")) {
        EXPECT_EQ(seen, requests) << "one request each, in order";
    } else {
        // Damaged replies cost a repeat of the same request, never a skip.
        seen.removeDuplicates();
        EXPECT_EQ(seen, requests);
    }
}

const DownloadCase DownloadCases[] = {
    {"tcp", true, {}},
    {"pty", false, {}},
    {"tcp_split", true, {"--split"}},
    {"tcp_coalesced", true, {"--coalesce"}},
    {"pty_dropped", false, {"--drop-every", "9"}},
    {"pty_corrupted", false, {"--corrupt-every", "7"}},
    {"pty_cut", false, {"--cut-every", "8"}},
};

INSTANTIATE_TEST_SUITE_P(BoxCli, FullDownload, ::testing::ValuesIn(DownloadCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(BoxCli, SetThenGetOverThePseudoTerminal) {
    BoxSimProcess box;
    ASSERT_TRUE(box.started());
    const auto set = runKdsp({"box", "--serial", box.ptyPath(), "set", "0:3", "9"});
    ASSERT_EQ(set.status, 0) << set.err.toStdString();
    const auto get = runKdsp({"box", "--serial", box.ptyPath(), "get", "0:3"});
    EXPECT_EQ(get.out, "9\n");
    EXPECT_TRUE(box.loggedFrames().contains(hex(BuildValueFrame(CommandWrite, makeTag(0, 3), 9))));
}

TEST(BoxCli, RecallFollowsTheBoxsReload) {
    BoxSimProcess box;
    ASSERT_TRUE(box.started());
    const auto run = runKdsp({"box", "--serial", box.ptyPath(), "recall", "system", "3"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "recalled system mode 3 System mode 3\n");
    const auto get = runKdsp({"box", "--serial", box.ptyPath(), "get", "0:12"});
    EXPECT_EQ(get.out, "122\n") << "system mode 3 carries its own band gain";
}

TEST(BoxCli, BackupThenRestoreGivesBackTheBoxsValues) {
    BoxSimProcess box;
    ASSERT_TRUE(box.started());
    QTemporaryDir dir;
    const QString file = dir.filePath("before.Nddt");
    const QStringList link{"box", "--serial", box.ptyPath()};

    ASSERT_EQ(runKdsp(QStringList(link) << "backup" << file).status, 0);
    ASSERT_EQ(runKdsp(QStringList(link) << "set"
                                        << "0:3"
                                        << "11")
                  .status,
              0);
    const auto restore = runKdsp(QStringList(link) << "restore" << file);
    ASSERT_EQ(restore.status, 0) << restore.err.toStdString();

    EXPECT_EQ(runKdsp(QStringList(link) << "dump").out, expectedDump());
}

TEST(BoxCli, StoreNamesAModeOnTheBox) {
    BoxSimProcess box;
    ASSERT_TRUE(box.started());
    const QStringList link{"box", "--serial", box.ptyPath()};
    const auto store = runKdsp(QStringList(link) << "store"
                                                 << "hint"
                                                 << "5"
                                                 << "Late show");
    ASSERT_EQ(store.status, 0) << store.err.toStdString();
    EXPECT_TRUE(store.err.contains("Save Success!"));
    EXPECT_TRUE(runKdsp(QStringList(link) << "modes").out.contains("hint mode 5   Late show\n"));
}

TEST(BoxCli, RestoreRefusesADamagedFileBeforeLinking) {
    QTemporaryDir dir;
    QFile damaged(dir.filePath("bad.Nddt"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a preset\r\n");
    damaged.close();
    const auto run = runKdsp({"box", "--tcp", "127.0.0.1:1", "restore", damaged.fileName()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Data file is corrupted!\n");
}

TEST(BoxCli, LinkFailuresEndWithTheConsolesMessage) {
    struct Case {
        const char* name;
        QStringList faults;
        QStringList action;
    } cases[] = {
        // The box answers the handshake and nine requests, then falls silent.
        {"transfer fails", {"--silent-after", "10"}, {"dump"}},
        // The download completes; the write and the polls go unanswered.
        {"keep-alive lost", {"--silent-after", "68"}, {"set", "0:3", "9"}},
    };
    for (const auto& c : cases) {
        BoxSimProcess box(c.faults);
        ASSERT_TRUE(box.started());
        const auto run = runKdsp(QStringList{"box", "--serial", box.ptyPath()} << c.action);
        EXPECT_EQ(run.status, 1) << c.name;
        EXPECT_TRUE(run.err.contains("Off Line!")) << c.name << run.err.toStdString();
    }
}

TEST(BoxCli, NoBoxOnTheEndpoint) {
    const auto run = runKdsp({"box", "--tcp", "127.0.0.1:1", "info"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.endsWith("Off Line!\n")) << run.err.toStdString();
}

} // namespace
} // namespace kdsp

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
