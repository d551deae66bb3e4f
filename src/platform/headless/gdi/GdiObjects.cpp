// The table of GDI objects on the headless backend, the stock objects, the
// canvas a DC draws on, and the functions that create, select, read and
// delete objects.

#include "headless/gdi/GdiObjects.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "headless/core/WindowSystem.h"
#include "headless/gdi/GdiPaint.h"

namespace zv::headless {

namespace {

constexpr std::uint16_t kMaxGeneration = 0x7FFF;
constexpr HGDIOBJ kNoObject = 0;

std::size_t IndexOf(HGDIOBJ handle) {
    return static_cast<std::size_t>(handle & 0xFFFF);
}

LogicalFont FontWith(LONG height, LONG weight, const char* face) {
    LogicalFont font;
    font.logFont.lfHeight = height;
    font.logFont.lfWeight = weight;
    std::strncpy(font.logFont.lfFaceName, face, sizeof(font.logFont.lfFaceName) - 1);
    return font;
}

// What GetStockObject index i is, or nothing for an index without one.
std::optional<GdiObject> StockDefinition(int index) {
    switch (index) {
        case WHITE_BRUSH:
            return Brush{0xFFFFFF, false};
        case LTGRAY_BRUSH:
            return Brush{0xC0C0C0, false};
        case GRAY_BRUSH:
            return Brush{0x808080, false};
        case DKGRAY_BRUSH:
            return Brush{0x404040, false};
        case BLACK_BRUSH:
            return Brush{0x000000, false};
        case NULL_BRUSH:
            return Brush{0, true};
        case WHITE_PEN:
            return Pen{PS_SOLID, 1, 0xFFFFFF};
        case BLACK_PEN:
            return Pen{PS_SOLID, 1, 0x000000};
        case NULL_PEN:
            return Pen{PS_NULL, 1, 0};
        case SYSTEM_FONT:
            return FontWith(16, FW_BOLD, "System");
        case DEFAULT_GUI_FONT:
            return FontWith(-11, FW_NORMAL, "MS Shell Dlg");
        default:
            return std::nullopt;
    }
}

}  // namespace

GdiTable& GdiTable::Instance() {
    static GdiTable table;
    return table;
}

HGDIOBJ GdiTable::Add(GdiObject object, bool stock) {
    std::size_t index;
    if (!m_free.empty()) {
        index = m_free.back();
        m_free.pop_back();
    } else if (m_slots.size() <= 0xFFFF) {
        index = m_slots.size();
        m_slots.emplace_back();
    } else {
        return kNoObject;
    }
    Slot& slot = m_slots[index];
    slot.generation = slot.generation == kMaxGeneration ? 1 : slot.generation + 1;
    slot.stock = stock;
    slot.object = std::move(object);
    return static_cast<HGDIOBJ>((static_cast<std::uint32_t>(slot.generation) << 16) | index);
}

void GdiTable::Remove(HGDIOBJ handle) {
    if (FindObject(handle) == nullptr) {
        return;
    }
    m_slots[IndexOf(handle)].object.reset();
    m_free.push_back(static_cast<std::uint16_t>(IndexOf(handle)));
}

void GdiTable::DeleteWhenReleased(HGDIOBJ handle) {
    if (std::find(m_deleteWhenReleased.begin(), m_deleteWhenReleased.end(), handle) ==
        m_deleteWhenReleased.end()) {
        m_deleteWhenReleased.push_back(handle);
    }
}

void GdiTable::DeleteReleased() {
    std::erase_if(m_deleteWhenReleased, [this](HGDIOBJ handle) {
        if (AnyDcHolds(handle)) {
            return false;
        }
        Remove(handle);
        return true;
    });
}

bool GdiTable::IsStock(HGDIOBJ handle) const {
    const std::size_t index = IndexOf(handle);
    return index < m_slots.size() && m_slots[index].stock &&
           m_slots[index].generation == static_cast<std::uint32_t>(handle) >> 16;
}

bool GdiTable::AnyDcHolds(HGDIOBJ handle) const {
    return std::any_of(m_slots.begin(), m_slots.end(), [&](const Slot& slot) {
        const auto* dc = slot.object ? std::get_if<DeviceContext>(&*slot.object) : nullptr;
        return dc != nullptr && (dc->bitmap == handle || dc->pen == handle || dc->brush == handle ||
                                 dc->font == handle);
    });
}

GdiObject* GdiTable::FindObject(HGDIOBJ handle) {
    const std::size_t index = IndexOf(handle);
    if (handle <= 0 || index == 0 || index >= m_slots.size()) {
        return nullptr;
    }
    Slot& slot = m_slots[index];
    if (!slot.object || slot.generation != static_cast<std::uint32_t>(handle) >> 16) {
        return nullptr;
    }
    return &*slot.object;
}

HGDIOBJ StockObject(int index) {
    static std::array<HGDIOBJ, 32> stock{};
    if (index < 0 || static_cast<std::size_t>(index) >= stock.size()) {
        return kNoObject;
    }
    HGDIOBJ& handle = stock[static_cast<std::size_t>(index)];
    if (Gdi().FindObject(handle) == nullptr) {
        const auto definition = StockDefinition(index);
        handle = definition ? Gdi().Add(*definition, true) : kNoObject;
    }
    return handle;
}

bool Canvas::Visible(int x, int y) const {
    const int rx = x + origin.x;
    const int ry = y + origin.y;
    return rx >= clip.left && rx < clip.right && ry >= clip.top && ry < clip.bottom;
}

void Canvas::Plot(int x, int y, COLORREF color) const {
    if (Visible(x, y)) {
        raster->Set(x + origin.x, y + origin.y, color);
    }
}

void Canvas::Invert(int x, int y) const {
    if (Visible(x, y)) {
        raster->Set(x + origin.x, y + origin.y, ~raster->At(x + origin.x, y + origin.y));
    }
}

void Canvas::Fill(const RECT& rect, COLORREF color) const {
    const RECT shifted{rect.left + origin.x, rect.top + origin.y, rect.right + origin.x,
                       rect.bottom + origin.y};
    raster->Fill(Intersection(shifted, clip), color);
}

namespace {

std::optional<Canvas> WindowCanvas(const DeviceContext& dc) {
    const Window* window = System().Find(dc.window);
    Raster* surface = SurfaceOf(dc.window);
    if (window == nullptr || surface == nullptr) {
        return std::nullopt;
    }
    Canvas canvas{surface, POINT{}, surface->Bounds()};
    if (!dc.wholeWindow) {
        canvas.origin = {window->client.left - window->rect.left,
                         window->client.top - window->rect.top};
        canvas.clip = Intersection(
            canvas.clip, RECT{canvas.origin.x, canvas.origin.y,
                              canvas.origin.x + window->client.right - window->client.left,
                              canvas.origin.y + window->client.bottom - window->client.top});
    }
    if (dc.paintClip) {
        const RECT& paint = *dc.paintClip;
        canvas.clip = Intersection(
            canvas.clip, RECT{paint.left + canvas.origin.x, paint.top + canvas.origin.y,
                              paint.right + canvas.origin.x, paint.bottom + canvas.origin.y});
    }
    if (UpdatesHeldBack(dc.window)) {
        canvas.clip = RECT{};
    }
    return canvas;
}

}  // namespace

std::optional<Canvas> CanvasOf(HDC hdc) {
    const DeviceContext* dc = Gdi().Find<DeviceContext>(hdc);
    if (dc == nullptr) {
        return std::nullopt;
    }
    if (dc->window != 0) {
        return WindowCanvas(*dc);
    }
    Bitmap* bitmap = Gdi().Find<Bitmap>(dc->bitmap);
    if (bitmap == nullptr) {
        return std::nullopt;
    }
    return Canvas{&bitmap->raster, POINT{}, bitmap->raster.Bounds()};
}

std::optional<COLORREF> BrushColor(HBRUSH brush) {
    if (brush > 0 && brush <= COLOR_GRADIENTINACTIVECAPTION + 1) {
        return GetSysColor(brush - 1);
    }
    const Brush* found = Gdi().Find<Brush>(brush);
    if (found == nullptr || found->hollow) {
        return std::nullopt;
    }
    return found->color;
}

LOGFONTA FontOf(const DeviceContext& dc) {
    const LogicalFont* font = Gdi().Find<LogicalFont>(dc.font);
    if (font == nullptr) {
        font = Gdi().Find<LogicalFont>(StockObject(SYSTEM_FONT));
    }
    return font != nullptr ? font->logFont : LOGFONTA{};
}

}  // namespace zv::headless

