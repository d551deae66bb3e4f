#include "platform/win/ProcedureTable.h"

#include <algorithm>
#include <cstddef>

namespace zv::win {

namespace {

// Values that look like code addresses of a 32-bit program, apart enough
// that no two procedures look alike.
constexpr LONG kFirstValue = 0x00400000;
constexpr LONG kValueStep = 0x10;

}  // namespace

LONG ProcedureTable::ToLong(WNDPROC proc) {
    if (proc == nullptr) {
        return 0;
    }
    auto found = std::find(m_procedures.begin(), m_procedures.end(), proc);
    if (found == m_procedures.end()) {
        m_procedures.push_back(proc);
        found = m_procedures.end() - 1;
    }
    return kFirstValue + static_cast<LONG>(found - m_procedures.begin()) * kValueStep;
}

WNDPROC ProcedureTable::FromLong(LONG value) const {
    const LONG offset = value - kFirstValue;
    if (value < kFirstValue || offset % kValueStep != 0) {
        return nullptr;
    }
    const auto index = static_cast<std::size_t>(offset / kValueStep);
    return index < m_procedures.size() ? m_procedures[index] : nullptr;
}

}  // namespace zv::win
