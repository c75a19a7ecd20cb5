#include "ui/pictures/picture.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <future>

#include "ui/widgets/drawing_modules.h"

namespace emberlin::ui {

namespace {

int rendered = 0;

// The sizes read from each picture's root element when the program was built.
struct KnownSize {
    const char* name;
    int width;
    int height;
};
constexpr KnownSize kKnownSizes[] = {
#include "picture_sizes.inc"
    {"", 0, 0},  // ends the list
};

QString PathFor(const QString& name) { return QStringLiteral(":/images/%1.svg").arg(name); }

// Shows a picture from the bitmap drawn for the screen's scale when the program was built
// (one or two device pixels a pixel; at two it stays sharp on a high-density screen).
// Another scale, or a picture without its bitmap, draws its SVG once, on first paint, into a
// pixmap at that scale: the scenes are large drawings, too slow to parse on each paint and
// needless to draw for windows that are never opened.
class SvgPicture : public QWidget {
  public:
    SvgPicture(const QString& name, QSize size, QWidget* parent) : QWidget(parent), name_(name) {
        setFixedSize(size);
        // The bitmap is unpacked on another thread while the window is built and laid out,
        // ready (or nearly) by its first paint.
        const qreal ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1;
        if (HasBitmap(ratio)) {
            unpackedRatio_ = ratio;
            unpacked_ = std::async(std::launch::async,
                                   [path = BitmapPath(ratio)] { return QImage(path, "PNG"); });
        }
    }

  protected:
    // A picture hidden in a window still shown (another page of a gallery) gives its pixmap
    // back, read again when it next paints; a closed window keeps it for its reopening.
    void hideEvent(QHideEvent*) override {
        if (window()->isVisible()) cache_ = QPixmap();
    }
    void paintEvent(QPaintEvent*) override {
        const qreal ratio = devicePixelRatioF();
        if (cache_.isNull() || cache_.devicePixelRatio() != ratio) Draw(ratio);
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), cache_);
    }

  private:
    static bool HasBitmap(qreal ratio) { return ratio == 1 || ratio == 2; }
    QString BitmapPath(qreal ratio) const {
        return QStringLiteral(":/prerendered/%1_x%2.png").arg(name_).arg(static_cast<int>(ratio));
    }

    void Draw(qreal ratio) {
        ++rendered;
        if (HasBitmap(ratio)) {
            QImage bitmap = unpacked_.valid() && unpackedRatio_ == ratio
                                ? unpacked_.get()
                                : QImage(BitmapPath(ratio), "PNG");
            if (bitmap.size() == size() * ratio) {
                cache_ = QPixmap::fromImage(std::move(bitmap));
                cache_.setDevicePixelRatio(ratio);
                return;
            }
        }
        cache_ = QPixmap(size() * ratio);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(Qt::transparent);
        QPainter cachePainter(&cache_);
        if (!LoadDrawingModules()) return;  // left blank rather than drawn without the module
        QSvgRenderer renderer(PathFor(name_));
        renderer.render(&cachePainter, QRectF(QPointF(0, 0), QSizeF(size())));
    }

    QString name_;
    QPixmap cache_;
    std::future<QImage> unpacked_;  // the bitmap for the first paint, until it is taken
    qreal unpackedRatio_ = 0;
};

}  // namespace

int PicturesRendered() { return rendered; }

// Reads the size from the root element's width and height alone: parsing a whole scene
// only to learn its size would cost most of the program's start-up.
QSize PictureSize(const QString& name) {
    // A bundled picture whose size was read when the program was built: nothing to unpack.
    for (const KnownSize& known : kKnownSizes) {
        if (name == QLatin1String(known.name) && known.width > 0 && known.height > 0) {
            if (QResource(PathFor(name)).isValid()) return QSize(known.width, known.height);
            return {};
        }
    }
    QFile file(PathFor(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader reader(&file);
    if (reader.readNextStartElement() && reader.name() == QLatin1String("svg")) {
        const QXmlStreamAttributes attributes = reader.attributes();
        auto pixels = [&](QLatin1String attribute) {
            QString text = attributes.value(attribute).toString().trimmed();
            if (text.endsWith(QLatin1String("px"))) text.chop(2);
            bool ok = false;
            const double value = text.toDouble(&ok);
            return ok && value > 0 && value < 10000 ? qRound(value) : 0;
        };
        const QSize size(pixels(QLatin1String("width")), pixels(QLatin1String("height")));
        if (size.isValid() && !size.isEmpty()) return size;
    }
    if (!LoadDrawingModules()) return {};
    QSvgRenderer renderer(PathFor(name));
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}

QWidget* MakePicture(const QString& name, const QString& title, QWidget* parent) {
    QWidget* picture = nullptr;
    const QSize size = PictureSize(name);
    if (size.isValid()) {
        picture = new SvgPicture(name, size, parent);
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
