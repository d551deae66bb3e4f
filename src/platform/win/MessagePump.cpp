#include "platform/win/MessagePump.h"

#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv {

void LetPendingMessagesRun() {
    win::MSG msg;
    while (win::PeekMessageA(&msg, 0, 0, 0, win::PM_REMOVE)) {
        if (msg.message == win::WM_QUIT) {
            win::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        win::TranslateMessage(&msg);
        win::DispatchMessageA(&msg);
    }
}

}  // namespace zv
