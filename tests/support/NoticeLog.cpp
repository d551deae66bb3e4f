#include "NoticeLog.h"

#include <map>

#include "WindowFacts.h"
#include "platform/win/CommonControlsConstants.h"

namespace zv::test {

using namespace zv::win;

namespace {

constexpr const char* kNoticeParentClass = "ZvNoticeParent";

// Painting notices: NM_CUSTOMDRAW, and the list view's request for texts
// it was not given.
constexpr UINT kCustomDraw = NM_FIRST - 12;
constexpr UINT kGetDispInfo = 0U - 150U;

NoticeSummary g_summary = nullptr;
std::map<UINT, LRESULT> g_answers;

LRESULT ZV_CALLBACK NoticeParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_NOTIFY) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    const auto& notice = *reinterpret_cast<const NMHDR*>(lParam);
    if (notice.code == kCustomDraw || notice.code == kGetDispInfo) {
        return 0;
    }
    MessageLog::Current().RecordArrival(hwnd, WM_NOTIFY, notice.code, g_summary(notice));
    const auto answer = g_answers.find(notice.code);
    return answer != g_answers.end() ? answer->second : 0;
}

}  // namespace

HWND CreateNoticeParent(NoticeSummary summary, int width, int height) {
    g_summary = summary;
    g_answers.clear();
    RegisterClassOf(kNoticeParentClass, NoticeParentProc);
    const HWND parent = CreateWindowExA(0, kNoticeParentClass, "parent", WS_POPUP | WS_VISIBLE, 0,
                                        0, width, height, 0, 0, 0, nullptr);
    MessageLog::Current().Name(parent, "parent");
    SetForegroundWindow(parent);
    MessageLog::Current().PumpPending();
    return parent;
}

void AnswerNotice(UINT code, LRESULT answer) {
    g_answers[code] = answer;
}

}  // namespace zv::test
