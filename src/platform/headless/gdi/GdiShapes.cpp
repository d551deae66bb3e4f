// Pixels, lines, filled areas, ellipses and rounded rectangles,
// three-dimensional edges and focus rectangles on the headless backend, and
// the rectangle helpers.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <span>
#include <vector>

#include "headless/gdi/GdiObjects.h"

namespace zv::win {

namespace {

using headless::Canvas;
using headless::CanvasOf;
using headless::DeviceContext;
using headless::Gdi;
using headless::Pen;

// The on and off runs of the styled pens, as the platform draws them.
std::span<const int> DashesOf(int style) {
    static constexpr std::array<int, 2> kDash{18, 6};
    static constexpr std::array<int, 2> kDot{3, 3};
    static constexpr std::array<int, 4> kDashDot{9, 6, 3, 6};
    switch (style) {
        case PS_DASH:
            return kDash;
        case PS_DOT:
            return kDot;
        case PS_DASHDOT:
            return kDashDot;
        default:
            return {};
    }
}

// Whether the step'th pixel of a styled line is on.
bool DashOn(std::span<const int> dashes, int step) {
    int total = 0;
    for (int run : dashes) {
        total += run;
    }
    int offset = step % total;
    for (std::size_t i = 0; i < dashes.size(); ++i) {
        if (offset < dashes[i]) {
            return i % 2 == 0;
        }
        offset -= dashes[i];
    }
    return false;
}

// How far in from either side an ellipse of the given size reaches on one
// of its rows: the pixels whose centres lie inside it. Its radii reach a
// third of a pixel past the centres of its outermost pixels, which matches
// the platform's curves within a pixel here and there.
int EllipseInset(int width, int height, int row) {
    constexpr double kReach = 1.0 / 3.0;
    const double centre = (width - 1) / 2.0;
    const double dy = (row - (height - 1) / 2.0) / ((height - 1) / 2.0 + kReach);
    const double half = (centre + kReach) * std::sqrt(std::max(0.0, 1.0 - dy * dy));
    return std::max(0, static_cast<int>(std::ceil(centre - half)));
}

// A point of a pen: for a wide pen a dot as round as the platform's pens
// are, so that wide lines end and meet round.
void PlotWide(const Canvas& canvas, int x, int y, int width, COLORREF color) {
    const int from = -(width - 1) / 2;
    for (int row = 0; row < width; ++row) {
        const int inset = EllipseInset(width, width, row);
        for (int column = inset; column < width - inset; ++column) {
            canvas.Plot(x + from + column, y + from + row, color);
        }
    }
}

// A line in the DC's pen from one point up to, not including, the other.
void DrawLine(const Canvas& canvas, const DeviceContext& dc, POINT from, POINT to) {
    const Pen* pen = Gdi().Find<Pen>(dc.pen);
    if (pen == nullptr || pen->style == PS_NULL) {
        return;
    }
    const auto dashes = DashesOf(pen->style);
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    POINT at = from;
    for (int step = 0; at.x != to.x || at.y != to.y; ++step) {
        if (dashes.empty() || DashOn(dashes, step)) {
            PlotWide(canvas, at.x, at.y, pen->width, pen->color);
        } else if (dc.bkMode == OPAQUE) {
            canvas.Plot(at.x, at.y, dc.bkColor);
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy, at.x += sx;
        }
        if (twice <= dx) {
            error += dx, at.y += sy;
        }
    }
}

// The colours of one ring of an edge: top and left, bottom and right.
struct Ring {
    int topLeft;
    int bottomRight;
};

// The rings an edge type draws, outside first. A lone inner or outer border
// lies on the rectangle's own edge.
std::vector<Ring> RingsOf(UINT edge) {
    std::vector<Ring> rings;
    if ((edge & BDR_RAISEDOUTER) != 0) {
        rings.push_back({COLOR_3DLIGHT, COLOR_3DDKSHADOW});
    } else if ((edge & BDR_SUNKENOUTER) != 0) {
        rings.push_back({COLOR_3DSHADOW, COLOR_3DHIGHLIGHT});
    }
    if ((edge & BDR_RAISEDINNER) != 0) {
        rings.push_back({COLOR_3DHIGHLIGHT, COLOR_3DSHADOW});
    } else if ((edge & BDR_SUNKENINNER) != 0) {
        rings.push_back({COLOR_3DDKSHADOW, COLOR_3DLIGHT});
    }
    return rings;
}

// One ring: the top and left sides first, then the bottom and right sides
// over their full length, so that these own the top-right and bottom-left
// corners.
void DrawRing(const Canvas& canvas, const RECT& rect, const Ring& ring, UINT sides) {
    const COLORREF light = GetSysColor(ring.topLeft);
    const COLORREF dark = GetSysColor(ring.bottomRight);
    if ((sides & BF_TOP) != 0) {
        canvas.Fill(RECT{rect.left, rect.top, rect.right, rect.top + 1}, light);
    }
    if ((sides & BF_LEFT) != 0) {
        canvas.Fill(RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, light);
    }
    if ((sides & BF_BOTTOM) != 0) {
        canvas.Fill(RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, dark);
    }
    if ((sides & BF_RIGHT) != 0) {
        canvas.Fill(RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, dark);
    }
}

// The rectangle less one pixel on each of the given sides.
RECT Inside(const RECT& rect, UINT sides) {
    return RECT{rect.left + ((sides & BF_LEFT) != 0 ? 1 : 0),
                rect.top + ((sides & BF_TOP) != 0 ? 1 : 0),
                rect.right - ((sides & BF_RIGHT) != 0 ? 1 : 0),
                rect.bottom - ((sides & BF_BOTTOM) != 0 ? 1 : 0)};
}

// A figure of rounded corners: its size in pixels and the size of the
// ellipse whose quarters make its corners (the whole size for an ellipse).
struct RoundedFigure {
    int width = 0;
    int height = 0;
    int cornerWidth = 0;
    int cornerHeight = 0;
};

// Each row's inset: the figure covers [inset, width - inset) of it.
std::vector<int> RowInsets(const RoundedFigure& figure) {
    std::vector<int> insets(static_cast<std::size_t>(figure.height), 0);
    if (figure.cornerWidth <= 0 || figure.cornerHeight <= 0) {
        return insets;
    }
    for (int row = 0; row < figure.height; ++row) {
        const int fromBottom = row - (figure.height - figure.cornerHeight);
        int& inset = insets[static_cast<std::size_t>(row)];
        if (2 * row + 1 < figure.cornerHeight) {
            inset = EllipseInset(figure.cornerWidth, figure.cornerHeight, row);
        } else if (2 * fromBottom + 1 > figure.cornerHeight) {
            inset = EllipseInset(figure.cornerWidth, figure.cornerHeight, fromBottom);
        }
    }
    return insets;
}

// The figure's outline: the pixels inside it with a neighbour outside, so
// that the ring is closed wherever it turns.
template <typename Visit>
void ForEachOutlinePixel(const RoundedFigure& figure, const std::vector<int>& insets, Visit visit) {
    const auto inside = [&](int x, int row) {
        if (row < 0 || row >= figure.height) {
            return false;
        }
        const int inset = insets[static_cast<std::size_t>(row)];
        return x >= inset && x < figure.width - inset;
    };
    for (int row = 0; row < figure.height; ++row) {
        const int inset = insets[static_cast<std::size_t>(row)];
        for (int x = inset; x < figure.width - inset; ++x) {
            if (x == inset || x == figure.width - inset - 1 || !inside(x, row - 1) ||
                !inside(x, row + 1)) {
                visit(x, row);
            }
        }
    }
}

// Ellipse and RoundRect: the brush fills the figure, then the pen outlines
// it (styled pens draw solid here). Unlike Rectangle, they keep their size
// without an outline.
BOOL DrawRounded(HDC hdc, const RECT& box, int cornerWidth, int cornerHeight) {
    const DeviceContext* dc = Gdi().Find<DeviceContext>(hdc);
    const auto canvas = CanvasOf(hdc);
    if (dc == nullptr || !canvas) {
        return FALSE;
    }
    RoundedFigure figure{box.right - box.left, box.bottom - box.top};
    figure.cornerWidth = std::min(cornerWidth, figure.width);
    figure.cornerHeight = std::min(cornerHeight, figure.height);
    if (figure.width <= 0 || figure.height <= 0) {
        return TRUE;
    }
    const std::vector<int> insets = RowInsets(figure);
    if (const auto color = headless::BrushColor(dc->brush)) {
        for (int row = 0; row < figure.height; ++row) {
            const int inset = insets[static_cast<std::size_t>(row)];
            canvas->Fill(
                RECT{box.left + inset, box.top + row, box.right - inset, box.top + row + 1},
                *color);
        }
    }
    const Pen* pen = Gdi().Find<Pen>(dc->pen);
    if (pen != nullptr && pen->style != PS_NULL) {
        ForEachOutlinePixel(figure, insets, [&](int x, int row) {
            PlotWide(*canvas, box.left + x, box.top + row, pen->width, pen->color);
        });
    }
    return TRUE;
}

// The rectangle with its corners put in order, as the figures take it.
RECT Ordered(int left, int top, int right, int bottom) {
    return RECT{std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
}

// Every pixel of a rectangle's one-pixel border, each once.
template <typename Visit>
void ForEachBorderPixel(const RECT& rect, Visit visit) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    for (int x = rect.left; x < rect.right; ++x) {
        visit(x, rect.top);
        if (rect.bottom - 1 > rect.top) {
            visit(x, rect.bottom - 1);
        }
    }
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
        visit(rect.left, y);
        if (rect.right - 1 > rect.left) {
            visit(rect.right - 1, y);
        }
    }
}

}  // namespace

