// Coverage-guided fuzzing of the command-line parser (libFuzzer). Any input is
// read as a UTF-8 command line; the parser must not throw or crash, must keep
// every option it held before, and must split every value it read.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/text/WideString.h"
#include "util/CmdLineParser.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring commandLine =
        zv::FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));

    zv::CmdLineParser parser;
    parser.AddOption(L"kept", L"value");
    const bool loaded = parser.Load(commandLine);
    Require(parser.GetOptionValue(L"KEPT") == L"value");
    Require(loaded || parser.LastError()->ErrorType() == zv::errWarning);

    for (const auto& name : parser.OptionNames()) {
        Require(parser.HasOption(name));
        for (const wchar_t* delimiter : {L",", L"'", L""}) {
            const auto items = parser.GetOptionValues(name, delimiter);
            Require(items.Count() > 0 || parser.GetOptionValue(name).empty());
        }
    }
    return 0;
}
