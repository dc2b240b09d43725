#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "Linux/AsyncDispatch.h"
#include "Linux/RunLoop.h"

namespace {

using Log = std::vector<std::string>;

struct Recorder : IAsyncDispatchHandler {
    Log log;
    std::function<void(long, long)> onEvent;
    void OnAsyncTimer(long id) override { log.push_back("timer " + std::to_string(id)); }
    void OnAsyncEvent(long event, long argument) override {
        log.push_back(std::to_string(event) + ":" + std::to_string(argument));
        if (onEvent) onEvent(event, argument);
    }
};

TEST(Dispatcher, DirectOnTheMainThreadQueuedWhenForced) {
    RunLoop loop;
    std::unique_ptr<IAsyncDispatch> dispatch(AsyncDispatchCreate());
    Recorder h;
    dispatch->NotifyEvent(&h, 1, 10, false);
    EXPECT_EQ(h.log, (Log{"1:10"}));
    dispatch->NotifyEvent(&h, 2, 20, true);
    EXPECT_EQ(h.log.size(), 1u);
    loop.RunPending();
    EXPECT_EQ(h.log, (Log{"1:10", "2:20"}));
}

TEST(Dispatcher, EventsFromAnotherThreadArriveInOrderInOneDrain) {
    RunLoop loop;
    std::unique_ptr<IAsyncDispatch> dispatch(AsyncDispatchCreate(&loop));
    Recorder h;
    std::thread poster([&] {
        dispatch->NotifyEvent(&h, 4, 1, false);
        dispatch->NotifyEvent(&h, 5, 2, false);
        dispatch->NotifyEvent(&h, 6, 3, false);
    });
    poster.join();
    EXPECT_TRUE(h.log.empty());
    loop.RunPending();
    EXPECT_EQ(h.log, (Log{"4:1", "5:2", "6:3"}));
}

TEST(Dispatcher, NestedDirectCallRunsAtOnceNestedQueuedCallJoinsTheDrain) {
    RunLoop loop;
    std::unique_ptr<IAsyncDispatch> dispatch(AsyncDispatchCreate());
    Recorder h;
    h.onEvent = [&](long event, long) {
        if (event == 1) {
            dispatch->NotifyEvent(&h, 10, 0, false);
            dispatch->NotifyEvent(&h, 11, 0, true);
            h.log.push_back("1 returns");
        }
    };
    dispatch->NotifyEvent(&h, 1, 0, true);
    dispatch->NotifyEvent(&h, 2, 0, true);
    loop.RunPending();
    EXPECT_EQ(h.log, (Log{"1:0", "10:0", "1 returns", "2:0", "11:0"}));
}

// A handler may run a nested loop (a modal dialog); queued events keep arriving inside it, in order.
TEST(Dispatcher, QueuedEventsAreServedInsideANestedLoop) {
    RunLoop loop;
    std::unique_ptr<IAsyncDispatch> dispatch(AsyncDispatchCreate());
    Recorder h;
    h.onEvent = [&](long event, long) {
        if (event == 1) {
            dispatch->NotifyEvent(&h, 2, 0, true);
            loop.RunModal([&] { return h.log.size() >= 3; });
        }
    };
    dispatch->NotifyEvent(&h, 1, 0, true);
    dispatch->NotifyEvent(&h, 3, 0, true);
    EXPECT_TRUE(loop.RunUntil([&] { return h.log.size() == 3; }, 5000));
    EXPECT_EQ(h.log, (Log{"1:0", "3:0", "2:0"}));
}

TEST(Dispatcher, DestroyedWithEntriesQueuedDeliversNothing) {
    RunLoop loop;
    auto h = std::make_unique<Recorder>();
    IAsyncDispatch* dispatch = AsyncDispatchCreate();
    dispatch->NotifyEvent(h.get(), 1, 0, true);
    dispatch->NotifyEvent(h.get(), 2, 0, true);
    delete dispatch;
    h.reset();  // with the handler gone too, any late call would touch freed memory
    EXPECT_EQ(loop.RunPending(), 0);
}

TEST(Dispatcher, HandlerThatDestroysTheDispatcherEndsTheDrain) {
    RunLoop loop;
    Recorder h;
    IAsyncDispatch* dispatch = AsyncDispatchCreate();
    h.onEvent = [&](long event, long) {
        if (event == 1) {
            delete dispatch;
            dispatch = nullptr;
        }
    };
    dispatch->NotifyEvent(&h, 1, 0, true);
    dispatch->NotifyEvent(&h, 2, 0, true);
    loop.RunPending();
    EXPECT_EQ(h.log, (Log{"1:0"}));
    EXPECT_EQ(dispatch, nullptr);
}

// A loop made on the thread afterwards must not find anything left over from the time without one.
TEST(Dispatcher, WithoutALoopQueuedEventsAreNeverDelivered) {
    Recorder h;
    std::unique_ptr<IAsyncDispatch> dispatch(AsyncDispatchCreate(nullptr));
    dispatch->NotifyEvent(&h, 1, 0, false);  // on the creating thread: direct
    dispatch->NotifyEvent(&h, 2, 0, true);
    dispatch->NotifyEvent(&h, 3, 0, false);
    RunLoop loop;
    EXPECT_EQ(loop.RunPending(), 0);
    dispatch->NotifyEvent(&h, 4, 0, false);
    EXPECT_EQ(h.log, (Log{"1:0", "3:0", "4:0"}));
}

// A receiver that withdraws its events in its destructor; the others' events still arrive.
struct Withdrawing : Recorder {
    IAsyncDispatch* dispatch;
    Log* shared;
    Withdrawing(IAsyncDispatch* d, Log* s) : dispatch(d), shared(s) {
        onEvent = [this](long event, long argument) {
            shared->push_back(std::to_string(event) + ":" + std::to_string(argument));
        };
    }
    ~Withdrawing() override { dispatch->WithdrawEvents(this); }
};

TEST(Dispatcher, ReceiverDestroyedWithEventsQueuedReceivesNothing) {
    RunLoop loop;
    std::unique_ptr<IAsyncDispatch> dispatch(AsyncDispatchCreate());
    Log log;
    auto gone = std::make_unique<Withdrawing>(dispatch.get(), &log);
    Withdrawing stays(dispatch.get(), &log);
    dispatch->NotifyEvent(gone.get(), 1, 0, true);
    dispatch->NotifyEvent(&stays, 2, 0, true);
    dispatch->NotifyEvent(gone.get(), 3, 0, true);
    dispatch->NotifyEvent(&stays, 4, 0, true);
    gone.reset();  // a late delivery would touch freed memory
    loop.RunPending();
    EXPECT_EQ(log, (Log{"2:0", "4:0"}));
    dispatch->WithdrawEvents(nullptr);  // nothing to withdraw: harmless
}

// Withdrawn from inside its own handler (a page closing on an event): returns at once, and only that
// receiver's later events are dropped.
TEST(Dispatcher, WithdrawFromInsideTheHandlerDropsItsLaterEventsOnly) {
    RunLoop loop;
    std::unique_ptr<IAsyncDispatch> dispatch(AsyncDispatchCreate());
    Log log;
    Withdrawing other(dispatch.get(), &log);
    auto self = std::make_unique<Withdrawing>(dispatch.get(), &log);
    self->onEvent = [&](long event, long) {
        log.push_back("self " + std::to_string(event));
        if (event == 1) self.reset();
    };
    dispatch->NotifyEvent(self.get(), 1, 0, true);
    dispatch->NotifyEvent(&other, 2, 0, true);
    dispatch->NotifyEvent(self.get(), 3, 0, true);
    dispatch->NotifyEvent(&other, 4, 0, true);
    loop.RunPending();
    EXPECT_EQ(log, (Log{"self 1", "2:0", "4:0"}));
    EXPECT_EQ(self, nullptr);
}
}  // namespace
