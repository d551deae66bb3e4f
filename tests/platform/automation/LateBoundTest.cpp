#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "platform/automation/AutomationError.h"
#include "platform/automation/AutomationObject.h"
#include "platform/automation/LateBound.h"
#include "support/ErrorNumber.h"

namespace zv {
namespace {

constexpr DispId kHandleId = 1;
constexpr DispId kCaptionId = 2;
constexpr DispId kOwnerId = 3;
constexpr DispId kSumId = 4;
constexpr DispId kTagId = 5;
constexpr DispId kLevelId = 6;
constexpr DispId kFailId = 7;

// A host object as late-bound callers meet it: a method that takes a list
// and changes it, properties of each kind, a member that raises.
class HostObject : public AutomationObject {
  public:
    HostObject() {
        Expose(kHandleId, L"Handle").Method([this](Variant& list) { return Handle(list); });
        Expose(kCaptionId, L"Caption")
            .Get([this] { return Variant(m_caption); })
            .Let([this](const Variant& value) { m_caption = value.ToText(); });
        Expose(kOwnerId, L"Owner")
            .Get([this] { return Variant(m_owner); })
            .Set([this](const Variant& value) { m_owner = value.AsObject(); });
        Expose(kSumId, L"Sum").Method([](const Variant& a, const Variant& b) {
            return a.ToInt16() + b.ToInt16();
        });
        // An indexed property: the index first, the new value last.
        Expose(kTagId, L"Tag")
            .Get([this](const Variant& index) { return m_tags.Item(index.ToInt16()); })
            .Let([this](const Variant& index, const Variant& value) {
                m_tags.Item(index.ToInt16()) = value;
            });
        Expose(kLevelId, L"Level").Let([](const Variant& value) {
            if (value.ToInt16() > 3) {
                throw AutomationError(err::kInvalidPropertyValue);
            }
        });
        Expose(kFailId, L"Fail").Method([] { throw AutomationError(1001, L"the host's own"); });
    }

    // Appends to the list and answers its new length.
    std::int32_t Handle(Variant& list) {
        auto& items = list.AsArray().Items();
        items.emplace_back(L"handled");
        return static_cast<std::int32_t>(items.size());
    }

    const std::wstring& Caption() const { return m_caption; }

  private:
    std::wstring m_caption;
    std::shared_ptr<AutomationObject> m_owner;
    VariantArray m_tags{{Variant(), Variant()}, 1};
};

using test::ErrorNumberOf;

class LateBound : public testing::Test {
  protected:
    // The number of the error that calling the host's member by name raises.
    std::int32_t Raised(const wchar_t* name, CallKind kind, Arguments arguments = {}) {
        return ErrorNumberOf([&] { CallByName(m_host, name, kind, arguments); });
    }

