#include "ui/pictures/picture_export.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QSvgGenerator>

#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/file_answers.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

QImage RenderPicture(const PicturePainter& paint, const QSize& size, double scale) {
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    // The painter keeps the picture's own units; the pixels are `scale` times as many.
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, size);
    painter.end();
    return image;
}

double PngScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return 2.0 * (screen != nullptr ? screen->devicePixelRatio() : 1.0);
}

bool SavePicture(const QString& path, const PicturePainter& paint, const QSize& size,
                 QString* reason) {
    // Drawn whole in memory first, then written as one file that replaces the old one only
    // once every byte is on the disk.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(QStringLiteral("EMBERLIN"));
        QPainter painter;
        if (!painter.begin(&generator)) {
            if (reason != nullptr) *reason = QStringLiteral("the SVG could not be started");
            return false;
        }
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        paint(painter, size);
        painter.end();
    } else if (!RenderPicture(paint, size, PngScale()).save(&buffer, "PNG")) {
        if (reason != nullptr) *reason = QStringLiteral("the PNG could not be written");
        return false;
    }
    const QString failure = WriteFileAtomically(path, bytes);
    if (reason != nullptr) *reason = failure;
    return failure.isEmpty();
}

void CopyPicture(const PicturePainter& paint, const QSize& size) {
    QApplication::clipboard()->setImage(RenderPicture(paint, size, 1.0));
}

QWidget* MakeExportButtons(QWidget* parent, PicturePainter paint, std::function<QSize()> size,
                           const QString& suggestedName) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* copy =
        NamedButton(QStringLiteral("Copy"), QStringLiteral("copyPicture"),
                    QStringLiteral("Copy the picture to the clipboard as an image"), row);
    QPushButton* save = NamedButton(QStringLiteral("Save..."), QStringLiteral("savePicture"),
                                    QStringLiteral("Save the picture as PNG or SVG"), row);
    layout->addStretch(1);
    layout->addWidget(copy);
    layout->addWidget(save);
    QObject::connect(copy, &QPushButton::clicked, row,
                     [paint, size] { CopyPicture(paint, size()); });
    QObject::connect(save, &QPushButton::clicked, row, [row, paint, size, suggestedName] {
        const QString path =
            AskSaveFileName(row->window(), QStringLiteral("Save picture"),
                            QDir::home().filePath(suggestedName + QStringLiteral(".png")),
                            QStringLiteral("PNG image (*.png);;SVG drawing (*.svg)"));
        if (path.isEmpty()) return;
        QString reason;
        if (!SavePicture(path, paint, size(), &reason)) {
            ShowProgramMessage(row->window(),
                               QStringLiteral("The picture could not be saved to %1: %2")
                                   .arg(QDir::toNativeSeparators(path), reason));
        }
    });
    return row;
}

}  // namespace emberlin::ui
