#pragma once

// The readable text form of a tree of property bags, as forms are saved:
//
//     Begin Form frmDemo
//        Caption         =   "Every control"
//        BeginProperty Font
//           Name            =   "Tahoma"
//        EndProperty
//        Begin CommandButton cmdOK
//           Default         =   -1
//        End
//     End
//
// Values keep their type: Integers in decimal (-1), Longs with a trailing &
// (6000&, or &H8000000F& below the Integer range, as system colours are),
// Doubles in their shortest exact form (8.25, 5#), dates as #5/1/2026 3:04:05
// PM# (or CDate(45000.123456) when that would round), Empty and Null by
// name, and texts in double quotes with "" for a quote and the characters
// that text files do not hold as ChrW(n) pieces joined with &:
// "one" & ChrW(13) & ChrW(10) & "two".

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/forms/PropertyBag.h"

namespace zv {

namespace err {
inline constexpr std::int32_t kPathFileAccessError = 75;
inline constexpr std::int32_t kInvalidFileFormat = 321;
}  // namespace err

// The text of a tree, three blanks of indent a level, lines ending in CR LF.
std::wstring WriteFormText(const PropertyBag& root);

// The tree a text describes. Text that is not a form raises 321 (invalid
// file format) with a description that names the line and what is wrong.
std::unique_ptr<PropertyBag> ReadFormText(std::wstring_view text);

// The same in UTF-8 files. Saving raises 75 (path/file access error) when the
// file cannot be written; loading raises 53 (file not found) when it cannot be
// read.
void SaveFormFile(const std::filesystem::path& path, const PropertyBag& root);
std::unique_ptr<PropertyBag> LoadFormFile(const std::filesystem::path& path);

}  // namespace zv
