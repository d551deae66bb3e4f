#pragma once

// The order in which lists put texts: as the system sorts them for the user,
// without regard to case. Sorted list boxes and sorted list views share it,
// so that every backend puts an item in the same place.

#include <string>

namespace zv::forms {

bool SortsBefore(const std::wstring& first, const std::wstring& second);

}  // namespace zv::forms
