#include "foundation/windows/windowlayer.h"

#include "foundation/windows/fontsubstitutions.h"
#include "foundation/windows/inputrules.h"
#include "foundation/windows/layerstate.h"
#include "foundation/windows/moveloop.h"
#include "foundation/windows/picturebytes.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QIcon>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace zanvik {
namespace {

// The one layer of the process, like qApp: set by the WindowLayer constructor, cleared by its
// destructor.
WindowLayer* theLayer = nullptr;

LayerState& layer() {
    return WindowLayer::instance().state();
}

// Disables every other open window, remembering each one's state, until restore().
class OtherWindowsDisabled final {
public:
    OtherWindowsDisabled(LayerState& state, const Window& modal) : state_(state) {
        for (const auto& window : state.windows()) {
            if (window.get() != &modal) {
                remembered_.emplace_back(window.get(), window->disabled());
                window->setDisabled(true);
            }
        }
    }
    ~OtherWindowsDisabled() { restore(); }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

    void restore() {
        for (auto& [window, wasDisabled] : remembered_) {
            if (state_.isOpen(window)) {
                window->setDisabled(wasDisabled);
            }
        }
        remembered_.clear();
    }

private:
    LayerState& state_;
    std::vector<std::pair<Window*, bool>> remembered_;
};

} // namespace

WindowLayer::WindowLayer(int& argc, char** argv) {
    if (theLayer != nullptr) {
        std::fprintf(stderr, "window layer: made twice\n");
        std::abort();
    }
    if (QApplication::instance() == nullptr) {
        ownedApplication_ = std::make_unique<QApplication>(argc, argv);
    }
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    QApplication::setFont(fontFromSpec(std::nullopt));
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    state_ = std::make_unique<LayerState>();
    theLayer = this;
    auto* rules = new InputRules(*state_);
    rules->setParent(state_.get());
    qApp->installEventFilter(rules);
}

WindowLayer::~WindowLayer() {
    state_->destroyAllWindows(); // while the controls can still reach the layer
    state_.reset();
    theLayer = nullptr;
}

WindowLayer& WindowLayer::instance() {
    if (theLayer == nullptr) {
        std::fprintf(stderr, "window layer: used before it was made\n");
        std::abort();
    }
    return *theLayer;
}

void WindowLayer::setProgramIcon(const ByteBuffer& iconBytes) {
    const QImage icon = imageFromPictureBytes(iconBytes);
    if (!icon.isNull()) {
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    }
}

std::int32_t WindowLayer::endedWithCode() const {
    return state_->exitCode;
}

bool loadWindow(const WindowDefinition& definition, Modality modality) {
    LayerState& state = layer();
    if (state.exitCode >= 0) {
        return false;
    }
    Window& window = state.adopt(std::make_unique<Window>(definition));
    window.buildControls();
    state.runHandler(window, [&window, &definition] {
        if (definition.created) {
            definition.created(window);
        }
    });
    if (!state.isOpen(&window) || window.closing()) {
        return true;
    }
    window.showCentred();
    if (modality == Modality::Modeless) {
        return true;
    }
    Window* const modal = &window;
    OtherWindowsDisabled others(state, window);
    QEventLoop loop;
    bool destroyed = false;
    QObject::connect(&state, &LayerState::windowClosed, &loop, [&others, modal](Window* closed) {
        if (closed == modal) {
            others.restore();
        }
    });
    QObject::connect(&state, &LayerState::windowDestroyed, &loop,
                     [&loop, &destroyed, modal](Window* gone) {
                         if (gone == modal) {
                             destroyed = true;
                             loop.quit();
                         }
                     });
    while (!destroyed && state.exitCode < 0) {
        loop.exec();
    }
    return true;
}

Window* openWindow(const WindowDefinition& definition) {
    return layer().newestWindowOf(definition);
}

std::int32_t runMessageLoop() {
    LayerState& state = layer();
    if (state.exitCode < 0) {
        QApplication::exec();
    }
    return std::max(state.exitCode, 0);
}

void processPendingEvents() {
    if (layer().exitCode >= 0) {
        return;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Closed windows are destroyed by posted calls; let those run too.
    QCoreApplication::sendPostedEvents(nullptr, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::int32_t sendControlMessage(Control& control, std::uint32_t message, std::int32_t wParam,
                                std::int32_t /*lParam*/) {
    if (message == WM_NCLBUTTONDOWN && wParam == HTCAPTION &&
        control.kind() == ControlKind::TransparentLabel) {
        runMoveLoop(control, layer());
    }
    return 0;
}

void addExitRoutine(ExitRoutine routine) {
    auto& routines = layer().exitRoutines;
    if (routine != nullptr &&
        std::find(routines.begin(), routines.end(), routine) == routines.end()) {
        routines.push_back(routine);
    }
}

void endProgram(std::int32_t exitCode) {
    LayerState& state = layer();
    if (state.exitCode >= 0) {
        return;
    }
    state.exitCode = std::max(exitCode, 0);
    for (ExitRoutine routine : state.exitRoutines) {
        routine();
    }
    state.destroyAllWindows();
    QCoreApplication::exit(state.exitCode);
}

} // namespace zanvik
