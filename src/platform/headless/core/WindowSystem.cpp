#include "headless/core/WindowSystem.h"

#include <algorithm>

#include "headless/controls/Controls.h"
#include "platform/text/WideString.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

constexpr std::uint16_t kMaxGeneration = 0x7FFF;  // keeps handles positive
constexpr std::size_t kMaxIndex = 0xFFFF;
// The metrics of a 96 dots-per-inch screen with the classic window frames.
const std::vector<std::pair<int, int>> kDefaultMetrics = {
    {SM_CXSCREEN, 1024},  {SM_CYSCREEN, 768},    {SM_CXVSCROLL, 16},   {SM_CYHSCROLL, 16},
    {SM_CYCAPTION, 19},   {SM_CXBORDER, 1},      {SM_CYBORDER, 1},     {SM_CXFIXEDFRAME, 3},
    {SM_CYFIXEDFRAME, 3}, {SM_SWAPBUTTON, 0},    {SM_CXSIZE, 18},      {SM_CYSIZE, 18},
    {SM_CXSIZEFRAME, 4},  {SM_CYSIZEFRAME, 4},   {SM_CXMINTRACK, 112}, {SM_CYMINTRACK, 27},
    {SM_CXEDGE, 2},       {SM_CYEDGE, 2},        {SM_CYSMCAPTION, 16}, {SM_CXSMSIZE, 15},
    {SM_CYSMSIZE, 15},    {SM_CXMAXTRACK, 1036}, {SM_CYMAXTRACK, 780}, {SM_CXDOUBLECLK, 4},
    {SM_CYDOUBLECLK, 4},
};

HWND MakeHandle(std::size_t index, std::uint16_t generation) {
    return static_cast<HWND>((static_cast<std::uint32_t>(generation) << 16) |
                             static_cast<std::uint32_t>(index));
}

std::size_t IndexOf(HWND hwnd) {
    return static_cast<std::uint32_t>(hwnd) & 0xFFFFu;
}

std::uint16_t GenerationOf(HWND hwnd) {
    return static_cast<std::uint16_t>(static_cast<std::uint32_t>(hwnd) >> 16);
}

}  // namespace

WindowSystem& WindowSystem::Instance() {
    static WindowSystem instance;
    return instance;
}

WindowSystem::WindowSystem() {
    Reset();
}

void WindowSystem::Reset() {
    // Windows go, but their slots keep their generations: a handle from before
    // the reset must not name a window made after it.
    if (m_slots.empty()) {
        m_slots.emplace_back();
    }
    m_freeSlots.clear();
    for (std::size_t index = m_slots.size() - 1; index > 0; --index) {
        m_slots[index].window.reset();
        m_freeSlots.push_back(static_cast<std::uint16_t>(index));
    }
    m_classes.clear();
    m_nextAtom = 0xC000;
    RegisterControlClasses(*this);
    RegisterDialogClass(*this);
    m_procedures = {};
    m_threads.clear();
    m_endedProcesses.clear();
    m_timers.clear();
    m_hooks.clear();
    m_foreground = 0;
    m_metrics = kDefaultMetrics;
    m_cursor = POINT{};
    m_cursorShape = 0;
    m_keysDown.fill(false);
    m_lockedWindow = 0;
    m_rawInput.clear();
    m_lastPress = ButtonPress{};
    // One 1024 x 768 display with a 30-pixel task bar along the bottom.
    SetMonitors({Monitor{RECT{0, 0, 1024, 768}, RECT{0, 0, 1024, 738}}});
    m_now = 0;
    m_lastTimerId = 0;
    m_nextId = 0x100;
    m_currentProcess = NewProcess();
    m_currentThread = NewThread(m_currentProcess);
    Window* desktop = Allocate();
    desktop->style = WS_POPUP | WS_VISIBLE;
    desktop->rect = RECT{0, 0, Metric(SM_CXSCREEN), Metric(SM_CYSCREEN)};
    desktop->client = desktop->rect;
    m_desktop = desktop->handle;
}

Window* WindowSystem::Find(HWND hwnd) {
    const std::size_t index = IndexOf(hwnd);
    if (hwnd <= 0 || index == 0 || index >= m_slots.size()) {
        return nullptr;
    }
    Slot& slot = m_slots[index];
    if (!slot.window || slot.generation != GenerationOf(hwnd)) {
        return nullptr;
    }
    return slot.window.get();
}

