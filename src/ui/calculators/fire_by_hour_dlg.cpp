#include "ui/calculators/fire_by_hour_dlg.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPainter>
#include <QStaticText>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "common/number_text.h"
#include "forms/content/fire_shape.h"
#include "forms/exports/result_table.h"
#include "ui/calculators/fbp_input_groups.h"
#include "ui/pictures/chart_windows.h"
#include "ui/pictures/picture_export.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/result_grid.h"

namespace emberlin::ui {

namespace {

// Every field of the window: its box, narrower than elsewhere, right-aligned.
const FieldStyle kField{Qt::AlignRight, 70};

QColor Colour(const std::string& hex, int alpha = 255) {
    QColor colour(QString::fromStdString(hex));
    colour.setAlpha(alpha);
    return colour;
}

// One entry of the chart's key: a swatch or line sample (in its colour, or the text's when
// none is given) before a name.
struct KeyEntry {
    QString sample;
    QColor colour;
    bool bold = false;
    QString name;
    bool operator==(const KeyEntry&) const = default;
};

// The chart's key: a swatch or line sample beside each name.
std::vector<KeyEntry> ChartKey(const std::array<double, 2>& thresholds) {
    std::vector<KeyEntry> entries;
    for (const forms::IntensityBand& band : forms::IntensityBands()) {
        entries.push_back({QStringLiteral("\u25A0"), Colour(band.key.colour, 255).lighter(115),
                           false, ToQ(band.key.label)});
    }
    entries.push_back({QStringLiteral("\u2501\u25CF\u2501"), {}, true, QStringLiteral("HFI")});
    entries.push_back(
        {QStringLiteral("\u2501\u2501"), QColor(0x00, 0x72, 0xB2), true, QStringLiteral("FFMC")});
    entries.push_back(
        {QStringLiteral("\u2501 \u00B7"), QColor(0x00, 0x9E, 0x73), true, QStringLiteral("ISI")});
    entries.push_back({QStringLiteral("- - -"),
                       {},
                       true,
                       QStringLiteral("%1 kW/m").arg(ToQ(FormatGeneral(thresholds[0])))});
    entries.push_back({QStringLiteral("\u00B7\u00B7\u00B7\u00B7"),
                       {},
                       true,
                       QStringLiteral("%1 kW/m").arg(ToQ(FormatGeneral(thresholds[1])))});
    entries.push_back({QStringLiteral("\u25A0"), QColor(0xE8, 0xA2, 0x7A), false,
                       QStringLiteral("critical hours")});
    return entries;
}

// A series, its points or name, and the chart's title change only when they differ: each
// change lays its item out and draws the chart again (a reopened window shows the same day).
void Replace(QXYSeries* series, const QList<QPointF>& points) {
    if (series->points() != points) series->replace(points);
}
void Rename(QAbstractSeries* series, const QString& name) {
    if (series->name() != name) series->setName(name);
}

}  // namespace

// Room for a label whose text changes with every calculation: the label fills it, and a new
// text is drawn there without laying the window out again. The room grows, once, for a text
// that needs more lines than it has.
class CFireByHourDlg::LabelRoom : public QWidget {
  public:
    LabelRoom(QLabel* label, int lines, QWidget* parent)
        : QWidget(parent), label_(label), height_(lines * label->fontMetrics().lineSpacing()) {
        label->setParent(this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    void SetText(const QString& text) {
        if (text == label_->text()) return;
        label_->setText(text);
        Grow();
    }
    QSize sizeHint() const override { return {label_->minimumSizeHint().width(), height_}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        label_->setGeometry(rect());
        QWidget::resizeEvent(event);
        Grow();
    }

  private:
    // Room for every line of the text at the width the room has (none before it has one).
    void Grow() {
        if (width() <= 0) return;
        const int needed = label_->heightForWidth(width());
        if (needed <= height_) return;
        height_ = needed;
        updateGeometry();
    }

    QLabel* label_;
    int height_;
};

// The chart's key in two columns, each entry's sample then its name, drawn straight with
// the window's font (laid out as a rich text table it took a sixth of the window's first
// paint). Each text is laid out once, when the entries or the font change, not on every
// paint (a reopened window paints the key afresh). Its words are its accessible description.
class CFireByHourDlg::ChartKeyView : public QWidget {
  public:
    explicit ChartKeyView(QWidget* parent) : QWidget(parent) {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    void SetEntries(std::vector<KeyEntry> entries) {
        if (entries == entries_) return;
        entries_ = std::move(entries);
        QStringList words;
        for (const KeyEntry& entry : entries_) words << entry.name;
        setAccessibleDescription(words.join(QStringLiteral("; ")));
        LayOut();
    }
    QSize sizeHint() const override { return {widths_[0] + widths_[1], Rows() * RowHeight()}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange) LayOut();
        QWidget::changeEvent(event);
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int ascent = fontMetrics().ascent();
        const QColor text = palette().color(QPalette::WindowText);
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            const Cell& cell = cells_[i];
            const KeyEntry& entry = entries_[i];
            const int x = kPadding + (i % 2 == 0 ? 0 : widths_[0]);
            const int baseline = static_cast<int>(i / 2) * RowHeight() + kPadding + ascent;
            painter.setFont(cell.sampleFont);
            painter.setPen(entry.colour.isValid() ? entry.colour : text);
            painter.drawStaticText(QPointF(x, baseline - cell.sampleAscent), cell.sample);
            painter.setFont(font());
            painter.setPen(text);
            painter.drawStaticText(QPointF(x + cell.sampleWidth, baseline - cell.nameAscent),
                                   cell.name);
        }
    }

  private:
    static constexpr int kPadding = 1;     // around each cell
    static constexpr int kColumnGap = 10;  // after each cell
    // An entry's two texts laid out, where the name starts and how far above the baseline
    // each text's top is.
    struct Cell {
        QFont sampleFont;
        QStaticText sample;
        QStaticText name;
        int sampleWidth = 0;
        qreal sampleAscent = 0;
        qreal nameAscent = 0;
    };
    int RowHeight() const { return fontMetrics().height() + 2 * kPadding; }
    int Rows() const { return static_cast<int>((entries_.size() + 1) / 2); }
    void LayOut() {
        cells_.clear();
        widths_[0] = widths_[1] = 0;
        const QFontMetricsF nameMetrics(font());
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const KeyEntry& entry = entries_[i];
            Cell cell;
            cell.sampleFont = font();
            cell.sampleFont.setBold(entry.bold);
            cell.sample.setText(entry.sample);
            cell.sample.setTextFormat(Qt::PlainText);
            cell.sample.prepare(QTransform(), cell.sampleFont);
            cell.sampleWidth = QFontMetrics(cell.sampleFont).horizontalAdvance(entry.sample);
            cell.sampleAscent = QFontMetricsF(cell.sampleFont).ascent();
            const QString name = QLatin1Char(' ') + entry.name;
            cell.name.setText(name);
            cell.name.setTextFormat(Qt::PlainText);
            cell.name.prepare(QTransform(), font());
            cell.nameAscent = nameMetrics.ascent();
            const int width = cell.sampleWidth + fontMetrics().horizontalAdvance(name);
            widths_[i % 2] = std::max(widths_[i % 2], width + 2 * kPadding + kColumnGap);
            cells_.push_back(std::move(cell));
        }
        updateGeometry();
        update();
    }

