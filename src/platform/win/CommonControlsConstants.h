#pragma once

// The notification codes that all common controls send in WM_NOTIFY, and the
// class flags of InitCommonControlsEx, with their Win32 names and values.
// Codes are negative numbers carried unsigned.

#include "platform/win/CommonControlsApi.h"

namespace zv::win {

inline constexpr UINT NM_FIRST = 0;
inline constexpr UINT NM_CLICK = NM_FIRST - 2;
inline constexpr UINT NM_DBLCLK = NM_FIRST - 3;
inline constexpr UINT NM_RETURN = NM_FIRST - 4;
inline constexpr UINT NM_RCLICK = NM_FIRST - 5;
inline constexpr UINT NM_RDBLCLK = NM_FIRST - 6;
inline constexpr UINT NM_SETFOCUS = NM_FIRST - 7;
inline constexpr UINT NM_KILLFOCUS = NM_FIRST - 8;
inline constexpr UINT NM_RELEASEDCAPTURE = NM_FIRST - 16;

inline constexpr DWORD ICC_LISTVIEW_CLASSES = 0x0001;  // list view and header
inline constexpr DWORD ICC_TREEVIEW_CLASSES = 0x0002;
inline constexpr DWORD ICC_BAR_CLASSES = 0x0004;  // tool bar, status bar, tool tips
inline constexpr DWORD ICC_TAB_CLASSES = 0x0008;
inline constexpr DWORD ICC_PROGRESS_CLASS = 0x0020;
inline constexpr DWORD ICC_WIN95_CLASSES = 0x00FF;

}  // namespace zv::win
