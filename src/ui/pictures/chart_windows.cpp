#include "ui/pictures/chart_windows.h"

#include <QApplication>
#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

namespace {

// Okabe-Ito colours: they keep apart under red-green colour blindness; every series also has
// its own line style, so none rests on colour alone.
const QColor kVermillion(0xD5, 0x5E, 0x00);
const QColor kBlue(0x00, 0x72, 0xB2);
const QColor kGreen(0x00, 0x9E, 0x73);
const QColor kOrange(0xE6, 0x9F, 0x00);
const QColor kInk(0x20, 0x20, 0x20);

QColor Colour(const forms::ColourKey& key) { return QColor(QString::fromStdString(key.colour)); }

QLineSeries* Line(const QString& name, const QColor& colour, Qt::PenStyle style) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(QPen(colour, 2.0, style));
    return series;
}

// Calls a function when a chart object sends a signal named by its text. The charts module is
// loaded only when the first window opens, and the windows' library may hold no address in it
// until then: connecting by a signal's name takes none (a member address would, as would a
// cast to a chart class).
class Relay : public QObject {
    Q_OBJECT
  public:
    static void Connect(QObject* sender, const char* signal, std::function<void()> call) {
        auto* relay = new Relay(sender);
        relay->call_ = std::move(call);
        QObject::connect(sender, signal, relay, SLOT(Call()));
    }

  private slots:
    void Call() { call_(); }

  private:
    using QObject::QObject;
    std::function<void()> call_;
};

// A legend whose markers hide and show their series on a click; a hidden series' marker stays,
// greyed.
void LegendToggles(QChart* chart) {
    for (QLegendMarker* marker : chart->legend()->markers()) {
        Relay::Connect(marker, SIGNAL(clicked()), [marker] {
            QAbstractSeries* series = marker->series();
            series->setVisible(!series->isVisible());
            marker->setVisible(true);
            QColor label = marker->labelBrush().color();
            label.setAlphaF(series->isVisible() ? 1.0 : 0.4);
            marker->setLabelBrush(label);
            QFont font = marker->font();
            font.setStrikeOut(!series->isVisible());
            marker->setFont(font);
        });
    }
}

// A text fixed to a value of the chart, kept there when the plot area moves.
void Pin(QChart* chart, QAbstractSeries* series, QPointF value, const QString& text, QPointF offset,
         Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QGraphicsSimpleTextItem(text, chart);
    QFont font = item->font();
    font.setPixelSize(11);
    item->setFont(font);
    item->setZValue(20);
    const auto place = [chart, series, value, offset, item, align] {
        QPointF at = chart->mapToPosition(value, series) + offset;
        const QRectF box = item->boundingRect();
        if (align & Qt::AlignRight) at.rx() -= box.width();
        if (align & Qt::AlignHCenter) at.rx() -= box.width() / 2.0;
        if (align & Qt::AlignVCenter) at.ry() -= box.height() / 2.0;
        if (align & Qt::AlignBottom) at.ry() -= box.height();
        item->setPos(at);
    };
    Relay::Connect(chart, SIGNAL(plotAreaChanged(QRectF)), place);
    place();
}

// A filled rectangle between two values on each axis.
QAreaSeries* Box(double x0, double x1, double y0, double y1, const QColor& fill,
                 const QString& name) {
    auto* upper = new QLineSeries;
    upper->append(x0, y1);
    upper->append(x1, y1);
    auto* lower = new QLineSeries;
    lower->append(x0, y0);
    lower->append(x1, y0);
    auto* area = new QAreaSeries(upper, lower);
    area->setName(name);
    area->setBrush(fill);
    area->setPen(Qt::NoPen);
    return area;
}

// The intensity classes stay in the background: pale enough that the curves, the bars and the
// thresholds over them stand out in print, in grey and to a red-green colour-blind reader.
constexpr int kBandAlpha = 38;

// The colour seen through at `alpha` over the white plot, as an opaque colour: opaque fills
// draw faster than translucent ones.
QColor Faded(const QColor& colour, int alpha) {
    const auto mix = [alpha](int c) { return (c * alpha + 255 * (255 - alpha)) / 255; };
    return QColor(mix(colour.red()), mix(colour.green()), mix(colour.blue()));
}

// The largest power of ten at or above every intensity, and at least the class 6 limit.
double IntensityCeiling(double highest) {
    double top = 100000.0;
    while (top < highest * 1.5 && top < 1e12) top *= 10.0;
    return top;
}