namespace zv::win {

namespace {

using headless::Bitmap;
using headless::Brush;
using headless::DeviceContext;
using headless::Gdi;
using headless::GdiObject;
using headless::LogicalFont;
using headless::Pen;
using headless::Raster;

COLORREF FromPixel32(std::uint32_t pixel) {
    return RGB(static_cast<BYTE>(pixel >> 16), static_cast<BYTE>(pixel >> 8),
               static_cast<BYTE>(pixel));
}

bool BitSet(const BYTE* row, int x) {
    return (row[x / 8] & (0x80 >> (x % 8))) != 0;
}

// Fills a raster from CreateBitmap's bits: one-bit rows padded to 16 bits,
// or 32-bit 0x00RRGGBB pixels.
void ReadBits(Raster& raster, UINT bitCount, const void* bits) {
    const auto* bytes = static_cast<const BYTE*>(bits);
    const int width = raster.Width();
    const std::size_t stride =
        bitCount == 1 ? static_cast<std::size_t>((width + 15) / 16 * 2) : std::size_t{0};
    for (int y = 0; y < raster.Height(); ++y) {
        for (int x = 0; x < width; ++x) {
            if (bitCount == 1) {
                raster.Set(x, y,
                           BitSet(bytes + stride * static_cast<std::size_t>(y), x) ? 0xFFFFFF : 0);
            } else {
                std::uint32_t pixel;
                const auto at = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                static_cast<std::size_t>(x);
                std::memcpy(&pixel, bytes + 4 * at, 4);
                raster.Set(x, y, FromPixel32(pixel));
            }
        }
    }
}

// The slot of a DC that an object goes into, or nullptr for an object that
// cannot be selected.
HGDIOBJ* SlotFor(DeviceContext& dc, const GdiObject& object) {
    if (std::holds_alternative<Bitmap>(object)) {
        return dc.window == 0 ? &dc.bitmap : nullptr;
    }
    if (std::holds_alternative<Pen>(object)) {
        return &dc.pen;
    }
    if (std::holds_alternative<Brush>(object)) {
        return &dc.brush;
    }
    if (std::holds_alternative<LogicalFont>(object)) {
        return &dc.font;
    }
    return nullptr;
}

}  // namespace

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
    DeviceContext* dc = Gdi().Find<DeviceContext>(hdc);
    const GdiObject* object = Gdi().FindObject(h);
    if (dc == nullptr || object == nullptr) {
        return 0;
    }
    HGDIOBJ* slot = SlotFor(*dc, *object);
    if (slot == nullptr) {
        return 0;
    }
    // A bitmap lives in one DC at a time (the stock one excepted).
    if (std::holds_alternative<Bitmap>(*object) && *slot != h && !Gdi().IsStock(h) &&
        Gdi().AnyDcHolds(h)) {
        return 0;
    }
    const HGDIOBJ previous = std::exchange(*slot, h);
    Gdi().DeleteReleased();
    return previous;
}

