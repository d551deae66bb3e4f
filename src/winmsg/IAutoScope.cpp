#include "winmsg/IAutoScope.h"

namespace zv {

IAutoScope::~IAutoScope() = default;

void IAutoScope::Terminate(const std::wstring& /*sKey*/) {}

}  // namespace zv
