#include "platform/forms/ScriptedForms.h"

#include "platform/WideString.h"
#include "platform/forms/Form.h"
#include "platform/headless/Driver.h"

namespace zv::forms {

void LetScriptFindBoxesByLabel() {
    headless::SetLabelledBoxFinder([](win::HWND dialog, const std::string& label) -> win::HWND {
        const Form* form = Form::FromWindow(dialog);
        return form != nullptr ? form->BoxAfterLabel(FromAnsi(label)) : 0;
    });
}

}  // namespace zv::forms