// A value axis titled `title` from `low` to `high` with `ticks` ticks, labelled in whole
// numbers.
QValueAxis* WholeNumberAxis(const QString& title, double low, double high, int ticks) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(low, high);
    axis->setTickCount(ticks);
    axis->setLabelFormat(QStringLiteral("%d"));
    return axis;
}

// Adds `series` to the chart, plotted against the axes `x` and `y`.
void Plot(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

// Head fire intensity on a log axis from kIntensityFloor to `top`.
constexpr double kIntensityFloor = 1.0;  // kW/m: a log axis needs a floor above zero
QLogValueAxis* IntensityAxis(double top) {
    auto* intensity = new QLogValueAxis;
    intensity->setTitleText(QStringLiteral("Head fire intensity (kW/m), log scale"));
    intensity->setBase(10);
    intensity->setRange(kIntensityFloor, top);
    intensity->setLabelFormat(QStringLiteral("%g"));
    return intensity;
}

// The intensity classes as bands of their faded colours (`alpha` over white), numbered 1 to 6,
// up to `top` on the `intensity` axis and from `from` to `to` on the `across` axis. Where the
// intensity axis stands upright the bands run across the plot, each numbered at its start;
// where it lies flat they stand side by side, each numbered above the plot.
void AddIntensityClasses(QChart* chart, QAbstractAxis* intensity, QAbstractAxis* across, double top,
                         double from, double to, int alpha) {
    const bool upright = intensity->orientation() == Qt::Vertical;
    int number = 1;
    for (const forms::IntensityBand& band : forms::IntensityBands()) {
        const double lower = std::max(band.lower, kIntensityFloor);
        const double upper = std::min(band.upper, top);
        const double middle = std::sqrt(lower * upper);
        const QColor fill = Faded(Colour(band.key), alpha);
        const QString name = ToQ(band.key.label);
        QAreaSeries* box = upright ? Box(from, to, lower, upper, fill, name)
                                   : Box(lower, upper, from, to, fill, name);
        Plot(chart, box, upright ? across : intensity, upright ? intensity : across);
        const QString text = QStringLiteral("%1").arg(number++);
        if (upright) {
            Pin(chart, box, QPointF(from, middle), text, QPointF(4, 0),
                Qt::AlignLeft | Qt::AlignVCenter);
        } else {
            Pin(chart, box, QPointF(middle, to), text, QPointF(0, -2),
                Qt::AlignHCenter | Qt::AlignBottom);
        }
    }
}

QChartView* View(QChart* chart, QWidget* parent) {
    chart->setBackgroundRoundness(0);
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(820, 440);
    return view;
}

PicturePainter ViewPainter(QChartView* view) {
    return [view](QPainter& p, const QSize& size) {
        view->render(&p, QRectF(QPointF(0, 0), QSizeF(size)), QRect(), Qt::IgnoreAspectRatio);
    };
}

}  // namespace

