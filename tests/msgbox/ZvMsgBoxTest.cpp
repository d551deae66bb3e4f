// ZvMsgBox: the platform's box relabelled, centred, held above a topmost
// owner, counting down and answering itself. A thread timer plays the user:
// every quarter second it looks for the box by its caption, notes what it
// shows and may press a button by posting its command, so the same cases run
// on every backend; count-downs need the virtual clock.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ActivationWatch.h"
#include "PlatformTest.h"
#include "WindowFacts.h"
#include "msgbox/modMessageBox.h"
#include "platform/automation/Application.h"
#include "platform/driver/Driver.h"
#include "platform/text/WideString.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr UINT kLookPeriod = 250;
constexpr const char* kCaption = "Upload";
constexpr const wchar_t* kPrompt = L"Upload the system?";

// What the box showed while it was up.
struct BoxSeen {
    HWND box = 0;
    std::vector<std::string> texts;    // its message text, each change once
    std::vector<std::string> buttons;  // captions, in order
    RECT rect;
    DWORD exStyle = 0;
};

// The user: looks for the box with its caption and, at the look given,
// presses the button given (0: never).
struct User {
    std::string caption = kCaption;
    int answer = 0;
    int answerAtLook = 1;
    int looks = 0;
    std::function<void(HWND)> onFirstLook;
    BoxSeen seen;
};
User g_user;

void NoteFirstSight(HWND box) {
    g_user.seen.box = box;
    GetWindowRect(box, &g_user.seen.rect);
    g_user.seen.exStyle = static_cast<DWORD>(GetWindowLongA(box, GWL_EXSTYLE));
    for (HWND child = GetWindow(box, GW_CHILD); child != 0; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Button") {
            g_user.seen.buttons.push_back(TextOf(child));
        }
    }
    if (g_user.onFirstLook) {
        g_user.onFirstLook(box);
    }
}

void ZV_CALLBACK LookAtBox(HWND, UINT, UINT_PTR, DWORD) {
    const HWND box = FindWindowExA(0, 0, "#32770", g_user.caption.c_str());
    if (box == 0) {
        return;
    }
    if (g_user.seen.box != box) {
        NoteFirstSight(box);
    }
    const std::string text = TextOf(GetDlgItem(box, IDC_STATIC_TEXT));
    if (g_user.seen.texts.empty() || g_user.seen.texts.back() != text) {
        g_user.seen.texts.push_back(text);
    }
    if (g_user.answer != 0 && ++g_user.looks >= g_user.answerAtLook) {
        PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(g_user.answer), 0);
        g_user.answer = 0;
    }
}

// Dialogs whose activation reached the end of the thread's CBT chain.
std::vector<HWND> g_activationsHeard;

class ZvMsgBoxTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        g_user = User{};
        g_activationsHeard.clear();
        m_hook.emplace([](HWND hwnd) {
            if (ClassOf(hwnd) == "#32770") {
                g_activationsHeard.push_back(hwnd);
            }
        });
        m_timer = SetTimer(0, 0, kLookPeriod, LookAtBox);
    }

    void TearDown() override {
        KillTimer(0, m_timer);
        m_hook.reset();
        g_user.onFirstLook = nullptr;
        PlatformTest::TearDown();
    }

    // The user will press the button given at the look given (0: never).
    static void Expect(int answer, int atLook = 1) {
        g_user = User{};
        g_user.answer = answer;
        g_user.answerAtLook = atLook;
    }

    // A box of the test's caption, answered at the user's first look.
    static std::int32_t Show(HWND owner, UINT style, bool center, const std::wstring& buttons,
                             int answer) {
        Expect(answer);
        return ZvMsgBox(owner, kPrompt, L"Upload", static_cast<std::int32_t>(style), center,
                        buttons);
    }

    // Whether no hook of the library is left: a plain box's activation
    // reaches the test's hook at the end of the chain.
    static bool ChainIsClear() {
        const std::size_t heard = g_activationsHeard.size();
        Expect(IDOK);
        g_user.caption = "Check";
        return MessageBoxA(0, "Anything left?", "Check", MB_OK) == IDOK &&
               g_activationsHeard.size() == heard + 1;
    }

  private:
    std::optional<ActivationWatch> m_hook;
    UINT_PTR m_timer = 0;
};

