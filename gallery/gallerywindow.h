#pragma once

#include "foundation/windows/windowdefinition.h"
#include "gallery/galleryclient.h"

#include <optional>

namespace zanvik {

// The battle-mode gallery, "自动复制选定图片粘贴即可发送": a list of picture titles from the
// image server; choosing one puts its picture on the clipboard, from the local cache or
// downloaded in parts (and then cached). Open it with loadWindow(galleryWindowDefinition(),
// Modal). It connects to the program's image server (SERVER_ADDRESS, SERVER_PORT).
const WindowDefinition& galleryWindowDefinition();

namespace gallery {
// The same window connecting to another server (tests, tools). The definition must outlive
// every window made from it.
WindowDefinition galleryWindowDefinitionFor(std::optional<ServerEndpoint> endpoint);
} // namespace gallery

} // namespace zanvik
