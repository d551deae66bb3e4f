#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "Scenes.h"

namespace zvdemo {

// What the command line asks of the sample host.
struct DemoOptions {
    std::vector<const Scene*> Scenes;  // every scene when none is named
    std::filesystem::path OutputFolder = "out/zvdemo";
    bool ShowHelp = false;
    bool ListScenes = false;
};

// The options, or the message that explains why the command line was refused.
using DemoOptionsOrError = std::variant<DemoOptions, std::wstring>;

// The program's arguments joined into one command line, as a host receives it
// on Windows: an argument with blanks gets its value in double quotes.
std::wstring CommandLineFromArguments(const std::vector<std::wstring>& arguments);

DemoOptionsOrError ParseDemoOptions(const std::wstring& commandLine);

std::wstring UsageText();

}  // namespace zvdemo
