// Error log files read back byte for byte: the entry layout, numbering, the
// code page, and every failure shown once to the user with logging off
// afterwards, whether the platform fails for real or as the driver plans it.

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "ActivationWatch.h"
#include "ErrorItemFixture.h"
#include "PlatformTest.h"
#include "WindowFacts.h"
#include "errors/ErrorLogFile.h"
#include "platform/automation/Application.h"
#include "platform/driver/Driver.h"
#include "platform/text/WideString.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace std::string_literals;
using Records = std::vector<std::shared_ptr<ErrorItem>>;
using win::FileOperation;

constexpr auto kTitle = "Upload Tool";

class ErrorLogFileTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        App().SetTitle(L"Upload Tool");
        m_folder = std::filesystem::temp_directory_path() /
                   ("zv-errorlog-" +
                    std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        m_path = (m_folder / "log.txt").wstring();
        m_watch.emplace([this](win::HWND box) {
            if (TextOf(box) == kTitle) {
                m_shown.push_back(TextOf(win::GetDlgItem(box, win::IDC_STATIC_TEXT)));
            }
        });
    }
    void TearDown() override {
        m_watch.reset();
        std::filesystem::remove_all(m_folder);
        PlatformTest::TearDown();
    }

    // The messages the user will see, each answered with OK.
    static void ExpectMessages(int count) {
        for (int i = 0; i < count; ++i) {
            driver::AnswerDialog(kTitle, driver::DialogAnswer::ClickOn("OK"));
        }
    }

    std::string Contents() const {
        std::ostringstream bytes;
        bytes << std::ifstream(std::filesystem::path(m_path), std::ios::binary).rdbuf();
        return bytes.str();
    }

    std::filesystem::path m_folder;
    std::wstring m_path;
    ErrorLogFile m_log;
    std::vector<std::string> m_shown;

  private:
    std::optional<ActivationWatch> m_watch;
};

std::shared_ptr<ErrorItem> Record(std::wstring message, errorLogIcon type,
                                  std::function<void(ErrorItem&)> more = {}) {
    auto record = std::make_shared<ErrorItem>();
    record->Init(std::move(message), type);
    if (more) {
        more(*record);
    }
    return record;
}

// One record and the entry it makes as the first of a log.
struct EntryCase {
    const char* name;
    std::shared_ptr<ErrorItem> record;
    std::string entry;
};

std::vector<EntryCase> EntryCases() {
    const std::wstring longText(100000, L'x');
    return {
        {"TheExample",
         Record(L"Upload failed.", errWarning,
                [](ErrorItem& r) {
                    r.SetNumber(12);
                    r.SetDisplayName(L"Panel 3");
                    r.SetDetails(L"Timeout");
                }),
         "1\t\tWarning\tError #12\tPanel 3\r\n\tUpload failed.\r\n\tTimeout\r\n"},
        {"NothingButTheMessage", Record(L"Plain", errNoIcon), "1\t\t\r\n\tPlain\r\n"},
        {"EveryField",
         Record(L"Port closed.", errCritical,
                [](ErrorItem& r) {
                    r.SetTimeStamp(MakeDate(2026, 12, 5, 15, 4, 5));
                    r.SetNumber(-5);
                    r.SetDisplayName(L"CP3");
                    r.SetApplicationContext(L"Upload");
                    r.SetDetails(L"Access denied");
                    r.SetInstructions(L"Close the other program.");
                }),
         "1\t12/5/2026 3:04:05 PM\t\tCritical\tError #-5\tCP3\tUpload\r\n\tPort closed.\r\n"
         "\tAccess denied\r\n\tClose the other program.\r\n"},
        {"MidnightIsTheDateAlone",
         Record(L"Done", errCompleted, [](ErrorItem& r) { r.SetTimeStamp(MakeDate(2026, 1, 2)); }),
         "1\t1/2/2026\t\tCompleted\r\n\tDone\r\n"},
        {"CancelledWithoutMessage", Record({}, errCancelled),
         "1\t\tCanceled\r\n\tThe operation was cancelled.\r\n"},
        {"UnnamedTypeWithContextOnly",
         Record(L"m", static_cast<errorLogIcon>(42),
                [](ErrorItem& r) { r.SetApplicationContext(L"Setup"); }),
         "1\t\t\tSetup\r\n\tm\r\n"},
        {"CodePageAndLineBreaksAsTheyAre",
         Record(L"Caf\u00e9 \u20ac \u201cq\u201d \u03a9\r\nnext", errInformation),
         "1\t\tInformation\r\n\tCaf\xe9 \x80 \x93q\x94 ?\r\nnext\r\n"},
        {"HostileTexts",
         Record(L"\0\t\0"s, errFatal,
                [&](ErrorItem& r) {
                    r.SetDisplayName(L"\r\n\r\n");
                    r.SetDetails(longText);
                    r.SetInstructions(L"\t");
                }),
         "1\t\tFatal\t\r\n\r\n\r\n\t\0\t\0\r\n\t"s + std::string(100000, 'x') + "\r\n\t\t\r\n"},
    };
}

TEST_F(ErrorLogFileTest, EachRecordMakesItsEntryByteForByte) {
    for (const EntryCase& c : EntryCases()) {
        SCOPED_TRACE(c.name);
        m_log.StartLogging(m_path);
        m_log.WriteEntry(*c.record);
        m_log.StopLogging();
        EXPECT_EQ(Contents(), c.entry);
    }
    EXPECT_TRUE(m_shown.empty());
}

