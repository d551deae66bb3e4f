// PNG pictures decoded by the platform's imaging component (WIC).

#include "platform/win/PngDecoder.h"
#include "win32/Win32.h"

// After the system headers.
#include <wincodec.h>
#include <wrl/client.h>

namespace zv {

namespace {

using Microsoft::WRL::ComPtr;

// COM on the calling thread while a picture is decoded, unless the thread
// has set it up already (in whatever model).
class ComScope {
  public:
    ComScope() : m_started(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope() {
        if (m_started) {
            CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    bool m_started;
};

// The first frame of a PNG picture held in memory, or nothing.
ComPtr<IWICBitmapFrameDecode> FirstFrame(IWICImagingFactory& factory, const unsigned char* bytes,
                                         std::size_t count) {
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(factory.CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes), static_cast<DWORD>(count))) ||
        FAILED(factory.CreateDecoder(GUID_ContainerFormatPng, nullptr, &decoder)) ||
        FAILED(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand)) ||
        FAILED(decoder->GetFrame(0, &frame))) {
        return nullptr;
    }
    return frame;
}

}  // namespace

std::optional<PictureImage> DecodePng(const unsigned char* bytes, std::size_t count) {
    const ComScope com;
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&factory)))) {
        return std::nullopt;
    }
    const ComPtr<IWICBitmapFrameDecode> frame = FirstFrame(*factory.Get(), bytes, count);
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    // Non-premultiplied BGRA: 0xAARRGGBB in little-endian words.
    if (frame == nullptr || FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height))) {
        return std::nullopt;
    }
    PictureImage picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.pixels.resize(static_cast<std::size_t>(width) * height);
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height,
                                     reinterpret_cast<BYTE*>(picture.pixels.data())))) {
        return std::nullopt;
    }
    return picture;
}

}  // namespace zv
