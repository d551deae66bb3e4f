// Utilities: building the command line of another program from values and
// reading it back, and describing a menu that a host turns into menu entries.

#include <memory>
#include <string>
#include <vector>

#include "Scenes.h"
#include "platform/automation/Variant.h"
#include "util/CmdLineParser.h"
#include "util/Menu.h"
#include "util/MenuItem.h"
#include "util/MenuItems.h"

namespace zvdemo {

namespace {

void ShowCommandLines(SceneLog& log) {
    log.Heading(L"Command lines for another program");
    const std::vector<zv::Variant> files = {L"Main Program.smw", L"panel,left.vtp"};
    const std::vector<zv::Variant> ports = {zv::Variant(1), zv::Variant(3), zv::Variant(5)};
    const std::wstring commandLine = zv::CmdLineParser::MakeCmdLineArgument(L"files", files) +
                                     L" " +
                                     zv::CmdLineParser::MakeCmdLineArgument(L"ports", ports) +
                                     L" /verbose /Target:\"Lobby processor\"";
    log.Value(L"built", commandLine);

    zv::CmdLineParser parser;
    log.Value(L"Load", parser.Load(commandLine) ? L"true" : L"false");
    for (const auto& file : parser.GetOptionValues(L"FILES")) {
        log.Value(L"  file", file);
    }
    log.Value(L"  ports", parser.GetOptionValue(L"ports"));
    log.Value(L"  target", parser.GetOptionValue(L"target"));
    log.Value(L"  verbose given", parser.HasOption(L"VERBOSE") ? L"yes" : L"no");

    zv::CmdLineParser repeated;
    const bool loaded = repeated.Load(L"/port:1 /mode:fast /PORT:2");
    log.Value(L"Load of a repeated option", loaded ? L"true" : L"false");
    log.Value(L"  last error", repeated.LastError()->FormatMsg());
    log.Value(L"  kept before it", L"port=" + repeated.GetOptionValue(L"port") + L", mode=" +
                                       repeated.GetOptionValue(L"mode"));
}

std::shared_ptr<zv::MenuItem> MakeMenuItem(const std::wstring& key, const std::wstring& name,
                                           bool enabled = true) {
    auto item = std::make_shared<zv::MenuItem>();
    item->SetKey(key);
    item->SetName(name);
    item->SetEnabled(enabled);
    return item;
}

void ShowMenuItems(SceneLog& log, const zv::MenuItems& items) {
    for (const auto& item : items) {
        log.Line(L"  " + item->key() + L": " + item->Name() +
                 (item->Enabled() ? L"" : L" (disabled)"));
    }
}

void ShowMenus(SceneLog& log) {
    log.Heading(L"Menu descriptions");
    zv::Menu menu;
    menu.SetName(L"Device");
    auto items = menu.MenuItems();
    items->Add(MakeMenuItem(L"restart", L"Restart program"));
    items->Add(MakeMenuItem(L"baud", L"Set baud rate", false));
    items->Add(MakeMenuItem(L"files", L"Send files"));
    log.Line(menu.Name() + L" menu, " + std::to_wstring(items->Count()) + L" items:");
    ShowMenuItems(log, *items);

    log.Value(L"Item(\"BAUD\")", items->Item(zv::Variant(L"BAUD"))->Name());
    log.Value(L"Item(3)", items->Item(zv::Variant(3))->Name());
    log.Value(L"Item(\"format\")", items->Item(zv::Variant(L"format")) ? L"found" : L"nothing");
    log.Value(L"Add with a key in use",
              items->Add(MakeMenuItem(L"Files", L"Again")) ? L"true" : L"false");
    items->Remove(zv::Variant(L"baud"));
    log.Line(L"after Remove(\"baud\"):");
    ShowMenuItems(log, *items);
}

}  // namespace

void RunUtilitiesScene(SceneLog& log) {
    ShowCommandLines(log);
    ShowMenus(log);
}

}  // namespace zvdemo
