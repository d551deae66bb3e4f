// DrawFrameControl of the headless backend: the glyphs of check boxes and
// option buttons as Wine draws them at 13 by 13 pixels, the size the
// system's buttons use. In a larger square the check box grows with it,
// while the option button's ring, the check mark and the dot keep their
// size, centred.

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::win {

namespace {

constexpr UINT kGlyphTypes = 0x00FF;

// An option button's ring: shadow, dark shadow, highlight, light, and the
// inside (i).
constexpr std::array<std::string_view, 13> kRing = {
    ".............", ".....ssss....", "...ssddddss..", "..ssdiiiid.h.", "..sdiiiiiilh.",
    ".sdiiiiiiiilh", ".sdiiiiiiiilh", ".sdiiiiiiiilh", ".sdiiiiiiiilh", "..sdiiiiiilh.",
    "..hhliiiilhh.", "...hhllllhh..", ".....hhhh....",
};

constexpr std::array<std::string_view, 7> kCheckMark = {
    "......x", ".....xx", "....xxx", "x..xxx.", "xxxxx..", "xxxx...", ".xx....",
};

constexpr std::array<std::string_view, 4> kDot = {".xx.", "xxxx", "xxxx", ".xx."};

struct Glyph {
    HDC dc;
    UINT state;

    bool Dimmed() const { return (state & (DFCS_PUSHED | DFCS_INACTIVE)) != 0; }

    // The inside: the window colour, or the face while pushed or disabled; a
    // checked three-state box's is the face and the highlight in turn, as
    // a brush's pattern lies from the DC's origin.
    int Inside(int x, int y) const {
        if (Dimmed()) {
            return COLOR_3DFACE;
        }
        const bool greyed =
            (state & (kGlyphTypes | DFCS_CHECKED)) == (DFCS_BUTTON3STATE | DFCS_CHECKED);
        if (greyed) {
            return (x + y) % 2 == 0 ? COLOR_3DFACE : COLOR_3DHIGHLIGHT;
        }
        return COLOR_WINDOW;
    }

    // Grey when disabled, and always for a three-state box.
    int Mark() const {
        return (state & DFCS_INACTIVE) != 0 || (state & kGlyphTypes) == DFCS_BUTTON3STATE
                   ? COLOR_3DSHADOW
                   : COLOR_WINDOWTEXT;
    }

    void Plot(int x, int y, int colour) const { SetPixel(dc, x, y, GetSysColor(colour)); }

    template <std::size_t Rows>
    void Stamp(const std::array<std::string_view, Rows>& rows, int left, int top) const {
        for (int y = 0; y < static_cast<int>(Rows); ++y) {
            const std::string_view row = rows[static_cast<std::size_t>(y)];
            for (int x = 0; x < static_cast<int>(row.size()); ++x) {
                const char role = row[static_cast<std::size_t>(x)];
                if (role != '.') {
                    Plot(left + x, top + y, ColourOf(role, left + x, top + y));
                }
            }
        }
    }

    int ColourOf(char role, int x, int y) const {
        switch (role) {
            case 's':
                return COLOR_3DSHADOW;
            case 'd':
                return COLOR_3DDKSHADOW;
            case 'h':
                return COLOR_3DHIGHLIGHT;
            case 'l':
                return COLOR_3DLIGHT;
            case 'i':
                return Inside(x, y);
            default:
                return Mark();
        }
    }
};

}  // namespace

BOOL DrawFrameControl(HDC hdc, RECT* lprc, UINT uType, UINT uState) {
    const UINT type = uState & kGlyphTypes;
    if (lprc == nullptr || uType != DFC_BUTTON ||
        (type != DFCS_BUTTONCHECK && type != DFCS_BUTTONRADIO && type != DFCS_BUTTON3STATE)) {
        return FALSE;
    }
    const int width = lprc->right - lprc->left;
    const int height = lprc->bottom - lprc->top;
    const int side = std::min(width, height);
    if (side <= 0) {
        return TRUE;
    }
    const int left = lprc->left + (width - side) / 2;
    const int top = lprc->top + (height - side) / 2;
    const Glyph glyph{hdc, uState};
    if (type == DFCS_BUTTONRADIO) {
        const int ring = left + (side - static_cast<int>(kRing.size())) / 2;
        glyph.Stamp(kRing, ring, top + (side - static_cast<int>(kRing.size())) / 2);
        if ((uState & DFCS_CHECKED) != 0) {
            glyph.Stamp(kDot, left + (side - 3) / 2, top + (side - 3) / 2);
        }
        return TRUE;
    }
    RECT box{left, top, left + side, top + side};
    for (int y = top + 2; y < box.bottom - 2; ++y) {
        for (int x = left + 2; x < box.right - 2; ++x) {
            glyph.Plot(x, y, glyph.Inside(x, y));
        }
    }
    DrawEdge(hdc, &box, EDGE_SUNKEN, BF_RECT);
    if ((uState & DFCS_CHECKED) != 0) {
        const int offset = (side - static_cast<int>(kCheckMark.size())) / 2;
        glyph.Stamp(kCheckMark, left + offset, top + offset);
    }
    return TRUE;
}

}  // namespace zv::win
