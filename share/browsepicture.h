#pragma once

namespace zanvik {

class Window;

namespace share {

// clicked of 按钮1: shows the open-file dialog for JPEG files. A confirmed file's full path goes
// into the path box; whether or not the user confirmed, the file that the path box names is read
// whole into processState().uploadBuffer (empty when it cannot be read) and previewed, stretched,
// with its size ("N kb") and its resolution ("W x H", 0 x 0 when the file is no picture).
void browsePressed(Window& window);

} // namespace share
} // namespace zanvik
