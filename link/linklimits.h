#pragma once

// Every limit of the image-server link, with its reason, in one place.

#include <chrono>
#include <cstddef>

namespace zanvik::link {

// The longest the TCP handshake may take before connectTo gives up. connectTo runs on the UI
// thread, so without a bound an unreachable server would freeze the window for the system's
// default (minutes); a server on the same network answers in milliseconds, and a few seconds
// leave room for a slow or distant one.
inline constexpr std::chrono::milliseconds defaultConnectTimeout{5000};

// The longest one sendBytes call may wait for the peer to make room in the send buffer. The
// protocol is lock-step and its messages are small, so a healthy server never makes a send wait;
// this bounds the freeze when the server stops reading.
inline constexpr std::chrono::milliseconds defaultSendTimeout{5000};

// The size of each read after the first one of a batch.
inline constexpr std::size_t readPieceSize = 1024;

// The most bytes one arrival carries. Far above any message of the protocol (a title list or a
// picture part); it keeps a peer that sends faster than the UI thread reads from holding that
// thread in one read loop for good. Bytes beyond it stay readable and make the next arrival.
inline constexpr std::size_t maxArrivalBytes = std::size_t{8} * 1024 * 1024;

// The longest host name that is looked up (the DNS limit).
inline constexpr std::size_t maxHostNameLength = 253;

struct LinkTimeouts {
    std::chrono::milliseconds connect = defaultConnectTimeout;
    std::chrono::milliseconds send = defaultSendTimeout;
};

} // namespace zanvik::link
