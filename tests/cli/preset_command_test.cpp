#include "run_cli.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace kdsp {
namespace {

namespace fs = std::filesystem;
using test::runCli;

class PresetCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("kdsp-preset-cli-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }
    std::string read(const std::string& name) const {
        std::ifstream in(dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void write(const std::string& name, const std::string& content) const {
        std::ofstream(dir / name, std::ios::binary) << content;
    }

    fs::path dir;
};

TEST_F(PresetCommand, WrittenFilesCheckAndDumpTheirValues) {
    ASSERT_EQ(runCli({"preset", "write", path("a.Nddt")}, "0:3=9\n8:30=150\n").status, 0);
    EXPECT_EQ(runCli({"preset", "check", path("a.Nddt")}).out, "ok\n");
    const std::string dump = runCli({"preset", "dump", path("a.Nddt")}).out;
    EXPECT_NE(dump.find("\n0:3=9\n"), std::string::npos);
    EXPECT_NE(dump.find("\n8:30=150\n"), std::string::npos);
    EXPECT_NE(dump.find("\n0:7=360\n"), std::string::npos) << "start-up values fill the rest";

    ASSERT_EQ(runCli({"preset", "write", path("h.EQdt")}, "23:3=100\n").status, 0);
    const std::string hint = runCli({"preset", "dump", path("h.EQdt")}).out;
    EXPECT_NE(hint.find("23:3=100\n"), std::string::npos);
    EXPECT_EQ(hint.find("0:3="), std::string::npos) << "a hint file holds the hint pages only";
}

TEST_F(PresetCommand, CheckNamesWhyAFileCannotBeLoaded) {
    ASSERT_EQ(runCli({"preset", "write", path("good.Nddt")}, "").status, 0);
    const std::string good = read("good.Nddt");
    write("truncated.Nddt", good.substr(0, good.size() / 2));
    write("garbled.Nddt", "ZZ" + good.substr(2));
    write("empty.Nddt", "");
    write("whole.EQdt", good); // the other kind's header

    struct Case {
        const char* file;
        const char* message;
    } cases[] = {
        {"missing.Nddt", "File not find!\n"},
        {"truncated.Nddt", "Data file is corrupted!\n"},
        {"garbled.Nddt", "Data file is corrupted!\n"},
        {"empty.Nddt", "Data file is corrupted!\n"},
        {"whole.EQdt", "File format error!\n"},
    };
    for (const auto& c : cases) {
        const auto check = runCli({"preset", "check", path(c.file)});
        EXPECT_EQ(check.status, 1) << c.file;
        EXPECT_EQ(check.out, c.message) << c.file;
        const auto dump = runCli({"preset", "dump", path(c.file)});
        EXPECT_EQ(dump.status, 1) << c.file;
        EXPECT_EQ(dump.out, "") << c.file;
        EXPECT_EQ(dump.err, c.message) << c.file;
    }
}

TEST_F(PresetCommand, BadArguments) {
    const std::vector<std::vector<std::string>> bad = {
        {"preset"},
        {"preset", "check"},
        {"preset", "check", path("a.txt")},
        {"preset", "load", path("a.Nddt")},
        {"preset", "check", path("a.Nddt"), "extra"},
    };
    for (const auto& args : bad)
        EXPECT_EQ(runCli(args).status, 2);
    EXPECT_EQ(runCli({"preset", "write", path("a.Nddt")}, "0:165=1\n").status, 2);
    EXPECT_EQ(runCli({"preset", "write", path("a.Nddt")}, "3=1\n").status, 2);
    EXPECT_FALSE(fs::exists(dir / "a.Nddt"));
}

} // namespace
} // namespace kdsp
