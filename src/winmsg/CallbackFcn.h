#pragma once

// A late-bound call kept for later: an object, the name of one of its
// methods and the arguments to pass. CallFcn makes the call, handing the
// method one argument, a list with the arguments, by reference.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/automation/AutomationObject.h"
#include "platform/automation/Variant.h"
#include "platform/automation/VariantArray.h"

namespace zv {

class CallbackFcn {
  public:
    const std::shared_ptr<AutomationObject>& FcnObject() const noexcept { return m_fcnObject; }
    void SetFcnObject(std::shared_ptr<AutomationObject> fcnObject);

    const std::wstring& FcnName() const noexcept { return m_fcnName; }
    void SetFcnName(std::wstring fcnName);

    // The stored arguments, zero-based.
    const VariantArray& params() const noexcept { return m_params; }
    void SetParams(VariantArray params);

    // Replaces stored argument i; one that does not exist raises subscript
    // out of range (9).
    void UpdateParam(std::int16_t i, Variant var);

    // Calls FcnName on FcnObject with a copy of args, or of the stored
    // arguments when args is empty, and answers what the method answers; its
    // errors reach the caller. Without an object or a name it answers
    // defaultReturnValue.
    Variant CallFcn(Variant defaultReturnValue, const VariantArray& args = {});

  private:
    std::shared_ptr<AutomationObject> m_fcnObject;
    std::wstring m_fcnName;
    VariantArray m_params;
};

}  // namespace zv
