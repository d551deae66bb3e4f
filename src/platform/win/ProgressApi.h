#pragma once

// The progress bar's record: the range PBM_GETRANGE fills. Its class name,
// styles and messages are in ProgressConstants.h.

#include "platform/win/WinApi.h"

namespace zv::win {

struct PBRANGE {
    int iLow = 0;
    int iHigh = 0;
};

}  // namespace zv::win
