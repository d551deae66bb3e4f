// The progress bar ("msctls_progress32") on the headless backend, as Wine
// shows the platform's: a range, a position kept inside it and a step that
// wraps round, drawn as a bar that fills its frame from the left (from the
// bottom with PBS_VERTICAL). It tells its parent nothing.
//
// Not modelled: colours (PBM_SETBARCOLOR, PBM_SETBKCOLOR), the marquee and
// the states of later versions (PBM_SETMARQUEE, PBM_SETSTATE and their
// readers).

#include <algorithm>
#include <cstdint>
#include <utility>

#include "headless/controls/ControlData.h"
#include "headless/controls/Controls.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/ProgressConstants.h"

namespace zv::headless {

namespace {

constexpr UINT kLastProgressMessage = WM_USER + 17;  // PBM_GETSTATE
constexpr UINT CCM_SETBKCOLOR = 0x2001;              // PBM_SETBKCOLOR

struct Progress {
    int low = 0;
    int high = 100;
    int position = 0;
    int step = 10;
};

// Within the range as Wine keeps it: the low end first, so that a range
// given backwards holds every position at its high end.
int Clamp(const Progress& bar, std::int64_t position) {
    return static_cast<int>(
        std::min<std::int64_t>(bar.high, std::max<std::int64_t>(bar.low, position)));
}

// A step past either end comes round from the other, as far as it went
// beyond.
int Stepped(const Progress& bar) {
    const std::int64_t next = std::int64_t{bar.position} + bar.step;
    if (next >= bar.low && next <= bar.high) {
        return static_cast<int>(next);
    }
    const std::int64_t span = std::int64_t{bar.high} - bar.low;
    if (span == 0) {
        return bar.low;
    }
    std::int64_t into = (next - bar.low) % span;
    if (into < 0) {
        into += span;
    }
    return static_cast<int>(bar.low + into);
}

LRESULT OldRange(const Progress& bar) {
    return static_cast<LRESULT>((static_cast<DWORD>(bar.low) & 0xFFFF) |
                                (static_cast<DWORD>(bar.high) & 0xFFFF) << 16);
}

// How much of `length` pixels the position fills, rounded to the nearest.
int Filled(const Progress& bar, int length) {
    const std::int64_t span = std::int64_t{bar.high} - bar.low;
    if (span <= 0 || length <= 0) {
        return 0;
    }
    const std::int64_t done =
        std::clamp<std::int64_t>(std::int64_t{bar.position} - bar.low, 0, span);
    return static_cast<int>((2 * length * done + span) / (2 * span));
}

void FillWith(HDC dc, RECT rect, int colour) {
    FillRect(dc, &rect, colour + 1);
}

// A one-pixel frame, the window colour inside, the bar in the highlight
// colour.
void Paint(HWND hwnd, const Progress& bar) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    FillWith(dc, client, COLOR_BTNSHADOW);
    RECT inside = client;
    InflateRect(&inside, -1, -1);
    FillWith(dc, inside, COLOR_WINDOW);
    if ((GetWindowLongA(hwnd, GWL_STYLE) & static_cast<LONG>(PBS_VERTICAL)) != 0) {
        inside.top = inside.bottom - Filled(bar, inside.bottom - inside.top);
    } else {
        inside.right = inside.left + Filled(bar, inside.right - inside.left);
    }
    if (IsRectEmpty(&inside) == FALSE) {
        FillWith(dc, inside, COLOR_HIGHLIGHT);
    }
    EndPaint(hwnd, &paint);
}

// Sets the position and shows it; answers the one before.
LRESULT MoveTo(HWND hwnd, Progress& bar, int position) {
    const int previous = bar.position;
    bar.position = position;
    if (position != previous) {
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    return previous;
}

LRESULT SetRange(HWND hwnd, Progress& bar, int low, int high) {
    const LRESULT previous = OldRange(bar);
    bar.low = low;
    bar.high = high;
    MoveTo(hwnd, bar, Clamp(bar, bar.position));
    InvalidateRect(hwnd, nullptr, FALSE);
    return previous;
}

LRESULT TakeProgressMessage(HWND hwnd, Progress& bar, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto given = static_cast<int>(wParam);
    switch (message) {
        case PBM_SETRANGE:
            return SetRange(hwnd, bar, static_cast<int>(lParam & 0xFFFF),
                            static_cast<int>((lParam >> 16) & 0xFFFF));
        case PBM_SETRANGE32:
            return SetRange(hwnd, bar, given, static_cast<int>(lParam));
        case PBM_GETRANGE:
            if (lParam != 0) {
                *reinterpret_cast<PBRANGE*>(lParam) = PBRANGE{bar.low, bar.high};
            }
            return wParam != 0 ? bar.low : bar.high;
        case PBM_SETPOS:
            return MoveTo(hwnd, bar, Clamp(bar, given));
        case PBM_DELTAPOS:
            return MoveTo(hwnd, bar, Clamp(bar, std::int64_t{bar.position} + given));
        case PBM_STEPIT:
            return MoveTo(hwnd, bar, Stepped(bar));
        case PBM_SETSTEP:
            return std::exchange(bar.step, given);
        case PBM_GETPOS:
            return bar.position;
        case PBM_GETSTEP:
            return bar.step;
        default:
            return Unmodelled(hwnd, message, wParam, lParam);
    }
}

}  // namespace

LRESULT ZV_CALLBACK ProgressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Progress* bar = ControlDataFor<Progress>(hwnd, message);
    if (bar == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if ((message >= PBM_SETRANGE && message <= kLastProgressMessage) || message == CCM_SETBKCOLOR) {
        return TakeProgressMessage(hwnd, *bar, message, wParam, lParam);
    }
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // painting covers it all
        case WM_PAINT:
            Paint(hwnd, *bar);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace zv::headless
