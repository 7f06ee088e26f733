#pragma once

namespace zanvik {

// The program: brings up the window layer, sets the process-wide state to its start values,
// registers the exit clean-up, opens MainWindow and runs the message loop. Gives the exit code
// (0 when MainWindow is closed). Reads no argument, environment or file of its own.
int runZanvik(int& argc, char** argv);

} // namespace zanvik
