// What a closed window gives back while its widgets stay for the next opening.
#pragma once

class QWidget;

namespace emberlin::ui {

// Gives back what a closed window and the windows it opened (charts, fire shapes) hold for
// the display: each backing store, a screen's worth of pixels, and native window; then
// GiveBackMemory. A closed window of at most kKeptWindowPixels keeps its pixels and reopens
// at once. The widgets and their values stay; a released window makes its native window and
// pixels anew when shown.
inline constexpr double kKeptWindowPixels = 400'000;  // 1.6 MB, some 830 x 480 pixels
void ReleaseClosedWindow(QWidget& window);

// Gives the memory that closed windows freed back to the system: the style's cached pixmaps,
// the allocator's free pages and the pages of built-in data (pictures) read for them.
void GiveBackMemory();

}  // namespace emberlin::ui
