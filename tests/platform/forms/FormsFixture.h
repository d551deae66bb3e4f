#pragma once

// A fresh desktop for each case, with the scripted user able to find a
// form's boxes by their labels; and a way to end a modal form that works on
// every backend, for cases that look at a form rather than use it.

#include <memory>
#include <utility>

#include "PlatformTest.h"
#include "platform/driver/ScriptedForms.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/win/WinConstants.h"

namespace zv::test {

namespace detail {

inline const forms::CommandButton*& ButtonToClick() {
    static const forms::CommandButton* button = nullptr;
    return button;
}

inline void ZV_CALLBACK ClickTheButton(win::HWND, win::UINT, win::UINT_PTR id, win::DWORD) {
    win::KillTimer(0, id);
    if (const forms::CommandButton* button = std::exchange(ButtonToClick(), nullptr)) {
        win::SendMessageA(button->hWnd(), win::BM_CLICK, 0, 0);
    }
}

}  // namespace detail

// Clicks the button from a window-less timer, which first fires inside the
// modal loop of the form about to be shown.
inline void ClickOnceShown(const forms::CommandButton& button) {
    detail::ButtonToClick() = &button;
    win::SetTimer(0, 0, 1, detail::ClickTheButton);
}

class FormsTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        driver::LetScriptFindBoxesByLabel();
    }
};

}  // namespace zv::test
