// System colours on the headless backend: the classic palette of Windows
// 2000 ("Windows Standard"), and the translation of automation colours.

#include <array>

#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"

namespace zv::win {

namespace {

constexpr std::array<COLORREF, COLOR_GRADIENTINACTIVECAPTION + 1> kSystemColors{
    RGB(212, 208, 200),  // COLOR_SCROLLBAR
    RGB(58, 110, 165),   // COLOR_BACKGROUND
    RGB(10, 36, 106),    // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(212, 208, 200),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(212, 208, 200),  // COLOR_ACTIVEBORDER
    RGB(212, 208, 200),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(10, 36, 106),    // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(212, 208, 200),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),     // COLOR_3DDKSHADOW
    RGB(212, 208, 200),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(181, 181, 181),  // 25, unnamed
    RGB(0, 0, 128),      // COLOR_HOTLIGHT
    RGB(166, 202, 240),  // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
};

constexpr DWORD kSystemColorFlag = 0x80000000;

}  // namespace

DWORD GetSysColor(int nIndex) {
    if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= kSystemColors.size()) {
        return 0;
    }
    return kSystemColors[static_cast<std::size_t>(nIndex)];
}

HRESULT OleTranslateColor(OLE_COLOR clr, HPALETTE, COLORREF* lpcolorref) {
    COLORREF color = 0;
    switch (clr >> 24) {
        case 0x00:  // a plain colour
        case 0x02:  // a colour matched in the palette
            color = clr & 0xFFFFFF;
            break;
        case kSystemColorFlag >> 24:
            if ((clr & 0xFFFFFF) >= kSystemColors.size()) {
                return E_INVALIDARG;
            }
            color = GetSysColor(static_cast<int>(clr & 0xFFFFFF));
            break;
        default:  // palette indexes need a palette, which there is none of
            return E_INVALIDARG;
    }
    if (lpcolorref != nullptr) {
        *lpcolorref = color;
    }
    return S_OK;
}

}  // namespace zv::win
