// Icons on the headless backend: a copy of the colour image and of the mask
// they are made of, kept in the table of GDI objects.

#include "headless/gdi/GdiObjects.h"

namespace zv::win {

using headless::Bitmap;
using headless::Gdi;
using headless::Raster;

HICON CreateIconIndirect(const ICONINFO* piconinfo) {
    if (piconinfo == nullptr) {
        return 0;
    }
    const Bitmap* colour = Gdi().Find<Bitmap>(piconinfo->hbmColor);
    const Bitmap* mask = Gdi().Find<Bitmap>(piconinfo->hbmMask);
    if (colour == nullptr || mask == nullptr || mask->raster.Width() != colour->raster.Width() ||
        mask->raster.Height() < colour->raster.Height()) {
        return 0;
    }
    headless::Icon icon{colour->raster,
                        Raster(colour->raster.Width(), colour->raster.Height(), true)};
    for (int y = 0; y < icon.mask.Height(); ++y) {
        for (int x = 0; x < icon.mask.Width(); ++x) {
            icon.mask.Set(x, y, mask->raster.At(x, y));
        }
    }
    return Gdi().Add(std::move(icon));
}

BOOL DestroyIcon(HICON hIcon) {
    if (Gdi().Find<headless::Icon>(hIcon) == nullptr) {
        return FALSE;
    }
    Gdi().Remove(hIcon);
    return TRUE;
}

}  // namespace zv::win
