#include "platform/headless/Driver.h"

#include "platform/headless/WindowSystem.h"

namespace zv::headless {

void ResetWindowSystem() {
    WindowSystem::Instance().Reset();
}

win::DWORD StartProcess() {
    WindowSystem& system = WindowSystem::Instance();
    return system.NewThread(system.NewProcess());
}

ThreadScope::ThreadScope(win::DWORD thread) : m_previous(WindowSystem::Instance().CurrentThread()) {
    WindowSystem::Instance().SetCurrentThread(thread);
}

ThreadScope::~ThreadScope() {
    WindowSystem::Instance().SetCurrentThread(m_previous);
}

}  // namespace zv::headless
