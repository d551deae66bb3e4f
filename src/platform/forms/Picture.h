#pragma once

// Picture objects, as the automation container hands them to controls: a
// bitmap or an icon with its handles and its size in HiMetric units (0.01 mm;
// a pixel at 96 dots per inch is 2540/96 of them).

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/win/GdiApi.h"

namespace zv {

namespace err {
inline constexpr std::int32_t kFileNotFound = 53;
inline constexpr std::int32_t kInvalidPicture = 481;
}  // namespace err

// The size rule for pixels. A picture that a file gives, and every temporary
// bitmap that a drawing makes, has sides of 1 to 32,768 pixels and at most
// 2^24 pixels in all (64 MB as 32-bit pixels). Beyond that, reading a file
// fails with 481 and a drawing draws nothing.
inline constexpr std::int64_t kLargestPictureSide = 32768;
inline constexpr std::int64_t kLargestPictureArea = std::int64_t{1} << 24;
bool FitsPixelLimits(std::int64_t width, std::int64_t height) noexcept;

enum class PictureType : std::int16_t { None = 0, Bitmap = 1, Metafile = 2, Icon = 3 };

class Picture {
  public:
    // An empty picture (type None).
    Picture() = default;
    // Takes the handles over: the picture deletes them when it goes. An
    // icon's mask has 1 where the icon is transparent.
    Picture(PictureType type, win::HBITMAP handle, win::HBITMAP mask = 0);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    PictureType Type() const { return m_type; }
    // The bitmap (for an icon, its colour image), 0 for an empty picture.
    win::HBITMAP Handle() const { return m_handle; }
    win::HBITMAP MaskHandle() const { return m_mask; }

    // The size in HiMetric units.
    std::int32_t Width() const;
    std::int32_t Height() const;

    static std::int32_t HiMetricFromPixels(int pixels);
    static int PixelsFromHiMetric(std::int32_t hiMetric);

  private:
    win::SIZE PixelSize() const;

    PictureType m_type = PictureType::None;
    win::HBITMAP m_handle = 0;
    win::HBITMAP m_mask = 0;
};

// Loads a BMP, ICO or PNG file. Raises AutomationError 53 (file not found)
// when it cannot be read and 481 (invalid picture) when it is not a picture.
// PNG transparency is laid over white; an icon keeps its mask. Built on the
// headless backend only (decoding needs libpng).
std::shared_ptr<Picture> LoadPicture(const std::wstring& path);

// The same from the bytes of a picture file already in memory; raises 481
// when they are not a picture.
std::shared_ptr<Picture> LoadPictureFromMemory(std::span<const unsigned char> bytes);

}  // namespace zv
