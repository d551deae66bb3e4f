// Bit-block transfers on the headless backend, stretched or not: every
// ternary raster operation, with the platform's conversions between colour
// and monochrome bitmaps.

#include <optional>
#include <vector>

#include "headless/gdi/GdiObjects.h"

namespace zv::win {

namespace {

using headless::Canvas;
using headless::CanvasOf;
using headless::DeviceContext;
using headless::Gdi;

constexpr COLORREF kWhite = 0xFFFFFF;

// Bits 16-23 of a raster operation are its truth table over pattern (bit 2
// of the index), source (bit 1) and destination (bit 0).
COLORREF ApplyRop3(unsigned table, COLORREF p, COLORREF s, COLORREF d) {
    COLORREF result = 0;
    for (unsigned index = 0; index < 8; ++index) {
        if ((table >> index) & 1) {
            result |= ((index & 4) != 0 ? p : ~p) & ((index & 2) != 0 ? s : ~s) &
                      ((index & 1) != 0 ? d : ~d);
        }
    }
    return result & kWhite;
}

bool UsesSource(unsigned table) {
    return ((table >> 2) ^ table) & 0x33;
}

// A source pixel as the destination sees it: monochrome to colour gives the
// destination's text colour for 0 and its background colour for 1; colour
// to monochrome gives 1 where the pixel has the source's background colour.
COLORREF Convert(COLORREF pixel, const Canvas& source, const DeviceContext& sourceDc,
                 const Canvas& dest, const DeviceContext& destDc) {
    const bool fromMono = source.raster->Monochrome();
    const bool toMono = dest.raster->Monochrome();
    if (fromMono && !toMono) {
        return pixel == 0 ? destDc.textColor : destDc.bkColor;
    }
    if (!fromMono && toMono) {
        return pixel == sourceDc.bkColor ? kWhite : 0;
    }
    return pixel;
}

// One side's extent along an axis: its first pixel, its length, and
// whether the picture runs backwards along it (a negative size, which
// reaches back from the origin's own pixel).
struct Extent {
    int first = 0;
    int length = 0;
    bool reversed = false;
};

Extent ExtentOf(int origin, int size) {
    return size < 0 ? Extent{origin + size + 1, -size, true} : Extent{origin, size, false};
}

// The source pixel (from the source extent's first) that the i'th
// destination pixel takes: the one under its centre.
int SourceIndex(int i, const Extent& dest, const Extent& source) {
    const auto index = static_cast<int>((2LL * i + 1) * source.length / (2LL * dest.length));
    return dest.reversed != source.reversed ? source.length - 1 - index : index;
}

// The source rectangle, converted, read before anything is written (source
// and destination may be the same bitmap). Pixels outside the source are
// left out (nullopt).
using SourcePixels = std::vector<std::optional<COLORREF>>;
SourcePixels ReadSource(HDC hdcSrc, const Extent& across, const Extent& down, const Canvas& dest,
                        const DeviceContext& destDc) {
    SourcePixels pixels(static_cast<std::size_t>(across.length) *
                        static_cast<std::size_t>(down.length));
    const auto source = CanvasOf(hdcSrc);
    const DeviceContext* sourceDc = Gdi().Find<DeviceContext>(hdcSrc);
    if (!source || sourceDc == nullptr) {
        return pixels;
    }
    for (int j = 0; j < down.length; ++j) {
        for (int i = 0; i < across.length; ++i) {
            const int sx = across.first + i + source->origin.x;
            const int sy = down.first + j + source->origin.y;
            if (source->raster->Contains(sx, sy)) {
                pixels[static_cast<std::size_t>(j) * static_cast<std::size_t>(across.length) +
                       static_cast<std::size_t>(i)] =
                    Convert(source->raster->At(sx, sy), *source, *sourceDc, dest, destDc);
            }
        }
    }
    return pixels;
}

}  // namespace

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
                int ySrc, int wSrc, int hSrc, DWORD rop) {
    const DeviceContext* destDc = Gdi().Find<DeviceContext>(hdcDest);
    const auto dest = CanvasOf(hdcDest);
    const unsigned table = (rop >> 16) & 0xFF;
    const bool usesSource = UsesSource(table);
    if (destDc == nullptr || !dest ||
        (usesSource && Gdi().Find<DeviceContext>(hdcSrc) == nullptr)) {
        return FALSE;
    }
    const Extent destAcross = ExtentOf(xDest, wDest);
    const Extent destDown = ExtentOf(yDest, hDest);
    if (destAcross.length == 0 || destDown.length == 0) {
        return TRUE;
    }
    if (usesSource && (wSrc == 0 || hSrc == 0)) {
        return FALSE;  // nothing to stretch from
    }
    const Extent sourceAcross = ExtentOf(xSrc, wSrc);
    const Extent sourceDown = ExtentOf(ySrc, hSrc);
    const auto source =
        usesSource ? ReadSource(hdcSrc, sourceAcross, sourceDown, *dest, *destDc) : SourcePixels{};
    const COLORREF pattern = dest->raster->Reduce(headless::BrushColor(destDc->brush).value_or(0));
    for (int j = 0; j < destDown.length; ++j) {
        const int y = destDown.first + j;
        for (int i = 0; i < destAcross.length; ++i) {
            const int x = destAcross.first + i;
            if (!dest->Visible(x, y)) {
                continue;
            }
            COLORREF s = 0;
            if (usesSource) {
                const auto& pixel =
                    source[static_cast<std::size_t>(SourceIndex(j, destDown, sourceDown)) *
                               static_cast<std::size_t>(sourceAcross.length) +
                           static_cast<std::size_t>(SourceIndex(i, destAcross, sourceAcross))];
                if (!pixel) {
                    continue;
                }
                s = *pixel;
            }
            const int dx = x + dest->origin.x;
            const int dy = y + dest->origin.y;
            dest->raster->Set(dx, dy, ApplyRop3(table, pattern, s, dest->raster->At(dx, dy)));
        }
    }
    return TRUE;
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    if (cx < 0 || cy < 0) {
        return FALSE;
    }
    return StretchBlt(hdc, x, y, cx, cy, hdcSrc, x1, y1, cx, cy, rop);
}

}  // namespace zv::win
