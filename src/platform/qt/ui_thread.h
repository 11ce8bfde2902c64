#pragma once
// Synchronous calls onto the thread of the event loop: a worker thread posts
// a routine to the loop and blocks until it has run there.

#include <QObject>
#include <atomic>
#include <functional>

namespace sprig {

// Runs the routine on the thread of the context object and returns when it
// is done; runs it at once when called on that thread.
void runOnThreadOf(QObject& context, const std::function<void()>& routine);

// On the event loop's thread: handles events, the routines posted by a
// worker among them, until the worker clears the flag.
void processEventsWhile(const std::atomic<bool>& running);

}  // namespace sprig