std::string CountDownText(const char* wording, const char* remaining) {
    return std::string("Upload the system?\r\n\r\n") + wording + remaining;
}

TEST_F(ZvMsgBoxTest, WithoutOwnerAndHookItIsThePlatformsBoxTitledAsTheApplicationIfUntitled) {
    EXPECT_EQ(Show(0, MB_YESNOCANCEL, false, L"", IDNO), IDNO);
    EXPECT_EQ(g_user.seen.texts, std::vector<std::string>{"Upload the system?"});
    EXPECT_EQ(g_user.seen.buttons, (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
    // Nothing of the library stood in the CBT chain.
    EXPECT_EQ(g_activationsHeard, std::vector<HWND>{g_user.seen.box});

    // An empty title is the application's title.
    Expect(IDOK);
    g_user.caption = ToAnsi(App().Title());
    EXPECT_EQ(ZvMsgBox(0, kPrompt), IDOK);
    EXPECT_NE(g_user.seen.box, 0);
}

TEST_F(ZvMsgBoxTest, CaptionsRelabelTheButtonsAndAnswerWithTheirPosition) {
    EXPECT_EQ(Show(0, MB_OK, false, L"Keep,Discard", IDYES), 0);
    EXPECT_EQ(g_user.seen.buttons, (std::vector<std::string>{"Keep", "Discard"}));
    EXPECT_EQ(Show(0, MB_OK, false, L"Keep,Discard", IDNO), 1);

    EXPECT_EQ(Show(0, MB_YESNO, false, L"Fine", IDOK), 0);
    EXPECT_EQ(g_user.seen.buttons, std::vector<std::string>{"Fine"});

    EXPECT_EQ(Show(0, MB_OK, false, L"Save,,Close,Later,Cancel", IDIGNORE), 2);
    EXPECT_EQ(g_user.seen.buttons, (std::vector<std::string>{"Save,Close", "Later", "Cancel"}));
    // The hook took the box's activation and did not pass it on.
    EXPECT_TRUE(g_activationsHeard.empty());
    EXPECT_TRUE(ChainIsClear());
}

TEST_F(ZvMsgBoxTest, ABoxIsCentredOverItsOwner) {
    const HWND owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE);
    MoveWindow(owner, 100, 100, 400, 300, TRUE);
    EXPECT_EQ(Show(owner, MB_OK, true, L"", IDOK), IDOK);
    const RECT& box = g_user.seen.rect;
    EXPECT_EQ(box.left, 300 - (box.right - box.left) / 2);
    EXPECT_EQ(box.top, 250 - (box.bottom - box.top) / 2);
}

class ZvMsgBoxOnScreens : public ZvMsgBoxTest {
  protected:
    void SetUp() override {
        ZvMsgBoxTest::SetUp();
        ZV_REQUIRES_HEADLESS("a configured screen");
        driver::ConfigureScreen(
            {{{0, 0, 1024, 768}, {0, 0, 1024, 728}}, {{1024, 0, 2048, 768}, {1024, 0, 2048, 740}}});
    }
};

TEST_F(ZvMsgBoxOnScreens, ACentredBoxIsKeptInsideTheWorkAreaNearestToIt) {
    const HWND owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE);
    MoveWindow(owner, 1900, 700, 200, 100, TRUE);
    EXPECT_EQ(Show(owner, MB_OK, true, L"", IDOK), IDOK);
    EXPECT_EQ(g_user.seen.rect.right, 2048);
    EXPECT_EQ(g_user.seen.rect.bottom, 740);

    MoveWindow(owner, -150, -80, 200, 100, TRUE);
    EXPECT_EQ(Show(owner, MB_OK, true, L"", IDOK), IDOK);
    EXPECT_EQ(g_user.seen.rect.left, 0);
    EXPECT_EQ(g_user.seen.rect.top, 0);
}

