#include "platform/forms/PropertyBag.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "platform/automation/AutomationError.h"
#include "platform/automation/Rounding.h"
#include "platform/forms/Font.h"
#include "platform/forms/Picture.h"
#include "platform/win/GdiApi.h"

namespace zv {

namespace {

// A side of a picture is stored as an Integer.
constexpr int kLargestSide = 32767;
constexpr std::size_t kHexPerPixel = 6;  // RRGGBB
constexpr wchar_t kHexDigits[] = L"0123456789ABCDEF";

const std::wstring& CheckedName(const std::wstring& name) {
    if (!PropertyBag::IsValidName(name)) {
        throw AutomationError(err::kInvalidProcedureCall);
    }
    return name;
}

// What is stored for a value: booleans persist as -1 and 0, and only what a
// form file can hold is accepted.
Variant Persisted(const Variant& value) {
    switch (value.Type()) {
        case VariantType::Boolean:
            return Variant(value.ToInt16());
        case VariantType::Double:
        case VariantType::Date:
            if (!std::isfinite(*value.AsNumber())) {
                throw AutomationError(err::kInvalidPropertyValue);
            }
            return value;
        case VariantType::Object:
        case VariantType::Array:
            throw AutomationError(err::kInvalidPropertyValue);
        default:
            return value;
    }
}

bool IsNumeric(const Variant& value) {
    const VariantType type = value.Type();
    return type == VariantType::Integer || type == VariantType::Long || type == VariantType::Double;
}

// Whether a persisted value equals a persisted default: numbers by value, so
// that a Long written with an Integer default of the same value is left out.
bool SameValue(const Variant& value, const Variant& defaultValue) {
    if (IsNumeric(value) && IsNumeric(defaultValue)) {
        return value.AsNumber() == defaultValue.AsNumber();
    }
    return value == defaultValue;
}

double NumberOf(const Variant& value) {
    const auto number = value.AsNumber();
    if (!number) {
        throw AutomationError(err::kTypeMismatch);
    }
    return *number;
}

bool FlagOf(const Variant& value) {
    return NumberOf(value) != 0;
}

using NamedValues = std::vector<std::pair<std::wstring, Variant>>;

// What a font persists, in the order written.
NamedValues FontProperties(const Font& font) {
    return {{L"Name", font.Name()},           {L"Size", font.Size()},
            {L"Bold", font.Bold()},           {L"Italic", font.Italic()},
            {L"Underline", font.Underline()}, {L"Strikethrough", font.Strikethrough()},
            {L"Weight", font.Weight()},       {L"Charset", font.Charset()}};
}

[[noreturn]] void RaiseInvalidPicture() {
    throw AutomationError(err::kInvalidPicture, L"Invalid picture");
}

win::SIZE BitmapSize(win::HBITMAP bitmap) {
    win::BITMAP info;
    if (win::GetObjectA(bitmap, sizeof info, &info) == 0 || info.bmWidth > kLargestSide ||
        info.bmHeight > kLargestSide) {
        RaiseInvalidPicture();
    }
    return win::SIZE{info.bmWidth, info.bmHeight};
}

// A bitmap's pixels, rows from the top, read through a memory DC.
std::vector<win::COLORREF> PixelsOf(win::HBITMAP bitmap, win::SIZE size) {
    const win::HDC dc = win::CreateCompatibleDC(0);
    const win::HGDIOBJ previous = win::SelectObject(dc, bitmap);
    if (previous == 0) {  // selected into another DC
        win::DeleteDC(dc);
        RaiseInvalidPicture();
    }
    std::vector<win::COLORREF> pixels;
    pixels.reserve(static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy));
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            pixels.push_back(win::GetPixel(dc, x, y));
        }
    }
    win::SelectObject(dc, previous);
    win::DeleteDC(dc);
    return pixels;
}

std::wstring RowName(const wchar_t* prefix, int row) {
    return prefix + std::to_wstring(row + 1);
}

void AppendHexByte(std::wstring& text, win::COLORREF value) {
    text += kHexDigits[(value >> 4) & 0xF];
    text += kHexDigits[value & 0xF];
}

// One row of colours as RRGGBB per pixel.
std::wstring ColourRowText(const std::vector<win::COLORREF>& pixels, win::SIZE size, int row) {
    std::wstring text;
    for (int x = 0; x < size.cx; ++x) {
        const win::COLORREF pixel = pixels[static_cast<std::size_t>(row * size.cx + x)];
        AppendHexByte(text, pixel);
        AppendHexByte(text, pixel >> 8);
        AppendHexByte(text, pixel >> 16);
    }
    return text;
}

// One row of a mask: 1 where it is set (transparent), 0 elsewhere.
std::wstring MaskRowText(const std::vector<win::COLORREF>& pixels, win::SIZE size, int row) {
    std::wstring text;
    for (int x = 0; x < size.cx; ++x) {
        text += pixels[static_cast<std::size_t>(row * size.cx + x)] != 0 ? L'1' : L'0';
    }
    return text;
}

