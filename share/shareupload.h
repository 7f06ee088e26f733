#pragma once

// The send button and the upload exchange of ShareWindow. The server's messages drive every
// step: "[title]" goes out from a worker thread, then each answer of the server is handled on
// the UI thread in the link's dataArrival handler, which cuts the next chunk of at most
// CHUNK_SIZE bytes off the front of processState().uploadBuffer.

#include "foundation/values/text.h"
#include "link/linksender.h"
#include "share/shareclient.h"

#include <cstdint>
#include <memory>

namespace zanvik {

class Window;

namespace share {

// True when the title box is not empty and something exists at the path in the path box. Both
// tests are always made; a title of spaces passes.
bool validateShare(const Window& window);

// clicked of 按钮2: incomplete input shows the message box "图片不存在或者标题不完整！"; an upload
// still under way is not joined by a second one (the caption says so); otherwise a worker
// thread sends the title and the handler returns at once.
void sendPressed(Window& window);

// The worker thread's body: reads the title box (on the UI thread, while the window exists)
// and sends "[title]" and the title through the sender. Sends nothing once the window is gone;
// a title that could not be sent ends the upload of that number.
void sendTitleWorker(const std::shared_ptr<WindowAnchor>& anchor, const link::LinkSender& sender,
                     std::uint64_t uploadNumber);

// dataArrival of 客户1: "[nexttitle]" sends "[img]" and records uploadTotal; then, on its own,
// "[nextimg]" runs sendNextChunk. Arrivals with neither tag are ignored.
void dataArrived(Window& window);

// Answers one "[nextimg]": the next chunk and the progress caption, or "[/img]" when the
// buffer is empty (the caption then stays).
void sendNextChunk(Window& window);

// disconnected of 客户1: caption "与图片服务器连接断开"; the upload under way ends, what is left
// of uploadBuffer stays.
void connectionLost(Window& window);

} // namespace share
} // namespace zanvik