    std::shared_ptr<HostObject> m_host = std::make_shared<HostObject>();
};

TEST_F(LateBound, FindsMembersByNameWithoutRegardToCaseOrById) {
    EXPECT_EQ(m_host->IdOfName(L"Sum"), kSumId);
    EXPECT_EQ(m_host->IdOfName(L"sUM"), kSumId);
    EXPECT_EQ(m_host->IdOfName(L"CAPTION"), kCaptionId);
    EXPECT_FALSE(m_host->IdOfName(L"Summe"));
    EXPECT_EQ(CallByName(m_host, L"sum", CallKind::Method, {2, 3}), Variant(5));

    // Calls by dispatch identifier.
    EXPECT_EQ(m_host->Invoke(kSumId, CallKind::Method, {std::int16_t{-2}, L"7"}), Variant(5));
    m_host->Invoke(kCaptionId, CallKind::PropertyLet, {L"Main"});
    EXPECT_EQ(m_host->Caption(), L"Main");
}

TEST_F(LateBound, GetsAndLetsValues) {
    CallByName(m_host, L"Caption", CallKind::PropertyLet, {12});
    EXPECT_EQ(CallByName(m_host, L"Caption", CallKind::PropertyGet), Variant(L"12"));

    CallByName(m_host, L"Tag", CallKind::PropertyLet, {2, L"second"});
    EXPECT_EQ(CallByName(m_host, L"Tag", CallKind::PropertyGet, {2}), Variant(L"second"));
    EXPECT_TRUE(CallByName(m_host, L"Tag", CallKind::PropertyGet, {1}).IsEmpty());
}

TEST_F(LateBound, SetsObjectsByIdentity) {
    const auto owner = std::make_shared<HostObject>();
    CallByName(m_host, L"Owner", CallKind::PropertySet, {owner});
    EXPECT_EQ(CallByName(m_host, L"Owner", CallKind::PropertyGet), Variant(owner));
    EXPECT_NE(CallByName(m_host, L"Owner", CallKind::PropertyGet),
              Variant(std::make_shared<HostObject>()));

    CallByName(m_host, L"Owner", CallKind::PropertySet, {Variant::Nothing()});
    EXPECT_TRUE(CallByName(m_host, L"Owner", CallKind::PropertyGet).IsNothing());
}

TEST_F(LateBound, ByReferenceArgumentsCarryTheMembersWritesBack) {
    Variant list = VariantArray({L"first"});
    EXPECT_EQ(CallByName(m_host, L"Handle", CallKind::Method, {Argument::ByRef(list)}), Variant(2));
    EXPECT_EQ(list, Variant(VariantArray({L"first", L"handled"})));

    Variant copied = VariantArray({L"first"});
    EXPECT_EQ(CallByName(m_host, L"Handle", CallKind::Method, {copied}), Variant(2));
    EXPECT_EQ(copied, Variant(VariantArray({L"first"})));
}

TEST_F(LateBound, BadCallsRaiseTheirErrors) {
    // Missing members, and kinds a member does not have.
    EXPECT_EQ(Raised(L"Width", CallKind::PropertyGet), err::kMemberNotFound);
    EXPECT_EQ(ErrorNumberOf([&] { m_host->Invoke(99, CallKind::Method); }), err::kMemberNotFound);
    EXPECT_EQ(Raised(L"Caption", CallKind::PropertySet, {m_host}), err::kMemberNotFound);
    EXPECT_EQ(Raised(L"Level", CallKind::PropertyGet), err::kMemberNotFound);
    EXPECT_EQ(Raised(L"Sum", CallKind::PropertyGet, {1, 2}), err::kMemberNotFound);
    // Wrong argument counts.
    EXPECT_EQ(Raised(L"Sum", CallKind::Method, {1}), err::kWrongArgumentCount);
    EXPECT_EQ(Raised(L"Sum", CallKind::Method, {1, 2, 3}), err::kWrongArgumentCount);
    EXPECT_EQ(Raised(L"Caption", CallKind::PropertyLet), err::kWrongArgumentCount);
    EXPECT_EQ(Raised(L"Tag", CallKind::PropertyGet), err::kWrongArgumentCount);
    // Calls on nothing; a value that is no object set; a kind that is none of
    // the four (3 would be a method or a get).
    EXPECT_EQ(ErrorNumberOf([] {
                  CallByName(nullptr, L"Sum", CallKind::Method, {1, 2});
              }),
              err::kObjectVariableNotSet);
    EXPECT_EQ(Raised(L"Owner", CallKind::PropertySet, {5}), err::kObjectRequired);
    for (const int kind : {3, 16}) {
        EXPECT_EQ(ErrorNumberOf([&] { m_host->Invoke(kCaptionId, static_cast<CallKind>(kind)); }),
                  err::kInvalidProcedureCall);
    }
    // What a member raises reaches the caller unchanged.
    EXPECT_EQ(Raised(L"Level", CallKind::PropertyLet, {4}), err::kInvalidPropertyValue);
    EXPECT_EQ(Raised(L"Level", CallKind::PropertyLet, {L"x"}), err::kTypeMismatch);
}

TEST_F(LateBound, WhatAMemberRaisesReachesTheCallerWithItsDescription) {
    try {
        CallByName(m_host, L"Fail", CallKind::Method);
        ADD_FAILURE() << "Fail did not raise";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.Number(), 1001);
        EXPECT_EQ(error.Description(), L"the host's own");
    }
}

TEST(LateBoundErrors, CarryThePlatformsDescriptions) {
    EXPECT_EQ(AutomationError(err::kObjectVariableNotSet).Description(),
              L"Object variable or With block variable not set");
    EXPECT_EQ(AutomationError(err::kObjectRequired).Description(), L"Object required");
    EXPECT_EQ(AutomationError(err::kMemberNotFound).Description(),
              L"Object doesn't support this property or method");
    EXPECT_EQ(AutomationError(err::kWrongArgumentCount).Description(),
              L"Wrong number of arguments or invalid property assignment");
}

// An object whose member lets go of the last reference its caller held.
class SelfReleasing : public AutomationObject {
  public:
    explicit SelfReleasing(std::shared_ptr<AutomationObject>& holder) {
        Expose(1, L"Release").Method([this, &holder] {
            holder.reset();
            return Variant(m_name);
        });
    }

  private:
    std::wstring m_name = L"still here";
};

TEST(LateBoundLifetime, TheObjectOutlivesACallThatReleasesIt) {
    std::shared_ptr<AutomationObject> holder;
    holder = std::make_shared<SelfReleasing>(holder);
    EXPECT_EQ(CallByName(holder, L"Release", CallKind::Method), Variant(L"still here"));
    EXPECT_EQ(holder, nullptr);
}

class TwiceNamed : public AutomationObject {
  public:
    TwiceNamed(DispId secondId, const wchar_t* secondName) {
        Expose(1, L"Value").Get([] { return Variant(1); });
        Expose(secondId, secondName).Get([] { return Variant(2); });
    }
};

TEST(LateBoundDefinition, ANameOrIdTakenTwiceIsAMistakeOfTheClass) {
    EXPECT_THROW(TwiceNamed(2, L"VALUE"), std::invalid_argument);
    EXPECT_THROW(TwiceNamed(1, L"Other"), std::invalid_argument);
    EXPECT_NO_THROW(TwiceNamed(2, L"Other"));
}

}  // namespace
}  // namespace zv