    std::vector<KeyEntry> entries_;
    std::vector<Cell> cells_;
    int widths_[2] = {0, 0};
};

CFireByHourDlg::CFireByHourDlg(forms::HandOver& shared, QWidget* parent,
                               forms::FireByHourForm* keptModel)
    : CModelDlg(parent, Held<forms::FireByHourForm>{keptModel}, shared) {
    setObjectName(QStringLiteral("CFireByHourDlg"));
    frame_ = new CCalculatorFrame(*this, &binder_);
    QVBoxLayout* layout = frame_->ContentLayout();

    auto* top = new QHBoxLayout;
    layout->addLayout(top);

    auto* fuels = new QGroupBox(QStringLiteral("FBP Fuel Types"), this);
    auto* fuelGrid = new QGridLayout(fuels);
    fuelGrid->setVerticalSpacing(2);
    // The codes in three columns of six, as compact as the FBP calculator's boxes; the
    // fuel's name is the box's tooltip.
    for (const forms::FuelType& fuel : forms::FuelCatalogue()) {
        const int i = fuel.index;
        QCheckBox* box = binder_.Check(std::string(fuel.buttonId));
        const QString name = ToQ(std::string(fuel.detectionLabel)).trimmed();
        box->setToolTip(name);
        box->setAccessibleDescription(name);
        fuelGrid->addWidget(box, i % 6, i / 6);
    }
    top->addWidget(fuels);

    AddFbpParametersColumn(binder_, top, this, kField);

    const FieldGroup inputs =
        AddFbpInputsGroup(binder_, this, {{}, {"bui", "windDirection", "slope", "aspect"}},
                          PairColumns::Adjacent, kField);
    auto* hourly =
        new QLabel(QStringLiteral("FFMC and wind speed come hour by hour from:"), inputs.box);
    hourly->setWordWrap(true);
    inputs.grid->addWidget(hourly, 5, 0, 1, 4);
    // The Hourly FWI day also brings its BUI and date.
    inputs.grid->addWidget(binder_.Check("diurnalSourceOption"), 6, 0, 1, 2);
    inputs.grid->addWidget(binder_.Check("hourlyFwiSourceOption"), 6, 2, 1, 2);
    QLineEdit* source = binder_.Edit("hourSource");
    source->setReadOnly(true);
    inputs.grid->addWidget(binder_.Label("hourSource"), 7, 0);
    inputs.grid->addWidget(source, 7, 1, 1, 3);
    top->addWidget(inputs.box, 1);

    const FieldGroup fire = AddFieldGroup(
        binder_, QStringLiteral("Fire and Thresholds"), this,
        {{"startHour", 0, 0}, {"duration", 1, 0}, {"threshold1", 2, 0}, {"threshold2", 3, 0}},
        kField);
    fire.grid->setRowStretch(4, 1);
    top->addWidget(fire.box);

    // Between the inputs and the grid: the answer is in view without scrolling.
    auto* summaryBox = new QGroupBox(QStringLiteral("Summary"), this);
    auto* summaryLayout = new QVBoxLayout(summaryBox);
    summary_ = new QLabel(summaryBox);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setAccessibleName(QStringLiteral("Summary"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->setWordWrap(true);
    // Peak hour, the two thresholds' hours and the crown fire hours.
    summaryRoom_ = new LabelRoom(summary_, 4, summaryBox);
    summaryLayout->addWidget(summaryRoom_);
    layout->addWidget(summaryBox);
    binder_.AddResultWidget(summary_);

    // The grid on the left, the chart on the right.
    auto* results = new QHBoxLayout;
    layout->addLayout(results, 1);
    const ResultGridBox grid = MakeResultGridBox(binder_, QStringLiteral("Fire Behaviour by Hour"),
                                                 this, [this] { return model_.Table(); });
    grid.box->findChild<QWidget*>(QStringLiteral("resultGrid"))
        ->setAccessibleName(QStringLiteral("Fire behaviour by hour"));
    results->addWidget(grid.box, 3);
    auto* chartBox = new QGroupBox(QStringLiteral("Head Fire Intensity by Hour"), this);
    chartHolder_ = new QVBoxLayout(chartBox);  // the chart and its key, made on first showing
    results->addWidget(chartBox, 2);

    frame_->AddCalculateButtons({}, {"ok", "cancel"});
    // The report carries the summary (in its table) and the chart.
    frame_->AddExports(FormExports(
        model_, [this] { return chartView_ != nullptr ? ChartPicture() : SizedPicture{}; }));
    // Runs after the binder's own handler: the model has calculated by then.
    connect(binder_.Button("calculate"), &QPushButton::clicked, this, [this] { UpdateResults(); });
    // The chart fades with the other results while they belong to earlier inputs.
    connect(&binder_, &FormBinder::Refreshed, this, [this] {
        if (chartView_ != nullptr) chartView_->chart()->setOpacity(model_.ResultsStale() ? 0.4 : 1);
    });
}

CFireByHourDlg::~CFireByHourDlg() = default;

QSize CFireByHourDlg::sizeHint() const {
    // The grid widens to its columns once it holds a day: the window leaves it that room from
    // the start (the frame then limits it to the screen).
    return CModelDlg::sizeHint().expandedTo(QSize(1300, 0));
}

// The series keep their number from the first showing on: an update only replaces points
// and ranges, which is what keeps it quick.
struct CFireByHourDlg::ChartParts {
    QValueAxis* hours = nullptr;
    QValueAxis* intensity = nullptr;
    QValueAxis* indices = nullptr;
    std::array<QLineSeries*, 6> bandTops{};
    std::array<QLineSeries*, 6> bandBottoms{};
    std::array<QAreaSeries*, 2> spans{};  // a step line over each threshold's critical hours
    std::array<QLineSeries*, 2> spanTops{};
    std::array<QLineSeries*, 2> thresholds{};
    QLineSeries* hfi = nullptr;
    QLineSeries* ffmc = nullptr;
    QLineSeries* isi = nullptr;
};

void CFireByHourDlg::setVisible(bool visible) {
    if (visible && !isVisible()) {
        // Made before the window is shown: widgets added to a shown window are shown by a
        // queued call each, and every one lays the window, and the chart, out again.
        if (chartView_ == nullptr) BuildChart();
        UpdateResults();
        frame_->PrepareFirstShowing();
    }
    CModelDlg::setVisible(visible);
}

void CFireByHourDlg::BuildChart() {
    auto* chart = new QChart;
    chartView_ = new QChartView(chart, this);
    chartView_->setObjectName(QStringLiteral("chart"));
    chartView_->setAccessibleName(QStringLiteral("Head fire intensity by hour"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(440, 340);
    chartHolder_->addWidget(chartView_);
    // Fifteen entries do not fit a legend beside the plot: the key below it names them.
    chart->legend()->hide();
    chartKey_ = new ChartKeyView(this);
    chartKey_->setObjectName(QStringLiteral("chartKey"));
    chartKey_->setAccessibleName(QStringLiteral("Chart key"));
    chartHolder_->addWidget(chartKey_);
    // Copy and Save of the chart as it is drawn now (PNG or SVG), with its key and the inputs.
    chartHolder_->addWidget(MakeExportButtons(
        this, [this](QPainter& painter, const QSize& size) { ChartPicture().paint(painter, size); },
        [this] { return ChartPicture().size; }, QStringLiteral("fire_behaviour_by_hour")));
    chart->setMargins(QMargins(2, 2, 2, 2));

    chart_ = std::make_unique<ChartParts>();
    ChartParts& parts = *chart_;
    parts.hours = new QValueAxis;
    parts.hours->setRange(0.5, 24.5);
    parts.hours->setTickType(QValueAxis::TicksDynamic);
    parts.hours->setTickAnchor(0);
    parts.hours->setTickInterval(3);
    parts.hours->setLabelFormat(QStringLiteral("%02.0f:00"));
    parts.hours->setTitleText(QStringLiteral("Hour of the day (local time)"));
    parts.intensity = new QValueAxis;
    parts.intensity->setTitleText(QStringLiteral("HFI (kW/m)"));
    parts.intensity->setLabelFormat(QStringLiteral("%.0f"));
    parts.intensity->setTickType(QValueAxis::TicksDynamic);
    parts.intensity->setTickAnchor(0);
    parts.indices = new QValueAxis;
    parts.indices->setTitleText(QStringLiteral("FFMC, ISI"));
    parts.indices->setLabelFormat(QStringLiteral("%.0f"));
    parts.indices->setTickType(QValueAxis::TicksDynamic);
    parts.indices->setTickAnchor(0);
    parts.indices->setTickInterval(20);
    chart->addAxis(parts.hours, Qt::AlignBottom);
    chart->addAxis(parts.intensity, Qt::AlignLeft);
    chart->addAxis(parts.indices, Qt::AlignRight);

    auto attach = [&](QAbstractSeries* series, QValueAxis* y) {
        chart->addSeries(series);
        series->attachAxis(parts.hours);
        series->attachAxis(y);
    };
    auto area = [&](QLineSeries* upper, QLineSeries* lower, const QColor& fill,
                    const QString& name) {
        auto* series = new QAreaSeries(upper, lower);
        series->setName(name);
        series->setColor(fill);
        series->setPen(Qt::NoPen);
        attach(series, parts.intensity);
        return series;
    };
    // The six intensity classes as pale bands behind everything else, quiet enough that the
    // curves and thresholds stand out in grey and to a red-green colour-blind reader.
    const auto& bands = forms::IntensityBands();
    for (std::size_t c = 0; c < bands.size(); ++c) {
        parts.bandTops[c] = new QLineSeries;
        parts.bandBottoms[c] = new QLineSeries;
        area(parts.bandTops[c], parts.bandBottoms[c], Colour(bands[c].key.colour, 38),
             ToQ(bands[c].key.label));
    }
    // The critical hours shaded over the chart's height, the higher threshold darker.
    for (std::size_t t = 0; t < parts.spans.size(); ++t) {
        parts.spanTops[t] = new QLineSeries;
        parts.spans[t] =
            area(parts.spanTops[t], nullptr, Colour("#D55E00", t == 0 ? 30 : 55), QString());
    }
    for (std::size_t t = 0; t < parts.thresholds.size(); ++t) {
        parts.thresholds[t] = new QLineSeries;
        parts.thresholds[t]->setPen(
            QPen(QColor(0, 0, 0), 1.5, t == 0 ? Qt::DashLine : Qt::DotLine));
        attach(parts.thresholds[t], parts.intensity);
    }
    parts.hfi = new QLineSeries;
    parts.hfi->setName(QStringLiteral("HFI"));
    parts.hfi->setPen(QPen(QColor(0, 0, 0), 2.5));
    parts.hfi->setPointsVisible(true);
    attach(parts.hfi, parts.intensity);
    parts.ffmc = new QLineSeries;
    parts.ffmc->setName(QStringLiteral("FFMC"));
    parts.ffmc->setPen(QPen(Colour("#0072B2"), 2));
    attach(parts.ffmc, parts.indices);
    parts.isi = new QLineSeries;
    parts.isi->setName(QStringLiteral("ISI"));
    parts.isi->setPen(QPen(Colour("#009E73"), 2, Qt::DashDotLine));
    attach(parts.isi, parts.indices);
}

void CFireByHourDlg::UpdateResults() {
    summaryRoom_->SetText(ToQ(model_.Text("summary")));
    // Screen readers read the name: it carries the summary itself.
    summary_->setAccessibleName(summary_->text().isEmpty()
                                    ? QStringLiteral("Summary")
                                    : QStringLiteral("Summary: ") + summary_->text());
    summary_->setAccessibleDescription(summary_->text());
    UpdateChart();
}

ChartsPicture CFireByHourDlg::ChartPicture() const {
    return ExportedCharts({chartView_}, ToQ(forms::InputsInWords(model_)));
}

void CFireByHourDlg::UpdateChart() {
    if (!chart_) return;
    ChartParts& parts = *chart_;
    const bool hasResult = model_.HasResult();
    const std::array<double, 2>& thresholds = model_.Thresholds();
    double top = std::max(thresholds[0], thresholds[1]);
    double indexTop = 101;
    QList<QPointF> hfi, ffmc, isi;
    if (hasResult) {
        for (const auto& hour : model_.Result().hours) {
            top = std::max(top, hour.out.hfi);
            indexTop = std::max(indexTop, hour.isi);
            hfi.append({double(hour.hour), hour.out.hfi});
            ffmc.append({double(hour.hour), hour.ffmc});
            isi.append({double(hour.hour), hour.isi});
        }
    }
    const forms::ChartAxis axis = forms::IntensityAxis(top);
    top = axis.top;
    parts.intensity->setRange(0, top);
    parts.intensity->setTickInterval(axis.step);
    parts.indices->setRange(0, std::ceil(indexTop / 20.0) * 20.0);

    const auto& bands = forms::IntensityBands();
    for (std::size_t c = 0; c < bands.size(); ++c) {
        const double lower = std::min(bands[c].lower, top);
        const double upper = std::min(bands[c].upper, top);
        Replace(parts.bandTops[c], {{0.5, upper}, {24.5, upper}});
        Replace(parts.bandBottoms[c], {{0.5, lower}, {24.5, lower}});
    }
    for (std::size_t t = 0; t < thresholds.size(); ++t) {
        const QString name = QStringLiteral("%1 kW/m").arg(ToQ(FormatGeneral(thresholds[t])));
        Rename(parts.thresholds[t], name);
        Replace(parts.thresholds[t], {{0.5, thresholds[t]}, {24.5, thresholds[t]}});
        Rename(parts.spans[t], QStringLiteral("Hours at or above ") + name);
        QList<QPointF> shade;
        if (hasResult) {
            for (const emberlin::HourSpan& span : model_.Result().summary.criticalSpans[t]) {
                shade.append({span.first - 0.5, 0});
                shade.append({span.first - 0.5, top});
                shade.append({span.last + 0.5, top});
                shade.append({span.last + 0.5, 0});
            }
        }
        if (shade.isEmpty()) shade = {{0.5, 0}, {24.5, 0}};
        Replace(parts.spanTops[t], shade);
    }
    chartKey_->SetEntries(ChartKey(thresholds));  // laid out again only when a threshold changes
    const QString title = QStringLiteral("Head fire intensity, FFMC and ISI by hour, %1")
                              .arg(ToQ(model_.CurrentCase().fire.fuelType));
    if (chartView_->chart()->title() != title) chartView_->chart()->setTitle(title);
    Replace(parts.hfi, hfi);
    Replace(parts.ffmc, ffmc);
    Replace(parts.isi, isi);
}

}  // namespace emberlin::ui
