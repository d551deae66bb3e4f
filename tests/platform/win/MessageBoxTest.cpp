// The platform's message box: a dialog window with its text in static
// control 65535 and the standard buttons of its type, activated through the
// CBT hook, ended by a button's command (clicked, pressed, or posted), and
// modal over its owner.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "PlatformTest.h"
#include "WindowFacts.h"
#include "platform/driver/Driver.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;
using driver::AnswerDialog;
using driver::DialogAnswer;

// What the box looked like when it was activated.
struct Seen {
    HWND box = 0;
    std::string className;
    std::string message;
    std::vector<std::pair<int, std::string>> buttons;  // id and caption, in order
};

// The test's actions on the box, run from a CBT hook at its activation, the
// way the library adjusts the platform's box.
std::function<void(HWND)> g_onActivate;
Seen g_seen;
HHOOK g_hook = 0;

LRESULT ZV_CALLBACK ActivationHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto box = static_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && g_seen.box == 0 && ClassOf(box) == "#32770") {
        g_seen.box = box;
        g_seen.className = ClassOf(box);
        g_seen.message = TextOf(GetDlgItem(box, IDC_STATIC_TEXT));
        for (HWND child = GetWindow(box, GW_CHILD); child != 0;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (ClassOf(child) == "Button") {
                g_seen.buttons.emplace_back(GetDlgCtrlID(child), TextOf(child));
            }
        }
        if (g_onActivate) {
            g_onActivate(box);
        }
    }
    return CallNextHookEx(0, code, wParam, lParam);
}

class MessageBoxTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        g_seen = Seen{};
        g_onActivate = nullptr;
        g_hook = SetWindowsHookExA(WH_CBT, ActivationHook, 0, GetCurrentThreadId());
    }

    void TearDown() override {
        UnhookWindowsHookEx(g_hook);
        g_onActivate = nullptr;
        PlatformTest::TearDown();
    }

    // Shows a box that the hook ends at once with a posted command.
    int ShowAndPost(UINT type, int id, HWND owner = 0) {
        g_onActivate = [id](HWND box) {
            PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(id), 0);
        };
        return MessageBoxA(owner, "Upload the system?", "Upload", type);
    }
};

TEST_F(MessageBoxTest, ItIsADialogWithItsTextAndTheButtonsOfItsType) {
    EXPECT_EQ(ShowAndPost(MB_YESNOCANCEL | MB_ICONQUESTION, IDNO), IDNO);
    EXPECT_EQ(g_seen.className, "#32770");
    EXPECT_EQ(g_seen.message, "Upload the system?");
    EXPECT_EQ(g_seen.buttons, (std::vector<std::pair<int, std::string>>{
                                  {IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}}));
    EXPECT_FALSE(IsWindow(g_seen.box));
}

TEST_F(MessageBoxTest, EachButtonTypeHasItsStandardButtons) {
    const std::vector<std::pair<UINT, std::vector<int>>> kTypes = {
        {MB_OK, {IDOK}},
        {MB_OKCANCEL, {IDOK, IDCANCEL}},
        {MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}},
        {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}},
        {MB_YESNO, {IDYES, IDNO}},
        {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}},
    };
    for (const auto& [type, ids] : kTypes) {
        g_seen = Seen{};
        EXPECT_EQ(ShowAndPost(type, ids.back()), ids.back()) << type;
        std::vector<int> seenIds;
        for (const auto& button : g_seen.buttons) {
            seenIds.push_back(button.first);
        }
        EXPECT_EQ(seenIds, ids) << type;
    }
}

