// Pictures of windows as the screen shows them: a window's surface with its
// frame and caption, its visible children over it, written as PNG files; and
// the numbered dumps of every repaint that ZV_DUMP_PAINTS asks for.

#include "headless/gdi/Snapshot.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "headless/core/WindowSystem.h"
#include "headless/gdi/Frames.h"
#include "headless/gdi/GdiObjects.h"
#include "headless/gdi/GdiPaint.h"

namespace zv::headless {

namespace {

// Copies a raster onto another at (x, y), inside the clip (target
// coordinates).
void CopyRaster(const Raster& from, Raster& to, int x, int y, const RECT& clip) {
    const RECT area = Intersection(RECT{x, y, x + from.Width(), y + from.Height()}, clip);
    for (int ty = area.top; ty < area.bottom; ++ty) {
        for (int tx = area.left; tx < area.right; ++tx) {
            to.Set(tx, ty, from.At(tx - x, ty - y));
        }
    }
}

// The window's surface with the frame drawn over it.
Raster Framed(const Window& window, const Raster& surface) {
    const HBITMAP bitmap = Gdi().Add(Bitmap{surface});
    const HDC hdc = CreateCompatibleDC(0);
    const HGDIOBJ previous = SelectObject(hdc, bitmap);
    DrawFrame(hdc, window, window.text);
    SelectObject(hdc, previous);
    DeleteDC(hdc);
    Raster framed;
    if (const Bitmap* drawn = Gdi().Find<Bitmap>(bitmap)) {
        framed = drawn->raster;
    }
    DeleteObject(bitmap);
    return framed;
}

// A window and its visible children onto the picture, whose top-left corner
// lies at the screen point origin; children stay inside their parent's client
// area.
void Compose(const Window& window, Raster& picture, POINT origin, const RECT& clip) {
    Raster* surface = SurfaceOf(window.handle);
    if (surface == nullptr) {
        return;
    }
    const Raster framed = HasFrame(window) ? Framed(window, *surface) : *surface;
    CopyRaster(framed, picture, window.rect.left - origin.x, window.rect.top - origin.y, clip);
    const RECT childClip = Intersection(clip, Offset(window.client, -origin.x, -origin.y));
    for (auto child = window.children.rbegin(); child != window.children.rend(); ++child) {
        const Window* found = System().Find(*child);
        if (found != nullptr && (found->style & WS_VISIBLE) != 0) {
            Compose(*found, picture, origin, childClip);
        }
    }
}

void Close(std::FILE* file) {
    std::fclose(file);
}

bool WritePng(const Raster& picture, const std::string& path) {
    std::unique_ptr<std::FILE, decltype(&Close)> file(std::fopen(path.c_str(), "wb"), &Close);
    if (!file) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    const auto width = static_cast<png_uint_32>(picture.Width());
    png_init_io(png, file.get());
    png_set_IHDR(png, info, width, static_cast<png_uint_32>(picture.Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const COLORREF color = picture.At(x, y);
            png_byte* pixel = &row[static_cast<std::size_t>(x) * 3];
            pixel[0] = GetRValue(color);
            pixel[1] = GetGValue(color);
            pixel[2] = GetBValue(color);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool SnapshotWindow(win::HWND hwnd, const std::string& path) {
    const Window* window = System().Find(hwnd);
    if (window == nullptr || window->rect.right <= window->rect.left ||
        window->rect.bottom <= window->rect.top) {
        return false;
    }
    Raster picture(window->rect.right - window->rect.left, window->rect.bottom - window->rect.top,
                   false, GetSysColor(COLOR_BACKGROUND));
    Compose(*window, picture, POINT{window->rect.left, window->rect.top}, picture.Bounds());
    return WritePng(picture, path);
}

void DumpRepaint(HWND hwnd) {
    static int count = 0;
    const char* folder = std::getenv("ZV_DUMP_PAINTS");
    if (folder == nullptr || *folder == '\0') {
        return;
    }
    const HWND top = TopLevelOf(hwnd);
    char name[64];
    std::snprintf(name, sizeof name, "/paint-%06d-%08x.png", ++count, static_cast<unsigned>(top));
    SnapshotWindow(top, folder + std::string(name));
}

}  // namespace zv::headless
