#include "ui/picture.h"

#include <QFile>
#include <QLabel>
#include <QSvgRenderer>
#include <QSvgWidget>

namespace emberlin::ui {

namespace {
QString PathFor(const QString& name) { return QStringLiteral(":/images/%1.svg").arg(name); }
}  // namespace

QSize PictureSize(const QString& name) {
    if (!QFile::exists(PathFor(name))) return {};
    QSvgRenderer renderer(PathFor(name));
    return renderer.defaultSize();
}

QWidget* MakePicture(const QString& name, const QString& title, QWidget* parent) {
    if (QFile::exists(PathFor(name))) {
        auto* svg = new QSvgWidget(PathFor(name), parent);
        const QSize size = svg->renderer()->defaultSize();
        svg->setFixedSize(size);
        svg->setObjectName(name);
        svg->setAccessibleName(title);
        svg->setToolTip(title);
        return svg;
    }
    auto* frame = new QLabel(title, parent);
    frame->setObjectName(name);
    frame->setAccessibleName(title);
    frame->setFrameShape(QFrame::Box);
    frame->setAlignment(Qt::AlignCenter);
    frame->setMinimumSize(120, 90);
    return frame;
}

}  // namespace emberlin::ui