TEST_F(MessageBoxTest, AHookCanRelabelAndCentreTheBoxBeforeItIsSeen) {
    const HWND owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE);
    MoveWindow(owner, 100, 100, 400, 300, TRUE);
    RECT placed{};
    std::string relabelled;
    g_onActivate = [&](HWND box) {
        SetDlgItemTextA(box, IDYES, "&Upload");
        const RECT rect = WindowRectOf(box);
        const int width = rect.right - rect.left;
        const int height = rect.bottom - rect.top;
        SetWindowPos(box, 0, 100 + (400 - width) / 2, 100 + (300 - height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        GetWindowRect(box, &placed);
        char caption[32] = {};
        GetDlgItemTextA(box, IDYES, caption, sizeof caption);
        relabelled = caption;
        PostMessageA(box, WM_COMMAND, IDYES, 0);
    };
    EXPECT_EQ(MessageBoxA(owner, "Upload the system?", "Upload", MB_YESNO), IDYES);
    EXPECT_EQ(relabelled, "&Upload");
    EXPECT_NEAR((placed.left + placed.right) / 2, 300, 1);
    EXPECT_NEAR((placed.top + placed.bottom) / 2, 250, 1);
}

TEST_F(MessageBoxTest, TheOwnerIsDisabledWhileTheBoxIsUpAndActiveAfterwards) {
    const HWND owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE);
    SetForegroundWindow(owner);
    bool ownerEnabled = true;
    HWND ownerOfBox = 0;
    g_onActivate = [&](HWND box) {
        ownerEnabled = IsWindowEnabled(owner) != FALSE;
        ownerOfBox = GetWindow(box, GW_OWNER);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    };
    EXPECT_EQ(MessageBoxA(owner, "Done.", "Upload", MB_OK), IDOK);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_EQ(ownerOfBox, owner);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(MessageBoxTest, AnOwnerThatIsNoWindowFailsTheCall) {
    ZV_KNOWN_WIN32_DIFFERENCE("Wine's MessageBoxA answers -1 for an owner that is no window");
    const HWND gone = CreateRecorder("gone", WS_POPUP);
    DestroyWindow(gone);
    EXPECT_EQ(MessageBoxA(gone, "text", "caption", MB_OK), 0);
    EXPECT_EQ(g_seen.box, 0);
}

// What the scripted user does with a box, and what it answers.
class ScriptedMessageBox : public MessageBoxTest {
  protected:
    void SetUp() override {
        MessageBoxTest::SetUp();
        ZV_REQUIRES_HEADLESS("the scripted user");
    }

    int Show(UINT type, std::vector<DialogAnswer> answers) {
        for (DialogAnswer& answer : answers) {
            AnswerDialog("Upload", std::move(answer));
        }
        return MessageBoxA(0, "Upload the system?", "Upload", type);
    }
};

TEST_F(ScriptedMessageBox, ClicksKeysAndClosingAnswerWithAButtonsIdentifier) {
    EXPECT_EQ(Show(MB_YESNOCANCEL, {DialogAnswer::ClickOn("No")}), IDNO);
    EXPECT_EQ(Show(MB_ABORTRETRYIGNORE, {DialogAnswer::ClickOn("&Ignore")}), IDIGNORE);

    // Enter presses the default button.
    EXPECT_EQ(Show(MB_YESNOCANCEL, {DialogAnswer::Press(VK_RETURN)}), IDYES);
    EXPECT_EQ(Show(MB_YESNOCANCEL | MB_DEFBUTTON2, {DialogAnswer::Press(VK_RETURN)}), IDNO);
    EXPECT_EQ(Show(MB_YESNOCANCEL | MB_DEFBUTTON3, {DialogAnswer::Press(VK_RETURN)}), IDCANCEL);
    // A default beyond the buttons there are falls back to the first.
    EXPECT_EQ(Show(MB_OK | MB_DEFBUTTON3, {DialogAnswer::Press(VK_RETURN)}), IDOK);

    // Tab moves the focus, and Enter presses the focused button.
    EXPECT_EQ(Show(MB_YESNOCANCEL, {DialogAnswer::Press(VK_TAB), DialogAnswer::Press(VK_RETURN)}),
              IDNO);

    // Escape and closing cancel where the box can be cancelled.
    EXPECT_EQ(Show(MB_OKCANCEL, {DialogAnswer::Press(VK_ESCAPE)}), IDCANCEL);
    EXPECT_EQ(Show(MB_OK, {DialogAnswer::Press(VK_ESCAPE)}), IDOK);
    EXPECT_EQ(Show(MB_YESNOCANCEL, {DialogAnswer::CloseFromSystemMenu()}), IDCANCEL);
    // Yes or no: neither escaping nor closing answers.
    EXPECT_EQ(Show(MB_YESNO, {DialogAnswer::Press(VK_ESCAPE), DialogAnswer::CloseFromSystemMenu(),
                              DialogAnswer::ClickOn("Yes")}),
              IDYES);
}

TEST_F(ScriptedMessageBox, ABoxNobodyAnswersAndAnAnswerForAControlItLacksAreReported) {
    EXPECT_EQ(MessageBoxA(0, "Anyone there?", "Unanswered", MB_OK), 0);
    const std::vector<std::string> problems = driver::TakeScriptProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("'Unanswered'"), std::string::npos) << problems[0];

    // An answer for a control the box lacks.
    AnswerDialog("Upload", DialogAnswer::ClickOn("Maybe"));
    AnswerDialog("Upload", DialogAnswer::ClickOn("OK"));
    EXPECT_EQ(MessageBoxA(0, "Upload the system?", "Upload", MB_OK), IDOK);
    const std::vector<std::string> lacking = driver::TakeScriptProblems();
    ASSERT_EQ(lacking.size(), 1u);
    EXPECT_NE(lacking[0].find("'Maybe'"), std::string::npos) << lacking[0];
}

int g_ticks = 0;

void ZV_CALLBACK CountDown(HWND hwnd, UINT, UINT_PTR id, DWORD) {
    if (++g_ticks == 5) {
        KillTimer(hwnd, id);
        PostMessageA(hwnd, WM_COMMAND, IDNO, 0);
    }
}

TEST_F(ScriptedMessageBox, ATimerOnTheBoxCanCloseItOnTheVirtualClock) {
    g_ticks = 0;
    g_onActivate = [](HWND box) { SetTimer(box, 1025, 1000, CountDown); };
    driver::SetTickCount(0);
    EXPECT_EQ(MessageBoxA(0, "Upload the system?", "Upload", MB_YESNO), IDNO);
    EXPECT_EQ(g_ticks, 5);
    EXPECT_EQ(GetTickCount(), 5000u);
}

}  // namespace
}  // namespace zv::test
