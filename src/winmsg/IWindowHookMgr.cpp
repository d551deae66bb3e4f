#include "winmsg/IWindowHookMgr.h"

namespace zv {

IWindowHookMgr::~IWindowHookMgr() = default;

void IWindowHookMgr::GetMsgProc(win::HWND /*hwnd*/, win::UINT& /*uMsg*/, win::WPARAM& /*wParam*/,
                                win::LPARAM& /*lParam*/) {}

}  // namespace zv
