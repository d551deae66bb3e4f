#pragma once

// Button captions arrive as one text, the captions separated by commas.

#include <string>
#include <vector>

namespace zv {

// Splits "Yes,No,Cancel" into its captions, in order. Two adjacent commas
// stand for one comma inside a caption ("Save,,Close,Cancel" gives
// "Save,Close" and "Cancel"); commas pair up from the left, so ",,," is a
// literal comma followed by a separator. Every single comma separates, so an
// empty text is one empty caption and a leading or trailing comma adds an
// empty caption at that end.
std::vector<std::wstring> SplitCaptionList(const std::wstring& captions);

}  // namespace zv