Window& WindowSystem::Desktop() {
    return *Find(m_desktop);
}

Window* WindowSystem::Allocate() {
    std::size_t index;
    if (!m_freeSlots.empty()) {
        index = m_freeSlots.back();
        m_freeSlots.pop_back();
    } else if (m_slots.size() <= kMaxIndex) {
        index = m_slots.size();
        m_slots.emplace_back();
    } else {
        return nullptr;
    }
    Slot& slot = m_slots[index];
    slot.generation = slot.generation == kMaxGeneration ? 1 : slot.generation + 1;
    slot.window = std::make_unique<Window>();
    slot.window->handle = MakeHandle(index, slot.generation);
    slot.window->thread = m_currentThread;
    slot.window->process = m_currentProcess;
    return slot.window.get();
}

void WindowSystem::Free(HWND hwnd) {
    if (Find(hwnd) == nullptr) {
        return;
    }
    ForgetWindow(hwnd);
    m_slots[IndexOf(hwnd)].window.reset();
    m_freeSlots.push_back(static_cast<std::uint16_t>(IndexOf(hwnd)));
}

const WindowClass* WindowSystem::FindClass(const std::string& name) const {
    const std::string folded = FoldName(name);
    const auto found = std::find_if(m_classes.begin(), m_classes.end(),
                                    [&](const auto& c) { return FoldName(c->name) == folded; });
    return found == m_classes.end() ? nullptr : found->get();
}

ATOM WindowSystem::AddClass(const WNDCLASSA& info) {
    auto windowClass = std::make_unique<WindowClass>();
    windowClass->name = info.lpszClassName;
    windowClass->info = info;
    windowClass->info.lpszClassName = nullptr;  // the caller's text may go away
    windowClass->info.lpszMenuName = nullptr;
    windowClass->atom = m_nextAtom++;
    m_classes.push_back(std::move(windowClass));
    return m_classes.back()->atom;
}

bool WindowSystem::RemoveClass(const std::string& name) {
    const WindowClass* windowClass = FindClass(name);
    if (windowClass == nullptr) {
        return false;
    }
    std::erase_if(m_classes, [&](const auto& c) { return c.get() == windowClass; });
    return true;
}

DWORD WindowSystem::NewProcess() {
    return m_nextId += 4;
}

DWORD WindowSystem::NewThread(DWORD process) {
    Thread thread;
    thread.id = m_nextId += 4;
    thread.process = process;
    thread.inputOf = thread.id;
    m_threads.push_back(std::move(thread));
    return m_threads.back().id;
}

void WindowSystem::SetCurrentThread(DWORD thread) {
    if (const auto process = ProcessOfThread(thread)) {
        m_currentThread = thread;
        m_currentProcess = *process;
    }
}

void WindowSystem::SetMonitors(std::vector<Monitor> monitors) {
    m_monitors = std::move(monitors);
    const RECT& primary = m_monitors.front().monitor;
    SetMetric(SM_CXSCREEN, primary.right - primary.left);
    SetMetric(SM_CYSCREEN, primary.bottom - primary.top);
    SetMetric(SM_CMONITORS, static_cast<int>(m_monitors.size()));
    if (Window* desktop = Find(m_desktop)) {
        desktop->rect = desktop->client = primary;
    }
}

int WindowSystem::Metric(int index) const {
    const auto found = std::find_if(m_metrics.begin(), m_metrics.end(),
                                    [&](const auto& metric) { return metric.first == index; });
    return found == m_metrics.end() ? 0 : found->second;
}

void WindowSystem::SetMetric(int index, int value) {
    const auto found = std::find_if(m_metrics.begin(), m_metrics.end(),
                                    [&](const auto& metric) { return metric.first == index; });
    if (found == m_metrics.end()) {
        m_metrics.emplace_back(index, value);
    } else {
        found->second = value;
    }
}

Thread* WindowSystem::FindThread(DWORD thread) {
    const auto found = std::find_if(m_threads.begin(), m_threads.end(),
                                    [&](const Thread& t) { return t.id == thread; });
    return found == m_threads.end() ? nullptr : &*found;
}

