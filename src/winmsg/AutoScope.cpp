#include "winmsg/AutoScope.h"

#include <utility>

namespace zv {

AutoScope::~AutoScope() {
    if (!m_callback) {
        return;
    }
    try {
        m_callback->Terminate(m_key);
    } catch (...) {
        // Letting go of a guard cannot fail.
    }
}

void AutoScope::Initialize(std::shared_ptr<IAutoScope> clsIAutoScope, std::wstring sKey) {
    m_callback = std::move(clsIAutoScope);
    m_key = std::move(sKey);
}

std::shared_ptr<AutoScope> NewAutoScope(std::shared_ptr<IAutoScope> callback, std::wstring key) {
    auto scope = std::make_shared<AutoScope>();
    scope->Initialize(std::move(callback), std::move(key));
    return scope;
}

}  // namespace zv