TEST_F(ErrorLogFileTest, TypeNames) {
    const std::vector<std::pair<int, std::wstring>> names{
        {0, L""},        {1, L"Information"}, {2, L"Warning"},  {3, L"Critical"},  {4, L"Fatal"},
        {5, L"Success"}, {6, L"Question"},    {7, L"Canceled"}, {8, L"Completed"}, {9, L""},
        {-1, L""}};
    for (const auto& [type, name] : names) {
        EXPECT_EQ(ErrorLogFile::GetMessageString(static_cast<errorLogIcon>(type)), name) << type;
    }
}

TEST_F(ErrorLogFileTest, SavingNumbersWithoutGapsAndAppendingStartsAgainAtOne) {
    const Records records{Record(L"a", errInformation), Record(L"b", errWarning),
                          Record(L"c", errInformation), Record(L"d", errSuccess),
                          Record(L"e", errFatal)};
    m_log.StartLogging(m_path);
    ASSERT_TRUE(m_log.IsLogging());
    m_log.Save(m_path, records, false);
    EXPECT_FALSE(m_log.IsLogging());  // the continuous log is not reopened
    const std::string withoutInformation =
        "1\t\tWarning\r\n\tb\r\n2\t\tSuccess\r\n\td\r\n"
        "3\t\tFatal\r\n\te\r\n";
    EXPECT_EQ(Contents(), withoutInformation);
    m_log.Save(m_path, std::span(records).first(1), true, false);
    EXPECT_EQ(Contents(), withoutInformation + "1\t\tInformation\r\n\ta\r\n");
    m_log.Save(m_path, {}, true, true);
    EXPECT_EQ(Contents(), "");
    EXPECT_TRUE(m_shown.empty());
}

TEST_F(ErrorLogFileTest, AFolderThatDoesNotExistIsToldAndNothingIsWritten) {
    ExpectMessages(1);
    const std::wstring missing = (m_folder / "missing" / "log.txt").wstring();
    m_log.StartLogging(missing);
    m_log.WriteEntry(*Record(L"lost", errWarning));
    EXPECT_FALSE(m_log.IsLogging());
    ASSERT_EQ(m_shown.size(), 1u);
    EXPECT_EQ(m_shown[0], "Failed to start logging to file: " + ToAnsi(missing) +
                              "\r\n\r\nNo such file or directory");
}

TEST_F(ErrorLogFileTest, AFullDiskEndsTheLog) {
    ExpectMessages(1);
    m_log.StartLogging(L"/dev/full", false);
    m_log.WriteEntry(*Record(L"first", errWarning));
    m_log.WriteEntry(*Record(L"second", errWarning));
    EXPECT_FALSE(m_log.IsLogging());
    EXPECT_EQ(m_shown, std::vector<std::string>{
                           "Failed to write to file: No space left on device\r\n\r\nThe log file "
                           "will be closed and nothing more will be written to it to avoid "
                           "further errors."});
}

TEST_F(ErrorLogFileTest, AFailedCloseIsToldAndLoggingIsOff) {
    ExpectMessages(1);
    m_log.StartLogging(m_path);
    m_log.WriteEntry(*Record(L"kept", errWarning));
    driver::FailFileOperation(FileOperation::Close);
    m_log.StopLogging();
    EXPECT_FALSE(m_log.IsLogging());
    EXPECT_EQ(m_shown, std::vector<std::string>{"Failed to close log file: Input/output error"});
    EXPECT_EQ(Contents(), "1\t\tWarning\r\n\tkept\r\n");
}

// A save of 100 records failing at each of its operations in turn: the
// message once, logging off, the entries before the failure intact and none
// after it.
TEST_F(ErrorLogFileTest, ASaveFailingAtEveryOperationKeepsWhatCameBefore) {
    Records records;
    std::vector<std::string> entries;
    for (int i = 1; i <= 100; ++i) {
        records.push_back(Record(L"Device " + std::to_wstring(i), errWarning));
        entries.push_back(std::to_string(i) + "\t\tWarning\r\n\tDevice " + std::to_string(i) +
                          "\r\n");
    }
    for (int failing = 0; failing <= 101; ++failing) {
        SCOPED_TRACE(failing);
        std::filesystem::remove(m_path);
        m_shown.clear();
        ExpectMessages(1);
        std::string expected;
        std::string prefix = "Failed to write to file: ";
        if (failing == 0) {
            driver::FailFileOperation(FileOperation::Open);
            prefix = "Failed to start logging to file: ";
        } else if (failing == 101) {
            driver::FailFileOperation(FileOperation::Close);
            prefix = "Failed to close log file: ";
        } else {
            driver::FailFileOperation(FileOperation::Write, failing);
        }
        for (int i = 1; i < std::min(failing, 101); ++i) {
            expected += entries[static_cast<std::size_t>(i - 1)];
        }
        m_log.Save(m_path, records);
        EXPECT_FALSE(m_log.IsLogging());
        ASSERT_EQ(m_shown.size(), 1u);
        EXPECT_EQ(m_shown[0].substr(0, prefix.size()), prefix);
        EXPECT_EQ(Contents(), expected);
        EXPECT_EQ(std::filesystem::exists(m_path), failing != 0);
    }
}

}  // namespace
}  // namespace zv::test
