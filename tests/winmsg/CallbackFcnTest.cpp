// Stored late-bound calls: which arguments the method gets, what comes back,
// and what happens without an object or with a failing method.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/automation/AutomationError.h"
#include "support/ErrorNumber.h"
#include "winmsg/CallbackFcn.h"

namespace zv::test {
namespace {

// A host object with a method that keeps what it was given, writes into
// its list and answers the list's length; and one that fails.
class Receiver : public AutomationObject {
  public:
    Receiver() {
        Expose(1, L"OnItemsChanged").Method([this](Variant& list) {
            received.push_back(list.AsArray());
            if (!list.AsArray().Items().empty()) {
                list.AsArray().Item(0) = Variant(L"written by the method");
            }
            return static_cast<std::int32_t>(list.AsArray().Items().size());
        });
        Expose(2, L"Refuse").Method([](Variant&) -> Variant {
            throw AutomationError(err::kInvalidPropertyValue);
        });
    }

    std::vector<VariantArray> received;
};

VariantArray List(std::vector<Variant> items, std::int32_t lowerBound = 0) {
    return VariantArray(std::move(items), lowerBound);
}

std::int32_t CallError(CallbackFcn& callback) {
    return ErrorNumberOf([&] { callback.CallFcn(Variant()); });
}

class CallbackFcnTest : public testing::Test {
  protected:
    void SetUp() override {
        receiver = std::make_shared<Receiver>();
        callback.SetFcnObject(receiver);
        callback.SetFcnName(L"onitemschanged");  // names are not case-sensitive
    }

    std::shared_ptr<Receiver> receiver;
    CallbackFcn callback;
};

// Without arguments the stored ones go as one list, an empty one when
// nothing is stored.
TEST_F(CallbackFcnTest, WithoutArgumentsTheStoredOnesGoAsOneList) {
    EXPECT_EQ(callback.CallFcn(Variant(-1)), Variant(0));
    callback.SetParams(List({Variant(1), Variant(L"two"), Variant(3.5)}));
    const Variant answer = callback.CallFcn(Variant(-1));

    EXPECT_EQ(answer, Variant(3));
    ASSERT_EQ(receiver->received.size(), 2u);
    EXPECT_TRUE(receiver->received[0].Items().empty());
    EXPECT_EQ(receiver->received[1], List({Variant(1), Variant(L"two"), Variant(3.5)}));
    // The method wrote into a copy: what is stored stays.
    EXPECT_EQ(callback.params().Item(0), Variant(1));
}

TEST_F(CallbackFcnTest, GivenArgumentsGoInsteadAsAZeroBasedList) {
    callback.SetParams(List({Variant(1)}));
    const Variant answer = callback.CallFcn(Variant(-1), List({Variant(7), Variant(8)}, 5));

    EXPECT_EQ(answer, Variant(2));
    ASSERT_EQ(receiver->received.size(), 1u);
    EXPECT_EQ(receiver->received[0], List({Variant(7), Variant(8)}));
}

TEST_F(CallbackFcnTest, WithoutAnObjectOrANameTheDefaultComesBack) {
    CallbackFcn empty;
    EXPECT_EQ(empty.CallFcn(Variant(L"default")), Variant(L"default"));
    empty.SetFcnName(L"OnItemsChanged");
    EXPECT_EQ(empty.CallFcn(Variant(L"default")), Variant(L"default"));

    callback.SetFcnName(L"");
    EXPECT_EQ(callback.CallFcn(Variant(4)), Variant(4));
    EXPECT_TRUE(receiver->received.empty());
}

TEST_F(CallbackFcnTest, ErrorsOfTheCallReachTheCaller) {
    callback.SetFcnName(L"Refuse");
    EXPECT_EQ(CallError(callback), err::kInvalidPropertyValue);
    callback.SetFcnName(L"NoSuchMethod");
    EXPECT_EQ(CallError(callback), err::kMemberNotFound);
}

TEST_F(CallbackFcnTest, UpdateParamReplacesAStoredArgumentThatExists) {
    callback.SetParams(List({Variant(1), Variant(2)}));
    callback.UpdateParam(1, Variant(L"second"));
    EXPECT_EQ(callback.params(), List({Variant(1), Variant(L"second")}));
    EXPECT_EQ(ErrorNumberOf([&] { callback.UpdateParam(2, Variant(3)); }),
              err::kSubscriptOutOfRange);
}

}  // namespace
}  // namespace zv::test
