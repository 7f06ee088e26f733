#pragma once

// The window layer: the application object, the open windows, the message loop, modal windows,
// pending events, control messages and the exit routines. One WindowLayer exists per process
// (made first thing at start-up, or by a test fixture); the free functions below act on it and
// are called on the UI thread only.

#include "foundation/values/bytebuffer.h"
#include "foundation/windows/control.h"
#include "foundation/windows/window.h"
#include "foundation/windows/windowdefinition.h"

#include <cstdint>
#include <memory>
#include <vector>

class QApplication;
class QWidget;

namespace zanvik {

class LayerState;

using ExitRoutine = void (*)();

class WindowLayer final {
public:
    // Makes the QApplication when none exists yet (and then owns it), installs the font
    // substitutions, the input rules (disabled windows, left-button release, Esc) and sets the
    // current directory to the program's folder.
    WindowLayer(int& argc, char** argv);
    ~WindowLayer();
    WindowLayer(const WindowLayer&) = delete;
    WindowLayer& operator=(const WindowLayer&) = delete;

    static WindowLayer& instance();

    // The program's own icon: windows without an icon of their own show it. Picture bytes.
    void setProgramIcon(const ByteBuffer& iconBytes);

    // The exit code that endProgram was given, or -1 while the program runs.
    std::int32_t endedWithCode() const;

    LayerState& state() { return *state_; }

private:
    std::unique_ptr<QApplication> ownedApplication_;
    std::unique_ptr<LayerState> state_;
};

enum class Modality : std::uint8_t { Modeless, Modal };

// Creates the window from its definition (controls in stored order, list items), raises
// created, centres and shows it. Modeless: returns true once shown. Modal: disables every other
// window, remembering each one's state, runs a nested message loop until this window has been
// destroyed, restores each remembered state when it closes, then returns true. The caller stays
// suspended meanwhile, while other handlers run.
bool loadWindow(const WindowDefinition& definition, Modality modality);

// The open window made from this definition (the newest one), or null.
Window* openWindow(const WindowDefinition& definition);

// Runs the message loop until endProgram; gives the exit code.
std::int32_t runMessageLoop();

// Handles every event already waiting (input, painting, socket notices, posted handlers, the
// destruction of closed windows), then returns; with an empty queue it returns at once. It does
// not wait for anything new. After endProgram it returns without handling anything.
void processPendingEvents();

// Window messages that sendControlMessage understands (the numbers of the original platform).
inline constexpr std::uint32_t WM_NCLBUTTONDOWN = 0x00A1;
inline constexpr std::int32_t HTCAPTION = 2;

// Sends the message to the control and waits until it has been handled; gives the result.
// WM_NCLBUTTONDOWN with HTCAPTION to a transparent label runs the move loop: while the left
// button stays down the label follows the pointer within its parent (Esc puts it back); the
// call returns when the button is released (at once when it is not down). Gives 0. Anything
// else is not understood and gives 0.
std::int32_t sendControlMessage(Control& control, std::uint32_t message, std::int32_t wParam,
                                std::int32_t lParam);

// Adds a routine for endProgram to run; a routine already in the list is not added again.
void addExitRoutine(ExitRoutine routine);

// Runs the exit routines in the order they were added, closes every open window without
// raising further events, and ends the message loop: runMessageLoop returns the code. Only the
// first call counts.
void endProgram(std::int32_t exitCode);

} // namespace zanvik
