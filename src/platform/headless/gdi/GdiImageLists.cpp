// Image lists on the headless backend, as Wine shows the platform's: images
// of one size in the table of GDI objects, each with a mask when the list
// keeps masks, drawn through it. Every image keeps full colour whatever depth
// the list asks for.
//
// Not modelled: background colours (a list draws as if it had none, the
// default) and drawing a list's masks (ILD_MASK).

#include <cstdint>

#include "headless/gdi/GdiObjects.h"
#include "platform/win/ImageListApi.h"
#include "platform/win/ImageListConstants.h"

namespace zv::headless {

namespace {

// The largest image a list takes, so that a list's size never asks for more
// memory than a picture may have.
constexpr std::int64_t kLargestImageArea = std::int64_t{1} << 24;

constexpr COLORREF kOpaque = 0x000000;
constexpr COLORREF kTransparent = 0xFFFFFF;

ImageList* FindList(HIMAGELIST himl) {
    return Gdi().Find<ImageList>(himl);
}

// The part of a raster from (left, 0) at the list's size, each pixel taken
// from the nearest one of a source `scale` times larger (1 for a cut).
Raster Cut(const Raster& source, int left, int width, int height, int sourceWidth,
           int sourceHeight) {
    Raster image(width, height, source.Monochrome(), kOpaque);
    for (int y = 0; y < height; ++y) {
        const auto sy = static_cast<int>(std::int64_t{y} * sourceHeight / height);
        for (int x = 0; x < width; ++x) {
            const auto sx = left + static_cast<int>(std::int64_t{x} * sourceWidth / width);
            if (source.Contains(sx, sy)) {
                image.Set(x, y, source.At(sx, sy));
            }
        }
    }
    return image;
}

Raster OpaqueMask(int width, int height) {
    return Raster(width, height, true, kOpaque);
}

// Adds the bitmap cut into images; the mask of each comes from `maskOf`.
template <typename MaskOf>
int AddImages(HIMAGELIST himl, HBITMAP image, MaskOf maskOf) {
    ImageList* list = FindList(himl);
    const Bitmap* bitmap = Gdi().Find<Bitmap>(image);
    if (list == nullptr || bitmap == nullptr) {
        return -1;
    }
    const int first = static_cast<int>(list->images.size());
    const int count = bitmap->raster.Width() / list->cx;
    for (int i = 0; i < count; ++i) {
        const int left = i * list->cx;
        Raster colour = Cut(bitmap->raster, left, list->cx, list->cy, list->cx, list->cy);
        Raster mask = list->masked ? maskOf(left) : Raster();
        list->images.push_back(Icon{std::move(colour), std::move(mask)});
    }
    return first;
}

// Wine's blends, counted from the image's corner: ILD_SELECTED every other
// pixel; ILD_FOCUS alone every other pixel of every other row, a pixel
// further on each time. A list without masks lights the pixels the pattern
// leaves out instead.
bool Lit(const ImageList& list, UINT style, int x, int y) {
    const bool pattern =
        (style & ILD_SELECTED) != 0 ? (x + y) % 2 == 1 : y % 2 == 0 && (x + y / 2) % 2 == 0;
    return pattern == list.masked;
}

}  // namespace

}  // namespace zv::headless

namespace zv::win {

using headless::Bitmap;
using headless::Gdi;
using headless::Icon;
using headless::ImageList;
using headless::Raster;

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int, int) {
    if (cx <= 0 || cy <= 0 || static_cast<std::int64_t>(cx) * cy > headless::kLargestImageArea) {
        return 0;
    }
    return Gdi().Add(ImageList{cx, cy, (flags & ILC_MASK) != 0, {}});
}

BOOL ImageList_Destroy(HIMAGELIST himl) {
    if (headless::FindList(himl) == nullptr) {
        return FALSE;
    }
    Gdi().Remove(himl);
    return TRUE;
}

int ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask) {
    const ImageList* list = headless::FindList(himl);
    const Bitmap* mask = Gdi().Find<Bitmap>(hbmMask);
    if (list == nullptr) {
        return -1;
    }
    const int cx = list->cx;
    const int cy = list->cy;
    return headless::AddImages(himl, hbmImage, [&](int left) {
        return mask != nullptr ? headless::Cut(mask->raster, left, cx, cy, cx, cy)
                               : headless::OpaqueMask(cx, cy);
    });
}

int ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask) {
    Bitmap* bitmap = Gdi().Find<Bitmap>(hbmImage);
    if (headless::FindList(himl) == nullptr || bitmap == nullptr) {
        return -1;
    }
    Raster& source = bitmap->raster;
    Raster mask(source.Width(), source.Height(), true, headless::kOpaque);
    const COLORREF masked = source.Reduce(crMask & 0xFFFFFF);
    for (int y = 0; y < source.Height(); ++y) {
        for (int x = 0; x < source.Width(); ++x) {
            if (source.At(x, y) == masked) {
                mask.Set(x, y, headless::kTransparent);
                source.Set(x, y, headless::kOpaque);
            }
        }
    }
    const ImageList* list = headless::FindList(himl);
    const int cx = list->cx;
    const int cy = list->cy;
    return headless::AddImages(himl, hbmImage,
                               [&](int left) { return headless::Cut(mask, left, cx, cy, cx, cy); });
}

int ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon) {
    ImageList* list = headless::FindList(himl);
    const Icon* icon = Gdi().Find<Icon>(hicon);
    const int count = list != nullptr ? static_cast<int>(list->images.size()) : 0;
    if (list == nullptr || icon == nullptr || i < -1 || i >= count) {
        return -1;
    }
    const int width = icon->colour.Width();
    const int height = icon->colour.Height();
    Icon image{
        headless::Cut(icon->colour, 0, list->cx, list->cy, width, height),
        list->masked ? headless::Cut(icon->mask, 0, list->cx, list->cy, width, height) : Raster()};
    if (i == -1) {
        list->images.push_back(std::move(image));
        return count;
    }
    list->images[static_cast<std::size_t>(i)] = std::move(image);
    return i;
}

BOOL ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle) {
    const ImageList* list = headless::FindList(himl);
    const auto canvas = headless::CanvasOf(hdcDst);
    if (list == nullptr || !canvas || i < 0 || i >= static_cast<int>(list->images.size())) {
        return FALSE;
    }
    const Icon& image = list->images[static_cast<std::size_t>(i)];
    const bool blended = (fStyle & (ILD_SELECTED | ILD_FOCUS)) != 0;
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    for (int iy = 0; iy < list->cy; ++iy) {
        for (int ix = 0; ix < list->cx; ++ix) {
            if (list->masked && image.mask.At(ix, iy) != headless::kOpaque) {
                continue;
            }
            const bool lit = blended && headless::Lit(*list, fStyle, ix, iy);
            canvas->Plot(x + ix, y + iy, lit ? highlight : image.colour.At(ix, iy));
        }
    }
    return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST himl) {
    const ImageList* list = headless::FindList(himl);
    return list != nullptr ? static_cast<int>(list->images.size()) : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy) {
    const ImageList* list = headless::FindList(himl);
    if (list == nullptr || cx == nullptr || cy == nullptr) {
        return FALSE;
    }
    *cx = list->cx;
    *cy = list->cy;
    return TRUE;
}

}  // namespace zv::win
