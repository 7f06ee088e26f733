#pragma once

// The gallery window's event handlers. They run on the UI thread, one at a time.

#include "foundation/windows/window.h"

namespace zanvik::gallery {

// created of the window: connects; on success pulls the title list and disables "按钮1".
// The picture box stretches its picture either way.
void windowCreated(Window& window);
// clicked of "按钮1": connects again (replacing any connection); on success pulls the list.
void reconnectClicked(Window& window);
// clicked of "按钮2": pulls the title list, connected or not.
void pullListClicked(Window& window);
// listItemSelected of "列表框1": the cached picture, or a download of it.
void titleSelected(Window& window);
// dataArrival of "客户1": the arrival caption, then an end tag, a title list or a picture part.
void dataArrived(Window& window);
// disconnected of "客户1": "按钮1" enabled, a download under way is left, caption says so.
void serverDisconnected(Window& window);

} // namespace zanvik::gallery
