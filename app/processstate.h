#pragma once

// The process-wide state that several windows share. Exactly one copy exists; it is read and
// written on the UI thread only (event handlers), so no lock guards it.

#include "foundation/values/bytebuffer.h"

#include <cstdint>

namespace zanvik {

struct ProcessState {
    // Set by a left-button press on tiles 1 to 3 of MainWindow, cleared by the release on one
    // of them that finds it set.
    bool tileArmed = false;
    // What is left to upload of the chosen picture; the whole picture until the upload starts.
    ByteBuffer uploadBuffer;
    // The length of uploadBuffer when the server accepted the title.
    std::int32_t uploadTotal = 0;
    // The picture being downloaded or last shown in the gallery.
    ByteBuffer downloadBuffer;
    // Set when a finished download has been handled; cleared when a picture is requested.
    bool downloadFinished = false;
};

// The one copy.
ProcessState& processState();

// Puts every variable back to its start value (start-up; tests).
void resetProcessState();

// The exit clean-up: releases uploadBuffer, then downloadBuffer (buffers never filled need
// nothing).
void releaseProcessBuffers();

} // namespace zanvik
