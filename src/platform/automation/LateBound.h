#pragma once

#include <memory>
#include <string_view>

#include "platform/automation/AutomationObject.h"

namespace zv {

// Calls a member of an object by its name, as the platform's late binding
// does: the name is looked up without regard to case, then the member is
// invoked (see AutomationObject::Invoke for the errors of the call). Nothing
// raises 91, a name the object does not have 438.
//
// The object is held for the length of the call, so a member that lets go of
// the caller's last reference to it does not pull it away from under itself.
Variant CallByName(std::shared_ptr<AutomationObject> object, std::wstring_view name, CallKind kind,
                   Arguments arguments = {});

}  // namespace zv
