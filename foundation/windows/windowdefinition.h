#pragma once

// The stored definition of a window: its own settings and its controls in their stored order.
// A definition is plain data, written as a table next to the window's handlers; the layer builds
// a fresh window from it on every loadWindow. Nothing in this header needs Qt.
//
// Texts stored in a definition (captions, label texts, list items, page titles, names, font
// faces) are UTF-8 string literals of the source. Texts read and written at run time are Text
// values in GBK (see control.h).

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace zanvik {

class Window;
class Control;

enum class ControlKind : std::uint8_t {
    PictureBox,
    Label,
    TransparentLabel,
    EditBox,
    Button,
    GroupBox,
    TabControl,
    ListBox,
    // Shows nothing; the window's code attaches an object to it (a server link, dialog settings).
    NonVisual,
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A colour: an RGB value, the system's button-face colour, or the usual colour of the control's
// kind (button face for the window, labels and picture boxes; window white for edit and list
// boxes; black for text).
struct Colour {
    enum class Source : std::uint8_t { KindDefault, ButtonFace, Rgb };
    Source source = Source::KindDefault;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    static constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return {Source::Rgb, r, g, b};
    }
    static constexpr Colour buttonFace() { return {Source::ButtonFace, 0, 0, 0}; }
    friend bool operator==(const Colour&, const Colour&) = default;
};

// A font: face name, character height in pixels, weight (400 normal, 700 bold), italic. Faces
// missing on this system are substituted (see fontsubstitutions.h). The character set is kept
// for completeness; Qt picks glyphs by the text itself.
struct FontSpec {
    std::string_view face;
    std::int32_t height = 12;
    std::int32_t weight = 400;
    bool italic = false;
    bool gb2312 = false;
};

enum class HorizontalAlignment : std::uint8_t { Left, Centre, Right };
enum class VerticalAlignment : std::uint8_t { Top, Centre, Bottom };
// None; a one-pixel single line (picture boxes); sunken (edit boxes, list boxes).
enum class Border : std::uint8_t { None, Single, Sunken };
enum class CursorShape : std::uint8_t { Arrow, Hand };
enum class WindowBorder : std::uint8_t { None, Fixed, Resizable };

// What leftButtonDown and leftButtonUp carry: the place in the control's client area and the
// modifier keys held, added together.
struct MouseEvent {
    static constexpr std::int32_t ctrl = 1;
    static constexpr std::int32_t shift = 2;
    static constexpr std::int32_t alt = 4;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t modifiers = 0;
};

// Handlers run on the UI thread and get the window whose control (or which itself) raised the
// event. An empty handler means the event is not handled.
using Handler = std::function<void(Window&)>;
using MouseHandler = std::function<void(Window&, const MouseEvent&)>;
// Called once for a non-visual control while its window is being built, in stored order, so
// that the window's code can attach its object (see Control::attach).
using NonVisualSetUp = std::function<void(Window&, Control&)>;

// Picture display modes of a picture box: 0 own size at the top-left corner, 1 stretched to
// fill the box, 2 centred and shrunk to fit keeping the aspect ratio (never enlarged).
inline constexpr std::int32_t displayModeNatural = 0;
inline constexpr std::int32_t displayModeStretch = 1;
inline constexpr std::int32_t displayModeFit = 2;

// Window background modes: 0 own size at the top-left, 1 tiled from the top-left, 2 centred and
// shrunk to fit (never enlarged), 3 stretched over the client area.
inline constexpr std::int32_t backgroundNatural = 0;
inline constexpr std::int32_t backgroundTiled = 1;
inline constexpr std::int32_t backgroundFit = 2;
inline constexpr std::int32_t backgroundStretch = 3;

// One control row. Write rows with designated initialisers, fields in this order; the fields a
// kind does not use are ignored.
struct ControlDefinition {
    ControlKind kind = ControlKind::Label;
    std::string_view name;   // unique within the window
    std::string_view parent; // empty: the window; else the name of a group box or tab control
    std::int32_t page = 0;   // the page (from 0) when the parent is a tab control
    // Relative to the parent's client area; inside a group box or tab control, relative to the
    // container's whole rectangle (its title or tab strip included). Outer size.
    Rect place;
    bool visible = true;
    bool disabled = false;
    bool tabStop = false;
    CursorShape cursor = CursorShape::Arrow;

    // Label, transparent label and edit box text; button, group box caption ("&" marks the
    // Alt-key letter of a button).
    std::string_view text;
    std::optional<FontSpec> font; // none: the system's default GUI font
    Colour textColour;
    Colour backColour;
    HorizontalAlignment horizontalAlignment = HorizontalAlignment::Left; // also group box caption
    VerticalAlignment verticalAlignment = VerticalAlignment::Top;
    bool wordWrap = false;
    Border border = Border::None;
    bool readOnly = false; // edit box

    // Picture box: the picture as a resource or file path read when the window is built (empty:
    // no picture); display mode 0..2; GIF animation.
    std::string_view picture;
    std::int32_t displayMode = displayModeNatural;
    bool playAnimation = true;

    std::vector<std::string_view> items;      // list box entries
    std::vector<std::string_view> pageTitles; // tab control pages
    std::int32_t currentPage = 0;             // tab control page shown first

    MouseHandler leftButtonDown; // picture box, transparent label
    MouseHandler leftButtonUp;   // picture box
    Handler clicked;             // button
    Handler textChanged;         // edit box
    Handler listItemSelected;    // list box, user changes only
    NonVisualSetUp setUp;        // non-visual control
};

struct WindowDefinition {
    std::string_view caption;
    Size outerSize; // title bar and frame included; the client area is outerSize - (6, 28)
    WindowBorder border = WindowBorder::Fixed;
    bool closeButton = true; // with the system menu
    bool minimiseButton = false;
    bool maximiseButton = false;
    Colour backColour = Colour::buttonFace();
    std::string_view backgroundPicture; // resource or file path; empty: none
    std::int32_t backgroundMode = backgroundNatural;
    std::string_view icon; // resource or file path; empty: the program's icon
    bool escCloses = true;

    Handler created;         // after all controls exist, before the first show
    Handler willBeDestroyed; // after the window was closed, before its controls go
    std::vector<ControlDefinition> controls;
};

} // namespace zanvik