PictureContent MakeDiurnalChart(const DiurnalDay& weather, const DiurnalFfmc& ffmc,
                                const QString& title, QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    auto* temperature = Line(QStringLiteral("Temperature (\u00b0C)"), kVermillion, Qt::SolidLine);
    auto* wind = Line(QStringLiteral("Wind speed (km/h)"), kGreen, Qt::DashLine);
    auto* humidity = Line(QStringLiteral("RH (%)"), kBlue, Qt::DotLine);
    auto* fine = Line(QStringLiteral("FFMC"), kOrange, Qt::DashDotLine);
    double leftTop = 10.0;
    for (int h = 1; h <= 24; ++h) {
        const auto i = static_cast<std::size_t>(h);
        temperature->append(h, weather.temperature[i]);
        wind->append(h, weather.windSpeed[i]);
        humidity->append(h, weather.relativeHumidity[i]);
        fine->append(h, ffmc[i]);
        leftTop = std::max({leftTop, weather.temperature[i], weather.windSpeed[i]});
    }
    // Both value axes run over the same eleven steps (RH and FFMC from 0 to 110 by tens), so
    // that their ticks fall on the same grid lines.
    constexpr int kSteps = 11;
    double leftStep = 1.0;
    for (double step : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0}) {
        leftStep = step;
        if (step * kSteps >= leftTop * 1.05) break;
    }
    leftTop = leftStep * kSteps;
    // Noon and 4 pm, the hours of the daily observation and of the day's peak burning.
    auto* noon = Line(QStringLiteral("Noon"), QColor(0x60, 0x60, 0x60), Qt::DashLine);
    noon->append(12, 0);
    noon->append(12, leftTop);
    auto* four = Line(QStringLiteral("4 pm"), QColor(0x60, 0x60, 0x60), Qt::DotLine);
    four->append(16, 0);
    four->append(16, leftTop);

    QValueAxis* hours = WholeNumberAxis(QStringLiteral("Hour of the day (local time)"), 1, 24, 24);
    QFont small = hours->labelsFont();
    small.setPixelSize(10);
    hours->setLabelsFont(small);
    QValueAxis* left = WholeNumberAxis(QStringLiteral("Temperature (\u00b0C), wind speed (km/h)"),
                                       0, leftTop, kSteps + 1);
    QValueAxis* right =
        WholeNumberAxis(QStringLiteral("RH (%), FFMC"), 0, 10.0 * kSteps, kSteps + 1);
    // One grid: the right axis's lines would fall on the left one's.
    right->setGridLineVisible(false);
    chart->addAxis(hours, Qt::AlignBottom);
    chart->addAxis(left, Qt::AlignLeft);
    chart->addAxis(right, Qt::AlignRight);
    for (QLineSeries* s : {temperature, wind, noon, four}) Plot(chart, s, hours, left);
    for (QLineSeries* s : {humidity, fine}) Plot(chart, s, hours, right);
    Pin(chart, noon, QPointF(12, leftTop), QStringLiteral("noon"), QPointF(3, 2),
        Qt::AlignLeft | Qt::AlignTop);
    Pin(chart, four, QPointF(16, leftTop), QStringLiteral("4 pm"), QPointF(3, 2),
        Qt::AlignLeft | Qt::AlignTop);
    LegendToggles(chart);
    QChartView* view = View(chart, parent);
    view->setObjectName(QStringLiteral("diurnalChart"));
    return {view, ViewPainter(view)};
}

PictureContent MakeDetectionChart(const forms::DetectionGrowth& growth, const QString& title,
                                  QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    double highest = 1.0, largest = 0.0, last = 240.0;
    for (const AccumulatedGrowthRow& row : growth.rows) {
        highest = std::max(highest, row.behaviour.hfi);
        largest = std::max(largest, row.area);
        last = std::max(last, row.elapsedTime);
    }
    const double top = IntensityCeiling(highest);

    QValueAxis* elapsed = WholeNumberAxis(QStringLiteral("Elapsed time (min)"), 0, last,
                                          static_cast<int>(last / 30.0) + 1);
    auto* clock = new QCategoryAxis;
    clock->setTitleText(QStringLiteral("Clock time (hh:mm)"));
    clock->setRange(0, last);
    clock->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    clock->append(ToQ(forms::ClockText(growth.startMinutes)), 0);
    for (const AccumulatedGrowthRow& row : growth.rows) {
        // Every hour's row, so that the labels keep clear of one another.
        if (static_cast<int>(row.elapsedTime) % 60 != 0) continue;
        clock->append(
            ToQ(forms::ClockText(growth.startMinutes + static_cast<int>(row.elapsedTime))),
            row.elapsedTime);
    }
    QLogValueAxis* intensity = IntensityAxis(top);
    auto* area = new QValueAxis;
    area->setTitleText(QStringLiteral("Area (ha)"));
    area->setRange(0, std::max(largest * 1.1, 1.0));
    area->applyNiceNumbers();
    chart->addAxis(elapsed, Qt::AlignBottom);
    chart->addAxis(clock, Qt::AlignTop);
    chart->addAxis(intensity, Qt::AlignLeft);
    chart->addAxis(area, Qt::AlignRight);

    AddIntensityClasses(chart, intensity, elapsed, top, 0, last, kBandAlpha);
    auto* hfi = Line(QStringLiteral("Head fire intensity (kW/m)"), kInk, Qt::SolidLine);
    auto* hfiPoints = new QScatterSeries;
    hfiPoints->setMarkerSize(7);
    hfiPoints->setColor(kInk);
    auto* grown = Line(QStringLiteral("Area (ha)"), kVermillion, Qt::DashLine);
    for (const AccumulatedGrowthRow& row : growth.rows) {
        hfi->append(row.elapsedTime, std::max(row.behaviour.hfi, kIntensityFloor));
        hfiPoints->append(row.elapsedTime, std::max(row.behaviour.hfi, kIntensityFloor));
        grown->append(row.elapsedTime, row.area);
    }
    Plot(chart, hfi, elapsed, intensity);
    Plot(chart, hfiPoints, elapsed, intensity);
    Plot(chart, grown, elapsed, area);
    for (QLegendMarker* m : chart->legend()->markers(hfiPoints)) m->setVisible(false);
    LegendToggles(chart);
    QChartView* view = View(chart, parent);
    chart->legend()->setAlignment(Qt::AlignRight);
    view->setMinimumSize(980, 520);
    view->setObjectName(QStringLiteral("detectionChart"));
    return {view, ViewPainter(view)};
}

