#include "headless/gdi/Fonts.h"

#include <ft2build.h>

#include "headless/core/Cp1252.h"
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace zv::headless {

namespace {

enum class Family { Sans, Serif, Mono, Symbol };

const char* const kLiberationDir = "/usr/share/fonts/truetype/liberation/";
const char* const kDejaVuDir = "/usr/share/fonts/truetype/dejavu/";

// Unknown faces are drawn sans-serif, as the platform substitutes them.
Family FamilyOf(std::string_view face) {
    std::string folded(face);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    static const std::array<std::pair<const char*, Family>, 9> kFaces{{
        {"webdings", Family::Symbol},
        {"marlett", Family::Symbol},
        {"times new roman", Family::Serif},
        {"times", Family::Serif},
        {"georgia", Family::Serif},
        {"courier new", Family::Mono},
        {"courier", Family::Mono},
        {"lucida console", Family::Mono},
        {"consolas", Family::Mono},
    }};
    for (const auto& [name, family] : kFaces) {
        if (folded == name) {
            return family;
        }
    }
    return Family::Sans;
}

std::string FileOf(Family family, bool bold, bool italic) {
    static const std::array<const char*, 4> kStyles{"Regular", "Bold", "Italic", "BoldItalic"};
    const char* style = kStyles[(bold ? 1u : 0u) + (italic ? 2u : 0u)];
    switch (family) {
        case Family::Serif:
            return std::string(kLiberationDir) + "LiberationSerif-" + style + ".ttf";
        case Family::Mono:
            return std::string(kLiberationDir) + "LiberationMono-" + style + ".ttf";
        case Family::Symbol:
            return std::string(kDejaVuDir) + (bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf");
        default:
            return std::string(kLiberationDir) + "LiberationSans-" + style + ".ttf";
    }
}

// The shapes that the symbol faces show for the characters the library uses.
FT_ULong SymbolCode(unsigned char c) {
    switch (c) {
        case '3':
            return 0x25C0;  // left-pointing triangle
        case '4':
            return 0x25B6;  // right-pointing triangle
        case '5':
            return 0x25B2;  // up-pointing triangle
        case '6':
            return 0x25BC;  // down-pointing triangle
        case 'r':
            return 0x2715;  // close cross
        default:
            return c;
    }
}

int Ceil26(FT_Pos value) {
    return static_cast<int>((value + 63) >> 6);
}

struct Glyph {
    int advance = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int rows = 0;
    std::vector<unsigned char> bits;  // one byte per pixel, rows from the top

    bool On(int x, int y) const {
        return bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                    static_cast<std::size_t>(x)] != 0;
    }
};

// One face file at one pixel size, with its glyphs as they are asked for.
struct SizedFace {
    FT_Face face = nullptr;
    Family family = Family::Sans;
    FontMetrics metrics;
    std::map<unsigned char, Glyph> glyphs;
};

// The size of a face's cell (ascent and descent) against its em, in font
// units.
struct Proportions {
    long unitsPerEm = 2048;
    long cell = 2355;
};

}  // namespace

struct Fonts::Impl {
    FT_Library library = nullptr;
    std::map<std::tuple<std::string, int>, SizedFace> faces;
    std::map<std::string, Proportions> proportions;

    Proportions ProportionsOf(const std::string& file);

    SizedFace& Face(const win::LOGFONTA& font);
    const Glyph& GlyphOf(SizedFace& face, unsigned char c) const;
    void Measure(SizedFace& face) const;
};

namespace {

std::string_view FaceName(const win::LOGFONTA& font) {
    const auto length = std::find(std::begin(font.lfFaceName), std::end(font.lfFaceName), '\0') -
                        std::begin(font.lfFaceName);
    return std::string_view(font.lfFaceName, static_cast<std::size_t>(length));
}

// The em size in pixels: a negative height is the character height, a
// positive one the cell height (ascent and descent), 0 the default.
int EmPixels(const win::LOGFONTA& font, const Proportions& proportions) {
    if (font.lfHeight < 0) {
        return -font.lfHeight;
    }
    if (font.lfHeight == 0) {
        return 12;
    }
    const long cell = std::max(proportions.cell, 1L);
    return std::max(1,
                    static_cast<int>((font.lfHeight * proportions.unitsPerEm + cell / 2) / cell));
}

}  // namespace

SizedFace& Fonts::Impl::Face(const win::LOGFONTA& font) {
    const Family family = FamilyOf(FaceName(font));
    const std::string file = FileOf(family, font.lfWeight >= 600, font.lfItalic != 0);
    const int em = EmPixels(font, ProportionsOf(file));
    auto [found, added] = faces.try_emplace({file, em});
    SizedFace& sized = found->second;
    if (added) {
        sized.family = family;
        if (FT_New_Face(library, file.c_str(), 0, &sized.face) == 0) {
            FT_Set_Pixel_Sizes(sized.face, 0, static_cast<FT_UInt>(em));
            Measure(sized);
        } else {
            sized.face = nullptr;
        }
    }
    return sized;
}

Proportions Fonts::Impl::ProportionsOf(const std::string& file) {
    auto [found, added] = proportions.try_emplace(file);
    FT_Face face = nullptr;
    if (added && FT_New_Face(library, file.c_str(), 0, &face) == 0) {
        found->second = Proportions{face->units_per_EM, face->ascender - face->descender};
        FT_Done_Face(face);
    }
    return found->second;
}

void Fonts::Impl::Measure(SizedFace& face) const {
    if (face.face == nullptr) {
        return;
    }
    const FT_Size_Metrics& size = face.face->size->metrics;
    FontMetrics& metrics = face.metrics;
    // Scaled from the face's own units and rounded, so that a cell height
    // asked for is the cell height given.
    const long em = size.y_ppem;
    const long units = std::max<long>(face.face->units_per_EM, 1);
    metrics.ascent = static_cast<int>((face.face->ascender * em + units / 2) / units);
    metrics.descent = static_cast<int>((-face.face->descender * em + units / 2) / units);
    metrics.internalLeading = std::max(0, metrics.height() - static_cast<int>(size.y_ppem));
    metrics.aveCharWidth = GlyphOf(face, 'x').advance;
    metrics.maxCharWidth = Ceil26(size.max_advance);
}

const Glyph& Fonts::Impl::GlyphOf(SizedFace& face, unsigned char c) const {
    const auto cached = face.glyphs.find(c);
    if (cached != face.glyphs.end()) {
        return cached->second;
    }
    Glyph& glyph = face.glyphs[c];
    if (face.face == nullptr) {
        return glyph;
    }
    const FT_ULong code = face.family == Family::Symbol ? SymbolCode(c) : Cp1252ToUnicode(c);
    const FT_UInt index = FT_Get_Char_Index(face.face, code);
    if (FT_Load_Glyph(face.face, index, FT_LOAD_TARGET_MONO | FT_LOAD_RENDER) != 0) {
        return glyph;
    }
    const FT_GlyphSlot slot = face.face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.bits.resize(static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.rows));
    for (int y = 0; y < glyph.rows; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < glyph.width; ++x) {
            const bool on = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                ? (row[x / 8] & (0x80 >> (x % 8))) != 0
                                : row[x] >= 128;
            glyph.bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(glyph.width) +
                       static_cast<std::size_t>(x)] = on ? 1 : 0;
        }
    }
    return glyph;
}

