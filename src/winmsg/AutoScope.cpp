#include "winmsg/AutoScope.h"

#include <utility>

#include "platform/automation/Trapped.h"

namespace zv {

AutoScope::~AutoScope() {
    if (!m_callback) {
        return;
    }
    Trapped([&] { m_callback->Terminate(m_key); });  // letting go of a guard cannot fail
}

void AutoScope::Initialize(std::shared_ptr<IAutoScope> clsIAutoScope, std::wstring sKey) {
    m_callback = std::move(clsIAutoScope);
    m_key = std::move(sKey);
}

std::shared_ptr<AutoScope> NewAutoScope(std::shared_ptr<IAutoScope> callback, std::wstring key) {
    return Trapped(std::shared_ptr<AutoScope>(), [&] {
        auto scope = std::make_shared<AutoScope>();
        scope->Initialize(std::move(callback), std::move(key));
        return scope;
    });
}

}  // namespace zv
