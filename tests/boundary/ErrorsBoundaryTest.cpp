// Error records and their collections without memory: each member gives its
// neutral result, and a record or collection that a change could not reach
// is left as it was.

#include <memory>
#include <string>

#include "BoundaryTest.h"
#include "TestMemory.h"
#include "errors/ErrorItem.h"
#include "errors/ErrorItems.h"

namespace zv::test {
namespace {

// Longer than any text kept inside a string itself, so copying it allocates.
const std::wstring kLong(64, L'x');

ErrorItem Record(const std::wstring& message) {
    ErrorItem record;
    record.Init(message, errCritical, 5, kLong, kLong);
    return record;
}

// A collection holding one record with the given message.
std::shared_ptr<ErrorItems> Holding(const std::wstring& message) {
    auto items = std::make_shared<ErrorItems>();
    items->Add(Record(message));
    return items;
}

bool HoldsOnly(const ErrorItems& items, const std::wstring& message) {
    return items.Count() == 1 && items.Item(1)->Message() == message;
}

// Calls a change of a record without memory; true when the record is as it was.
template <typename Change>
bool RecordUnchanged(Change change) {
    ErrorItem record = Record(L"kept");
    WithoutMemory([&] { change(record); });
    return record.Message() == L"kept" && record.Details() == kLong;
}

// The same for a collection holding one record.
template <typename Change>
bool CollectionUnchanged(Change change) {
    const auto items = Holding(L"kept");
    WithoutMemory([&] { change(*items); });
    return HoldsOnly(*items, L"kept");
}

const BoundaryRow kRows[] = {
    {"ErrorItem_Message",
     [] { return WithoutMemory([r = Record(kLong)] { return r.Message(); }).empty(); }},
    {"ErrorItem_FormatMsg",
     [] { return WithoutMemory([r = Record(kLong)] { return r.FormatMsg(); }).empty(); }},
    {"ErrorItem_IsErrorType",
     [] {
         const Variant warning(L"0000000000002");  // a number in a text long enough to copy
         const ErrorItem record = Record(L"");
         return !WithoutMemory([&] { return record.IsErrorType({&warning, 1}); });
     }},
    {"ErrorItem_InitFrom",
     [] {
         const ErrorItem other = Record(kLong);
         return RecordUnchanged([&](ErrorItem& r) { r.InitFrom(other); });
     }},
    {"ErrorItem_InitFromWithNewMsg",
     [] {
         const ErrorItem other = Record(kLong);
         return RecordUnchanged([&](ErrorItem& r) { r.InitFromWithNewMsg(kLong, other); });
     }},
    {"ErrorItem_ReInit", [] { return RecordUnchanged([](ErrorItem& r) { r.ReInit(kLong); }); }},
    {"ErrorItem_Clone",
     [] { return WithoutMemory([r = Record(kLong)] { return r.Clone(); }) == nullptr; }},
    {"ErrorItem_CloneFrom",
     [] {
         const ErrorItem other = Record(kLong);
         return RecordUnchanged([&](ErrorItem& r) { r.CloneFrom(other); });
     }},
    {"ErrorItems_AsCollection",
     [] {
         return WithoutMemory([items = Holding(kLong)] { return items->AsCollection(); }).Count() ==
                0;
     }},
    {"ErrorItems_Add",
     [] {
         const ErrorItem other = Record(kLong);
         return CollectionUnchanged([&](ErrorItems& items) { items.Add(other); });
     }},
    {"ErrorItems_Reset",
     [] { return CollectionUnchanged([](ErrorItems& items) { items.Reset(true); }); }},
    {"ErrorItems_Restart",
     [] {
         const ErrorItem other = Record(kLong);
         return CollectionUnchanged([&](ErrorItems& items) { items.Restart(other); });
     }},
    {"ErrorItems_AddItems",
     [] {
         const auto other = Holding(kLong);
         return CollectionUnchanged([&](ErrorItems& items) { items.AddItems(*other); });
     }},
    {"ErrorItems_SetItems",
     [] {
         const auto other = Holding(kLong);
         return CollectionUnchanged([&](ErrorItems& items) { items.SetItems(*other); });
     }},
    {"ErrorItems_Clone",
     [] { return WithoutMemory([items = Holding(kLong)] { return items->Clone(); }) == nullptr; }},
    {"ErrorItems_UpdateApplicationContexts",
     [] {
         const auto items = Holding(L"kept");
         items->SetApplicationContext(kLong);
         WithoutMemory([&] { items->UpdateApplicationContexts(); });
         return items->Item(1)->ApplicationContext().empty();
     }},
};

INSTANTIATE_TEST_SUITE_P(Errors, Boundary, testing::ValuesIn(kRows), MemberOf);

}  // namespace
}  // namespace zv::test
