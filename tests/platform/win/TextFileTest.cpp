// The file seam writes real files on every backend: what a write takes is in
// the file at once, opening empties or appends, and every operation can
// fail, for real or as the driver plans it, with the platform's text.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/driver/Driver.h"
#include "platform/win/TextFile.h"

namespace zv::test {
namespace {

using win::FileOperation;
using win::TextFile;

class TextFileTest : public testing::Test {
  protected:
    void SetUp() override {
        win::ClearFileFailures();
        m_folder = std::filesystem::temp_directory_path() /
                   ("zv-textfile-" +
                    std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::wstring PathOf(const char* name) const { return (m_folder / name).wstring(); }

    static std::string Contents(const std::wstring& path) {
        std::ostringstream bytes;
        bytes << std::ifstream(std::filesystem::path(path), std::ios::binary).rdbuf();
        return bytes.str();
    }

    std::filesystem::path m_folder;
};

TEST_F(TextFileTest, WritesReachTheFileAtOnceAndOpeningEmptiesOrAppends) {
    const std::wstring path = PathOf("log.txt");
    TextFile file;
    ASSERT_TRUE(file.Open(path, false));  // created although appending
    ASSERT_TRUE(file.Write("one\r\n"));
    EXPECT_EQ(Contents(path), "one\r\n");  // before it is closed
    ASSERT_TRUE(file.Open(path, false));   // closes and opens again
    ASSERT_TRUE(file.Write(std::string_view("t\0o\r\n", 5)));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(Contents(path), std::string("one\r\nt\0o\r\n", 10));
    ASSERT_TRUE(file.Open(path, true));
    ASSERT_TRUE(file.Write("three"));
    EXPECT_TRUE(file.Close());
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(Contents(path), "three");
}

TEST_F(TextFileTest, RealFailuresCarryThePlatformsText) {
    TextFile file;
    EXPECT_FALSE(file.Open(PathOf("missing/log.txt"), true));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.ErrorText().empty());
    const std::wstring opening = file.ErrorText();
    EXPECT_FALSE(file.Write("nothing is open"));
    EXPECT_NE(file.ErrorText(), opening);
#if !defined(ZV_BACKEND_WIN32)
    ASSERT_TRUE(file.Open(L"/dev/full", false));
    EXPECT_FALSE(file.Write("entry"));
    EXPECT_EQ(file.ErrorText(), L"No space left on device");
    EXPECT_TRUE(file.Close());
#endif
}

// Each planned failure hits its operation once; the file keeps what came
// before it and works again after it.
struct PlannedFailure {
    FileOperation operation;
    int occurrence;
    bool opened;
    const char* contents;
};

class PlannedFailureTest : public TextFileTest,
                           public testing::WithParamInterface<PlannedFailure> {};

TEST_P(PlannedFailureTest, FailsOnceWhereTheDriverSays) {
    const PlannedFailure& plan = GetParam();
    driver::FailFileOperation(plan.operation, plan.occurrence);
    const std::wstring path = PathOf("log.txt");
    TextFile file;
    EXPECT_EQ(file.Open(path, true), plan.opened);
    int failures = file.IsOpen() ? 0 : 1;
    for (const char* entry : {"a", "b", "c"}) {
        failures += file.Write(entry) ? 0 : 1;
    }
    failures += file.Close() ? 0 : 1;
    EXPECT_EQ(failures, plan.opened ? 1 : 4);
    EXPECT_FALSE(file.ErrorText().empty());
    EXPECT_FALSE(file.IsOpen());
    if (plan.opened) {
        EXPECT_EQ(Contents(path), plan.contents);
    }
    ASSERT_TRUE(file.Open(path, false));  // the plan is spent
    EXPECT_TRUE(file.Close());
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, PlannedFailureTest,
                         testing::Values(PlannedFailure{FileOperation::Open, 1, false, ""},
                                         PlannedFailure{FileOperation::Write, 1, true, "bc"},
                                         PlannedFailure{FileOperation::Write, 3, true, "ab"},
                                         PlannedFailure{FileOperation::Close, 1, true, "abc"}));

}  // namespace
}  // namespace zv::test
