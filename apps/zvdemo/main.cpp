// zvdemo: the sample host of the zvCommon library. It reads its own command
// line with the library's parser and runs the scenes that show each capability.

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "DemoOptions.h"
#include "SceneLog.h"
#include "Scenes.h"
#include "platform/text/WideString.h"

namespace {

constexpr int kExitBadCommandLine = 2;
constexpr int kExitCannotWrite = 3;

void PrintOut(const std::wstring& text) {
    std::cout << zv::ToUtf8(text) << '\n';
}
void PrintError(const std::wstring& text) {
    std::cerr << zv::ToUtf8(text) << '\n';
}

void ListScenes() {
    for (const auto& scene : zvdemo::AllScenes()) {
        PrintOut(std::wstring(scene.Name) + L"\t" + scene.Summary);
    }
}

int RunScenes(const zvdemo::DemoOptions& options) {
    std::error_code error;
    std::filesystem::create_directories(options.OutputFolder, error);
    for (const auto* scene : options.Scenes) {
        const auto logFile = options.OutputFolder / (zv::ToUtf8(scene->Name) + ".log");
        zvdemo::SceneLog log(logFile);
        if (!log.IsOpen()) {
            PrintError(L"zvdemo: cannot write " + zv::FromUtf8(logFile.string()));
            return kExitCannotWrite;
        }
        log.Heading(std::wstring(L"Scene: ") + scene->Name + L" (" + scene->Summary + L")");
        scene->Run(log);
    }
    PrintOut(L"\nLogs written to " + zv::FromUtf8(options.OutputFolder.string()));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::wstring> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(zv::FromUtf8(argv[i]));
    }
    const auto parsed = zvdemo::ParseDemoOptions(zvdemo::CommandLineFromArguments(arguments));
    if (const auto* message = std::get_if<std::wstring>(&parsed)) {
        PrintError(L"zvdemo: " + *message);
        return kExitBadCommandLine;
    }
    const auto& options = std::get<zvdemo::DemoOptions>(parsed);
    if (options.ShowHelp) {
        PrintOut(zvdemo::UsageText());
        return 0;
    }
    if (options.ListScenes) {
        ListScenes();
        return 0;
    }
    return RunScenes(options);
}
