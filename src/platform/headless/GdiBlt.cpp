// Bit-block transfers on the headless backend: every ternary raster
// operation, with the platform's conversions between colour and monochrome
// bitmaps.

#include <vector>

#include "platform/headless/GdiObjects.h"

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

// The source rectangle, converted, read before anything is written (source
// and destination may be the same bitmap). Pixels outside the source are
// left out (nullopt).
std::vector<std::optional<COLORREF>> ReadSource(HDC hdcSrc, int x1, int y1, int cx, int cy,
                                                const Canvas& dest, const DeviceContext& destDc) {
    std::vector<std::optional<COLORREF>> pixels(static_cast<std::size_t>(cx) *
                                                static_cast<std::size_t>(cy));
    const auto source = CanvasOf(hdcSrc);
    const DeviceContext* sourceDc = Gdi().Find<DeviceContext>(hdcSrc);
    if (!source || sourceDc == nullptr) {
        return pixels;
    }
    for (int j = 0; j < cy; ++j) {
        for (int i = 0; i < cx; ++i) {
            const int sx = x1 + i + source->origin.x;
            const int sy = y1 + j + source->origin.y;
            if (source->raster->Contains(sx, sy)) {
                pixels[static_cast<std::size_t>(j) * static_cast<std::size_t>(cx) +
                       static_cast<std::size_t>(i)] =
                    Convert(source->raster->At(sx, sy), *source, *sourceDc, dest, destDc);
            }
        }
    }
    return pixels;
}

}  // namespace

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    const DeviceContext* destDc = Gdi().Find<DeviceContext>(hdc);
    const auto dest = CanvasOf(hdc);
    const unsigned table = (rop >> 16) & 0xFF;
    const bool usesSource = UsesSource(table);
    if (destDc == nullptr || !dest || cx < 0 || cy < 0 ||
        (usesSource && Gdi().Find<DeviceContext>(hdcSrc) == nullptr)) {
        return FALSE;
    }
    const auto source = usesSource ? ReadSource(hdcSrc, x1, y1, cx, cy, *dest, *destDc)
                                   : std::vector<std::optional<COLORREF>>{};
    const COLORREF pattern = dest->raster->Reduce(headless::BrushColor(destDc->brush).value_or(0));
    for (int j = 0; j < cy; ++j) {
        for (int i = 0; i < cx; ++i) {
            if (!dest->Visible(x + i, y + j)) {
                continue;
            }
            COLORREF s = 0;
            if (usesSource) {
                const auto& pixel =
                    source[static_cast<std::size_t>(j) * static_cast<std::size_t>(cx) +
                           static_cast<std::size_t>(i)];
                if (!pixel) {
                    continue;
                }
                s = *pixel;
            }
            const int dx = x + i + dest->origin.x;
            const int dy = y + j + dest->origin.y;
            dest->raster->Set(dx, dy, ApplyRop3(table, pattern, s, dest->raster->At(dx, dy)));
        }
    }
    return TRUE;
}

}  // namespace zv::win
