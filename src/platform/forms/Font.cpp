#include "platform/forms/Font.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "platform/automation/AutomationError.h"
#include "platform/automation/Rounding.h"
#include "platform/text/WideString.h"

namespace zv {

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;
// The largest size a font may have (30 inches), so that its height in pixels
// is a sane whole number.
constexpr double kLargestPoints = 2160.0;

}  // namespace

Font::Font() = default;

Font::~Font() {
    if (m_handle != 0) {
        win::DeleteObject(m_handle);
    }
}

std::shared_ptr<Font> Font::FromLogFont(const win::LOGFONTA& logFont) {
    auto font = std::make_shared<Font>();
    const auto length =
        std::find(std::begin(logFont.lfFaceName), std::end(logFont.lfFaceName), '\0') -
        std::begin(logFont.lfFaceName);
    font->m_name = FromUtf8(std::string_view(logFont.lfFaceName, static_cast<std::size_t>(length)));
    font->m_size = std::abs(logFont.lfHeight) / kPixelsPerPoint;
    font->m_weight = static_cast<std::int16_t>(logFont.lfWeight == 0 ? 400 : logFont.lfWeight);
    font->m_italic = logFont.lfItalic != 0;
    font->m_underline = logFont.lfUnderline != 0;
    font->m_strikethrough = logFont.lfStrikeOut != 0;
    font->m_charset = logFont.lfCharSet;
    return font;
}

void Font::SetName(const std::wstring& name) {
    m_name = name;
    Changed();
}

void Font::SetSize(double points) {
    if (!(points > 0 && points <= kLargestPoints)) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_size = points;
    Changed();
}

void Font::SetBold(bool bold) {
    m_weight = bold ? 700 : 400;
    Changed();
}

void Font::SetItalic(bool italic) {
    m_italic = italic;
    Changed();
}

void Font::SetUnderline(bool underline) {
    m_underline = underline;
    Changed();
}

void Font::SetStrikethrough(bool strikethrough) {
    m_strikethrough = strikethrough;
    Changed();
}

void Font::SetWeight(std::int16_t weight) {
    m_weight = weight;
    Changed();
}

void Font::SetCharset(std::int16_t charset) {
    m_charset = charset;
    Changed();
}

win::LOGFONTA Font::LogFont() const {
    win::LOGFONTA logFont;
    logFont.lfHeight = -Round32(m_size * kPixelsPerPoint);
    logFont.lfWeight = m_weight;
    logFont.lfItalic = m_italic ? 1 : 0;
    logFont.lfUnderline = m_underline ? 1 : 0;
    logFont.lfStrikeOut = m_strikethrough ? 1 : 0;
    logFont.lfCharSet = static_cast<win::BYTE>(m_charset);
    const std::string face = ToUtf8(m_name);
    std::strncpy(logFont.lfFaceName, face.c_str(), sizeof(logFont.lfFaceName) - 1);
    return logFont;
}

win::HFONT Font::Handle() {
    if (m_handle == 0) {
        const win::LOGFONTA logFont = LogFont();
        m_handle = win::CreateFontIndirectA(&logFont);
    }
    return m_handle;
}

void Font::Changed() {
    if (m_handle != 0) {
        win::DeleteObject(std::exchange(m_handle, 0));
    }
    OnChanged.Raise();
}

}  // namespace zv
