#pragma once

// An open window built from a WindowDefinition: the top-level widget and its controls by name.
// It exists from loadWindow until it is closed; the layer owns it. Every operation runs on the
// UI thread.

#include "foundation/values/text.h"
#include "foundation/windows/control.h"
#include "foundation/windows/windowdefinition.h"

#include <memory>
#include <string_view>
#include <vector>

class QWidget;

namespace zanvik {

class WindowWidget;

class Window final {
public:
    explicit Window(const WindowDefinition& definition);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const WindowDefinition& definition() const { return *definition_; }
    // The top-level widget; its client area is the whole widget.
    QWidget* widget() const;

    // The control of that name (UTF-8, as in the definition). A name that is not in the
    // definition is a programming error: the program stops with a message.
    Control& control(std::string_view name) const;
    // The control of that name, or null.
    Control* findControl(std::string_view name) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // The title bar text; written at once, an empty caption gives an empty title bar.
    void setCaption(const Text& caption);
    Text caption() const;

    // Hidden windows keep their place; showing one again puts it where it was.
    void setVisible(bool visible);
    bool visible() const;
    // A disabled window takes no input (mouse, keys, close button) but looks as before; its
    // controls keep their own disabled state.
    void setDisabled(bool disabled);
    bool disabled() const { return disabled_; }

    // Asks the window to close, exactly as its close button does.
    void close();
    bool closing() const { return closing_; }

    // For the layer.
    void buildControls();
    void markClosing() { closing_ = true; }
    void showCentred();

private:
    const WindowDefinition* definition_;
    std::unique_ptr<WindowWidget> widget_;
    std::vector<std::unique_ptr<Control>> controls_;
    bool disabled_ = false;
    bool closing_ = false;
};

} // namespace zanvik
