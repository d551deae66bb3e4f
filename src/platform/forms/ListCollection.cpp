#include "platform/forms/ListCollection.h"

#include "platform/automation/AutomationError.h"

namespace zv::forms::list_error {

void Raise(std::int32_t number) {
    switch (number) {
        case kIndexOutOfBounds:
            throw AutomationError(number, L"Index out of bounds");
        case kElementNotFound:
            throw AutomationError(number, L"Element not found");
        case kKeyNotUnique:
            throw AutomationError(number, L"Key is not unique in collection");
        default:
            throw AutomationError(number, L"Invalid key");
    }
}

}  // namespace zv::forms::list_error
