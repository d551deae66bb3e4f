#include "platform/automation/AutomationError.h"

#include "platform/text/WideString.h"

namespace zv {

AutomationError::AutomationError(std::int32_t number, std::wstring description)
    : m_number(number),
      m_description(std::move(description)),
      m_what("Automation error " + std::to_string(number) + ": " + ToUtf8(m_description)) {}

AutomationError::AutomationError(std::int32_t number)
    : AutomationError(number, StandardDescription(number)) {}

std::wstring AutomationError::StandardDescription(std::int32_t number) {
    switch (number) {
        case err::kInvalidProcedureCall:
            return L"Invalid procedure call or argument";
        case err::kOverflow:
            return L"Overflow";
        case err::kSubscriptOutOfRange:
            return L"Subscript out of range";
        case err::kTypeMismatch:
            return L"Type mismatch";
        case err::kObjectVariableNotSet:
            return L"Object variable or With block variable not set";
        case err::kInvalidUseOfNull:
            return L"Invalid use of Null";
        case err::kInvalidPropertyValue:
            return L"Invalid property value";
        case err::kObjectRequired:
            return L"Object required";
        case err::kMemberNotFound:
            return L"Object doesn't support this property or method";
        case err::kWrongArgumentCount:
            return L"Wrong number of arguments or invalid property assignment";
        case err::kDuplicateKey:
            return L"This key is already associated with an element of this collection";
        default:
            return L"Application-defined or object-defined error";
    }
}

}  // namespace zv