InputState& WindowSystem::InputOf(DWORD thread) {
    Thread* owner = FindThread(thread);
    Thread* shared = FindThread(owner->inputOf);
    return shared->ownInput;
}

void WindowSystem::ForgetWindow(HWND hwnd) {
    for (Thread& thread : m_threads) {
        if (thread.ownInput.active == hwnd) {
            thread.ownInput.active = 0;
        }
        if (thread.ownInput.focus == hwnd) {
            thread.ownInput.focus = 0;
        }
        if (thread.ownInput.capture == hwnd) {
            thread.ownInput.capture = 0;
        }
    }
    if (m_foreground == hwnd) {
        m_foreground = 0;
    }
    std::erase_if(m_timers, [&](const Timer& timer) { return timer.hwnd == hwnd; });
    for (Thread& thread : m_threads) {
        std::erase_if(thread.queue, [&](const MSG& message) { return message.hwnd == hwnd; });
    }
}

bool WindowSystem::IsProcessRunning(DWORD process) const {
    return std::any_of(m_threads.begin(), m_threads.end(),
                       [&](const Thread& t) { return t.process == process; }) &&
           std::find(m_endedProcesses.begin(), m_endedProcesses.end(), process) ==
               m_endedProcesses.end();
}

void WindowSystem::EndProcess(DWORD process) {
    m_endedProcesses.push_back(process);
    std::erase_if(m_hooks,
                  [&](const Hook& hook) { return ProcessOfThread(hook.thread) == process; });
    std::vector<HWND> windows;
    for (const Slot& slot : m_slots) {
        if (slot.window && slot.window->process == process) {
            windows.push_back(slot.window->handle);
        }
    }
    for (HWND hwnd : windows) {
        DropTree(hwnd);
    }
}

void WindowSystem::DropTree(HWND hwnd) {
    Window* window = Find(hwnd);
    if (window == nullptr) {
        return;
    }
    const std::vector<HWND> children = window->children;
    for (HWND child : children) {
        DropTree(child);
    }
    if (Window* parent = Find(window->parent)) {
        std::erase(parent->children, hwnd);
    }
    Free(hwnd);
}

std::optional<DWORD> WindowSystem::ProcessOfThread(DWORD thread) const {
    const auto found = std::find_if(m_threads.begin(), m_threads.end(),
                                    [&](const Thread& t) { return t.id == thread; });
    return found == m_threads.end() ? std::nullopt : std::optional<DWORD>(found->process);
}

HWND TopLevelOf(HWND hwnd) {
    const Window* window = System().Find(hwnd);
    while (window != nullptr && IsChild(*window)) {
        window = System().Find(window->parent);
    }
    return window == nullptr ? 0 : window->handle;
}

bool IsSelfOrDescendant(HWND ancestor, HWND hwnd) {
    for (const Window* window = System().Find(hwnd); window != nullptr;
         window = System().Find(window->parent)) {
        if (window->handle == ancestor) {
            return true;
        }
    }
    return false;
}

std::string FoldName(const std::string& name) {
    return ToUtf8(FoldCase(FromUtf8(name)));
}

std::string WindowText(HWND hwnd) {
    const Window* window = System().Find(hwnd);
    return window != nullptr ? window->text : std::string();
}

std::string ClassNameOf(const Window& window) {
    return window.windowClass != nullptr ? window.windowClass->name : "#32769";
}

LPARAM MakeLParam(LONG low, LONG high) {
    return static_cast<LPARAM>(static_cast<std::int32_t>(
        (static_cast<std::uint32_t>(high) << 16) | (static_cast<std::uint32_t>(low) & 0xFFFFu)));
}

RECT Offset(RECT rect, LONG dx, LONG dy) {
    return RECT{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

std::optional<Timer> NextTimer(DWORD thread) {
    std::optional<Timer> next;
    for (const Timer& timer : WindowSystem::Instance().Timers()) {
        if ((thread == 0 || timer.thread == thread) && (!next || timer.due < next->due)) {
            next = timer;
        }
    }
    return next;
}

OnThread::OnThread(DWORD thread) : m_previous(WindowSystem::Instance().CurrentThread()) {
    WindowSystem::Instance().SetCurrentThread(thread);
}

OnThread::~OnThread() {
    WindowSystem::Instance().SetCurrentThread(m_previous);
}

}  // namespace zv::headless
