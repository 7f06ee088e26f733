#pragma once

#include "server/options.h"
#include "server/picturestore.h"

#include <ostream>

namespace zanvik::server {

// The admin commands: list, delete, import, export (see Options). Each writes what it did to
// out and problems to err, and gives the process's exit code: 0 when everything asked was done.
int runAdminCommand(const Options& options, PictureStore& store, std::ostream& out,
                    std::ostream& err);

} // namespace zanvik::server
