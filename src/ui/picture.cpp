#include "ui/picture.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace emberlin::ui {

namespace {

QString PathFor(const QString& name) { return QStringLiteral(":/images/%1.svg").arg(name); }

// Draws its SVG once, on first paint, into a pixmap at the screen's pixel ratio, and blits
// that pixmap afterwards: the scenes are large drawings, too slow to re-render on each paint
// and needless to render for windows that are never opened.
class SvgPicture : public QWidget {
public:
    SvgPicture(const QString& path, QSize size, QWidget* parent)
        : QWidget(parent), path_(path) {
        setFixedSize(size);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const qreal ratio = devicePixelRatioF();
        if (cache_.isNull() || cache_.devicePixelRatio() != ratio) {
            cache_ = QPixmap(size() * ratio);
            cache_.setDevicePixelRatio(ratio);
            cache_.fill(Qt::transparent);
            QPainter cachePainter(&cache_);
            QSvgRenderer renderer(path_);
            renderer.render(&cachePainter, QRectF(QPointF(0, 0), QSizeF(size())));
        }
        QPainter painter(this);
        painter.drawPixmap(0, 0, cache_);
    }

private:
    QString path_;
    QPixmap cache_;
};

}  // namespace

QSize PictureSize(const QString& name) {
    if (!QFile::exists(PathFor(name))) return {};
    QSvgRenderer renderer(PathFor(name));
    return renderer.defaultSize();
}

QWidget* MakePicture(const QString& name, const QString& title, QWidget* parent) {
    QWidget* picture = nullptr;
    const QSize size = PictureSize(name);
    if (size.isValid()) {
        picture = new SvgPicture(PathFor(name), size, parent);
    } else {
        auto* frame = new QLabel(title, parent);
        frame->setFrameShape(QFrame::Box);
        frame->setAlignment(Qt::AlignCenter);
        frame->setMinimumSize(120, 90);
        picture = frame;
    }
    picture->setObjectName(name);
    picture->setAccessibleName(title);
    picture->setToolTip(title);
    return picture;
}

}  // namespace emberlin::ui
