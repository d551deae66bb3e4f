#pragma once

// Controls by type name, as form files name them: the intrinsic ones, and
// the user controls that a host or the library registers.

#include <functional>
#include <memory>
#include <string>

namespace zv::forms {

class Control;
class Form;

using ControlCreator = std::function<std::shared_ptr<Control>(Form& form, const std::wstring& name,
                                                              std::int16_t index)>;

// Registers (or replaces) a type; names compare without regard to case.
void RegisterControlType(const std::wstring& typeName, ControlCreator creator);

// A new control of the type, not yet on the form; nullptr for an unknown
// type.
std::shared_ptr<Control> CreateControl(const std::wstring& typeName, Form& form,
                                       const std::wstring& name, std::int16_t index);

// Registers a control class whose constructor takes (form, name, index).
template <typename T>
void RegisterControlType(const std::wstring& typeName) {
    RegisterControlType(typeName, [](Form& form, const std::wstring& name, std::int16_t index) {
        return std::shared_ptr<Control>(new T(form, name, index));
    });
}

}  // namespace zv::forms
