// The progress bar control: its range rules, its file, and the share of the
// platform's bar that its value fills.

#include <array>
#include <cmath>
#include <limits>

#include "ErrorNumber.h"
#include "FormsFixture.h"
#include "Pixels.h"
#include "platform/forms/FormFile.h"
#include "platform/forms/ProgressBar.h"
#include "platform/forms/PropertyBag.h"
#include "platform/win/GdiConstants.h"

namespace zv::test {
namespace {

using namespace zv::forms;

// From 0..100 at 40, one change, and what it leaves (or the error it
// raises, leaving all as it was).
TEST_F(FormsTest, AProgressBarKeepsItsValueWithinMinAndMax) {
    enum class Set { Min, Max, Value };
    struct Case {
        Set what;
        double to;
        std::int32_t error;
        double min;
        double max;
        double value;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::array kChanges = {
        Case{Set::Value, 75.5, 0, 0, 100, 75.5},  Case{Set::Value, 100, 0, 0, 100, 100},
        Case{Set::Value, 100.5, 380, 0, 100, 40}, Case{Set::Value, -1, 380, 0, 100, 40},
        Case{Set::Value, nan, 380, 0, 100, 40},   Case{Set::Min, 50, 0, 50, 100, 50},
        Case{Set::Min, -20, 0, -20, 100, 40},     Case{Set::Min, 100, 380, 0, 100, 40},
        Case{Set::Max, 30, 0, 0, 30, 30},         Case{Set::Max, 0, 380, 0, 100, 40},
        Case{Set::Max, -5, 380, 0, 100, 40},
    };
    Form form;
    auto bar = form.Add<ProgressBar>(L"prg");
    for (const Case& change : kChanges) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(change.what) << " to " << change.to);
        bar->SetMin(0);
        bar->SetMax(100);
        bar->SetValue(40);
        EXPECT_EQ(ErrorNumberOf([&] {
                      switch (change.what) {
                          case Set::Min:
                              return bar->SetMin(change.to);
                          case Set::Max:
                              return bar->SetMax(change.to);
                          case Set::Value:
                              return bar->SetValue(change.to);
                      }
                  }),
                  change.error);
        EXPECT_EQ(bar->Min(), change.min);
        EXPECT_EQ(bar->Max(), change.max);
        EXPECT_EQ(bar->Value(), change.value);
    }
}

TEST_F(FormsTest, AProgressBarSurvivesItsTextFile) {
    Form form(L"frmProgress");
    auto bar = form.Add<ProgressBar>(L"prgUpload");
    bar->SetMax(20);
    bar->SetMin(10);
    bar->SetValue(12.5);
    bar->SetVisible(false);
    PropertyBag bag(L"Form", L"frmProgress");
    form.WriteTo(bag);
    const std::wstring text = WriteFormText(bag);

    Form again;
    again.ReadFrom(*ReadFormText(text));
    const auto& read = again.Get<ProgressBar>(L"prgUpload");
    EXPECT_EQ(read.Min(), 10);
    EXPECT_EQ(read.Max(), 20);
    EXPECT_EQ(read.Value(), 12.5);
    EXPECT_FALSE(read.Visible());

    for (const wchar_t* body : {L"Value = 101", L"Min = 100", L"Max = \"many\""}) {
        const auto bad = ReadFormText(L"Begin Form frmBad\r\nBegin ProgressBar prg\r\n" +
                                      std::wstring(body) + L"\r\nEnd\r\nEnd\r\n");
        Form broken;
        EXPECT_EQ(ErrorNumberOf([&] { broken.ReadFrom(*bad); }), 380) << body;
    }
}

// The platform's bar fills the share of its inside that Value has come from
// Min, from the left.
TEST_F(FormsTest, AProgressBarShowsHowFarItsValueHasCome) {
    Form form;
    form.SetClientSize(4000, 1000);
    auto bar = form.Add<ProgressBar>(L"prg");
    bar->Move(0, 0, 1530, 300);  // 102 by 20 pixels, 100 inside the frame
    bar->SetMax(300);
    bar->SetMin(200);
    bar->SetValue(225);
    form.Show();
    const win::COLORREF highlight = win::GetSysColor(win::COLOR_HIGHLIGHT);
    EXPECT_EQ(PixelOf(bar->hWnd(), 25, 10), highlight);
    EXPECT_NE(PixelOf(bar->hWnd(), 26, 10), highlight);
    bar->SetValue(300);
    EXPECT_EQ(PixelOf(bar->hWnd(), 100, 10), highlight);
    bar->SetMin(250);
    bar->SetValue(250);
    EXPECT_NE(PixelOf(bar->hWnd(), 1, 10), highlight);
}

}  // namespace
}  // namespace zv::test
