#pragma once

// A control of an open window, built from its ControlDefinition row. The window owns it; it lives
// until the window is destroyed. Every operation runs on the UI thread, except text(), which may
// be called from any thread (the read is carried out on the UI thread while the caller waits).
// An operation that does not apply to the control's kind does nothing (and reads give empty
// values).

#include "foundation/values/bytebuffer.h"
#include "foundation/values/text.h"
#include "foundation/windows/windowdefinition.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

class QWidget;

namespace zanvik {

class Control final {
public:
    Control(const ControlDefinition& definition, QWidget* widget, Window& window);
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const ControlDefinition& definition() const { return *definition_; }
    ControlKind kind() const { return definition_->kind; }
    std::string_view name() const { return definition_->name; }
    Window& window() const { return *window_; }
    // The control's widget (null for a non-visual control). For services that draw or grab it.
    QWidget* widget() const { return widget_; }

    // Shown or hidden. A control on a tab page that is not current stays hidden whatever this
    // says, and shows again with its page.
    void setVisible(bool visible);
    bool visible() const { return visible_; }
    void setDisabled(bool disabled);
    bool disabled() const { return disabled_; }

    // Label, transparent label, edit box: the text; button, group box: the caption.
    void setText(const Text& text);
    Text text() const;

    // Picture box: new picture bytes (undecodable or empty bytes leave only the back colour);
    // GIFs with several frames animate. Display mode 0..2; values outside are clamped.
    void setPicture(const ByteBuffer& bytes);
    void setDisplayMode(std::int32_t mode);
    std::int32_t displayMode() const;

    // Tab control: the page shown (from 0); an index out of range is ignored.
    void setCurrentPage(std::int32_t page);
    std::int32_t currentPage() const;

    // Non-visual control: owns one object of any type, made in place; a second attach replaces
    // (and destroys) the first. The object is destroyed with the window, after willBeDestroyed.
    template <class T, class... Args> T& attach(Args&&... args) {
        auto holder = std::make_unique<HeldObject<T>>(std::forward<Args>(args)...);
        T& object = holder->object;
        attached_ = std::move(holder);
        return object;
    }
    // The attached object when it is a T, else null.
    template <class T> T* attached() const {
        auto* holder = dynamic_cast<HeldObject<T>*>(attached_.get());
        return holder != nullptr ? &holder->object : nullptr;
    }

    // For the layer: whether the control's tab page (if any) is the current one.
    void setOnCurrentPage(bool current);

private:
    struct Held {
        virtual ~Held() = default;
    };
    template <class T> struct HeldObject final : Held {
        template <class... Args>
        explicit HeldObject(Args&&... args) : object(std::forward<Args>(args)...) {}
        T object;
    };

    void applyVisibility();

    const ControlDefinition* definition_;
    QWidget* widget_;
    Window* window_;
    bool visible_;
    bool disabled_;
    bool onCurrentPage_ = true;
    std::unique_ptr<Held> attached_;
};

} // namespace zanvik
