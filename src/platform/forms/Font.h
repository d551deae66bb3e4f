#pragma once

// Font objects, as the automation container hands them to controls: a face,
// a size in points and a style. Holders share one object, so a change made
// through one holder is seen by all, and each hears of it through OnChanged.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/automation/Event.h"
#include "platform/win/GdiApi.h"

namespace zv {

class Font {
  public:
    // The platform's default: MS Sans Serif, 8.25 points, regular.
    Font();
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // A font with the face, size and style of a logical font (for example
    // one of the non-client metric fonts); sizes are read at 96 dpi.
    static std::shared_ptr<Font> FromLogFont(const win::LOGFONTA& logFont);

    const std::wstring& Name() const { return m_name; }
    void SetName(const std::wstring& name);
    double Size() const { return m_size; }
    void SetSize(double points);  // raises 380 for a size not in (0, 2160]
    bool Bold() const { return m_weight >= 600; }
    void SetBold(bool bold);
    bool Italic() const { return m_italic; }
    void SetItalic(bool italic);
    bool Underline() const { return m_underline; }
    void SetUnderline(bool underline);
    bool Strikethrough() const { return m_strikethrough; }
    void SetStrikethrough(bool strikethrough);
    std::int16_t Weight() const { return m_weight; }
    void SetWeight(std::int16_t weight);
    std::int16_t Charset() const { return m_charset; }
    void SetCharset(std::int16_t charset);

    // The logical font it stands for, and a font handle for it that the
    // object owns (made again after a change).
    win::LOGFONTA LogFont() const;
    win::HFONT Handle();

    Event<> OnChanged;

  private:
    void Changed();

    std::wstring m_name = L"MS Sans Serif";
    double m_size = 8.25;
    std::int16_t m_weight = 400;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikethrough = false;
    std::int16_t m_charset = 0;
    win::HFONT m_handle = 0;
};

}  // namespace zv