PictureContent MakeProjectionChart(const std::vector<forms::FuelBar>& bars, const QString& title,
                                   QWidget* parent) {
    auto* chart = new QChart;
    // A second, empty line under the title keeps the class numbers over the plot clear of it.
    chart->setTitle(title.toHtmlEscaped() + QStringLiteral("<br>&nbsp;"));
    double highest = 1.0;
    for (const forms::FuelBar& bar : bars) highest = std::max(highest, bar.hfi);
    const double top = IntensityCeiling(highest);
    const double count = static_cast<double>(bars.size());

    QLogValueAxis* intensity = IntensityAxis(top);
    auto* fuels = new QCategoryAxis;
    fuels->setTitleText(QStringLiteral("Fuel type"));
    fuels->setRange(-0.5, count - 0.5);
    fuels->setStartValue(-0.5);
    fuels->setGridLineVisible(false);
    fuels->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    // The first fuel type at the top.
    for (std::size_t i = bars.size(); i-- > 0;) {
        fuels->append(ToQ(bars[i].code), count - 0.5 - static_cast<double>(i));
    }
    chart->addAxis(intensity, Qt::AlignBottom);
    chart->addAxis(fuels, Qt::AlignLeft);

    AddIntensityClasses(chart, intensity, fuels, top, -0.5, count - 0.5, kBandAlpha);
    // One series per fire type holds all its bars: a single outline that runs out along each
    // bar and back along the axis, so the chart draws three shapes instead of eighteen.
    for (const FireType type : {FireType::Surface, FireType::IntermittentCrown, FireType::Crown}) {
        auto* outline = new QLineSeries;
        auto* axisSide = new QLineSeries;
        for (std::size_t i = 0; i < bars.size(); ++i) {
            if (bars[i].fireType != type) continue;
            const double y = count - 1.0 - static_cast<double>(i);
            const double end = std::max(bars[i].hfi, kIntensityFloor);
            *outline << QPointF(kIntensityFloor, y + 0.32) << QPointF(end, y + 0.32)
                     << QPointF(end, y - 0.32) << QPointF(kIntensityFloor, y - 0.32);
        }
        if (outline->count() == 0) {
            delete outline;
            delete axisSide;
            continue;
        }
        *axisSide << outline->points().back() << outline->points().front();
        auto* area = new QAreaSeries(outline, axisSide);
        const forms::ColourKey key = forms::FireTypeKey(type);
        area->setName(ToQ(key.label));
        area->setBrush(Colour(key));
        area->setPen(QPen(kInk, 0.8));
        Plot(chart, area, intensity, fuels);
        for (std::size_t i = 0; i < bars.size(); ++i) {
            if (bars[i].fireType != type) continue;
            const double y = count - 1.0 - static_cast<double>(i);
            Pin(chart, area, QPointF(std::max(bars[i].hfi, kIntensityFloor), y),
                ToQ(bars[i].rosText), QPointF(4, 0));
        }
    }
    chart->setMargins(QMargins(8, 22, 8, 8));  // room for the class numbers
    QChartView* view = View(chart, parent);
    chart->legend()->setAlignment(Qt::AlignRight);
    view->setMinimumSize(980, 620);
    view->setObjectName(QStringLiteral("projectionChart"));
    return {view, ViewPainter(view)};
}