PictureType PictureTypeOf(const Variant& value) {
    const auto number = value.AsNumber();
    if (number != 1.0 && number != 2.0 && number != 3.0) {
        RaiseInvalidPicture();
    }
    return static_cast<PictureType>(*CheckedWhole<std::int16_t>(*number));
}

int SideOf(const Variant& value) {
    const auto number = value.AsNumber();
    const auto side = number ? CheckedWhole<int>(*number) : std::nullopt;
    if (!side || *side != *number || *side < 1 || *side > kLargestSide) {
        RaiseInvalidPicture();
    }
    return *side;
}

// A stored row: a text of its exact length made only of the given digits.
std::wstring RowOf(const PropertyBag& group, const std::wstring& name, std::size_t length,
                   std::wstring_view digits) {
    const Variant value = group.ReadProperty(name);
    if (!value.IsText()) {
        RaiseInvalidPicture();
    }
    std::wstring text = value.ToText();
    if (text.size() != length || text.find_first_not_of(digits) != std::wstring::npos) {
        RaiseInvalidPicture();
    }
    return text;
}

std::uint32_t HexValue(std::wstring_view text) {
    std::uint32_t value = 0;
    for (const wchar_t digit : text) {
        value = value * 16 + static_cast<std::uint32_t>(std::wstring_view(kHexDigits).find(digit));
    }
    return value;
}

// 32-bit 0x00RRGGBB pixels for CreateBitmap, rows from the top. Each row is
// checked before it is kept, so what is allocated never outgrows the input.
std::vector<std::uint32_t> ColourBits(const PropertyBag& group, win::SIZE size) {
    const std::size_t width = static_cast<std::size_t>(size.cx);
    std::vector<std::uint32_t> bits;
    for (int y = 0; y < size.cy; ++y) {
        const std::wstring row = RowOf(group, RowName(L"Row", y), width * kHexPerPixel, kHexDigits);
        for (std::size_t x = 0; x < width; ++x) {
            bits.push_back(HexValue(std::wstring_view(row).substr(x * kHexPerPixel, kHexPerPixel)));
        }
    }
    return bits;
}

// One-bit rows padded to 16 bits for CreateBitmap.
std::vector<unsigned char> MaskBits(const PropertyBag& group, win::SIZE size) {
    const std::size_t width = static_cast<std::size_t>(size.cx);
    const std::size_t stride = (width + 15) / 16 * 2;
    std::vector<unsigned char> bits;
    for (int y = 0; y < size.cy; ++y) {
        const std::wstring row = RowOf(group, RowName(L"Mask", y), width, L"01");
        bits.resize(bits.size() + stride);
        unsigned char* line = bits.data() + bits.size() - stride;
        for (std::size_t x = 0; x < width; ++x) {
            if (row[x] == L'1') {
                line[x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
            }
        }
    }
    return bits;
}

}  // namespace

PropertyBag::PropertyBag(std::wstring typeName, std::wstring name)
    : m_typeName(std::move(typeName)), m_name(std::move(name)) {
    CheckedName(m_typeName);
    CheckedName(m_name);
}

PropertyBag::~PropertyBag() = default;

