#include "ui/pictures/fire_shape_view.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

namespace {

constexpr double kMaxPixelsPerMetre = 40.0;  // a fire of a few metres is not blown up further
constexpr double kArrowRowHeight = 20.0;

QPointF Towards(double compassDegrees, double length) {
    const double r = compassDegrees * std::numbers::pi / 180.0;
    return {length * std::sin(r), -length * std::cos(r)};
}

// A line from `from` with a filled head at its end.
void DrawArrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.save();
    p.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length > 0.0) {
        const QPointF u = d / length, n(-u.y(), u.x());
        QPolygonF head;
        head << to << to - u * 8.0 + n * 4.0 << to - u * 8.0 - n * 4.0;
        p.setBrush(colour);
        p.setPen(Qt::NoPen);
        p.drawPolygon(head);
    }
    p.restore();
}

struct Mapping {
    QRectF rect;
    forms::ShapeFit fit;
    QPointF operator()(const forms::PlanePoint& q) const {
        return {rect.left() + fit.originX + q.east * fit.pixelsPerMetre,
                rect.top() + fit.originY - q.north * fit.pixelsPerMetre};
    }
};

void DrawEllipse(QPainter& p, const Mapping& map, const forms::FireEllipse& e) {
    const double a = e.semiMajor * map.fit.pixelsPerMetre;
    const double b = e.semiMinor * map.fit.pixelsPerMetre;
    p.save();
    p.translate(map(e.centre));
    p.rotate(e.rotation);  // clockwise on the screen, as compass degrees turn
    p.drawEllipse(QRectF(-b, -a, 2.0 * b, 2.0 * a));
    p.restore();
}

// Diagonal lines across the inside of the ellipse, `spacing` pixels apart: the fire still reads
// as an area in black and white, where a pale fill alone vanishes. Lines, not a pattern brush,
// so that an SVG or a PDF holds them as drawn.
void HatchEllipse(QPainter& p, const Mapping& map, const forms::FireEllipse& e, double spacing) {
    const double a = e.semiMajor * map.fit.pixelsPerMetre;  // along the spread, on y
    const double b = e.semiMinor * map.fit.pixelsPerMetre;
    if (a < 1.0 || b < 1.0) return;
    p.save();
    p.translate(map(e.centre));
    p.rotate(e.rotation);
    // Lines y = x + c meet x^2/b^2 + y^2/a^2 = 1 where A x^2 + B x + C = 0.
    const double reach = std::hypot(a, b);
    const double step = spacing * std::numbers::sqrt2;
    QVarLengthArray<QLineF, 128> lines;  // drawn in one call: a call each cost more than the lines
    for (double c = -reach + std::fmod(reach, step); c < reach; c += step) {
        const double qa = 1.0 / (b * b) + 1.0 / (a * a);
        const double qb = 2.0 * c / (a * a);
        const double qc = c * c / (a * a) - 1.0;
        const double disc = qb * qb - 4.0 * qa * qc;
        if (disc <= 0.0) continue;
        const double x0 = (-qb - std::sqrt(disc)) / (2.0 * qa);
        const double x1 = (-qb + std::sqrt(disc)) / (2.0 * qa);
        lines.append(QLineF(x0, x0 + c, x1, x1 + c));
    }
    p.drawLines(lines.constData(), static_cast<int>(lines.size()));
    p.restore();
}

QColor ArrowColour(forms::ShapeArrowKind kind) {
    switch (kind) {
        case forms::ShapeArrowKind::Wind:
            return QColor(0x56, 0xB4, 0xE9);  // sky blue
        case forms::ShapeArrowKind::Upslope:
            return QColor(0x00, 0x9E, 0x73);  // bluish green
        case forms::ShapeArrowKind::Spread:
            return QColor(0x20, 0x20, 0x20);
    }
    return Qt::black;
}

}  // namespace

