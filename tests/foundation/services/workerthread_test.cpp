#include "foundation/services/workerthread.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace zanvik {
namespace {

TEST(WorkerThreadTest, RunsTheRoutineOnAnotherThreadWithoutBeingWaitedFor) {
    std::promise<std::thread::id> ranOn;
    std::future<std::thread::id> result = ranOn.get_future();
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    ASSERT_TRUE(startWorkerThread([&ranOn, released] {
        ranOn.set_value(std::this_thread::get_id());
        released.wait();
    }));
    // The caller got control back while the routine still waits: the thread is detached.
    ASSERT_EQ(result.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    EXPECT_NE(result.get(), std::this_thread::get_id());
    release.set_value();
}

TEST(WorkerThreadTest, NoRoutineStartsNothing) {
    EXPECT_FALSE(startWorkerThread({}));
}

} // namespace
} // namespace zanvik