TEST_F(ZvMsgBoxOnScreens, WithoutOwnerTheBoxIsCentredInTheWorkArea) {
    driver::ConfigureScreen({{{0, 0, 1024, 768}, {100, 0, 1024, 768}}});
    EXPECT_EQ(Show(0, MB_OK, false, L"Fine", IDOK), 0);
    const RECT& box = g_user.seen.rect;
    EXPECT_EQ(box.left, 562 - (box.right - box.left) / 2);
    EXPECT_EQ(box.top, 384 - (box.bottom - box.top) / 2);
}

TEST_F(ZvMsgBoxTest, ATopmostOwnerMakesTheBoxSystemModal) {
    const HWND topmost = CreateRecorder("topmost", WS_POPUP | WS_VISIBLE, 0, 0, WS_EX_TOPMOST);
    const HWND control = CreateRecorder("control", WS_CHILD | WS_VISIBLE, topmost, 1);
    EXPECT_EQ(Show(control, MB_OK, false, L"", IDOK), IDOK);
    EXPECT_NE(g_user.seen.exStyle & WS_EX_TOPMOST, 0u);

    const HWND plain = CreateRecorder("plain", WS_POPUP | WS_VISIBLE);
    EXPECT_EQ(Show(plain, MB_OK, false, L"", IDOK), IDOK);
    EXPECT_EQ(g_user.seen.exStyle & WS_EX_TOPMOST, 0u);
}

TEST_F(ZvMsgBoxTest, WithAHookAndNoOwnerTheBoxIsTaskModal) {
    const HWND other = CreateRecorder("other", WS_POPUP | WS_VISIBLE);
    bool otherEnabled = true;
    const auto noteOther = [&](HWND) { otherEnabled = IsWindowEnabled(other) != FALSE; };

    Expect(IDOK);
    g_user.onFirstLook = noteOther;
    EXPECT_EQ(ZvMsgBox(0, kPrompt, L"Upload", MB_OK, true), IDOK);
    EXPECT_FALSE(otherEnabled);
    EXPECT_TRUE(IsWindowEnabled(other));

    Expect(IDOK);
    g_user.onFirstLook = noteOther;
    EXPECT_EQ(ZvMsgBox(0, kPrompt, L"Upload", MB_OK, false), IDOK);
    EXPECT_TRUE(otherEnabled);
}

TEST_F(ZvMsgBoxTest, AFailingCallShowsNothingAndLeavesNoHook) {
    // A default-button flag naming a button the box does not have.
    EXPECT_EQ(Show(0, MB_OK | MB_DEFBUTTON2, true, L"", IDOK), 0);
    EXPECT_EQ(g_user.seen.box, 0);
    EXPECT_TRUE(ChainIsClear());

    // A time-out beyond 32 seconds, after the hook went in.
    Expect(IDOK);
    std::int16_t seconds = 33;
    EXPECT_EQ(ZvMsgBox(0, kPrompt, L"Upload", MB_OK, true, L"Keep,Discard", seconds), 0);
    EXPECT_EQ(seconds, 33);
    EXPECT_EQ(g_user.seen.box, 0);
    EXPECT_TRUE(ChainIsClear());

    // More captions than the box has buttons; a button type without a table row.
    EXPECT_EQ(Show(0, MB_OK, false, L"A,B,C,D", IDOK), 0);
    EXPECT_EQ(Show(0, MB_CANCELTRYCONTINUE, true, L"", IDCANCEL), 0);
    EXPECT_EQ(g_user.seen.box, 0);
    EXPECT_TRUE(ChainIsClear());
}

TEST_F(ZvMsgBoxTest, ThirtyTwoSecondsIsTheLongestTimeOut) {
    Expect(IDOK);
    std::int16_t seconds = 32;
    EXPECT_EQ(ZvMsgBox(0, kPrompt, L"Upload", MB_OK, false, L"", seconds), IDOK);
    EXPECT_EQ(seconds, 32);
    ASSERT_FALSE(g_user.seen.texts.empty());
    EXPECT_EQ(g_user.seen.texts.front(),
              CountDownText("This message will time out in ", "00:00:32"));
    EXPECT_TRUE(ChainIsClear());
}

