#pragma once

#include "foundation/windows/windowdefinition.h"
#include "share/shareclient.h"

namespace zanvik {

// The share window: the user types a title, chooses a JPEG file with the browse button, sees it
// previewed with its size and resolution, and uploads it to the image server in chunks with the
// send button, the progress in the caption. Its control 客户1 holds a ShareClient (the window's
// ImageServerLink), connected when the window is created. Open it with
// loadWindow(shareWindowDefinition(), Modality::Modal).
const WindowDefinition& shareWindowDefinition();

// The same window connecting with another routine than connectToServer (the image server at
// SERVER_ADDRESS, port SERVER_PORT): for tests against a server on another port. The definition
// must outlive every window made from it.
WindowDefinition shareWindowDefinitionWith(share::ShareClient::ConnectRoutine connect);

} // namespace zanvik
