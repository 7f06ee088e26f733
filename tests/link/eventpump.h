#pragma once

#include <chrono>
#include <functional>

namespace zanvik::testing {

// Runs the Qt event loop of this thread until done() holds or the limit passed; gives done().
bool pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);
// Runs the Qt event loop of this thread for the given time, so that late events would show.
void pumpFor(std::chrono::milliseconds time);

} // namespace zanvik::testing
