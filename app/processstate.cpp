#include "app/processstate.h"

namespace zanvik {

ProcessState& processState() {
    // The process-wide state of the program, by its design: one copy, UI thread only.
    static ProcessState state;
    return state;
}

void resetProcessState() {
    processState() = ProcessState{};
}

void releaseProcessBuffers() {
    ProcessState& state = processState();
    state.uploadBuffer = ByteBuffer{};
    state.downloadBuffer = ByteBuffer{};
}

} // namespace zanvik
