// Pictures out of the window: copy to the clipboard as an image, save as PNG or SVG.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>

namespace emberlin::ui {

// Paints a picture (with the caption of the inputs that produced it) into a rectangle of
// `size` device units starting at the origin.
using PicturePainter = std::function<void(QPainter& painter, const QSize& size)>;

// The picture as an image of `size` pixels on white.
QImage RenderPicture(const PicturePainter& paint, const QSize& size);

// Writes the picture to `path`: SVG when the name ends in ".svg" (any letter case), PNG
// otherwise. The file appears whole or not at all (written beside it, then renamed). On a
// refusal returns false and says why in `reason`.
bool SavePicture(const QString& path, const PicturePainter& paint, const QSize& size,
                 QString* reason);

// Puts the picture on the clipboard as an image.
void CopyPicture(const PicturePainter& paint, const QSize& size);

// A row of two buttons, "Copy" and "Save...", for a picture whose size is asked when it is
// used. Save asks for a file name and shows a message naming the path and the reason when
// the file cannot be written.
QWidget* MakeExportButtons(QWidget* parent, PicturePainter paint, std::function<QSize()> size,
                           const QString& suggestedName);

}  // namespace emberlin::ui
