#include "DemoOptions.h"

#include <algorithm>
#include <array>

#include "platform/text/WideString.h"
#include "util/CmdLineParser.h"

namespace zvdemo {

namespace {

// The ways people ask a program for help; the parser takes the first character
// of an option as its switch, so "--help" arrives as "-help".
constexpr std::array<const wchar_t*, 4> kHelpOptions = {L"help", L"-help", L"h", L"?"};
constexpr std::array<const wchar_t*, 3> kOtherOptions = {L"scene", L"out", L"list"};

template <std::size_t N>
bool IsOneOf(const std::wstring& name, const std::array<const wchar_t*, N>& names) {
    return std::any_of(names.begin(), names.end(),
                       [&](const wchar_t* known) { return zv::EqualsNoCase(known, name); });
}

bool IsKnownOption(const std::wstring& name) {
    return IsOneOf(name, kHelpOptions) || IsOneOf(name, kOtherOptions);
}

std::wstring QuoteArgument(const std::wstring& argument) {
    if (!zv::Contains(argument, L' ')) {
        return argument;
    }
    const auto colon = argument.find(L':');
    if (colon == std::wstring::npos) {
        return L"\"" + argument + L"\"";
    }
    return argument.substr(0, colon + 1) + L"\"" + argument.substr(colon + 1) + L"\"";
}

// Resolves the names of /scene into scenes; an unknown name is refused.
std::variant<std::vector<const Scene*>, std::wstring> SelectScenes(
    const zv::CmdLineParser& parser) {
    std::vector<const Scene*> scenes;
    for (const auto& name : parser.GetOptionValues(L"scene")) {
        const Scene* scene = FindScene(name);
        if (scene == nullptr) {
            return L"There is no scene called '" + name + L"'. Run zvdemo /list to see them.";
        }
        scenes.push_back(scene);
    }
    if (scenes.empty()) {
        for (const auto& scene : AllScenes()) {
            scenes.push_back(&scene);
        }
    }
    return scenes;
}

}  // namespace

std::wstring CommandLineFromArguments(const std::vector<std::wstring>& arguments) {
    std::wstring commandLine;
    for (const auto& argument : arguments) {
        if (!commandLine.empty()) {
            commandLine += L' ';
        }
        commandLine += QuoteArgument(argument);
    }
    return commandLine;
}

DemoOptionsOrError ParseDemoOptions(const std::wstring& commandLine) {
    zv::CmdLineParser parser;
    if (!parser.Load(commandLine)) {
        return parser.LastError()->FormatMsg();
    }
    for (const auto& name : parser.OptionNames()) {
        if (!IsKnownOption(name)) {
            return L"Unknown option '" + name + L"'. Run zvdemo /help to see the options.";
        }
    }
    DemoOptions options;
    options.ShowHelp = std::any_of(kHelpOptions.begin(), kHelpOptions.end(),
                                   [&](const wchar_t* name) { return parser.HasOption(name); });
    options.ListScenes = parser.HasOption(L"list");
    if (parser.HasOption(L"out")) {
        if (parser.GetOptionValue(L"out").empty()) {
            return std::wstring(L"The option /out needs a folder, as in /out:results.");
        }
        options.OutputFolder = parser.GetOptionValue(L"out");
    }
    if (parser.HasOption(L"scene") && parser.GetOptionValue(L"scene").empty()) {
        return std::wstring(L"The option /scene needs a scene name, as in /scene:errors.");
    }
    auto scenes = SelectScenes(parser);
    if (auto* message = std::get_if<std::wstring>(&scenes)) {
        return *message;
    }
    options.Scenes = std::get<std::vector<const Scene*>>(std::move(scenes));
    return options;
}

std::wstring UsageText() {
    return L"Usage: zvdemo [/scene:NAME[,NAME...]] [/out:FOLDER] [/list] [/help]\n"
           L"Shows what the zvCommon library does, scene by scene, and writes a log of\n"
           L"each scene to FOLDER (default out/zvdemo). Without /scene every scene runs.\n"
           L"Option names are not case-sensitive; any switch character will do (/out or -out);\n"
           L"-h, --help and /? are /help too.";
}

}  // namespace zvdemo
