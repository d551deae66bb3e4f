// The subclass chain of the headless backend. The first SetWindowSubclass
// of a window puts one procedure of the backend's own (ChainProc) in the
// window's procedure slot; each message walks the chain from the newest
// subclass down, DefSubclassProc taking it one step further, and the last
// step is the procedure that ChainProc replaced. When the last subclass
// leaves, that procedure goes back, unless something replaced ChainProc
// meanwhile: then ChainProc stays where it is and passes messages straight
// through, so that what was put above it keeps working, until it is on top
// again. What is left of a chain goes with its window.

#include <algorithm>
#include <memory>
#include <vector>

#include "headless/core/WindowSystem.h"
#include "platform/win/SubclassApi.h"

namespace zv::headless {

struct SubclassChain {
    struct Entry {
        SUBCLASSPROC proc = nullptr;
        UINT_PTR id = 0;
        DWORD_PTR refData = 0;
        bool removed = false;
    };

    WNDPROC original = nullptr;
    // Oldest first. While messages are under way, entries that leave stay,
    // marked, and new ones are appended, so that the positions the messages
    // have reached stay valid.
    std::vector<Entry> entries;
    int running = 0;
    bool anyRemoved = false;

    Entry* Find(SUBCLASSPROC proc, UINT_PTR id) {
        const auto found = std::find_if(entries.begin(), entries.end(), [&](const Entry& entry) {
            return !entry.removed && entry.proc == proc && entry.id == id;
        });
        return found != entries.end() ? &*found : nullptr;
    }
};

}  // namespace zv::headless

namespace zv::win {

namespace {

using headless::SubclassChain;
using headless::System;
using headless::Window;

// One message on its way down a chain; frames nest as the messages do. The
// frame holds the chain, so that a message whose window goes meanwhile can
// finish its walk.
struct Frame {
    HWND hwnd = 0;
    std::shared_ptr<SubclassChain> chain;
    std::size_t position = 0;  // the entries below this one come next
    Frame* outer = nullptr;
};

thread_local Frame* t_innermost = nullptr;

LRESULT ZV_CALLBACK ChainProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// The next subclass below the frame's position, or the replaced procedure.
LRESULT PassDown(Frame& frame, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const auto& entries = frame.chain->entries;
    std::size_t next = frame.position;
    while (next > 0 && entries[next - 1].removed) {
        --next;
    }
    if (next == 0) {
        return CallWindowProcA(frame.chain->original, frame.hwnd, uMsg, wParam, lParam);
    }
    // Copied out: a subclass installed by the call may move the entries.
    const SubclassChain::Entry entry = entries[next - 1];
    const std::size_t calling = frame.position;
    frame.position = next - 1;
    const LRESULT result = entry.proc(frame.hwnd, uMsg, wParam, lParam, entry.id, entry.refData);
    frame.position = calling;
    return result;
}

// Once no message is under way: drops the entries that left, and when none
// is left and ChainProc is on top, puts the replaced procedure back.
void Settle(HWND hwnd, SubclassChain& chain) {
    if (chain.running > 0) {
        return;
    }
    if (chain.anyRemoved) {
        std::erase_if(chain.entries, [](const auto& entry) { return entry.removed; });
        chain.anyRemoved = false;
    }
    Window* window = System().Find(hwnd);
    if (window == nullptr || window->subclasses.get() != &chain || !chain.entries.empty() ||
        window->proc != &ChainProc) {
        return;
    }
    window->proc = chain.original;
    window->subclasses.reset();
}

LRESULT ZV_CALLBACK ChainProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const Window* window = System().Find(hwnd);
    if (window == nullptr || window->subclasses == nullptr) {
        // Reached through a procedure value kept after the chain went.
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    }
    Frame frame{hwnd, window->subclasses, window->subclasses->entries.size(), t_innermost};
    t_innermost = &frame;
    ++frame.chain->running;
    const LRESULT result = PassDown(frame, uMsg, wParam, lParam);
    --frame.chain->running;
    t_innermost = frame.outer;
    Settle(hwnd, *frame.chain);
    return result;
}

SubclassChain* ChainOf(HWND hwnd) {
    const Window* window = System().Find(hwnd);
    return window != nullptr ? window->subclasses.get() : nullptr;
}

}  // namespace

BOOL SetWindowSubclass(HWND hWnd, SUBCLASSPROC pfnSubclass, UINT_PTR uIdSubclass,
                       DWORD_PTR dwRefData) {
    Window* window = System().Find(hWnd);
    if (pfnSubclass == nullptr || window == nullptr || window->thread != System().CurrentThread()) {
        return FALSE;
    }
    if (SubclassChain* chain = window->subclasses.get()) {
        if (SubclassChain::Entry* entry = chain->Find(pfnSubclass, uIdSubclass)) {
            entry->refData = dwRefData;
        } else {
            chain->entries.push_back({pfnSubclass, uIdSubclass, dwRefData});
        }
        return TRUE;
    }
    auto chain = std::make_shared<SubclassChain>();
    chain->entries.push_back({pfnSubclass, uIdSubclass, dwRefData});
    const LONG previous = SetWindowLongA(hWnd, GWL_WNDPROC, WndProcToLong(&ChainProc));
    if (previous == 0) {
        return FALSE;  // another process's window
    }
    chain->original = LongToWndProc(previous);
    System().Find(hWnd)->subclasses = std::move(chain);
    return TRUE;
}

BOOL GetWindowSubclass(HWND hWnd, SUBCLASSPROC pfnSubclass, UINT_PTR uIdSubclass,
                       DWORD_PTR* pdwRefData) {
    SubclassChain* chain = ChainOf(hWnd);
    const SubclassChain::Entry* entry =
        chain != nullptr ? chain->Find(pfnSubclass, uIdSubclass) : nullptr;
    if (pdwRefData != nullptr) {
        *pdwRefData = entry != nullptr ? entry->refData : 0;
    }
    return entry != nullptr ? TRUE : FALSE;
}

BOOL RemoveWindowSubclass(HWND hWnd, SUBCLASSPROC pfnSubclass, UINT_PTR uIdSubclass) {
    SubclassChain* chain = ChainOf(hWnd);
    SubclassChain::Entry* entry =
        chain != nullptr ? chain->Find(pfnSubclass, uIdSubclass) : nullptr;
    if (entry == nullptr) {
        return FALSE;
    }
    entry->removed = true;
    chain->anyRemoved = true;
    Settle(hWnd, *chain);
    return TRUE;
}

LRESULT DefSubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    for (Frame* frame = t_innermost; frame != nullptr; frame = frame->outer) {
        if (frame->hwnd == hWnd) {
            return PassDown(*frame, uMsg, wParam, lParam);
        }
    }
    // Outside any message of the window: straight to the replaced procedure.
    const SubclassChain* chain = ChainOf(hWnd);
    return chain != nullptr ? CallWindowProcA(chain->original, hWnd, uMsg, wParam, lParam) : 0;
}

}  // namespace zv::win
