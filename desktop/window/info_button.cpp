#include "desktop/window/info_button.h"

namespace {

// A closed window is only deleted once control is back in the event loop; until then it is
// hidden and no longer counts as open.
InfoWindow* openOrNull(const QPointer<InfoWindow>& window) {
    return window != nullptr && !window->isHidden() ? window.data() : nullptr;
}

} // namespace

InfoButton::InfoButton(QObject* parent) : QObject(parent) {}

InfoButton::~InfoButton() {
    for (auto& [name, window] : windows_) {
        delete window.data();
    }
}

void InfoButton::show(const std::optional<InfoPage>& page) {
    if (!page) {
        return;
    }
    QPointer<InfoWindow>& window = windows_[page->name];
    const bool created = openOrNull(window) == nullptr;
    const bool toCorner = created && page->opensAtScreenCorner;
    if (created) {
        window = new InfoWindow(*page);
        if (toCorner) {
            window->moveToScreenCorner();
        }
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    // The window system may have placed the new window elsewhere.
    if (toCorner) {
        window->moveToScreenCorner();
    }
    window->raise();
    window->activateWindow();
}