void DrawFireShape(QPainter& p, const QSize& size, const forms::FireShape& shape,
                   const QString& inputs, const QString& note) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);
    const QFontMetricsF metrics(font);
    QFont small = font;
    small.setPixelSize(10);
    const QFontMetricsF smallMetrics(small);
    const double width = size.width(), height = size.height();
    const double line = metrics.height();

    // The caption at the bottom: the description's lines (in two columns when they fit side
    // by side), then the inputs.
    const std::vector<std::string> lines = forms::CaptionLines(shape);
    std::size_t half = (lines.size() + 1) / 2;
    double leftWidth = 0, rightWidth = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double w = metrics.horizontalAdvance(QString::fromStdString(lines[i])) + 16.0;
        (i < half ? leftWidth : rightWidth) = std::max(i < half ? leftWidth : rightWidth, w);
    }
    const bool twoColumns = 8.0 + leftWidth + 16.0 + rightWidth <= width - 8.0;
    if (!twoColumns) half = lines.size();
    const double columnX = 8.0 + leftWidth + 16.0;
    QString footer = inputs;
    if (!note.isEmpty()) footer = note + QStringLiteral("\n") + inputs;
    const QRectF footerBox = smallMetrics.boundingRect(
        QRectF(0, 0, std::max(width - 16.0, 50.0), 1000.0), Qt::TextWordWrap, footer);
    const double captionHeight = static_cast<double>(half) * line + 6.0 + footerBox.height();
    const double captionTop = std::max(height - captionHeight - 6.0, height * 0.45);

    // Arrows in the top left, the north arrow top right, the scale bar under the drawing.
    const double header =
        std::max(48.0, static_cast<double>(shape.arrows.size()) * kArrowRowHeight + 10.0);
    const double scaleRow = 26.0;
    const QRectF drawing(0.0, header, width, std::max(captionTop - header - scaleRow, 20.0));
    const Mapping map{drawing, forms::FitShape(shape, drawing.width(), drawing.height(), 14.0,
                                               kMaxPixelsPerMetre)};
    const QColor colour(QString::fromStdString(shape.fireTypeKey.colour));

    // Earlier perimeters, thin and dark, under the fire.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.0, Qt::DashLine));
    for (const forms::FireEllipse& e : shape.outlines) DrawEllipse(p, map, e);

    const QPointF ignition = map(shape.ignition);
    if (!shape.noSpread) {
        QColor fill = colour;
        fill.setAlpha(90);
        p.setBrush(fill);
        // The outline dark enough to hold in grey, the hatch inside it.
        p.setPen(QPen(colour.darker(170), 2.0));
        DrawEllipse(p, map, shape.ellipse);
        p.setPen(QPen(colour.darker(160), 0.8));
        HatchEllipse(p, map, shape.ellipse, 7.0);
        // From the ignition point to the head.
        const forms::FireEllipse& e = shape.ellipse;
        const double r = e.rotation * std::numbers::pi / 180.0;
        const forms::PlanePoint head{shape.headDistance * std::sin(r),
                                     shape.headDistance * std::cos(r)};
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.0, Qt::DotLine));
        p.drawLine(ignition, map(head));
        // The line of a line ignition.
        if (shape.lineIgnition) {
            p.setPen(QPen(Qt::black, 3.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(map(shape.ignitionLine.from), map(shape.ignitionLine.to));
        }
    }
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::black);
    p.drawEllipse(ignition, 4.0, 4.0);
    if (shape.noSpread) {
        p.setPen(Qt::black);
        p.drawText(ignition + QPointF(10.0, 4.0), QString::fromUtf8(forms::kNoSpreadText));
    }

    // Wind, upslope and spread: direction arrows with their labels.
    double y = 14.0;
    for (const forms::ShapeArrow& arrow : shape.arrows) {
        const QPointF centre(18.0, y);
        const QPointF reach = Towards(arrow.direction, 8.0);
        DrawArrow(p, centre - reach, centre + reach, ArrowColour(arrow.kind));
        p.setPen(Qt::black);
        // Room is left on the right for the north arrow.
        const QString label = QString::fromStdString(arrow.label) + QStringLiteral(", to ") +
                              QString::number(std::lround(arrow.direction) % 360) +
                              QStringLiteral("\u00b0");
        p.drawText(QPointF(34.0, y + metrics.ascent() / 2.0 - 1.0),
                   metrics.elidedText(label, Qt::ElideRight, std::max(width - 80.0, 40.0)));
        y += kArrowRowHeight;
    }
    const QPointF northBase(width - 18.0, 40.0);
    DrawArrow(p, northBase, northBase - QPointF(0.0, 22.0), Qt::black);
    p.setPen(Qt::black);
    p.drawText(QRectF(width - 30.0, 2.0, 24.0, 16.0), Qt::AlignCenter, QStringLiteral("N"));

    // The scale bar: a round length in metres.
    const double barY = drawing.bottom() + 8.0;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(12.0, barY, map.fit.scaleBarPixels, 5.0));
    p.setPen(Qt::black);
    p.drawText(QPointF(18.0 + map.fit.scaleBarPixels, barY + 7.0),
               QString::fromStdString(map.fit.scaleBarLabel));

    // Caption.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double x = i < half ? 8.0 : columnX;
        const double baseline =
            captionTop + static_cast<double>(i % half) * line + metrics.ascent();
        QString text = QString::fromStdString(lines[i]);
        if (i + 1 == lines.size()) {  // the fire type, with its colour
            p.setPen(Qt::black);
            p.setBrush(colour);
            p.drawRect(QRectF(x, baseline - metrics.ascent() + 1.0, 10.0, 10.0));
            p.drawText(QPointF(x + 14.0, baseline), text);
        } else {
            p.drawText(QPointF(x, baseline), text);
        }
    }
    p.setFont(small);
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.drawText(QRectF(8.0, captionTop + static_cast<double>(half) * line + 6.0, width - 16.0,
                      footerBox.height() + 2.0),
               Qt::TextWordWrap, footer);
    p.restore();
}

FireShapeView::FireShapeView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fireShapeView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void FireShapeView::SetShape(const forms::FireShape& shape, const QString& inputs,
                             const QString& note) {
    shape_ = shape;
    inputs_ = inputs;
    note_ = note;
    setAccessibleDescription(inputs);
    update();
}

PicturePainter FireShapeView::Painter() const {
    return [shape = shape_, inputs = inputs_, note = note_](QPainter& p, const QSize& size) {
        DrawFireShape(p, size, shape, inputs, note);
    };
}

void FireShapeView::SetStale(bool stale) {
    if (stale == stale_) return;
    stale_ = stale;
    update();
}

void FireShapeView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    DrawFireShape(p, size(), shape_, inputs_, note_);
    if (stale_) p.fillRect(rect(), QColor(255, 255, 255, 170));  // greyed, still readable
}

}  // namespace emberlin::ui
