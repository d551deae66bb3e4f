#pragma once

#include <string>

namespace zv {

// What a scope guard (AutoScope) calls back when its last holder lets go,
// with the key it was given. On its own the class is a callback that does
// nothing.
class IAutoScope {
  public:
    IAutoScope() = default;
    IAutoScope(const IAutoScope&) = delete;
    IAutoScope& operator=(const IAutoScope&) = delete;
    virtual ~IAutoScope();

    virtual void Terminate(const std::wstring& sKey);
};

}  // namespace zv