COLORREF GetPixel(HDC hdc, int x, int y) {
    const auto canvas = CanvasOf(hdc);
    if (!canvas || !canvas->Visible(x, y)) {
        return 0xFFFFFFFF;  // CLR_INVALID
    }
    return canvas->raster->At(x + canvas->origin.x, y + canvas->origin.y);
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    const auto canvas = CanvasOf(hdc);
    if (!canvas || !canvas->Visible(x, y)) {
        return 0xFFFFFFFF;
    }
    canvas->Plot(x, y, color);
    return canvas->raster->At(x + canvas->origin.x, y + canvas->origin.y);
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* lppt) {
    DeviceContext* dc = Gdi().Find<DeviceContext>(hdc);
    if (dc == nullptr) {
        return FALSE;
    }
    if (lppt != nullptr) {
        *lppt = dc->position;
    }
    dc->position = POINT{x, y};
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    DeviceContext* dc = Gdi().Find<DeviceContext>(hdc);
    const auto canvas = CanvasOf(hdc);
    if (dc == nullptr || !canvas) {
        return FALSE;
    }
    DrawLine(*canvas, *dc, dc->position, POINT{x, y});
    dc->position = POINT{x, y};
    return TRUE;
}

int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    const auto canvas = CanvasOf(hDC);
    const auto color = headless::BrushColor(hbr);
    if (!canvas || lprc == nullptr || !color) {
        return 0;
    }
    canvas->Fill(*lprc, *color);
    return 1;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    const DeviceContext* dc = Gdi().Find<DeviceContext>(hdc);
    const auto canvas = CanvasOf(hdc);
    if (dc == nullptr || !canvas) {
        return FALSE;
    }
    const Pen* pen = Gdi().Find<Pen>(dc->pen);
    const bool outlined = pen != nullptr && pen->style != PS_NULL;
    // Without an outline the platform leaves the right and bottom pixel out.
    const RECT interior = outlined ? RECT{left + 1, top + 1, right - 1, bottom - 1}
                                   : RECT{left, top, right - 1, bottom - 1};
    if (const auto color = headless::BrushColor(dc->brush)) {
        canvas->Fill(interior, *color);
    }
    if (outlined) {
        const POINT corners[] = {{left, top},
                                 {right - 1, top},
                                 {right - 1, bottom - 1},
                                 {left, bottom - 1},
                                 {left, top}};
        for (std::size_t i = 0; i + 1 < std::size(corners); ++i) {
            DrawLine(*canvas, *dc, corners[i], corners[i + 1]);
        }
    }
    return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    const RECT box = Ordered(left, top, right, bottom);
    return DrawRounded(hdc, box, box.right - box.left, box.bottom - box.top);
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
    return DrawRounded(hdc, Ordered(left, top, right, bottom), width, height);
}

