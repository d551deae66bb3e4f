#pragma once

// Text of the headless backend, measured and drawn with FreeType from
// packaged faces, so that widths are real and the same on every run. Face
// names map to families (docs/architecture.md lists the mapping): sans-serif
// faces to Liberation Sans, serif ones to Liberation Serif, fixed-pitch ones
// to Liberation Mono, the symbol faces Webdings and Marlett to shapes of
// DejaVu Sans. Glyphs are hinted and drawn without anti-aliasing, as the
// platform's classic screen fonts are. Internal to the backend.

#include <functional>
#include <memory>
#include <string_view>

#include "platform/win/WinApi.h"

namespace zv::headless {

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int height() const { return ascent + descent; }
};

class Fonts {
  public:
    static Fonts& Instance();
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    FontMetrics Metrics(const win::LOGFONTA& font);

    // The advance width of single-byte text (Windows-1252), in pixels.
    int Width(const win::LOGFONTA& font, std::string_view text);

    // Calls plot(x, y) for each pixel of the text's glyphs; x counts from the
    // start of the text, y from the top of its cell (the baseline lies at the
    // ascent).
    void Render(const win::LOGFONTA& font, std::string_view text,
                const std::function<void(int, int)>& plot);

  private:
    Fonts();
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace zv::headless
