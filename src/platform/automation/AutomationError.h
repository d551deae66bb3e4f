#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace zv {

// Numbers of the automation errors that the library reports to callers.
namespace err {
inline constexpr std::int32_t kInvalidProcedureCall = 5;
inline constexpr std::int32_t kOverflow = 6;
inline constexpr std::int32_t kSubscriptOutOfRange = 9;
inline constexpr std::int32_t kTypeMismatch = 13;
inline constexpr std::int32_t kObjectVariableNotSet = 91;
inline constexpr std::int32_t kInvalidUseOfNull = 94;
inline constexpr std::int32_t kInvalidPropertyValue = 380;
inline constexpr std::int32_t kObjectRequired = 424;
inline constexpr std::int32_t kMemberNotFound = 438;
inline constexpr std::int32_t kWrongArgumentCount = 450;
inline constexpr std::int32_t kDuplicateKey = 457;
}  // namespace err

// The error that a member raises when its caller must hear of a failure
// (a rejected property value, a bad collection position, ...). It carries the
// automation error number and its description, as a host sees them.
class AutomationError : public std::exception {
  public:
    AutomationError(std::int32_t number, std::wstring description);

    // An error with the platform's standard description for its number.
    explicit AutomationError(std::int32_t number);

    std::int32_t Number() const noexcept { return m_number; }
    const std::wstring& Description() const noexcept { return m_description; }

    const char* what() const noexcept override { return m_what.c_str(); }

    // The platform's description of a standard automation error number, or an
    // "Application-defined or object-defined error" for any other.
    static std::wstring StandardDescription(std::int32_t number);

  private:
    std::int32_t m_number;
    std::wstring m_description;
    std::string m_what;
};

}  // namespace zv
