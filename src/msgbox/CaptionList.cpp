#include "msgbox/CaptionList.h"

namespace zv {

std::vector<std::wstring> SplitCaptionList(const std::wstring& captions) {
    std::vector<std::wstring> list(1);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const wchar_t ch = captions[i];
        if (ch != L',') {
            list.back() += ch;
        } else if (i + 1 < captions.size() && captions[i + 1] == L',') {
            list.back() += L',';
            ++i;
        } else {
            list.emplace_back();
        }
    }
    return list;
}

}  // namespace zv
