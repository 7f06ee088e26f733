#pragma once

#include "server/picturestore.h"

namespace zanvik::server {

// On the first start with an empty store, stores the sample pictures (newest first in the order
// of their title file) and remembers that it did, so that a store emptied later by its admin
// stays empty. Gives the number of pictures stored.
int seedSamplesOnFirstStart(PictureStore& store);

} // namespace zanvik::server
