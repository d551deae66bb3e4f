#pragma once

// The platform's message box, adjusted while it is on screen by a one-shot
// CBT hook: up to three buttons relabelled, centred over its owner, closing
// itself after a count-down, held above a topmost owner.

#include <cstdint>
#include <string>

#include "platform/win/WinApi.h"

namespace zv {

// Shows the platform's message box with the style nStyle (button type, icon,
// default-button and modality flags). An empty sTitle is the host
// application's title. sButtons is a caption list ("Keep,Discard", two
// commas for a literal one) of up to three captions; empty keeps the buttons
// of the style. With nTimeoutSeconds of 1 to 32 the box answers itself with
// its default button when the time runs out, and nTimeoutSeconds receives the
// seconds that were left. Answers the position of the pressed caption, or
// without captions the platform identifier of the pressed button; 0 when the
// box could not be shown (a default-button flag naming a missing button, a
// time-out above 32 seconds, more than three captions, a box already up on
// this thread).
std::int32_t ZvMsgBox(win::HWND hwndOwner, const std::wstring& sPrompt, const std::wstring& sTitle,
                      std::int32_t nStyle, bool bCenter, const std::wstring& sButtons,
                      std::int16_t& nTimeoutSeconds);

// The same without a time-out.
std::int32_t ZvMsgBox(win::HWND hwndOwner, const std::wstring& sPrompt,
                      const std::wstring& sTitle = {}, std::int32_t nStyle = 0,
                      bool bCenter = false, const std::wstring& sButtons = {});

// The remaining time as the count-down shows it: hours, minutes and seconds
// as two digits each joined by colons ("00:00:10"), after the number of
// days and " days " when there is at least one day.
std::wstring FormatRemainingTime(std::int32_t nMilliseconds);

}  // namespace zv
