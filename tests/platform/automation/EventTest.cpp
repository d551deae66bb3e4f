// Events raised to hosts: handlers in order of connecting, arguments by
// reference, and handlers that connect, disconnect or destroy the event
// while it is being raised.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/automation/Event.h"

namespace zv::test {
namespace {

TEST(EventTest, HandlersRunInOrderOfConnectingAndShareReferenceArguments) {
    Event<int, int&> event;
    std::vector<std::string> calls;
    event.Connect([&](int value, int& total) {
        calls.push_back("first " + std::to_string(value) + " " + std::to_string(total));
        total += 10;
    });
    event.Connect([&](int value, int& total) {
        calls.push_back("second " + std::to_string(value) + " " + std::to_string(total));
        total += 100;
    });

    int total = 1;
    event.Raise(7, total);

    EXPECT_EQ(calls, (std::vector<std::string>{"first 7 1", "second 7 11"}));
    EXPECT_EQ(total, 111);
}

TEST(EventTest, ConnectionsAreDistinctAndEndOneAtATime) {
    Event<> event;
    std::vector<int> calls;
    const auto one = event.Connect([&] { calls.push_back(1); });
    const auto two = event.Connect([&] { calls.push_back(2); });
    EXPECT_NE(one, two);
    EXPECT_EQ(event.Connect(nullptr), 0u);

    event.Disconnect(one);
    event.Disconnect(one);
    event.Disconnect(0);
    event.Raise();
    EXPECT_EQ(calls, std::vector<int>{2});
    EXPECT_TRUE(event.HasHandlers());

    event.DisconnectAll();
    event.Raise();
    EXPECT_EQ(calls, std::vector<int>{2});
    EXPECT_FALSE(event.HasHandlers());
}

TEST(EventTest, ChangesDuringARaiseKeepTheOrderOfConnecting) {
    // The first handler lets the second and third go and connects two more:
    // the new ones wait for the next raise, which calls those left in the
    // order in which they connected.
    Event<> event;
    std::vector<std::string> calls;
    EventConnection second = 0;
    EventConnection third = 0;
    bool changed = false;
    event.Connect([&] {
        calls.push_back("first");
        if (!std::exchange(changed, true)) {
            event.Disconnect(second);
            event.Connect([&] { calls.push_back("fifth"); });
            event.Disconnect(third);
            event.Connect([&] { calls.push_back("sixth"); });
        }
    });
    second = event.Connect([&] { calls.push_back("second"); });
    third = event.Connect([&] { calls.push_back("third"); });
    event.Connect([&] { calls.push_back("fourth"); });

    event.Raise();
    event.Raise();

    EXPECT_EQ(calls,
              (std::vector<std::string>{"first", "fourth", "first", "fourth", "fifth", "sixth"}));
}

TEST(EventTest, DisconnectingLetsGoOfTheHandlerOnceTheRaiseHasEnded) {
    Event<> event;
    auto payload = std::make_shared<int>(0);
    const std::weak_ptr<int> watch = payload;
    std::vector<bool> aliveInside;
    EventConnection id = 0;
    id = event.Connect([&, payload = std::move(payload)] {
        event.Disconnect(id);
        aliveInside.push_back(!watch.expired());
    });

    event.Raise();

    EXPECT_EQ(aliveInside, std::vector<bool>{true});
    EXPECT_TRUE(watch.expired());
}

TEST(EventTest, DestroyingTheEventDuringARaiseEndsIt) {
    auto owner = std::make_unique<Event<int>>();
    std::vector<std::string> calls;
    owner->Connect([&](int) {
        calls.push_back("destroys");
        owner.reset();
        calls.push_back("still running");
    });
    owner->Connect([&](int) { calls.push_back("after"); });

    owner->Raise(1);

    EXPECT_EQ(calls, (std::vector<std::string>{"destroys", "still running"}));
    EXPECT_EQ(owner, nullptr);
}

TEST(EventTest, AHandlerThatOwnsItsEventMayLetGoOfIt) {
    // The handler's captures hold the only reference to the event; once it
    // is disconnected inside a raise, the event goes when the raise ends.
    auto event = std::make_shared<Event<>>();
    const std::weak_ptr<Event<>> watch = event;
    int calls = 0;
    event->Connect([&calls, keep = event] {
        ++calls;
        keep->DisconnectAll();
    });
    const auto raw = event.get();
    event.reset();

    raw->Raise();

    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(watch.expired());
}

TEST(EventTest, NestedRaisesReachEveryHandler) {
    Event<int> event;
    std::vector<std::string> calls;
    EventConnection first = 0;
    first = event.Connect([&](int depth) {
        calls.push_back("a" + std::to_string(depth));
        if (depth == 0) {
            event.Raise(1);
            event.Disconnect(first);
        }
    });
    event.Connect([&](int depth) { calls.push_back("b" + std::to_string(depth)); });

    event.Raise(0);
    event.Raise(2);

    EXPECT_EQ(calls, (std::vector<std::string>{"a0", "a1", "b1", "b0", "b2"}));
}

TEST(EventTest, AFailingHandlerEndsTheRaiseAndLeavesTheEventUsable) {
    Event<> event;
    std::vector<std::string> calls;
    bool fail = true;
    EventConnection id = 0;
    id = event.Connect([&] {
        calls.push_back("first");
        if (fail) {
            event.Disconnect(id);
            throw std::runtime_error("handler failed");
        }
    });
    event.Connect([&] { calls.push_back("second"); });

    EXPECT_THROW(event.Raise(), std::runtime_error);
    fail = false;
    event.Raise();

    EXPECT_EQ(calls, (std::vector<std::string>{"first", "second"}));
}

}  // namespace
}  // namespace zv::test
