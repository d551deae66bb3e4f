#pragma once

// How forms and controls hear their windows: each window of the runtime is
// bound to the object that handles its messages. Windows of the runtime's
// own classes are bound from their first message; system controls are
// subclassed after they are made, keeping their own procedure to call on.

#include <string>

#include "platform/win/WinApi.h"

namespace zv::forms {

class MessageTarget {
  public:
    virtual ~MessageTarget() = default;
    virtual win::LRESULT OnMessage(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                                   win::LPARAM lParam) = 0;
};

// The runtime's window classes: top-level forms, and the child windows that
// hold controls (frames, picture boxes, user controls).
inline constexpr const char* kFormClass = "zvForm";
inline constexpr const char* kContainerClass = "zvContainer";

// A window of one of the runtime's classes, bound to its target before its
// first message.
win::HWND CreateBoundWindow(const char* className, const std::string& text, win::DWORD style,
                            win::DWORD exStyle, win::RECT where, win::HWND parent,
                            MessageTarget& target);

// Subclasses a window of another class; its procedure is what CallNext
// calls on.
void BindWindow(win::HWND hwnd, MessageTarget& target);

// Forgets the window: its messages go to its own procedure only.
void UnbindWindow(win::HWND hwnd);

// What the window's class would have done with the message.
win::LRESULT CallNext(win::HWND hwnd, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

MessageTarget* TargetOf(win::HWND hwnd);

}  // namespace zv::forms
