#pragma once

// The list view ("SysListView32"): the records its messages and notices
// carry and its sort callback. Its constants and codes are in
// ListViewConstants.h.

#include <cstdint>

#include "platform/win/CommonControlsApi.h"
#include "platform/win/WinApi.h"

namespace zv::win {

// An item or one of its sub-items; mask says which fields a message reads or
// fills, stateMask which bits of state.
struct LVITEMA {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    UINT state = 0;
    UINT stateMask = 0;
    LPSTR pszText = nullptr;
    int cchTextMax = 0;
    int iImage = 0;
    LPARAM lParam = 0;
    int iIndent = 0;
    int iGroupId = 0;
    UINT cColumns = 0;
    UINT* puColumns = nullptr;
};

// A column of the report view.
struct LVCOLUMNA {
    UINT mask = 0;
    int fmt = 0;
    int cx = 0;
    LPSTR pszText = nullptr;
    int cchTextMax = 0;
    int iSubItem = 0;
    int iImage = 0;
    int iOrder = 0;
};

// LVM_HITTEST and LVM_SUBITEMHITTEST: a point in the client area, what lies
// there (LVHT_*), the item and the column.
struct LVHITTESTINFO {
    POINT pt{};
    UINT flags = 0;
    int iItem = 0;
    int iSubItem = 0;
};

// The notices about an item: which one, its states before and after, what
// changed (LVIF_*), where the mouse was and the item's data.
struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = 0;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction{};
    LPARAM lParam = 0;
};

// NM_CLICK, NM_DBLCLK and NM_RCLICK: as NMLISTVIEW, with the modifier keys
// held (LVKF_*).
struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = 0;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction{};
    LPARAM lParam = 0;
    UINT uKeyFlags = 0;
};

// LVN_KEYDOWN: the key, packed as the platform packs it.
#pragma pack(push, 1)
struct NMLVKEYDOWN {
    NMHDR hdr;
    std::uint16_t wVKey = 0;
    UINT flags = 0;
};
#pragma pack(pop)

// Compares two items for LVM_SORTITEMS (by their data) or LVM_SORTITEMSEX
// (by their indexes): below zero when the first goes first.
using PFNLVCOMPARE = int(ZV_CALLBACK*)(LPARAM, LPARAM, LPARAM);

}  // namespace zv::win
