#pragma once

#include "foundation/values/text.h"

#include <string_view>

namespace zanvik {

class Window;

// What one template's "复制图片" button works on: its picture box, the path box that shows the
// temporary file, and the temporary file's fixed name (case as given: template "C" writes
// "c1.jpg", template "F" writes "F1.jpg").
struct CopyTarget {
    std::string_view pictureBox;
    std::string_view pathBox;
    std::string_view tempName;
};

// The temporary file of a template: the temporary-files folder followed directly by its name
// (tempFolder ends with "/"); the bare name when there is no temporary-files folder, which puts
// the file in the current directory.
Text temporaryPath(const CopyTarget& target);

// Puts what the template's picture box shows (captions included) on the clipboard as a bitmap,
// by way of a temporary 24-bit BMP file: capture, write the file, show its path in the path
// box, read it back, copy to the clipboard, handle pending events, delete the file. Reports
// nothing and always runs to its end; every failure shows only in the clipboard's contents.
// The pending events of the sixth step may close the window: nothing after that step touches
// the window.
void copyImage(Window& window, const CopyTarget& target);

} // namespace zanvik
