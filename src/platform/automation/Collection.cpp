#include "platform/automation/Collection.h"

#include "platform/automation/AutomationError.h"

namespace zv::detail {

void RaiseBadPosition() {
    throw AutomationError(err::kSubscriptOutOfRange);
}

void RaiseMissingKey() {
    throw AutomationError(err::kInvalidProcedureCall);
}

void RaiseDuplicateKey() {
    throw AutomationError(err::kDuplicateKey);
}

}  // namespace zv::detail
