// The platform's message box on the headless backend: a real dialog window
// ("#32770") with its text in a static control (65535), an icon, and the
// buttons of its type with the standard identifiers and captions, run
// modally until a button's command (clicked, pressed or posted) ends it.

#include <algorithm>
#include <string>
#include <vector>

#include "headless/controls/Dialogs.h"
#include "headless/core/WindowSystem.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

struct ButtonSpec {
    int id;
    const char* caption;
};

// The buttons of each button type, in the order they stand.
std::vector<ButtonSpec> ButtonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
        case MB_ABORTRETRYIGNORE:
            return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
        case MB_YESNOCANCEL:
            return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
        case MB_YESNO:
            return {{IDYES, "&Yes"}, {IDNO, "&No"}};
        case MB_RETRYCANCEL:
            return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
        case MB_CANCELTRYCONTINUE:
            return {{IDCANCEL, "Cancel"}, {IDTRYAGAIN, "&Try Again"}, {IDCONTINUE, "&Continue"}};
        default:
            return {{IDOK, "OK"}};
    }
}

// The message box's state while it runs.
struct MessageBoxRun : DialogRun {
    std::vector<ButtonSpec> buttons;
};

bool HasButton(const MessageBoxRun& run, int id) {
    return std::any_of(run.buttons.begin(), run.buttons.end(),
                       [&](const ButtonSpec& button) { return button.id == id; });
}

// Cancelling (Escape, closing, IDCANCEL) ends a box that has a Cancel
// button with it, and a box with only OK with OK; other boxes stay.
int CancelAnswer(const MessageBoxRun& run) {
    if (HasButton(run, IDCANCEL)) {
        return IDCANCEL;
    }
    return run.buttons.size() == 1 && run.buttons.front().id == IDOK ? IDOK : 0;
}

// Commands end the box with their button; cancelling as the box allows.
bool HandleMessageBox(MessageBoxRun& run, UINT message, WPARAM wParam) {
    switch (message) {
        case WM_COMMAND: {
            const int id = static_cast<int>(wParam & 0xFFFF);
            run.End(HasButton(run, id) ? id : id == IDCANCEL ? CancelAnswer(run) : 0);
            return true;
        }
        case WM_CLOSE:
            run.End(CancelAnswer(run));
            return true;
        default:
            return false;
    }
}

// Sizes of the box, in pixels.
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;

// The text's size in the dialog font, broken into lines no wider than 5/8 of
// the screen.
SIZE TextSize(const std::string& text) {
    const HDC screen = GetDC(0);
    const HGDIOBJ oldFont = SelectObject(screen, GetStockObject(DEFAULT_GUI_FONT));
    RECT bounds{0, 0, GetSystemMetrics(SM_CXSCREEN) * 5 / 8, 0};
    DrawTextA(screen, text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | DT_WORDBREAK | DT_LEFT);
    SelectObject(screen, oldFont);
    ReleaseDC(0, screen);
    return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

// Lays the box out: icon and text above, the buttons centred below.
void LayOut(HWND box, HWND owner, const std::string& text, UINT type,
            const std::vector<ButtonSpec>& buttons) {
    const bool hasIcon = (type & MB_ICONMASK) != 0;
    const SIZE textSize = TextSize(text);
    const int textLeft = kMargin + (hasIcon ? kIconSize + kMargin : 0);
    const int count = static_cast<int>(buttons.size());
    const int buttonsWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    const int clientWidth = std::max(textLeft + textSize.cx + kMargin, buttonsWidth + 2 * kMargin);
    const int upperHeight = std::max(textSize.cy, hasIcon ? kIconSize : 0);
    const int buttonTop = kMargin + upperHeight + kMargin;
    const int clientHeight = buttonTop + kButtonHeight + kMargin;

    if (hasIcon) {
        CreateControl("Static", "", SS_ICON, box, IDC_STATIC_ICON,
                      RECT{kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize});
    }
    CreateControl("Static", text.c_str(), SS_LEFT, box, IDC_STATIC_TEXT,
                  RECT{textLeft, kMargin, textLeft + textSize.cx, kMargin + textSize.cy});
    const UINT defaultIndex = (type & MB_DEFMASK) >> 8;
    int left = (clientWidth - buttonsWidth) / 2;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const DWORD kind = i == (defaultIndex < buttons.size() ? defaultIndex : 0)
                               ? BS_DEFPUSHBUTTON
                               : BS_PUSHBUTTON;
        CreateControl("Button", buttons[i].caption, kind | WS_TABSTOP, box, buttons[i].id,
                      RECT{left, buttonTop, left + kButtonWidth, buttonTop + kButtonHeight});
        left += kButtonWidth + kButtonGap;
    }

    PlaceDialog(box, owner, clientWidth, clientHeight);
}

}  // namespace

}  // namespace zv::headless

namespace zv::win {

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    if (hWnd != 0 && !IsWindow(hWnd)) {
        return 0;
    }
    const HWND owner = hWnd != 0 ? headless::TopLevelOf(hWnd) : 0;
    const std::string caption = lpCaption != nullptr ? lpCaption : "Error";
    const HWND box = headless::CreateDialogWindow(
        owner, caption, (uType & (MB_TOPMOST | MB_SYSTEMMODAL)) != 0 ? WS_EX_TOPMOST : 0);
    if (box == 0) {
        return 0;
    }
    headless::MessageBoxRun run;
    run.buttons = headless::ButtonsOf(uType);
    run.handle = [&run](HWND, UINT message, WPARAM wParam, LPARAM) {
        return headless::HandleMessageBox(run, message, wParam);
    };
    headless::LayOut(box, owner, lpText != nullptr ? lpText : "", uType, run.buttons);
    return headless::RunDialog(box, owner, (uType & MB_TASKMODAL) != 0, run);
}

}  // namespace zv::win
