#pragma once

// What the host's dialogs show as their user meets them, recorded for every
// dialog of one form class as the window system announces its activation
// (through a CBT hook).

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "ActivationWatch.h"
#include "platform/driver/Driver.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormsFixture.h"
#include "platform/win/WinConstants.h"

namespace zv::test {

// The title and owner of a dialog as it came up; a test adds what it reads.
struct ShownDialog {
    std::string title;
    win::LONG owner = 0;
};

template <class Dialog, class Shown>
class DialogTest : public FormsTest {
  protected:
    // Fills in what the test reads from the dialog, besides title and owner.
    virtual void Read(const Dialog& dialog, Shown& shown) = 0;

    // The hook belongs to the fresh desktop.
    void SetUp() override {
        FormsTest::SetUp();
        m_watch.emplace([this](win::HWND hwnd) { Saw(hwnd); });
    }
    void TearDown() override {
        m_watch.reset();
        FormsTest::TearDown();
    }

    const std::vector<Shown>& AllShown() const { return m_shown; }
    const Shown& OnlyShown() {
        EXPECT_EQ(m_shown.size(), 1u);
        return m_shown.front();
    }

    // The scripted user answers the next dialogs of the title, in order.
    static void Answer(const char* title, std::initializer_list<driver::DialogAnswer> answers) {
        for (const driver::DialogAnswer& answer : answers) {
            driver::AnswerDialog(title, answer);
        }
    }

  private:
    void Saw(win::HWND hwnd) {
        const auto* dialog = dynamic_cast<const Dialog*>(forms::Form::FromWindow(hwnd));
        if (dialog == nullptr) {
            return;
        }
        Shown shown;
        char title[256] = {};
        win::GetWindowTextA(hwnd, title, sizeof title);
        shown.title = title;
        shown.owner = win::GetWindowLongA(hwnd, win::GWL_HWNDPARENT);
        Read(*dialog, shown);
        m_shown.push_back(shown);
    }

    std::vector<Shown> m_shown;
    std::optional<ActivationWatch> m_watch;
};

}  // namespace zv::test
