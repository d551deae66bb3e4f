#pragma once

// What an object persists with its host form: its properties, each under its
// own name in the order written, and the bags of its parts (a form's
// controls, a frame's controls) in order. FormFile.h turns a tree of bags
// into readable text and back.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/automation/Collection.h"
#include "platform/automation/Variant.h"

namespace zv {

class Font;
class Picture;

class PropertyBag {
  public:
    // One stored property: a value, or a group of properties kept under one
    // name (a font, a picture).
    struct Property {
        std::wstring name;
        std::variant<Variant, std::unique_ptr<PropertyBag>> content;
    };

    // The bag of an object of a type ("Form", "CommandButton") and a name.
    // Names are non-empty and hold no blanks, control characters, '=' or '"';
    // any other raises 5 (invalid procedure call or argument), here and
    // wherever a name is given.
    PropertyBag(std::wstring typeName, std::wstring name);
    ~PropertyBag();
    PropertyBag(const PropertyBag&) = delete;
    PropertyBag& operator=(const PropertyBag&) = delete;

    // A tree holds at most this many levels, the root being the first: a
    // deeper part or group is refused with 5, so that every tree that is
    // written reads back and nothing recurses without bound.
    static constexpr std::size_t kDeepestNesting = 100;

    // Whether a text can be a type name, an object's name or a property's.
    static bool IsValidName(std::wstring_view name);

    const std::wstring& TypeName() const { return m_typeName; }
    const std::wstring& Name() const { return m_name; }

    // Values. Names compare without regard to case, as collection keys do.
    // A missing name (or one that holds a group) reads as the default.
    Variant ReadProperty(const std::wstring& name, const Variant& defaultValue = {}) const;
    // A 32-bit whole number, rounded half to even: a value that is not a
    // number reads as the default; NaN and a number beyond the range raise 380
    // (invalid property value), as any other bad value of a form does.
    std::int32_t ReadLong(const std::wstring& name, std::int32_t defaultValue) const;
    // A value equal to its default (numbers compare by value, whatever their
    // type) is not stored and removes what the name held; writing a name
    // again replaces its value in place. Booleans are stored as the Integers
    // -1 and 0. Objects, arrays and numbers that are not finite raise 380
    // (invalid property value).
    void WriteProperty(const std::wstring& name, const Variant& value,
                       const Variant& defaultValue = {});
    // Stores the value whatever it is, as a loader restores what was written.
    void StoreProperty(const std::wstring& name, const Variant& value);

    // Groups: the one stored under a name (nullptr when there is none), and a
    // new empty one replacing whatever the name held.
    const PropertyBag* ReadGroup(const std::wstring& name) const;
    PropertyBag& WriteGroup(const std::wstring& name);

    // Fonts, stored as a group of their Name, Size, Bold, Italic, Underline,
    // Strikethrough, Weight and Charset. Reading always gives a new object:
    // the stored font, or a copy of the default. A font equal to its default
    // is not stored. A stored value that does not convert raises 13 (type
    // mismatch), a size that is not positive 380.
    std::shared_ptr<Font> ReadFont(const std::wstring& name, const Font& defaultFont) const;
    void WriteFont(const std::wstring& name, const Font& font, const Font& defaultFont);

    // Pictures, stored as a group of their type, their size in pixels and
    // their pixels in hexadecimal text, a row at a time (with an icon's mask).
    // Reading gives a new picture, nullptr when none is stored, and raises 481
    // (invalid picture) for a group that does not describe one. Writing
    // nullptr or an empty picture removes what the name held.
    std::shared_ptr<Picture> ReadPicture(const std::wstring& name) const;
    void WritePicture(const std::wstring& name, const Picture* picture);

    // The stored properties in the order written.
    const Collection<Property>& Properties() const { return m_properties; }

    // Parts, in the order added. A control of a control array is a part with
    // an "Index" property.
    PropertyBag& AddChild(std::wstring typeName, std::wstring name);
    const std::vector<std::unique_ptr<PropertyBag>>& Children() const { return m_children; }

  private:
    std::unique_ptr<PropertyBag> Nested(std::wstring typeName, std::wstring name) const;
    const Property* Find(const std::wstring& name) const;
    void Store(Property property);
    void Remove(const std::wstring& name);

    std::wstring m_typeName;
    std::wstring m_name;
    Collection<Property> m_properties;
    std::vector<std::unique_ptr<PropertyBag>> m_children;
    std::size_t m_level = 1;
};

}  // namespace zv
