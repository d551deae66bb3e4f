// The platform's message box, the save dialog and the controls of dialogs on
// the Win32 backend, passed straight through to the system.

#include "win32/Win32.h"

namespace zv::win {

using win32::FromHwnd;
using win32::ToHwnd;

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    return ::MessageBoxA(ToHwnd(hWnd), lpText, lpCaption, uType);
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
    return FromHwnd(::GetDlgItem(ToHwnd(hDlg), nIDDlgItem));
}

int GetDlgCtrlID(HWND hWnd) {
    return ::GetDlgCtrlID(ToHwnd(hWnd));
}

BOOL SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
    return ::SetDlgItemTextA(ToHwnd(hDlg), nIDDlgItem, lpString);
}

UINT GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
    return ::GetDlgItemTextA(ToHwnd(hDlg), nIDDlgItem, lpString, cchMax);
}

// The record's size in lStructSize is that of the first version.
BOOL GetSaveFileNameA(OPENFILENAMEA* lpofn) {
    return ::GetSaveFileNameA(reinterpret_cast<::OPENFILENAMEA*>(lpofn));
}

}  // namespace zv::win