BOOL DeleteObject(HGDIOBJ ho) {
    const GdiObject* object = Gdi().FindObject(ho);
    // DCs, icons and image lists have calls of their own to go.
    if (object == nullptr || std::holds_alternative<DeviceContext>(*object) ||
        std::holds_alternative<headless::Icon>(*object) ||
        std::holds_alternative<headless::ImageList>(*object)) {
        return FALSE;
    }
    if (Gdi().IsStock(ho)) {
        return TRUE;
    }
    if (Gdi().AnyDcHolds(ho)) {
        Gdi().DeleteWhenReleased(ho);
        return TRUE;
    }
    Gdi().Remove(ho);
    return TRUE;
}

int GetObjectA(HGDIOBJ h, int c, void* pv) {
    GdiObject* object = Gdi().FindObject(h);
    if (object == nullptr) {
        return 0;
    }
    if (const Bitmap* bitmap = std::get_if<Bitmap>(object)) {
        if (pv == nullptr) {
            return static_cast<int>(sizeof(BITMAP));
        }
        if (c < static_cast<int>(sizeof(BITMAP))) {
            return 0;
        }
        const Raster& raster = bitmap->raster;
        BITMAP& info = *static_cast<BITMAP*>(pv);
        info = BITMAP{};
        info.bmWidth = raster.Width();
        info.bmHeight = raster.Height();
        info.bmPlanes = 1;
        info.bmBitsPixel = raster.Monochrome() ? 1 : 32;
        info.bmWidthBytes =
            raster.Monochrome() ? (raster.Width() + 15) / 16 * 2 : raster.Width() * 4;
        return static_cast<int>(sizeof(BITMAP));
    }
    if (const LogicalFont* font = std::get_if<LogicalFont>(object)) {
        if (pv == nullptr) {
            return static_cast<int>(sizeof(LOGFONTA));
        }
        const int size = std::min(c, static_cast<int>(sizeof(LOGFONTA)));
        std::memcpy(pv, &font->logFont, static_cast<std::size_t>(std::max(size, 0)));
        return std::max(size, 0);
    }
    return 0;
}

