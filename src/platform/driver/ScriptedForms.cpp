#include "platform/driver/ScriptedForms.h"

#include "platform/automation/WideString.h"
#include "platform/driver/Driver.h"
#include "platform/forms/Form.h"

namespace zv::forms {

void LetScriptFindBoxesByLabel() {
    headless::SetLabelledBoxFinder([](win::HWND dialog, const std::string& label) -> win::HWND {
        const Form* form = Form::FromWindow(dialog);
        return form != nullptr ? form->BoxAfterLabel(FromAnsi(label)) : 0;
    });
}

}  // namespace zv::forms
