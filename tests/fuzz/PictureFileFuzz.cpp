// Coverage-guided fuzzing of the picture files (libFuzzer). Any input is
// written to a file and loaded with LoadPicture, which must either give a
// picture within the size rule for pixels or raise the invalid picture error.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/automation/AutomationError.h"
#include "platform/forms/Picture.h"
#include "platform/win/GdiApi.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// One file per fuzzing process, written again for every input: in memory
// where the system offers a folder for it, as opening a file on disk for
// every input would be most of the time spent.
const std::filesystem::path& InputFile() {
    static const std::filesystem::path file = [] {
        std::error_code error;
        const std::filesystem::path memory("/dev/shm");
        const auto folder = std::filesystem::is_directory(memory, error)
                                ? memory
                                : std::filesystem::temp_directory_path();
        return folder / ("zvfuzz-picture-" + std::to_string(::getpid()) + ".bin");
    }();
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(InputFile(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    try {
        const auto picture = zv::LoadPicture(InputFile().wstring());
        zv::win::BITMAP info;
        Require(zv::win::GetObjectA(picture->Handle(), sizeof info, &info) != 0);
        Require(zv::FitsPixelLimits(info.bmWidth, info.bmHeight));
        Require((picture->Type() == zv::PictureType::Icon) == (picture->MaskHandle() != 0));
    } catch (const zv::AutomationError& error) {
        Require(error.Number() == zv::err::kInvalidPicture);
    }
    return 0;
}
