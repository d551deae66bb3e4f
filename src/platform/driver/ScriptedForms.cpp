#include "platform/driver/ScriptedForms.h"

#include "platform/driver/Driver.h"
#include "platform/forms/Form.h"
#include "platform/text/WideString.h"

namespace zv::driver {

void LetScriptFindBoxesByLabel() {
    SetLabelledBoxFinder([](win::HWND dialog, const std::string& label) -> win::HWND {
        const forms::Form* form = forms::Form::FromWindow(dialog);
        return form != nullptr ? form->BoxAfterLabel(FromAnsi(label)) : 0;
    });
}

}  // namespace zv::driver
