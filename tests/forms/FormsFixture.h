#pragma once

// A fresh desktop for each case, with the scripted user able to find a
// form's boxes by their labels.

#include <memory>

#include "PlatformTest.h"
#include "platform/forms/Form.h"
#include "platform/forms/ScriptedForms.h"

namespace zv::test {

class FormsTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        forms::LetScriptFindBoxesByLabel();
    }
};

}  // namespace zv::test
