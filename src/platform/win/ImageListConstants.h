#pragma once

// The flags of image lists, with their Win32 names and values: how a list
// keeps its images (ILC_*) and how one is drawn (ILD_*).

#include "platform/win/ImageListApi.h"

namespace zv::win {

inline constexpr UINT ILC_MASK = 0x0001;
// The colour depth asked for. The headless backend keeps every image at full
// colour whatever the list asks.
inline constexpr UINT ILC_COLOR = 0x0000;
inline constexpr UINT ILC_COLOR4 = 0x0004;
inline constexpr UINT ILC_COLOR8 = 0x0008;
inline constexpr UINT ILC_COLOR16 = 0x0010;
inline constexpr UINT ILC_COLOR24 = 0x0018;
inline constexpr UINT ILC_COLOR32 = 0x0020;

inline constexpr UINT ILD_NORMAL = 0x0000;
inline constexpr UINT ILD_TRANSPARENT = 0x0001;
inline constexpr UINT ILD_FOCUS = 0x0002;
inline constexpr UINT ILD_SELECTED = 0x0004;

}  // namespace zv::win
