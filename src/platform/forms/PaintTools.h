#pragma once

// What the runtime's windowless controls and picture boxes draw with:
// colours as controls keep them, GDI objects selected for one drawing, and
// pictures (bitmaps opaque, icons through their mask).

#include <cstdint>

#include "platform/win/GdiApi.h"

namespace zv {
class Picture;
}

namespace zv::forms {

// A colour as controls keep it (0x800000nn names system colour nn) in RGB.
win::COLORREF ToColorRef(std::uint32_t colour);

// An object selected into a DC for as long as this lives; an owned one (a
// pen or brush made for the drawing) is deleted after.
class SelectedObject {
  public:
    SelectedObject(win::HDC dc, win::HGDIOBJ object, bool owned = true);
    ~SelectedObject();
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    win::HDC m_dc;
    win::HGDIOBJ m_object;
    win::HGDIOBJ m_previous;
    bool m_owned;
};

// Whether there is a picture to show: nullptr and an empty one show nothing.
bool HasPicture(const Picture* picture);

// The picture's size in pixels.
win::SIZE PictureSize(const Picture& picture);

// Draws the picture from the area's top-left corner: stretched over the
// area, or at its own size and cut off where the area ends.
void DrawPicture(win::HDC dc, const Picture& picture, const win::RECT& area, bool stretch);

}  // namespace zv::forms
