#pragma once

#include "foundation/values/text.h"

#include <string>

namespace zanvik::services {

// The file system's name (UTF-8) for a path Text (GBK). Paths stay GBK everywhere in the
// program and are converted here, at the file services' boundary, and nowhere else.
std::string nativePath(const Text& path);

// The Text (GBK) for a file-system path (UTF-8), or the empty Text when the path holds a
// character that GBK cannot represent: such a path could not be named again by the program,
// and a lossy Text ("?" in place of the character) would name another file.
Text pathTextFromNative(const std::string& native);

} // namespace zanvik::services
