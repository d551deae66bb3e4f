#include "platform/forms/TextOrder.h"

#include "platform/text/WideString.h"
#include "platform/win/WinApi.h"

namespace zv::forms {

bool SortsBefore(const std::wstring& first, const std::wstring& second) {
    return win::lstrcmpiA(ToAnsi(first).c_str(), ToAnsi(second).c_str()) < 0;
}

}  // namespace zv::forms
