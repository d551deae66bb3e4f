#pragma once

// A scope guard shared by reference: when its last holder lets go, it calls
// its callback's Terminate with its key, once. A guard that was never
// initialised calls nothing.

#include <memory>
#include <string>

#include "winmsg/IAutoScope.h"

namespace zv {

class AutoScope {
  public:
    AutoScope() = default;
    AutoScope(const AutoScope&) = delete;
    AutoScope& operator=(const AutoScope&) = delete;
    ~AutoScope();

    void Initialize(std::shared_ptr<IAutoScope> clsIAutoScope, std::wstring sKey);

  private:
    std::shared_ptr<IAutoScope> m_callback;
    std::wstring m_key;
};

// A guard, initialised, for the caller to hold for as long as the scope lasts.
std::shared_ptr<AutoScope> NewAutoScope(std::shared_ptr<IAutoScope> callback, std::wstring key);

}  // namespace zv