Fonts& Fonts::Instance() {
    static Fonts fonts;
    return fonts;
}

Fonts::Fonts() : m_impl(std::make_unique<Impl>()) {
    FT_Init_FreeType(&m_impl->library);
}

Fonts::~Fonts() {
    for (auto& [key, face] : m_impl->faces) {
        if (face.face != nullptr) {
            FT_Done_Face(face.face);
        }
    }
    FT_Done_FreeType(m_impl->library);
}

FontMetrics Fonts::Metrics(const win::LOGFONTA& font) {
    return m_impl->Face(font).metrics;
}

int Fonts::Width(const win::LOGFONTA& font, std::string_view text) {
    SizedFace& face = m_impl->Face(font);
    int width = 0;
    for (const char c : text) {
        width += m_impl->GlyphOf(face, static_cast<unsigned char>(c)).advance;
    }
    return width;
}

void Fonts::Render(const win::LOGFONTA& font, std::string_view text,
                   const std::function<void(int, int)>& plot) {
    SizedFace& face = m_impl->Face(font);
    int pen = 0;
    for (const char c : text) {
        const Glyph& glyph = m_impl->GlyphOf(face, static_cast<unsigned char>(c));
        const int top = face.metrics.ascent - glyph.top;
        for (int y = 0; y < glyph.rows; ++y) {
            for (int x = 0; x < glyph.width; ++x) {
                if (glyph.On(x, y)) {
                    plot(pen + glyph.left + x, top + y);
                }
            }
        }
        pen += glyph.advance;
    }
}

}  // namespace zv::headless
