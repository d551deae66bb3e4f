// Coverage-guided fuzzing of the picture files (libFuzzer). Any input is
// loaded from memory, as LoadPicture loads the bytes it reads from a file: it
// must either give a picture within the size rule for pixels or raise the
// invalid picture error.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/automation/AutomationError.h"
#include "platform/forms/Picture.h"
#include "platform/win/GdiApi.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const auto picture = zv::LoadPictureFromMemory(std::span(data, size));
        zv::win::BITMAP info;
        Require(zv::win::GetObjectA(picture->Handle(), sizeof info, &info) != 0);
        Require(zv::FitsPixelLimits(info.bmWidth, info.bmHeight));
        Require((picture->Type() == zv::PictureType::Icon) == (picture->MaskHandle() != 0));
    } catch (const zv::AutomationError& error) {
        Require(error.Number() == zv::err::kInvalidPicture);
    }
    return 0;
}
