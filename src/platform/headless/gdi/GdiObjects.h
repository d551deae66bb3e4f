#pragma once

// The headless backend's GDI objects: device contexts, bitmaps, pens, brushes
// and fonts in one table of slots whose handles carry a generation (as window
// handles do), the canvas a DC draws on, and the per-window painting state.
// Internal to the backend.

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "headless/gdi/Raster.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

using namespace zv::win;

struct Pen {
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};

struct Brush {
    COLORREF color = 0;
    bool hollow = false;
};

struct Bitmap {
    Raster raster;
};

struct LogicalFont {
    LOGFONTA logFont;
};

// An icon, and an image of an image list: its colour and its monochrome mask
// (white where transparent; empty for an image without one).
struct Icon {
    Raster colour;
    Raster mask;
};

struct ImageList {
    int cx = 0;
    int cy = 0;
    bool masked = false;
    std::vector<Icon> images;
};

// Where a DC draws: a memory DC into its bitmap; a window DC into the
// window's surface, its client area or (wholeWindow) all of it.
struct DeviceContext {
    HWND window = 0;
    bool wholeWindow = false;
    std::optional<RECT> paintClip;  // BeginPaint's update rectangle (client coordinates)
    HBITMAP bitmap = 0;
    HPEN pen = 0;
    HBRUSH brush = 0;
    HFONT font = 0;
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    POINT position;
};

using GdiObject = std::variant<DeviceContext, Bitmap, Pen, Brush, LogicalFont, Icon, ImageList>;

// The objects, found by handle; a handle that was deleted finds nothing.
class GdiTable {
  public:
    static GdiTable& Instance();

    HGDIOBJ Add(GdiObject object, bool stock = false);
    void Remove(HGDIOBJ handle);
    bool IsStock(HGDIOBJ handle) const;
    // Whether a DC has the object selected.
    bool AnyDcHolds(HGDIOBJ handle) const;

    // An object deleted while a DC holds it goes when no DC holds it any
    // more, as on the platform.
    void DeleteWhenReleased(HGDIOBJ handle);
    void DeleteReleased();

    template <typename T>
    T* Find(HGDIOBJ handle) {
        GdiObject* object = FindObject(handle);
        return object == nullptr ? nullptr : std::get_if<T>(object);
    }
    GdiObject* FindObject(HGDIOBJ handle);

  private:
    GdiTable() = default;
    struct Slot {
        std::uint16_t generation = 0;
        bool stock = false;
        std::optional<GdiObject> object;
    };
    std::vector<Slot> m_slots{Slot{}};  // index 0 unused
    std::vector<std::uint16_t> m_free;
    std::vector<HGDIOBJ> m_deleteWhenReleased;
};

inline GdiTable& Gdi() {
    return GdiTable::Instance();
}

// What a DC draws on at this moment: the raster, where the DC's origin lies
// in it, and the part of it drawing may touch (raster coordinates). Drawing
// on a DC whose window is gone or whose updates are held back touches
// nothing.
struct Canvas {
    Raster* raster = nullptr;
    POINT origin;
    RECT clip;

    bool Visible(int x, int y) const;  // DC coordinates
    void Plot(int x, int y, COLORREF color) const;
    void Invert(int x, int y) const;
    void Fill(const RECT& rect, COLORREF color) const;  // DC coordinates
};
std::optional<Canvas> CanvasOf(HDC hdc);

// The stock object for a GetStockObject index, made on first use.
HGDIOBJ StockObject(int index);

// A brush's colour: a brush handle, or a system colour index + 1.
std::optional<COLORREF> BrushColor(HBRUSH brush);

// The font selected into a DC (the system font if none).
LOGFONTA FontOf(const DeviceContext& dc);

}  // namespace zv::headless
