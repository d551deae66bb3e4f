#include "platform/forms/Picture.h"

#include "platform/automation/Rounding.h"

namespace zv {

namespace {

constexpr double kHiMetricPerPixel = 2540.0 / 96.0;

}  // namespace

bool FitsPixelLimits(std::int64_t width, std::int64_t height) noexcept {
    return width > 0 && height > 0 && width <= kLargestPictureSide &&
           height <= kLargestPictureSide && width * height <= kLargestPictureArea;
}

Picture::Picture(PictureType type, win::HBITMAP handle, win::HBITMAP mask)
    : m_type(type), m_handle(handle), m_mask(mask) {}

Picture::~Picture() {
    if (m_handle != 0) {
        win::DeleteObject(m_handle);
    }
    if (m_mask != 0) {
        win::DeleteObject(m_mask);
    }
}

win::SIZE Picture::PixelSize() const {
    win::BITMAP info;
    if (m_handle == 0 || win::GetObjectA(m_handle, sizeof info, &info) == 0) {
        return win::SIZE{};
    }
    return win::SIZE{info.bmWidth, info.bmHeight};
}

std::int32_t Picture::Width() const {
    return HiMetricFromPixels(PixelSize().cx);
}

std::int32_t Picture::Height() const {
    return HiMetricFromPixels(PixelSize().cy);
}

std::int32_t Picture::HiMetricFromPixels(int pixels) {
    return Round32(pixels * kHiMetricPerPixel);
}

int Picture::PixelsFromHiMetric(std::int32_t hiMetric) {
    return Round32(hiMetric / kHiMetricPerPixel);
}

}  // namespace zv
