#pragma once

// The progress bar ("msctls_progress32"): its styles and messages, with
// their Win32 names and values.

#include "platform/win/ProgressApi.h"
#include "platform/win/WinConstants.h"

namespace zv::win {

inline constexpr const char* PROGRESS_CLASSA = "msctls_progress32";

inline constexpr DWORD PBS_SMOOTH = 0x01;
inline constexpr DWORD PBS_VERTICAL = 0x04;

// Positions are ints. PBM_SETRANGE takes two unsigned 16-bit words and, like
// PBM_SETRANGE32, answers the old range as two words (low, high); the
// position follows the range. PBM_SETPOS, PBM_DELTAPOS and PBM_STEPIT answer
// the old position, PBM_SETSTEP the old step.
inline constexpr UINT PBM_SETRANGE = WM_USER + 1;
inline constexpr UINT PBM_SETPOS = WM_USER + 2;
inline constexpr UINT PBM_DELTAPOS = WM_USER + 3;
inline constexpr UINT PBM_SETSTEP = WM_USER + 4;
inline constexpr UINT PBM_STEPIT = WM_USER + 5;
inline constexpr UINT PBM_SETRANGE32 = WM_USER + 6;
inline constexpr UINT PBM_GETRANGE = WM_USER + 7;  // wParam TRUE: the low end
inline constexpr UINT PBM_GETPOS = WM_USER + 8;
inline constexpr UINT PBM_GETSTEP = WM_USER + 13;

}  // namespace zv::win
