#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zv {

// Texts are wide strings inside the library; these helpers convert them at the
// edges (console, files, command lines) and give the few text operations that
// the automation types share.

// UTF-8 from a wide text; unpaired surrogates become U+FFFD.
std::string ToUtf8(std::wstring_view text);

// A wide text from UTF-8; malformed sequences become U+FFFD.
std::wstring FromUtf8(std::string_view text);

// The upper-case form used to compare collection keys without regard to case.
// Deterministic on every machine: it does not depend on the C locale. Covers
// Basic Latin, Latin-1, Latin Extended-A, Greek and Cyrillic.
// Text for the single-byte forms of the window functions and back: the
// first 256 characters as they are, any other as '?'.
std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view text);

wchar_t FoldCase(wchar_t ch) noexcept;
std::wstring FoldCase(std::wstring_view text);

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) noexcept;

// Splits at every occurrence of the delimiter; n delimiters give n + 1 pieces,
// so an empty text gives one empty piece. An empty delimiter gives the whole
// text as its one piece.
std::vector<std::wstring> Split(std::wstring_view text, std::wstring_view delimiter);

// The text with every occurrence of one character taken out.
std::wstring RemoveAll(std::wstring_view text, wchar_t ch);

bool Contains(std::wstring_view text, std::wstring_view part) noexcept;
bool Contains(std::wstring_view text, wchar_t ch) noexcept;

}  // namespace zv
