// The save dialog, answered by the scripted user: the name typed or
// suggested, the start folder and default extension, the checks of the
// folder and of an existing file, and cancelling.

#include <filesystem>
#include <fstream>
#include <string>

#include "PlatformTest.h"
#include "platform/driver/Driver.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;
using driver::AnswerDialog;
using driver::DialogAnswer;
namespace fs = std::filesystem;

constexpr char kFilter[] = "Text files (*.txt)\0*.txt\0Log files (*.log)\0*.log\0\0";

class SaveDialog : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        ZV_REQUIRES_HEADLESS("the scripted user");
        folder = fs::temp_directory_path() /
                 ("zv-save-" +
                  std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        initialDir = folder.string();
        ofn.lpstrFilter = kFilter;
        ofn.lpstrFile = file;
        ofn.nMaxFile = sizeof file;
        ofn.lpstrInitialDir = initialDir.c_str();
        ofn.lpstrTitle = "Export Log";
        ofn.lpstrDefExt = "txt";
        ofn.Flags = OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT;
    }

    void TearDown() override {
        fs::remove_all(folder);
        PlatformTest::TearDown();
    }

    void Answer(DialogAnswer answer) { AnswerDialog("Export Log", std::move(answer)); }

    fs::path folder;
    std::string initialDir;
    char file[260] = {};
    OPENFILENAMEA ofn;
};

TEST_F(SaveDialog, ATypedNameIsSavedInTheStartFolderWithTheDefaultExtension) {
    Answer(DialogAnswer::TypeInto("File name:", "upload"));
    Answer(DialogAnswer::ClickOn("Save"));
    ASSERT_TRUE(GetSaveFileNameA(&ofn));

    const std::string expected = (folder / "upload.txt").string();
    EXPECT_EQ(std::string(file), expected);
    EXPECT_EQ(std::string(file + ofn.nFileOffset), "upload.txt");
    EXPECT_EQ(std::string(file + ofn.nFileExtension), "txt");
    EXPECT_EQ(ofn.nFilterIndex, 1u);
}

TEST_F(SaveDialog, TheSuggestedNameIsTakenWithEnterAndLeftAloneByCancelling) {
    std::string("system.log").copy(file, 10);
    Answer(DialogAnswer::Press(VK_RETURN));
    ASSERT_TRUE(GetSaveFileNameA(&ofn));
    EXPECT_EQ(std::string(file), (folder / "system.log").string());

    // Cancelling leaves the buffer alone.
    Answer(DialogAnswer::ClickOn("Cancel"));
    EXPECT_FALSE(GetSaveFileNameA(&ofn));
    EXPECT_EQ(std::string(file), (folder / "system.log").string());

    Answer(DialogAnswer::CloseFromSystemMenu());
    EXPECT_FALSE(GetSaveFileNameA(&ofn));
}

TEST_F(SaveDialog, TabbingBackToTheNameSelectsItSoTypingReplacesIt) {
    std::string("system.log").copy(file, 10);
    Answer(DialogAnswer::Press(VK_END));    // the suggestion no longer selected
    for (int stop = 0; stop < 3; ++stop) {  // to Save, to Cancel, back to the name
        Answer(DialogAnswer::Press(VK_TAB));
    }
    Answer(DialogAnswer::Press('X'));
    Answer(DialogAnswer::Press(VK_RETURN));
    ASSERT_TRUE(GetSaveFileNameA(&ofn));
    EXPECT_EQ(std::string(file), (folder / "x.txt").string());
}

TEST_F(SaveDialog, AFolderThatDoesNotExistIsRefusedWithAMessage) {
    Answer(DialogAnswer::TypeInto("File name:", "missing/upload.txt"));
    Answer(DialogAnswer::ClickOn("Save"));
    AnswerDialog("Export Log", DialogAnswer::ClickOn("OK"));  // the message over the dialog
    Answer(DialogAnswer::TypeInto("File name:", "upload.txt"));
    Answer(DialogAnswer::ClickOn("Save"));
    ASSERT_TRUE(GetSaveFileNameA(&ofn));
    EXPECT_EQ(std::string(file), (folder / "upload.txt").string());
}

TEST_F(SaveDialog, AnExistingFileIsReplacedOnlyWhenConfirmed) {
    std::ofstream(folder / "upload.txt") << "earlier";
    Answer(DialogAnswer::TypeInto("File name:", "upload.txt"));
    Answer(DialogAnswer::ClickOn("Save"));
    AnswerDialog("Confirm Save As", DialogAnswer::ClickOn("No"));
    Answer(DialogAnswer::ClickOn("Save"));
    AnswerDialog("Confirm Save As", DialogAnswer::ClickOn("Yes"));
    ASSERT_TRUE(GetSaveFileNameA(&ofn));
    EXPECT_EQ(std::string(file), (folder / "upload.txt").string());
}

TEST_F(SaveDialog, WithoutTheFlagsNothingIsChecked) {
    std::ofstream(folder / "upload.txt") << "earlier";
    ofn.Flags = 0;
    Answer(DialogAnswer::TypeInto("File name:", "upload.txt"));
    Answer(DialogAnswer::ClickOn("Save"));
    ASSERT_TRUE(GetSaveFileNameA(&ofn));
}

TEST_F(SaveDialog, APathThatDoesNotFitTheBufferFails) {
    ofn.nMaxFile = 8;
    Answer(DialogAnswer::TypeInto("File name:", "upload.txt"));
    Answer(DialogAnswer::ClickOn("Save"));
    EXPECT_FALSE(GetSaveFileNameA(&ofn));
}

}  // namespace
}  // namespace zv::test
