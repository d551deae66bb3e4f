// Scope guards: the callback comes once, when the last holder lets go, and
// never for a guard that was not initialised.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "winmsg/AutoScope.h"

namespace zv::test {
namespace {

class RecordingScope : public IAutoScope {
  public:
    void Terminate(const std::wstring& sKey) override { keys.push_back(sKey); }
    std::vector<std::wstring> keys;
};

TEST(AutoScopeTest, TheLastHolderLettingGoCallsBackOnceWithTheKey) {
    auto callback = std::make_shared<RecordingScope>();
    auto first = NewAutoScope(callback, L"m_bAddingInProgress");
    auto second = first;
    first.reset();
    EXPECT_TRUE(callback->keys.empty());
    second.reset();
    EXPECT_EQ(callback->keys, std::vector<std::wstring>{L"m_bAddingInProgress"});
}

TEST(AutoScopeTest, NestedGuardsCallBackInTheOrderTheyAreLetGo) {
    auto callback = std::make_shared<RecordingScope>();
    {
        const auto outer = NewAutoScope(callback, L"outer");
        const auto inner = NewAutoScope(callback, L"inner");
    }
    EXPECT_EQ(callback->keys, (std::vector<std::wstring>{L"inner", L"outer"}));
}

// Without a callback there is nothing to call: letting go must not reach
// for one.
TEST(AutoScopeTest, AGuardWithoutACallbackLetsGoQuietly) {
    { const AutoScope neverInitialised; }
    auto guard = NewAutoScope(nullptr, L"key");
    guard.reset();
    SUCCEED();
}

TEST(AutoScopeTest, TheCallbackLivesAsLongAsTheGuard) {
    auto callback = std::make_shared<RecordingScope>();
    const std::weak_ptr<RecordingScope> watched = callback;
    auto guard = NewAutoScope(std::move(callback), L"key");
    EXPECT_FALSE(watched.expired());
    guard.reset();
    EXPECT_TRUE(watched.expired());
}

// Letting go happens in a destructor: a callback that fails is still called
// and its failure goes no further.
TEST(AutoScopeTest, ACallbackThatThrowsIsCalledAndContained) {
    class Throwing : public RecordingScope {
      public:
        void Terminate(const std::wstring& sKey) override {
            RecordingScope::Terminate(sKey);
            throw std::runtime_error("failed");
        }
    };
    auto callback = std::make_shared<Throwing>();
    auto guard = NewAutoScope(callback, L"key");
    guard.reset();
    EXPECT_EQ(callback->keys, std::vector<std::wstring>{L"key"});
}

}  // namespace
}  // namespace zv::test
