#pragma once

// The common controls' subclass chain: any number of subclass procedures on a
// window, each known by its procedure and an identifier of the caller's
// choice and given the reference data it was installed with. The newest is
// called first and passes a message on with DefSubclassProc; the last passes
// it to the procedure the window had before the first was installed. A
// window is subclassed only from its own thread.

#include "platform/win/WinApi.h"

namespace zv::win {

using DWORD_PTR = std::uintptr_t;

using SUBCLASSPROC = LRESULT(ZV_CALLBACK*)(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR uIdSubclass, DWORD_PTR dwRefData);

// Installs the procedure with that identifier, or gives the one installed
// new reference data (it keeps its place in the chain).
BOOL SetWindowSubclass(HWND hWnd, SUBCLASSPROC pfnSubclass, UINT_PTR uIdSubclass,
                       DWORD_PTR dwRefData);

// Whether the procedure with that identifier is installed, with its
// reference data.
BOOL GetWindowSubclass(HWND hWnd, SUBCLASSPROC pfnSubclass, UINT_PTR uIdSubclass,
                       DWORD_PTR* pdwRefData);

// Takes the procedure with that identifier out of the chain, also from
// inside a message, which then no longer reaches it.
BOOL RemoveWindowSubclass(HWND hWnd, SUBCLASSPROC pfnSubclass, UINT_PTR uIdSubclass);

// From inside a subclass procedure: passes the message to the next one down
// the chain and answers what it answers.
LRESULT DefSubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

}  // namespace zv::win
