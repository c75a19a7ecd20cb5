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

// A picture and the size it is drawn for (it scales to any other).
struct SizedPicture {
    PicturePainter paint;  // null: no picture
    QSize size;
};

// The picture as an image on white, `scale` pixels to each of its `size` units.
QImage RenderPicture(const PicturePainter& paint, const QSize& size, double scale = 1.0);

// How many pixels a saved PNG has to each unit of its picture: twice the screen's own, so
// that it stays sharp on a slide or a printed page.
double PngScale();

// Writes the picture to `path`: SVG when the name ends in ".svg" (any letter case), PNG at
// PngScale() otherwise. The file appears whole or not at all (written beside it, then renamed). On
// a refusal returns false and says why in `reason`.
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
