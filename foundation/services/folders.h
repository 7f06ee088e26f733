#pragma once

#include "foundation/values/text.h"

// The two folders the program uses. Paths are Text (GBK) with "/" as the separator.
namespace zanvik {

// The system's folder for temporary files ($TMPDIR, else the platform's default), resolved to
// its canonical path and ending with exactly one "/", so that a file name may be appended
// directly. Empty when that folder does not exist or its name cannot be written in GBK.
Text tempFolder();

// The folder of the running program file, with no trailing "/"; empty for a program file at
// the root. Needs the QCoreApplication to exist. Empty when the name cannot be written in GBK.
Text runDirectory();

// The folder part of a program file's path: everything before its last "/" ("/x/y" gives
// "/x", "/y" gives the empty Text, a path without "/" the empty Text).
Text folderOfProgramFile(const Text& programFile);

// The folder with exactly one "/" at its end (any run of trailing "/" becomes one); the empty
// Text stays empty.
Text withOneTrailingSeparator(const Text& folder);

} // namespace zanvik
