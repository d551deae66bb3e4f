// The hook and the timer that adjust the box receive only the platform's
// arguments, so what they need is kept per thread, for one box at a time.

#include "msgbox/modMessageBox.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "msgbox/CaptionList.h"
#include "platform/automation/Application.h"
#include "platform/automation/Trapped.h"
#include "platform/text/WideString.h"
#include "platform/win/WinConstants.h"

namespace zv {

namespace {

using namespace win;

constexpr UINT_PTR kCountDownTimer = 1025;
constexpr UINT kCountDownPeriod = 1000;
constexpr UINT kButtonTypeBits = 0x7;
// The time-out travels in milliseconds in a signed 16-bit number.
constexpr std::int32_t kLongestTimeout = 32767;
constexpr std::size_t kMostCaptions = 3;
constexpr const wchar_t* kFirstWording = L"This message will time out in ";
constexpr const wchar_t* kLaterWording = L"This message will expire in ";

struct MsgBoxState {
    HWND owner = 0;
    HHOOK hook = 0;
    bool center = false;
    std::vector<std::wstring> captions;
    std::vector<std::int16_t> buttonIds;  // what each caption relabels
    HWND box = 0;
    std::wstring prompt;
    std::int16_t secondsLeft = 0;
    std::int16_t defaultId = 0;  // pressed when the time runs out
};

std::map<DWORD, MsgBoxState>& States() {
    static std::map<DWORD, MsgBoxState> states;
    return states;
}

MsgBoxState* ThisThreadsBox() {
    const auto found = States().find(GetCurrentThreadId());
    return found != States().end() ? &found->second : nullptr;
}

// Ends the thread's call on every path: the hook, when the box never took
// it off, and the state go.
struct ThreadCallEnd {
    ThreadCallEnd() = default;
    ThreadCallEnd(const ThreadCallEnd&) = delete;
    ThreadCallEnd& operator=(const ThreadCallEnd&) = delete;
    ~ThreadCallEnd() {
        if (MsgBoxState* state = ThisThreadsBox(); state != nullptr && state->hook != 0) {
            UnhookWindowsHookEx(state->hook);
        }
        States().erase(GetCurrentThreadId());
    }
};

// The buttons of a button type, in the order they stand; none for a type
// the box does not offer here.
std::vector<std::int16_t> ButtonIdsOf(UINT type) {
    switch (type) {
        case MB_OK:
            return {IDOK};
        case MB_OKCANCEL:
            return {IDOK, IDCANCEL};
        case MB_ABORTRETRYIGNORE:
            return {IDABORT, IDRETRY, IDIGNORE};
        case MB_YESNOCANCEL:
            return {IDYES, IDNO, IDCANCEL};
        case MB_YESNO:
            return {IDYES, IDNO};
        case MB_RETRYCANCEL:
            return {IDRETRY, IDCANCEL};
        default:
            return {};
    }
}

// The button type that carries a caption list of each length.
UINT ButtonTypeFor(std::size_t captionCount) {
    switch (captionCount) {
        case 1:
            return MB_OK;
        case 2:
            return MB_YESNO;
        default:
            return MB_ABORTRETRYIGNORE;
    }
}

// With captions each default-button flag is read on its own, and one that
// names a button beyond the list gives way to the one before.
std::size_t CaptionDefault(UINT style, std::size_t captionCount) {
    if ((style & MB_DEFBUTTON3) != 0 && captionCount >= 3) {
        return 2;
    }
    return (style & MB_DEFBUTTON2) != 0 && captionCount >= 2 ? 1 : 0;
}

struct ButtonPlan {
    UINT style = 0;
    std::vector<std::int16_t> ids;
    std::int16_t defaultId = 0;
};

// The style's buttons, or those that carry the captions; nothing when the
// default-button flags name a button the box will not have.
std::optional<ButtonPlan> PlanButtons(UINT style, std::size_t captionCount) {
    if (captionCount > kMostCaptions) {
        return std::nullopt;
    }
    const UINT type = captionCount == 0 ? style & kButtonTypeBits : ButtonTypeFor(captionCount);
    ButtonPlan plan{(style & ~kButtonTypeBits) | type, ButtonIdsOf(type), 0};
    const std::size_t index =
        captionCount == 0 ? (style & MB_DEFMASK) >> 8 : CaptionDefault(style, captionCount);
    if (index >= plan.ids.size()) {
        return std::nullopt;
    }
    plan.defaultId = plan.ids[index];
    return plan;
}

std::wstring CountDownText(const std::wstring& prompt, const wchar_t* wording,
                           std::int16_t seconds) {
    return prompt + L"\r\n\r\n" + wording + FormatRemainingTime(seconds * 1000);
}

// Walks parents (and owners, which GetParent gives for pop-ups) up to the
// window below the desktop.
HWND TopLevelAncestor(HWND hwnd) {
    for (HWND up = GetParent(hwnd); up != 0 && up != GetDesktopWindow(); up = GetParent(hwnd)) {
        hwnd = up;
    }
    return hwnd;
}

bool HasTopmostAncestor(HWND hwnd) {
    const auto exStyle = static_cast<DWORD>(GetWindowLongA(TopLevelAncestor(hwnd), GWL_EXSTYLE));
    return (exStyle & WS_EX_TOPMOST) != 0;
}

RECT WorkAreaNearest(const RECT& rect) {
    MONITORINFO info;
    GetMonitorInfoA(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

RECT CentredIn(const RECT& area, LONG width, LONG height) {
    const LONG left = area.left + (area.right - area.left) / 2 - width / 2;
    const LONG top = area.top + (area.bottom - area.top) / 2 - height / 2;
    return RECT{left, top, left + width, top + height};
}

// Moved as little as needed to lie inside the area; a rectangle larger than
// the area keeps its top left corner in it.
RECT KeptInside(const RECT& rect, const RECT& area) {
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    const LONG left = std::max(std::min(rect.left, area.right - width), area.left);
    const LONG top = std::max(std::min(rect.top, area.bottom - height), area.top);
    return RECT{left, top, left + width, top + height};
}

// Over the owner, or without one in the work area nearest to the box; then
// inside the work area nearest to where that puts it.
void CentreBox(HWND box, HWND owner) {
    RECT boxRect;
    GetWindowRect(box, &boxRect);
    RECT over;
    if (owner == 0 || !GetWindowRect(owner, &over)) {
        over = WorkAreaNearest(boxRect);
    }
    const RECT centred =
        CentredIn(over, boxRect.right - boxRect.left, boxRect.bottom - boxRect.top);
    const RECT placed = KeptInside(centred, WorkAreaNearest(centred));
    MoveWindow(box, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top,
               TRUE);
}

void RelabelButtons(const MsgBoxState& state, HWND box) {
    for (std::size_t i = 0; i < state.captions.size(); ++i) {
        SetDlgItemTextA(box, state.buttonIds[i], ToAnsi(state.captions[i]).c_str());
    }
}

void ZV_CALLBACK MsgBoxTimerProc(HWND, UINT, UINT_PTR idEvent, DWORD);

void AdjustBox(MsgBoxState& state, HWND box) {
    RelabelButtons(state, box);
    state.box = box;
    if (state.center || state.owner == 0) {
        CentreBox(box, state.owner);
    }
    if (state.secondsLeft > 0) {
        SetTimer(box, kCountDownTimer, kCountDownPeriod, MsgBoxTimerProc);
    }
}

// One shot: the first activation is the box's, and the hook goes with it.
// The activation is not passed on, whatever it was.
LRESULT ZV_CALLBACK MsgBoxHookProc(int nCode, WPARAM wParam, LPARAM) {
    MsgBoxState* state = ThisThreadsBox();
    if (nCode != HCBT_ACTIVATE || state == nullptr) {
        return 0;
    }
    // Nothing may unwind into the window system; the box shows as it is.
    Trapped([&] { AdjustBox(*state, static_cast<HWND>(wParam)); });
    UnhookWindowsHookEx(std::exchange(state->hook, 0));
    return 0;
}

void CountDown(MsgBoxState& state) {
    if (--state.secondsLeft <= 0) {
        KillTimer(state.box, kCountDownTimer);
        PostMessageA(state.box, WM_COMMAND, static_cast<WPARAM>(state.defaultId), 0);
        return;
    }
    const std::wstring text = CountDownText(state.prompt, kLaterWording, state.secondsLeft);
    SetDlgItemTextA(state.box, IDC_STATIC_TEXT, ToAnsi(text).c_str());
}

void ZV_CALLBACK MsgBoxTimerProc(HWND, UINT, UINT_PTR idEvent, DWORD) {
    MsgBoxState* state = ThisThreadsBox();
    if (idEvent != kCountDownTimer || state == nullptr) {
        return;
    }
    // A tick that fails leaves the box as it was; the next one tries again.
    Trapped([&] { CountDown(*state); });
}

void InstallHook(MsgBoxState& state, HWND owner, bool center) {
    state.owner = owner;
    state.center = center;
    state.hook = SetWindowsHookExA(WH_CBT, MsgBoxHookProc, 0, GetCurrentThreadId());
}

std::int32_t ResultOf(const MsgBoxState& state, int pressed) {
    if (state.captions.empty()) {
        return pressed;
    }
    const auto found = std::find(state.buttonIds.begin(), state.buttonIds.end(), pressed);
    return found != state.buttonIds.end()
               ? static_cast<std::int32_t>(found - state.buttonIds.begin())
               : 0;
}

std::int32_t ShowBox(MsgBoxState& state, HWND owner, const std::wstring& prompt,
                     const std::wstring& title, UINT style, bool center,
                     const std::wstring& buttons, std::int16_t& timeoutSeconds) {
    if (!buttons.empty()) {
        state.captions = SplitCaptionList(buttons);
    }
    const std::optional<ButtonPlan> plan = PlanButtons(style, state.captions.size());
    if (!plan) {
        return 0;
    }
    state.buttonIds = plan->ids;
    state.defaultId = plan->defaultId;
    style = plan->style;
    const bool timed = timeoutSeconds >= 1;
    const bool hooked = timed || center || !state.captions.empty();
    if (hooked) {
        InstallHook(state, owner, center);
    }
    if (owner != 0 && HasTopmostAncestor(owner)) {
        style |= MB_SYSTEMMODAL;
    }
    if (owner == 0 && hooked) {
        style |= MB_TASKMODAL;
    }
    if (timed && timeoutSeconds * 1000 > kLongestTimeout) {
        return 0;
    }
    state.prompt = prompt;
    state.secondsLeft = timed ? timeoutSeconds : std::int16_t{0};
    const std::wstring text = timed ? CountDownText(prompt, kFirstWording, timeoutSeconds) : prompt;
    const int pressed = MessageBoxA(owner, ToAnsi(text).c_str(),
                                    ToAnsi(title.empty() ? App().Title() : title).c_str(), style);
    if (timed) {
        KillTimer(state.box, kCountDownTimer);
        timeoutSeconds = state.secondsLeft;
    }
    return ResultOf(state, pressed);
}

std::wstring TwoDigits(std::int32_t value) {
    return (value < 10 ? L"0" : L"") + std::to_wstring(value);
}

}  // namespace

std::int32_t ZvMsgBox(win::HWND hwndOwner, const std::wstring& sPrompt, const std::wstring& sTitle,
                      std::int32_t nStyle, bool bCenter, const std::wstring& sButtons,
                      std::int16_t& nTimeoutSeconds) {
    if (ThisThreadsBox() != nullptr) {
        return 0;  // the thread's box is up already
    }
    return Trapped(std::int32_t{0}, [&] {
        MsgBoxState& state = States()[GetCurrentThreadId()];
        const ThreadCallEnd callEnd;
        return ShowBox(state, hwndOwner, sPrompt, sTitle, static_cast<UINT>(nStyle), bCenter,
                       sButtons, nTimeoutSeconds);
    });
}

std::int32_t ZvMsgBox(win::HWND hwndOwner, const std::wstring& sPrompt, const std::wstring& sTitle,
                      std::int32_t nStyle, bool bCenter, const std::wstring& sButtons) {
    std::int16_t noTimeout = 0;
    return ZvMsgBox(hwndOwner, sPrompt, sTitle, nStyle, bCenter, sButtons, noTimeout);
}

std::wstring FormatRemainingTime(std::int32_t nMilliseconds) {
    constexpr std::int32_t kSecond = 1000;
    constexpr std::int32_t kMinute = 60 * kSecond;
    constexpr std::int32_t kHour = 60 * kMinute;
    constexpr std::int32_t kDay = 24 * kHour;
    const std::int32_t days = nMilliseconds / kDay;
    const std::int32_t hours = nMilliseconds % kDay / kHour;
    const std::int32_t minutes = nMilliseconds % kHour / kMinute;
    const std::int32_t seconds = nMilliseconds % kMinute / kSecond;
    return Trapped(std::wstring(), [&] {
        const std::wstring dayPart = days >= 1 ? std::to_wstring(days) + L" days " : L"";
        return dayPart + TwoDigits(hours) + L":" + TwoDigits(minutes) + L":" + TwoDigits(seconds);
    });
}

}  // namespace zv
