// The command-line parser and the menu items without memory, or given a
// value they cannot convert: each member gives its neutral result.

#include <memory>
#include <string>

#include "BoundaryTest.h"
#include "TestMemory.h"
#include "platform/automation/AutomationObject.h"
#include "util/CmdLineParser.h"
#include "util/MenuItems.h"

namespace zv::test {
namespace {

const std::wstring kLong(64, L'x');

// A host object: it has no text to give.
class Opaque : public AutomationObject {};

// A parser that holds the option kLong with the value kLong.
std::shared_ptr<CmdLineParser> Parser() {
    auto parser = std::make_shared<CmdLineParser>();
    parser->AddOption(kLong, kLong);
    return parser;
}

// Menu items holding one item under the key kLong.
std::shared_ptr<MenuItems> Menu() {
    auto items = std::make_shared<MenuItems>();
    auto item = std::make_shared<MenuItem>();
    item->SetKey(kLong);
    items->Add(item);
    return items;
}

const BoundaryRow kRows[] = {
    {"CmdLineParser_LastError",
     [] {
         return WithoutMemory([p = CmdLineParser()]() mutable { return p.LastError(); }) == nullptr;
     }},
    {"CmdLineParser_Load",
     [] {
         CmdLineParser parser;
         const std::wstring line = L"/" + kLong;
         return !WithoutMemory([&] { return parser.Load(line); }) &&
                parser.OptionNames().Count() == 0;
     }},
    {"CmdLineParser_AddOption",
     [] {
         CmdLineParser parser;
         WithoutMemory([&] { parser.AddOption(kLong, kLong); });
         return !parser.HasOption(kLong) && parser.GetOptionValue(kLong).empty();
     }},
    {"CmdLineParser_GetOptionValue",
     [] { return WithoutMemory([p = Parser()] { return p->GetOptionValue(kLong); }).empty(); }},
    {"CmdLineParser_GetOptionValues",
     [] {
         return WithoutMemory([p = Parser()] { return p->GetOptionValues(kLong); }).Count() == 0;
     }},
    {"CmdLineParser_MakeCmdLineArgument",
     [] {
         const Variant values[] = {Variant(L"a"), Variant(std::make_shared<Opaque>())};
         return CmdLineParser::MakeCmdLineArgument(L"list", values).empty();
     }},
    {"CmdLineParser_MakeCmdLineArgumentFromCollection",
     [] {
         Collection<Variant> values;
         values.Add(Variant(kLong));
         return WithoutMemory([&] {
                    return CmdLineParser::MakeCmdLineArgumentFromCollection(kLong, &values);
                })
             .empty();
     }},
    {"MenuItems_Item",
     [] {
         const Variant key(kLong);
         return WithoutMemory([&, m = Menu()] { return m->Item(key); }) == nullptr;
     }},
    {"MenuItems_Add",
     [] {
         const auto items = Menu();
         auto item = std::make_shared<MenuItem>();
         item->SetKey(kLong + L"2");
         return !WithoutMemory([&] { return items->Add(item); }) && items->Count() == 1;
     }},
    {"MenuItems_Remove",
     [] {
         const auto items = Menu();
         const Variant key(kLong);
         return !WithoutMemory([&] { return items->Remove(key); }) && items->Count() == 1;
     }},
};

INSTANTIATE_TEST_SUITE_P(Util, Boundary, testing::ValuesIn(kRows), MemberOf);

}  // namespace
}  // namespace zv::test
