#pragma once

// Window procedures as the 32-bit values that the window-procedure slot of a
// window long holds, where a procedure's address does not fit one: each
// procedure gets a value of its own, the same for as long as the table
// lives, and only values it handed out name a procedure.

#include <vector>

#include "platform/win/WinApi.h"

namespace zv::win {

class ProcedureTable {
  public:
    LONG ToLong(WNDPROC proc);           // 0 for no procedure
    WNDPROC FromLong(LONG value) const;  // nullptr for a value it never gave

  private:
    std::vector<WNDPROC> m_procedures;
};

}  // namespace zv::win
