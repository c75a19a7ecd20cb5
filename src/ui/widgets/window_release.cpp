#include "ui/widgets/window_release.h"

#include <QBackingStore>
#include <QPixmapCache>
#include <QWidget>
#include <QWindow>

#if defined(__GLIBC__)
#include <link.h>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#endif

namespace emberlin::ui {

namespace {

#if defined(__GLIBC__)
// The program's read-only data (the built-in pictures, the guide, tables and texts) are
// pages of its file, counted as its memory once read. A closed window's pictures are let go:
// the pages stay in the system's file cache, and what is read again is mapped again at once.
// Only segments that are read-only in the file are let go; the relocated ones (written at
// load) are kept.
void LetGoOfReadOnlyData() {
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void*) {
            const auto here = reinterpret_cast<std::uintptr_t>(&LetGoOfReadOnlyData);
            auto segment = [info](int i) -> const ElfW(Phdr) & { return info->dlpi_phdr[i]; };
            bool ours = false;
            for (int i = 0; i < info->dlpi_phnum && !ours; ++i) {
                const std::uintptr_t start = info->dlpi_addr + segment(i).p_vaddr;
                ours = segment(i).p_type == PT_LOAD && here >= start &&
                       here < start + segment(i).p_memsz;
            }
            if (!ours) return 0;
            const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                if (segment(i).p_type != PT_LOAD || segment(i).p_flags != PF_R) continue;
                const std::uintptr_t start = info->dlpi_addr + segment(i).p_vaddr;
                const std::uintptr_t first = (start + page - 1) & ~(page - 1);
                const std::uintptr_t end = (start + segment(i).p_memsz) & ~(page - 1);
                if (end > first)
                    madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
            }
            return 1;
        },
        nullptr);
}
#endif

}  // namespace

void ReleaseClosedWindow(QWidget& window) {
    QList<QWidget*> windows = window.findChildren<QWidget*>();
    windows.append(&window);
    for (QWidget* widget : windows) {
        if (!widget->isWindow() || widget->isVisible()) continue;
        if (widget == &window) {
            // The closed window keeps pixels of the size of a reference panel or the FWI
            // Calculator, and reopens at once; a calculator's screenful goes.
            const qreal ratio = widget->devicePixelRatioF();
            const qreal pixels = widget->width() * ratio * widget->height() * ratio;
            if (pixels <= kKeptWindowPixels) continue;
        }
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
    LetGoOfReadOnlyData();
#endif
}

}  // namespace emberlin::ui
