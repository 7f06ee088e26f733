#include "foundation/services/workerthread.h"

#include <system_error>
#include <thread>

namespace zanvik {

bool startWorkerThread(std::function<void()> routine) {
    if (!routine) {
        return false;
    }
    try {
        std::thread(std::move(routine)).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

} // namespace zanvik
