#include "platform/automation/LateBound.h"

#include "platform/automation/AutomationError.h"

namespace zv {

Variant CallByName(std::shared_ptr<AutomationObject> object, std::wstring_view name, CallKind kind,
                   Arguments arguments) {
    if (object == nullptr) {
        throw AutomationError(err::kObjectVariableNotSet);
    }
    const auto id = object->IdOfName(name);
    if (!id) {
        throw AutomationError(err::kMemberNotFound);
    }
    return object->Invoke(*id, kind, std::move(arguments));
}

}  // namespace zv