BOOL DrawEdge(HDC hdc, RECT* qrc, UINT edge, UINT grfFlags) {
    const auto canvas = CanvasOf(hdc);
    if (!canvas || qrc == nullptr) {
        return FALSE;
    }
    const UINT sides = grfFlags & BF_RECT;
    RECT inner = *qrc;
    for (const Ring& ring : RingsOf(edge)) {
        DrawRing(*canvas, inner, ring, sides);
        inner = Inside(inner, sides);
    }
    if ((grfFlags & BF_MIDDLE) != 0) {
        canvas->Fill(inner, GetSysColor(COLOR_BTNFACE));
    }
    if ((grfFlags & BF_ADJUST) != 0) {
        *qrc = inner;
    }
    return TRUE;
}

BOOL DrawFocusRect(HDC hDC, const RECT* lprc) {
    const auto canvas = CanvasOf(hDC);
    if (!canvas || lprc == nullptr) {
        return FALSE;
    }
    // A dotted ring drawn by inverting every other pixel, so that drawing it
    // again takes it away.
    ForEachBorderPixel(*lprc, [&](int x, int y) {
        if (((x + y) & 1) != 0) {
            canvas->Invert(x, y);
        }
    });
    return TRUE;
}

BOOL SetRect(RECT* lprc, int xLeft, int yTop, int xRight, int yBottom) {
    if (lprc == nullptr) {
        return FALSE;
    }
    *lprc = RECT{xLeft, yTop, xRight, yBottom};
    return TRUE;
}

BOOL InflateRect(RECT* lprc, int dx, int dy) {
    if (lprc == nullptr) {
        return FALSE;
    }
    *lprc = RECT{lprc->left - dx, lprc->top - dy, lprc->right + dx, lprc->bottom + dy};
    return TRUE;
}

BOOL OffsetRect(RECT* lprc, int dx, int dy) {
    if (lprc == nullptr) {
        return FALSE;
    }
    *lprc = RECT{lprc->left + dx, lprc->top + dy, lprc->right + dx, lprc->bottom + dy};
    return TRUE;
}

BOOL PtInRect(const RECT* lprc, POINT pt) {
    return lprc != nullptr && pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top &&
                   pt.y < lprc->bottom
               ? TRUE
               : FALSE;
}

BOOL IsRectEmpty(const RECT* lprc) {
    return lprc == nullptr || headless::IsEmpty(*lprc) ? TRUE : FALSE;
}

BOOL IntersectRect(RECT* lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
    if (lprcDst == nullptr || lprcSrc1 == nullptr || lprcSrc2 == nullptr) {
        return FALSE;
    }
    *lprcDst = headless::Intersection(*lprcSrc1, *lprcSrc2);
    return headless::IsEmpty(*lprcDst) ? FALSE : TRUE;
}

}  // namespace zv::win
