#pragma once

#include <cstdint>
#include <string>

namespace zv {

// One extended message (text and code) reported during a device transfer.
class orkError {
  public:
    const std::wstring& Error() const noexcept { return m_error; }
    void SetError(std::wstring value) { m_error = std::move(value); }

    std::int32_t code() const noexcept { return m_code; }
    void SetCode(std::int32_t value) noexcept { m_code = value; }

  private:
    std::wstring m_error;
    std::int32_t m_code = 0;
};

}  // namespace zv
