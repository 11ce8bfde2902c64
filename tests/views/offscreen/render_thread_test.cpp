#include "views/offscreen/render_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

namespace sprig {
namespace {

TEST(RenderThread, RunsItsTasksInOrderOnOneOtherThread)
{
    std::vector<int> order;
    std::vector<std::thread::id> threads;
    std::future<void> last;
    {
        RenderThread thread;
        for (int i = 0; i < 50; ++i) {
            last = thread.post([&, i] {
                order.push_back(i);
                threads.push_back(std::this_thread::get_id());
            });
        }
    }  // the tasks given are run before the thread ends
    last.get();
    ASSERT_EQ(order.size(), 50u);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(order[static_cast<std::size_t>(i)], i);
        EXPECT_EQ(threads[static_cast<std::size_t>(i)], threads[0]);
    }
    EXPECT_NE(threads[0], std::this_thread::get_id());
}

TEST(RenderThread, AFailingTaskReportsThroughItsFutureAndTheNextOnesStillRun)
{
    RenderThread thread;
    std::future<void> failing = thread.post([] { throw std::runtime_error("no context"); });
    std::atomic<bool> ran{false};
    thread.post([&] { ran = true; }).get();
    EXPECT_THROW(failing.get(), std::runtime_error);
    EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace sprig
