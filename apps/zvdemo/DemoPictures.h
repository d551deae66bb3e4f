#pragma once

// Pictures the scenes draw for themselves: bitmaps made of filled
// rectangles, each drawn over the ones before it.

#include <initializer_list>
#include <memory>

#include "platform/forms/Picture.h"
#include "platform/win/GdiApi.h"

namespace zvdemo {

struct Fill {
    zv::win::RECT area;
    zv::win::COLORREF colour;
};

std::shared_ptr<zv::Picture> FilledPicture(int width, int height,
                                           std::initializer_list<Fill> fills);

}  // namespace zvdemo