// Names end where a form file's words end, and come back from its UTF-8 as
// they were: no surrogate halves (a name is a bare word, which cannot spell
// them as ChrW(n)) and nothing beyond Unicode.
bool PropertyBag::IsValidName(std::wstring_view name) {
    return !name.empty() && std::none_of(name.begin(), name.end(), [](wchar_t ch) {
        const auto code = static_cast<std::uint32_t>(ch);
        return code <= 0x20 || code == 0x7F || ch == L'=' || ch == L'"' ||
               (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF;
    });
}

Variant PropertyBag::ReadProperty(const std::wstring& name, const Variant& defaultValue) const {
    const Property* property = Find(name);
    const Variant* value = property != nullptr ? std::get_if<Variant>(&property->content) : nullptr;
    return value != nullptr ? *value : defaultValue;
}

void PropertyBag::WriteProperty(const std::wstring& name, const Variant& value,
                                const Variant& defaultValue) {
    Variant persisted = Persisted(value);
    if (SameValue(persisted, Persisted(defaultValue))) {
        Remove(CheckedName(name));
        return;
    }
    Store({CheckedName(name), std::move(persisted)});
}

void PropertyBag::StoreProperty(const std::wstring& name, const Variant& value) {
    Store({CheckedName(name), Persisted(value)});
}

const PropertyBag* PropertyBag::ReadGroup(const std::wstring& name) const {
    const Property* property = Find(name);
    const auto* group = property != nullptr
                            ? std::get_if<std::unique_ptr<PropertyBag>>(&property->content)
                            : nullptr;
    return group != nullptr ? group->get() : nullptr;
}

std::unique_ptr<PropertyBag> PropertyBag::Nested(std::wstring typeName, std::wstring name) const {
    if (m_level >= kDeepestNesting) {
        throw AutomationError(err::kInvalidProcedureCall);
    }
    auto nested = std::make_unique<PropertyBag>(std::move(typeName), std::move(name));
    nested->m_level = m_level + 1;
    return nested;
}

PropertyBag& PropertyBag::WriteGroup(const std::wstring& name) {
    auto group = Nested(L"Property", name);
    PropertyBag& written = *group;
    Store({name, std::move(group)});
    return written;
}

std::int32_t PropertyBag::ReadLong(const std::wstring& name, std::int32_t defaultValue) const {
    const auto whole = CheckedWhole<std::int32_t>(
        ReadProperty(name, defaultValue).AsNumber().value_or(defaultValue));
    if (!whole) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    return *whole;
}

std::shared_ptr<Font> PropertyBag::ReadFont(const std::wstring& name,
                                            const Font& defaultFont) const {
    const PropertyBag* group = ReadGroup(name);
    const auto read = [group](const wchar_t* property, const Variant& fallback) {
        return group != nullptr ? group->ReadProperty(property, fallback) : fallback;
    };
    auto font = std::make_shared<Font>();
    font->SetName(read(L"Name", defaultFont.Name()).ToText());
    font->SetSize(NumberOf(read(L"Size", defaultFont.Size())));
    font->SetBold(FlagOf(read(L"Bold", defaultFont.Bold())));
    font->SetItalic(FlagOf(read(L"Italic", defaultFont.Italic())));
    font->SetUnderline(FlagOf(read(L"Underline", defaultFont.Underline())));
    font->SetStrikethrough(FlagOf(read(L"Strikethrough", defaultFont.Strikethrough())));
    // Bold brings a weight of its own; the default's weight holds while Bold
    // agrees with the default.
    const std::int16_t weight =
        font->Bold() == defaultFont.Bold() ? defaultFont.Weight() : font->Weight();
    font->SetWeight(read(L"Weight", weight).ToInt16());
    font->SetCharset(read(L"Charset", defaultFont.Charset()).ToInt16());
    return font;
}

void PropertyBag::WriteFont(const std::wstring& name, const Font& font, const Font& defaultFont) {
    const NamedValues properties = FontProperties(font);
    if (properties == FontProperties(defaultFont)) {
        Remove(CheckedName(name));
        return;
    }
    PropertyBag& group = WriteGroup(name);
    for (const auto& [property, value] : properties) {
        group.StoreProperty(property, value);
    }
}

std::shared_ptr<Picture> PropertyBag::ReadPicture(const std::wstring& name) const {
    const PropertyBag* group = ReadGroup(name);
    if (group == nullptr) {
        return nullptr;
    }
    const PictureType type = PictureTypeOf(group->ReadProperty(L"Type"));
    const win::SIZE size{SideOf(group->ReadProperty(L"Width")),
                         SideOf(group->ReadProperty(L"Height"))};
    const auto colours = ColourBits(*group, size);
    const bool masked = !group->ReadProperty(RowName(L"Mask", 0)).IsEmpty();
    const auto mask = masked ? MaskBits(*group, size) : std::vector<unsigned char>();
    return std::make_shared<Picture>(
        type, win::CreateBitmap(size.cx, size.cy, 1, 32, colours.data()),
        masked ? win::CreateBitmap(size.cx, size.cy, 1, 1, mask.data()) : 0);
}

void PropertyBag::WritePicture(const std::wstring& name, const Picture* picture) {
    if (picture == nullptr || picture->Type() == PictureType::None || picture->Handle() == 0) {
        Remove(CheckedName(name));
        return;
    }
    // Everything is read before the group replaces what the name held.
    const win::SIZE size = BitmapSize(picture->Handle());
    const auto colours = PixelsOf(picture->Handle(), size);
    const auto mask = picture->MaskHandle() != 0 ? PixelsOf(picture->MaskHandle(), size)
                                                 : std::vector<win::COLORREF>();
    PropertyBag& group = WriteGroup(name);
    group.StoreProperty(L"Type", static_cast<std::int16_t>(picture->Type()));
    group.StoreProperty(L"Width", static_cast<std::int16_t>(size.cx));
    group.StoreProperty(L"Height", static_cast<std::int16_t>(size.cy));
    for (int y = 0; y < size.cy; ++y) {
        group.StoreProperty(RowName(L"Row", y), ColourRowText(colours, size, y));
    }
    for (int y = 0; !mask.empty() && y < size.cy; ++y) {
        group.StoreProperty(RowName(L"Mask", y), MaskRowText(mask, size, y));
    }
}

PropertyBag& PropertyBag::AddChild(std::wstring typeName, std::wstring name) {
    m_children.push_back(Nested(std::move(typeName), std::move(name)));
    return *m_children.back();
}

const PropertyBag::Property* PropertyBag::Find(const std::wstring& name) const {
    return m_properties.Contains(name) ? &m_properties.Item(name) : nullptr;
}

void PropertyBag::Store(Property property) {
    if (m_properties.Contains(property.name)) {
        Property& stored = m_properties.Item(property.name);
        stored = std::move(property);
        return;
    }
    const std::wstring key = property.name;
    m_properties.Add(std::move(property), key);
}

void PropertyBag::Remove(const std::wstring& name) {
    if (m_properties.Contains(name)) {
        m_properties.Remove(name);
    }
}

}  // namespace zv
