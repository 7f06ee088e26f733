#pragma once

#include <functional>

namespace zanvik {

// Runs the routine at once on a new thread that nobody waits for (detached). True when the
// thread was created; false, and the routine never runs, when the system refused a thread.
// The routine must not use the window layer or these services: they belong to the UI thread.
bool startWorkerThread(std::function<void()> routine);

} // namespace zanvik