TEST_F(ZvMsgBoxTest, OneBoxAtATimePerThread) {
    std::int32_t nested = -1;
    Expect(IDOK);
    g_user.onFirstLook = [&](HWND) { nested = ZvMsgBox(0, L"Another", L"Another", MB_OK, true); };
    EXPECT_EQ(ZvMsgBox(0, kPrompt, L"Upload", MB_OK, true), IDOK);
    EXPECT_EQ(nested, 0);
    EXPECT_TRUE(ChainIsClear());
}

class ZvMsgBoxCountDown : public ZvMsgBoxTest {
  protected:
    void SetUp() override {
        ZvMsgBoxTest::SetUp();
        ZV_REQUIRES_HEADLESS("the virtual clock");
    }

    static std::int32_t ShowFor(std::int16_t& seconds, UINT style, const std::wstring& buttons) {
        return ZvMsgBox(0, kPrompt, L"Upload", static_cast<std::int32_t>(style), false, buttons,
                        seconds);
    }
};

TEST_F(ZvMsgBoxCountDown, TheBoxCountsDownAndAnswersWithItsDefaultButtonUnlessAnsweredBefore) {
    const DWORD start = GetTickCount();
    std::int16_t seconds = 5;
    EXPECT_EQ(ShowFor(seconds, MB_YESNO | MB_DEFBUTTON2, L""), IDNO);
    EXPECT_EQ(seconds, 0);
    EXPECT_EQ(GetTickCount() - start, 5000u);
    EXPECT_EQ(g_user.seen.texts, (std::vector<std::string>{
                                     CountDownText("This message will time out in ", "00:00:05"),
                                     CountDownText("This message will expire in ", "00:00:04"),
                                     CountDownText("This message will expire in ", "00:00:03"),
                                     CountDownText("This message will expire in ", "00:00:02"),
                                     CountDownText("This message will expire in ", "00:00:01"),
                                 }));

    // An answer before the end leaves the seconds that were left.
    Expect(IDYES, 10);  // two and a half seconds in
    seconds = 5;
    EXPECT_EQ(ShowFor(seconds, MB_YESNO, L""), IDYES);
    EXPECT_EQ(seconds, 3);
}

TEST_F(ZvMsgBoxCountDown, TheDefaultButtonFollowsTheButtonsAndTheirFlags) {
    struct Row {
        const wchar_t* buttons;
        UINT style;
        std::int32_t result;
    };
    const Row kRows[] = {
        {L"", MB_OK, IDOK},
        {L"", MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {L"", MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
        {L"", MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {L"", MB_YESNO, IDYES},
        {L"", MB_RETRYCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {L"Go", MB_DEFBUTTON2, 0},
        {L"Keep,Discard", 0, 0},
        {L"Keep,Discard", MB_DEFBUTTON2, 1},
        {L"Keep,Discard", MB_DEFBUTTON3, 0},
        {L"A,B,C", MB_DEFBUTTON2, 1},
        {L"A,B,C", MB_DEFBUTTON3, 2},
    };
    for (const Row& row : kRows) {
        Expect(0);
        std::int16_t seconds = 1;
        EXPECT_EQ(ShowFor(seconds, row.style, row.buttons), row.result)
            << ToAnsi(row.buttons) << " " << row.style;
    }
}

TEST(FormatRemainingTime, ShowsTwoDigitsEachAndDaysWhenThereAreAny) {
    EXPECT_EQ(FormatRemainingTime(10000), L"00:00:10");
    EXPECT_EQ(FormatRemainingTime(0), L"00:00:00");
    EXPECT_EQ(FormatRemainingTime(3723999), L"01:02:03");
    EXPECT_EQ(FormatRemainingTime(2 * 86400000 + 61000), L"2 days 00:01:01");
}

}  // namespace
}  // namespace zv::test
