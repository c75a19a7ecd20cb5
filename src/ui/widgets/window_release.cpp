#include "ui/widgets/window_release.h"

#include <QBackingStore>
#include <QPixmapCache>
#include <QWidget>
#include <QWindow>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace emberlin::ui {

void ReleaseClosedWindow(QWidget& window) {
    QList<QWidget*> windows = window.findChildren<QWidget*>();
    windows.append(&window);
    for (QWidget* widget : windows) {
        if (!widget->isWindow() || widget->isVisible()) continue;
        // The backing store keeps its pixels until it is resized, native window or not; the
        // next paint sizes it to the window again.
        if (QBackingStore* store = widget->backingStore(); store != nullptr) {
            store->resize(QSize(1, 1));
        }
        if (QWindow* native = widget->windowHandle(); native != nullptr) native->destroy();
    }
    GiveBackMemory();
}

void GiveBackMemory() {
    // The style's drawn bevels and gradients of the closed window's sizes.
    QPixmapCache::clear();
#if defined(__GLIBC__)
    // The pages freed by the window's pictures, charts and widgets go back to the system
    // rather than waiting in the allocator's pools.
    malloc_trim(0);
#endif
}

}  // namespace emberlin::ui