namespace {

// One entry of a key drawn under a chart: a sample of the series' line or fill, and its name.
struct KeyEntry {
    QPen pen;
    QBrush brush;  // Qt::NoBrush: a line
    QString name;
};

std::vector<KeyEntry> KeyOf(const QChart* chart) {
    std::vector<KeyEntry> entries;
    for (QAbstractSeries* series : chart->series()) {
        if (series->name().isEmpty() || !series->isVisible()) continue;
        // By the series' type rather than a cast (see Relay): an area, or a line or spline.
        const QAbstractSeries::SeriesType type = series->type();
        if (type == QAbstractSeries::SeriesTypeArea) {
            const auto* area = static_cast<const QAreaSeries*>(series);
            entries.push_back({area->pen(), area->brush(), series->name()});
        } else if (type == QAbstractSeries::SeriesTypeLine ||
                   type == QAbstractSeries::SeriesTypeSpline) {
            const auto* line = static_cast<const QLineSeries*>(series);
            entries.push_back({line->pen(), Qt::NoBrush, series->name()});
        }
    }
    return entries;
}

constexpr int kCaptionPixels = 11;
constexpr double kSampleWidth = 26.0;

QFont CaptionFont() {
    QFont font = QApplication::font();
    font.setPixelSize(kCaptionPixels);
    return font;
}

// Where each entry of a key goes in rows `width` wide, and the key's height.
std::vector<QPointF> KeyPlaces(const std::vector<KeyEntry>& entries, double width, double& height) {
    const QFontMetricsF metrics(CaptionFont());
    const double row = metrics.height() + 4.0;
    std::vector<QPointF> places;
    double x = 8.0, y = 0.0;
    for (const KeyEntry& entry : entries) {
        const double w = kSampleWidth + 6.0 + metrics.horizontalAdvance(entry.name) + 16.0;
        if (x > 8.0 && x + w > width - 8.0) {
            x = 8.0;
            y += row;
        }
        places.emplace_back(x, y);
        x += w;
    }
    height = entries.empty() ? 0.0 : y + row + 4.0;
    return places;
}

void DrawKey(QPainter& p, const std::vector<KeyEntry>& entries, const std::vector<QPointF>& places,
             QPointF origin) {
    const QFontMetricsF metrics(CaptionFont());
    p.save();
    p.setFont(CaptionFont());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const KeyEntry& e = entries[i];
        const QPointF at = origin + places[i];
        const double middle = at.y() + metrics.height() / 2.0;
        if (e.brush.style() == Qt::NoBrush) {
            p.setPen(e.pen);
            p.drawLine(QPointF(at.x(), middle), QPointF(at.x() + kSampleWidth, middle));
        } else {
            p.setPen(e.pen.style() == Qt::NoPen ? QPen(QColor(0x80, 0x80, 0x80), 0.5) : e.pen);
            p.setBrush(e.brush);
            p.drawRect(QRectF(at.x(), middle - 5.0, kSampleWidth, 10.0));
        }
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.drawText(QPointF(at.x() + kSampleWidth + 6.0, at.y() + metrics.ascent()), e.name);
    }
    p.restore();
}