HGDIOBJ GetStockObject(int i) {
    return headless::StockObject(i);
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    const auto canvas = headless::CanvasOf(hdc);
    if (!canvas || cx <= 0 || cy <= 0) {
        return 0;
    }
    return Gdi().Add(Bitmap{Raster(cx, cy, canvas->raster->Monochrome())});
}

HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
    if (nWidth <= 0 || nHeight <= 0 || nPlanes != 1 || (nBitCount != 1 && nBitCount != 32)) {
        return 0;
    }
    Bitmap bitmap{Raster(nWidth, nHeight, nBitCount == 1)};
    if (lpBits != nullptr) {
        ReadBits(bitmap.raster, nBitCount, lpBits);
    }
    return Gdi().Add(std::move(bitmap));
}

HPEN CreatePen(int iStyle, int cWidth, COLORREF color) {
    if (iStyle < PS_SOLID || iStyle > PS_NULL) {
        return 0;
    }
    return Gdi().Add(Pen{iStyle, std::max(cWidth, 1), color & 0xFFFFFF});
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return Gdi().Add(Brush{color & 0xFFFFFF, false});
}

HBRUSH GetSysColorBrush(int nIndex) {
    // One brush per system colour, made on first use, never deleted.
    static std::array<HBRUSH, COLOR_GRADIENTINACTIVECAPTION + 1> brushes{};
    if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= brushes.size()) {
        return 0;
    }
    HBRUSH& brush = brushes[static_cast<std::size_t>(nIndex)];
    if (Gdi().Find<Brush>(brush) == nullptr) {
        brush = Gdi().Add(Brush{GetSysColor(nIndex), false}, true);
    }
    return brush;
}

HFONT CreateFontIndirectA(const LOGFONTA* lplf) {
    return lplf == nullptr ? 0 : Gdi().Add(LogicalFont{*lplf});
}

}  // namespace zv::win
