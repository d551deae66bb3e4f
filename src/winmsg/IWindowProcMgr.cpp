#include "winmsg/IWindowProcMgr.h"

namespace zv {

IWindowProcMgr::~IWindowProcMgr() = default;

win::LRESULT IWindowProcMgr::WindowProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM, bool&) {
    return 0;
}

void IWindowProcMgr::WindowProcDone(win::HWND, win::UINT, win::WPARAM, win::LPARAM, win::LRESULT) {}

}  // namespace zv