// Whether a chart is part of its window: not hidden on purpose (a chart on a tab page not in
// front is still part of it).
bool Shown(const QWidget* view) {
    return view != nullptr &&
           !(view->isHidden() && view->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

}  // namespace

ChartsPicture ExportedCharts(const std::vector<QChartView*>& views, const QString& caption) {
    struct Part {
        QChartView* view;
        QSize size;
        std::vector<KeyEntry> key;
        std::vector<QPointF> places;
        double keyHeight = 0.0;
    };
    std::vector<Part> parts;
    int width = 1;
    for (QChartView* view : views) {
        if (Shown(view)) width = std::max(width, view->width());
    }
    double height = 0.0;
    for (QChartView* view : views) {
        if (!Shown(view)) continue;
        Part part{view, view->size(), {}, {}, 0.0};
        if (!view->chart()->legend()->isVisible()) part.key = KeyOf(view->chart());
        part.places = KeyPlaces(part.key, width, part.keyHeight);
        height += part.size.height() + part.keyHeight;
        parts.push_back(std::move(part));
    }
    const QRectF captionBox = caption.isEmpty() ? QRectF()
                                                : QFontMetricsF(CaptionFont())
                                                      .boundingRect(QRectF(0, 0, width - 16, 1000),
                                                                    Qt::TextWordWrap, caption);
    const double captionTop = height + 6.0;
    if (!caption.isEmpty()) height = captionTop + captionBox.height() + 8.0;
    const QSize natural(width, static_cast<int>(std::ceil(std::max(height, 1.0))));
    PicturePainter paint = [parts, caption, natural, captionTop](QPainter& p, const QSize& size) {
        p.save();
        p.scale(static_cast<double>(size.width()) / natural.width(),
                static_cast<double>(size.height()) / natural.height());
        double y = 0.0;
        for (const Part& part : parts) {
            part.view->render(&p, QRectF(QPointF(0, y), QSizeF(part.size)), QRect(),
                              Qt::IgnoreAspectRatio);
            y += part.size.height();
            DrawKey(p, part.key, part.places, QPointF(0, y));
            y += part.keyHeight;
        }
        if (!caption.isEmpty()) {
            p.setFont(CaptionFont());
            p.setPen(QColor(0x30, 0x30, 0x30));
            p.drawText(QRectF(8, captionTop, natural.width() - 16, natural.height() - captionTop),
                       Qt::TextWordWrap, caption);
        }
        p.restore();
    };
    return {std::move(paint), natural};
}

PictureWindow::PictureWindow(QWidget* parent, const QString& title, const QString& fileName)
    : QDialog(parent) {
    setWindowTitle(title);
    setObjectName(QStringLiteral("pictureWindow"));
    auto* layout = new QVBoxLayout(this);
    captionLabel_ = new QLabel(this);
    captionLabel_->setObjectName(QStringLiteral("pictureCaption"));
    captionLabel_->setWordWrap(true);
    captionLabel_->setTextFormat(Qt::PlainText);
    captionLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(captionLabel_);
    layout->addWidget(MakeExportButtons(
        this, [this](QPainter& p, const QSize& size) { Painter()(p, size); },
        [this] { return PictureSize(); }, fileName));
}

void PictureWindow::SetContent(PictureContent content, const QString& caption) {
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    if (content_.view != nullptr) delete content_.view;
    content_ = std::move(content);
    caption_ = caption;
    captionLabel_->setText(caption);
    captionLabel_->setVisible(!caption.isEmpty());
    // Room for every line of the caption at the drawing's width.
    captionLabel_->setMinimumHeight(
        caption.isEmpty() ? 0 : captionLabel_->heightForWidth(content_.view->minimumWidth()));
    layout->insertWidget(0, content_.view, 1);
    adjustSize();
}

QSize PictureWindow::PictureSize() const {
    if (content_.view == nullptr) return {1, 1};
    QSize size = content_.view->size();
    if (!caption_.isEmpty()) {
        QFont font = this->font();
        font.setPixelSize(11);
        const QRectF box = QFontMetricsF(font).boundingRect(QRectF(0, 0, size.width() - 16, 1000),
                                                            Qt::TextWordWrap, caption_);
        size.rheight() += static_cast<int>(std::ceil(box.height())) + 12;
    }
    return size;
}

PicturePainter PictureWindow::Painter() const {
    const PicturePainter paintView = content_.paint;
    const QSize viewSize = content_.view != nullptr ? content_.view->size() : QSize(1, 1);
    const QString caption = caption_;
    const QFont base = font();
    return [paintView, viewSize, caption, base](QPainter& p, const QSize& size) {
        const double scale = static_cast<double>(size.width()) / std::max(viewSize.width(), 1);
        const double viewHeight = std::min<double>(viewSize.height() * scale, size.height());
        if (paintView) {
            paintView(p, QSize(size.width(), static_cast<int>(viewHeight)));
        }
        if (caption.isEmpty()) return;
        QFont font = base;
        font.setPixelSize(11);
        p.save();
        p.setFont(font);
        p.setPen(QColor(0x30, 0x30, 0x30));
        p.drawText(QRectF(8, viewHeight + 6, size.width() - 16, size.height() - viewHeight - 6),
                   Qt::TextWordWrap, caption);
        p.restore();
    };
}

PictureLauncher::PictureLauncher(QPushButton* button, const QString& title, const QString& fileName,
                                 Available available, Builder build)
    : QObject(button),
      button_(button),
      title_(title),
      fileName_(fileName),
      available_(std::move(available)),
      build_(std::move(build)) {
    connect(button_, &QPushButton::clicked, this, [this] { Open(); });
    // The picture belongs to the calculator that made it: it closes with it.
    button_->window()->installEventFilter(this);
    Refresh();
}

bool PictureLauncher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == button_->window() && event->type() == QEvent::Hide && window_ != nullptr) {
        window_->close();
    }
    return QObject::eventFilter(watched, event);
}

void PictureLauncher::Refresh() {
    const bool ready = available_();
    button_->setEnabled(ready);
    drawn_ = false;
    if (ready && window_ != nullptr && window_->isVisible()) Rebuild();
}

void PictureLauncher::Open() {
    if (!available_()) return;
    if (window_ == nullptr) window_ = new PictureWindow(button_->window(), title_, fileName_);
    // Reopened with nothing new to draw, the window shows the picture it kept.
    if (!drawn_) Rebuild();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void PictureLauncher::Rebuild() {
    PictureContent content;
    QString caption;
    if (!build_(window_, content, caption)) return;
    window_->SetContent(std::move(content), caption);
    drawn_ = true;
}

}  // namespace emberlin::ui

#include "chart_windows.moc"
