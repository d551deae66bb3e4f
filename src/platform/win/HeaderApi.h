#pragma once

// The header control ("SysHeader32"): the records its messages and notices
// carry. Its constants and codes are in HeaderConstants.h.

#include "platform/win/CommonControlsApi.h"
#include "platform/win/GdiApi.h"
#include "platform/win/WinApi.h"

namespace zv::win {

// One item of a header; mask says which fields a message reads or fills.
struct HDITEMA {
    UINT mask = 0;
    int cxy = 0;
    LPSTR pszText = nullptr;
    HBITMAP hbm = 0;
    int cchTextMax = 0;
    int fmt = 0;
    LPARAM lParam = 0;
    int iImage = 0;
    int iOrder = 0;
    UINT type = 0;
    void* pvFilter = nullptr;
};

// HDM_LAYOUT: the rectangle the header is to stand in (its top moves below
// the header) and the position it takes there.
struct HDLAYOUT {
    RECT* prc = nullptr;
    WINDOWPOS* pwpos = nullptr;
};

// HDM_HITTEST: a point in the header's client area, what lies there (HHT_*)
// and the item.
struct HDHITTESTINFO {
    POINT pt{};
    UINT flags = 0;
    int iItem = 0;
};

// The notices of HDN_*: the item, the mouse button (0 left, 1 right, 2
// middle) and, for some, the item's fields concerned.
struct NMHEADERA {
    NMHDR hdr;
    int iItem = 0;
    int iButton = 0;
    HDITEMA* pitem = nullptr;
};

}  // namespace zv::win
