// Coverage-guided fuzzing of the form-file reader (libFuzzer). Any input is
// read as a UTF-8 form file: the reader must either raise the invalid file
// format error or give a tree whose text reads back to the same text; the
// fonts and pictures of its root must either read or raise, and a form must
// either take the tree, with every number it converts, or raise an
// automation error.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "platform/automation/AutomationError.h"
#include "platform/forms/Font.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormFile.h"
#include "platform/forms/Picture.h"
#include "platform/forms/PropertyBag.h"
#include "platform/text/WideString.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void ReadFontAndPicture(const zv::PropertyBag& bag) {
    try {
        bag.ReadFont(L"Font", zv::Font());
    } catch (const zv::AutomationError&) {
    }
    try {
        bag.ReadPicture(L"Picture");
    } catch (const zv::AutomationError& error) {
        Require(error.Number() == zv::err::kInvalidPicture);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text =
        zv::FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));

    std::unique_ptr<zv::PropertyBag> bag;
    try {
        bag = zv::ReadFormText(text);
    } catch (const zv::AutomationError& error) {
        Require(error.Number() == zv::err::kInvalidFileFormat);
        return 0;
    }
    const std::wstring written = zv::WriteFormText(*bag);
    Require(zv::WriteFormText(*zv::ReadFormText(written)) == written);
    ReadFontAndPicture(*bag);
    try {
        zv::forms::Form form;
        form.ReadFrom(*bag);
    } catch (const zv::AutomationError&) {
    }
    return 0;
}
