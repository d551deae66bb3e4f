// The frame that the platform draws around a window's client area.

#include "headless/gdi/Frames.h"

#include <algorithm>

#include "headless/core/WindowSystem.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"

namespace zv::headless {

namespace {

bool IsActiveLook(HWND hwnd) {
    return GetActiveWindow() == hwnd || GetForegroundWindow() == hwnd;
}

// The caption strip of a window with a caption: colour, and the title in the
// caption font.
void DrawCaption(HDC hdc, const Window& window, const std::string& title, const RECT& strip) {
    const bool active = IsActiveLook(window.handle);
    FillRect(hdc, &strip, GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    NONCLIENTMETRICSA metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HFONT font =
        CreateFontIndirectA((window.exStyle & WS_EX_TOOLWINDOW) != 0 ? &metrics.lfSmCaptionFont
                                                                     : &metrics.lfCaptionFont);
    const HGDIOBJ previous = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    RECT text = strip;
    text.left += 4;
    DrawTextA(hdc, title.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    SelectObject(hdc, previous);
    DeleteObject(font);
}

// Fills what lies between the outer and the inner rectangle.
void FillRing(HDC hdc, const RECT& outer, const RECT& inner, HBRUSH brush) {
    const RECT strips[] = {{outer.left, outer.top, outer.right, inner.top},
                           {outer.left, inner.bottom, outer.right, outer.bottom},
                           {outer.left, inner.top, inner.left, inner.bottom},
                           {inner.right, inner.top, outer.right, inner.bottom}};
    for (const RECT& strip : strips) {
        FillRect(hdc, &strip, brush);
    }
}

// A raised button of a scroll bar with a small arrow pointing away from
// the trough's middle (dx, dy: the direction).
void DrawScrollButton(HDC hdc, RECT button, int dx, int dy) {
    FillRect(hdc, &button, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(hdc, &button, EDGE_RAISED, BF_RECT);
    const int cx = (button.left + button.right) / 2;
    const int cy = (button.top + button.bottom) / 2;
    const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    for (int row = 0; row < 4; ++row) {
        for (int across = -row; across <= row; ++across) {
            const int along = 2 - row;  // the tip two pixels out, the base one back
            const int x = dx != 0 ? cx + along * dx : cx + across;
            const int y = dy != 0 ? cy + along * dy : cy + across;
            SetPixel(hdc, x, y, ink);
        }
    }
}

// A scroll bar as the classic look draws it: the trough, a button at each
// end, and a thumb where the position lies when there is room to scroll.
void DrawScrollBar(HDC hdc, RECT bar, const SCROLLINFO& info, bool vertical) {
    // The classic trough: the scroll-bar colour checkered with highlights.
    for (int y = bar.top; y < bar.bottom; ++y) {
        for (int x = bar.left; x < bar.right; ++x) {
            SetPixel(hdc, x, y,
                     GetSysColor((x + y) % 2 != 0 ? COLOR_3DHIGHLIGHT : COLOR_SCROLLBAR));
        }
    }
    const int side = vertical ? bar.right - bar.left : bar.bottom - bar.top;
    const RECT first = vertical ? RECT{bar.left, bar.top, bar.right, bar.top + side}
                                : RECT{bar.left, bar.top, bar.left + side, bar.bottom};
    const RECT last = vertical ? RECT{bar.left, bar.bottom - side, bar.right, bar.bottom}
                               : RECT{bar.right - side, bar.top, bar.right, bar.bottom};
    DrawScrollButton(hdc, first, vertical ? 0 : -1, vertical ? -1 : 0);
    DrawScrollButton(hdc, last, vertical ? 0 : 1, vertical ? 1 : 0);
    const int range = info.nMax - info.nMin + 1;
    const int page = static_cast<int>(info.nPage);
    const int track = (vertical ? bar.bottom - bar.top : bar.right - bar.left) - 2 * side;
    if (page <= 0 || page >= range || track <= side) {
        return;
    }
    const int length = std::max(side / 2, track * page / range);
    const int offset = (track - length) * (info.nPos - info.nMin) / std::max(1, range - page);
    RECT thumb = vertical ? RECT{bar.left, bar.top + side + offset, bar.right,
                                 bar.top + side + offset + length}
                          : RECT{bar.left + side + offset, bar.top,
                                 bar.left + side + offset + length, bar.bottom};
    FillRect(hdc, &thumb, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(hdc, &thumb, EDGE_RAISED, BF_RECT);
}

void DrawScrollBars(HDC hdc, const Window& window, const RECT& client) {
    const int width = System().Metric(SM_CXVSCROLL);
    const int height = System().Metric(SM_CYHSCROLL);
    if ((window.style & WS_VSCROLL) != 0) {
        DrawScrollBar(hdc, RECT{client.right, client.top, client.right + width, client.bottom},
                      window.scrollBars[SB_VERT], true);
    }
    if ((window.style & WS_HSCROLL) != 0) {
        DrawScrollBar(hdc, RECT{client.left, client.bottom, client.right, client.bottom + height},
                      window.scrollBars[SB_HORZ], false);
    }
    if ((window.style & WS_VSCROLL) != 0 && (window.style & WS_HSCROLL) != 0) {
        const RECT corner{client.right, client.bottom, client.right + width,
                          client.bottom + height};
        FillRect(hdc, &corner, GetSysColorBrush(COLOR_BTNFACE));
    }
}

}  // namespace

// The frame the platform draws around the client area: raised edges for
// sizing and dialog frames, a line for a thin border, a sunken client edge
// around the client area and its scroll bars.
void DrawFrame(HDC hdc, const Window& window, const std::string& title) {
    RECT outer{0, 0, window.rect.right - window.rect.left, window.rect.bottom - window.rect.top};
    const RECT client = Offset(window.client, -window.rect.left, -window.rect.top);
    if ((window.style & (WS_THICKFRAME | WS_DLGFRAME)) != 0) {
        FillRing(hdc, outer, client, GetSysColorBrush(COLOR_ACTIVEBORDER));
        DrawEdge(hdc, &outer, EDGE_RAISED, BF_RECT);
    } else if ((window.style & WS_BORDER) != 0) {
        FillRing(hdc, outer, client, GetSysColorBrush(COLOR_WINDOWFRAME));
    }
    if ((window.style & WS_CAPTION) == WS_CAPTION) {
        const int height = System().Metric((window.exStyle & WS_EX_TOOLWINDOW) != 0 ? SM_CYSMCAPTION
                                                                                    : SM_CYCAPTION);
        const int edge = (window.exStyle & WS_EX_CLIENTEDGE) != 0 ? System().Metric(SM_CYEDGE) : 0;
        DrawCaption(hdc, window, title,
                    RECT{client.left - edge, client.top - edge - height, client.right + edge,
                         client.top - edge - 1});
    }
    DrawScrollBars(hdc, window, client);
    if ((window.exStyle & WS_EX_CLIENTEDGE) != 0) {
        const int bars = (window.style & WS_VSCROLL) != 0 ? System().Metric(SM_CXVSCROLL) : 0;
        const int barsBelow = (window.style & WS_HSCROLL) != 0 ? System().Metric(SM_CYHSCROLL) : 0;
        RECT edge{client.left - System().Metric(SM_CXEDGE), client.top - System().Metric(SM_CYEDGE),
                  client.right + bars + System().Metric(SM_CXEDGE),
                  client.bottom + barsBelow + System().Metric(SM_CYEDGE)};
        DrawEdge(hdc, &edge, EDGE_SUNKEN, BF_RECT);
    }
}

bool HasFrame(const Window& window) {
    return window.rect.left != window.client.left || window.rect.top != window.client.top ||
           window.rect.right != window.client.right || window.rect.bottom != window.client.bottom;
}

}  // namespace zv::headless
