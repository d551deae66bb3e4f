#pragma once

// How the host's dialogs lay themselves out from their texts.

#include <cstdint>
#include <cstdlib>
#include <optional>

#include "platform/forms/FormsFixture.h"
#include "platform/forms/Twips.h"

namespace zv::test {

// A dialog made on the fresh desktop, where it measures its texts.
template <class Dialog>
class DialogLayoutTest : public FormsTest {
  protected:
    void SetUp() override {
        FormsTest::SetUp();
        m_made.emplace();
    }
    void TearDown() override {
        m_made.reset();
        FormsTest::TearDown();
    }

    Dialog& Made() { return *m_made; }

  private:
    std::optional<Dialog> m_made;
};

// The window holds whole pixels: a size in twips comes back to within one.
inline void ExpectWithinAPixel(std::int32_t actual, std::int32_t expected) {
    EXPECT_LT(std::abs(actual - expected), TwipsPerPixelX()) << actual << " vs " << expected;
}

}  // namespace zv::test
