#include "platform/forms/ControlTypes.h"

#include <unordered_map>

#include "platform/forms/CheckBox.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Image.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/ListView.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/ProgressBar.h"
#include "platform/forms/Shape.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/text/WideString.h"

namespace zv::forms {

namespace {

using Registry = std::unordered_map<std::wstring, ControlCreator>;

Registry& Types() {
    static Registry types = [] {
        Registry intrinsic;
        const auto add = [&]<typename T>(const wchar_t* name) {
            intrinsic[FoldCase(name)] = [](Form& form, const std::wstring& control,
                                           std::int16_t index) {
                return std::shared_ptr<Control>(new T(form, control, index));
            };
        };
        add.operator()<CheckBox>(L"CheckBox");
        add.operator()<ComboBox>(L"ComboBox");
        add.operator()<CommandButton>(L"CommandButton");
        add.operator()<Frame>(L"Frame");
        add.operator()<Image>(L"Image");
        add.operator()<ImageList>(L"ImageList");
        add.operator()<Label>(L"Label");
        add.operator()<Line>(L"Line");
        add.operator()<ListBox>(L"ListBox");
        add.operator()<ListView>(L"ListView");
        add.operator()<OptionButton>(L"OptionButton");
        add.operator()<PictureBox>(L"PictureBox");
        add.operator()<ProgressBar>(L"ProgressBar");
        add.operator()<Shape>(L"Shape");
        add.operator()<TextBox>(L"TextBox");
        add.operator()<Timer>(L"Timer");
        return intrinsic;
    }();
    return types;
}

}  // namespace

void RegisterControlType(const std::wstring& typeName, ControlCreator creator) {
    Types()[FoldCase(typeName)] = std::move(creator);
}

std::shared_ptr<Control> CreateControl(const std::wstring& typeName, Form& form,
                                       const std::wstring& name, std::int16_t index) {
    const auto found = Types().find(FoldCase(typeName));
    return found != Types().end() ? found->second(form, name, index) : nullptr;
}

}  // namespace zv::forms
