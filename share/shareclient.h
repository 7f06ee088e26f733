#pragma once

#include "link/imageserverlink.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace zanvik {

class Window;

namespace share {

class ShareClient;

// What a worker thread started by the window may reach of it, safely after the window is gone:
// both pointers are read and cleared on the UI thread only (the client's destructor clears
// them), so a worker hands its work to the UI thread and finds them null once the window closed.
struct WindowAnchor {
    Window* window = nullptr;
    ShareClient* client = nullptr;
};

// The object of ShareWindow's control 客户1: the window's ImageServerLink and whether an upload
// is under way on it. Made while the window is built, destroyed with it. UI thread only.
//
// An upload is under way from the press of the send button that starts it (or a title accepted
// by the server) until its end-of-upload message goes out, the connection is lost or replaced,
// or the title could not be sent. While it is, the send button starts no second upload: two
// titles and their chunks on one connection would corrupt both pictures.
class ShareClient final {
public:
    using ConnectRoutine = std::function<bool(ImageServerLink&)>;

    ShareClient(Window& window, ConnectRoutine connect);
    ~ShareClient();
    ShareClient(const ShareClient&) = delete;
    ShareClient& operator=(const ShareClient&) = delete;

    ImageServerLink& link() { return link_; }

    // Connects the link with the connect routine (replacing any connection; an upload under way
    // on the old one ends) and writes the outcome into the window's caption. True when connected.
    bool connect();

    bool uploadUnderWay() const { return underWay_; }
    // Starts an upload; gives its number, which endUpload(number) needs.
    std::uint64_t beginUpload();
    // Ends the upload of that number; nothing when another one has begun since.
    void endUpload(std::uint64_t number);
    // Ends whatever upload is under way.
    void endUpload();

    std::shared_ptr<WindowAnchor> anchor() const { return anchor_; }

private:
    Window& window_;
    ConnectRoutine connect_;
    ImageServerLink link_;
    std::shared_ptr<WindowAnchor> anchor_;
    std::uint64_t uploadNumber_ = 0;
    bool underWay_ = false;
};

// The ShareClient of an open ShareWindow.
ShareClient& shareClient(const Window& window);

} // namespace share
} // namespace zanvik
