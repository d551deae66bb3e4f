#pragma once

// The header control's class name, styles, messages and notification codes,
// with their Win32 names and values. Its parent hears the single-byte codes.

#include "platform/win/CommonControlsConstants.h"
#include "platform/win/HeaderApi.h"

namespace zv::win {

inline constexpr const char* WC_HEADERA = "SysHeader32";

// Styles
inline constexpr DWORD HDS_HORZ = 0x0000;
inline constexpr DWORD HDS_BUTTONS = 0x0002;
inline constexpr DWORD HDS_HOTTRACK = 0x0004;
inline constexpr DWORD HDS_HIDDEN = 0x0008;
inline constexpr DWORD HDS_DRAGDROP = 0x0040;
inline constexpr DWORD HDS_FULLDRAG = 0x0080;

// Messages
inline constexpr UINT HDM_FIRST = 0x1200;
inline constexpr UINT HDM_GETITEMCOUNT = HDM_FIRST + 0;
inline constexpr UINT HDM_INSERTITEMA = HDM_FIRST + 1;
inline constexpr UINT HDM_DELETEITEM = HDM_FIRST + 2;
inline constexpr UINT HDM_GETITEMA = HDM_FIRST + 3;
inline constexpr UINT HDM_SETITEMA = HDM_FIRST + 4;
inline constexpr UINT HDM_LAYOUT = HDM_FIRST + 5;
inline constexpr UINT HDM_HITTEST = HDM_FIRST + 6;
inline constexpr UINT HDM_GETITEMRECT = HDM_FIRST + 7;
inline constexpr UINT HDM_ORDERTOINDEX = HDM_FIRST + 15;
inline constexpr UINT HDM_GETORDERARRAY = HDM_FIRST + 17;
inline constexpr UINT HDM_SETORDERARRAY = HDM_FIRST + 18;
inline constexpr UINT HDM_LAST = HDM_FIRST + 0xFF;

// HDITEMA fields (mask)
inline constexpr UINT HDI_WIDTH = 0x0001;
inline constexpr UINT HDI_HEIGHT = HDI_WIDTH;
inline constexpr UINT HDI_TEXT = 0x0002;
inline constexpr UINT HDI_FORMAT = 0x0004;
inline constexpr UINT HDI_LPARAM = 0x0008;
inline constexpr UINT HDI_IMAGE = 0x0020;
inline constexpr UINT HDI_ORDER = 0x0080;

// HDITEMA formats (fmt)
inline constexpr int HDF_LEFT = 0x0000;
inline constexpr int HDF_RIGHT = 0x0001;
inline constexpr int HDF_CENTER = 0x0002;
inline constexpr int HDF_JUSTIFYMASK = 0x0003;
inline constexpr int HDF_SORTDOWN = 0x0200;
inline constexpr int HDF_SORTUP = 0x0400;
inline constexpr int HDF_IMAGE = 0x0800;
inline constexpr int HDF_STRING = 0x4000;

// HDHITTESTINFO flags
inline constexpr UINT HHT_NOWHERE = 0x0001;
inline constexpr UINT HHT_ONHEADER = 0x0002;
inline constexpr UINT HHT_ONDIVIDER = 0x0004;
inline constexpr UINT HHT_ONDIVOPEN = 0x0008;
inline constexpr UINT HHT_ABOVE = 0x0100;
inline constexpr UINT HHT_BELOW = 0x0200;
inline constexpr UINT HHT_TORIGHT = 0x0400;
inline constexpr UINT HHT_TOLEFT = 0x0800;

// Notification codes, single-byte forms
inline constexpr UINT HDN_FIRST = 0U - 300U;
inline constexpr UINT HDN_ITEMCHANGINGA = HDN_FIRST - 0;
inline constexpr UINT HDN_ITEMCHANGEDA = HDN_FIRST - 1;
inline constexpr UINT HDN_ITEMCLICKA = HDN_FIRST - 2;
inline constexpr UINT HDN_ITEMDBLCLICKA = HDN_FIRST - 3;
inline constexpr UINT HDN_DIVIDERDBLCLICKA = HDN_FIRST - 5;
inline constexpr UINT HDN_BEGINTRACKA = HDN_FIRST - 6;
inline constexpr UINT HDN_ENDTRACKA = HDN_FIRST - 7;
inline constexpr UINT HDN_TRACKA = HDN_FIRST - 8;

}  // namespace zv::win
