#include "ui/calculators/hourly_fwi_dlg.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineSeries>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <functional>

#include "forms/exports/result_table.h"
#include "ui/pictures/picture_export.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/file_answers.h"

namespace emberlin::ui {

// A grid over the form's vectors: cells are drawn from the form when asked, so a grid of any
// length costs nothing until it is scrolled to. Qt::UserRole gives a cell's number at full
// precision.
class GridModel : public QAbstractTableModel {
  public:
    struct Source {
        std::function<std::vector<forms::GridColumn>()> columns;
        std::function<std::size_t()> rows;
        std::function<std::string(std::size_t, int)> text;
        std::function<std::optional<double>(std::size_t, int)> value;
        // Editable grids: "" or why the text is refused.
        std::function<std::string(std::size_t, int, const std::string&)> edit;
    };
    GridModel(Source source, QObject* parent) : QAbstractTableModel(parent), source_(source) {}

    void Reload() {
        beginResetModel();
        columns_ = source_.columns();
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(source_.rows());
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(columns_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const auto row = static_cast<std::size_t>(index.row());
        switch (role) {
            case Qt::DisplayRole:
            case Qt::EditRole:
                return ToQ(source_.text(row, index.column()));
            case Qt::UserRole:
                if (auto value = source_.value(row, index.column())) return *value;
                return {};
            case Qt::TextAlignmentRole:
                return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
            default:
                return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole) return {};
        if (orientation == Qt::Vertical) return section + 1;
        const forms::GridColumn& c = columns_[static_cast<std::size_t>(section)];
        // A second word and the unit on lines of their own keep the columns narrow.
        QString heading = ToQ(c.name);
        const qsizetype space = heading.lastIndexOf(QLatin1Char(' '));
        if (space > 0) heading[space] = QLatin1Char('\n');
        if (!c.unit.empty()) heading += QStringLiteral("\n(") + ToQ(c.unit) + QLatin1Char(')');
        return heading;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags f = QAbstractTableModel::flags(index);
        if (source_.edit) f |= Qt::ItemIsEditable;
        return f;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::EditRole || !source_.edit) return false;
        lastProblem_ = source_.edit(static_cast<std::size_t>(index.row()), index.column(),
                                    value.toString().toStdString());
        if (!lastProblem_.empty()) return false;
        emit dataChanged(index, index);
        return true;
    }
    const std::string& LastProblem() const { return lastProblem_; }

  private:
    Source source_;
    std::vector<forms::GridColumn> columns_;
    std::string lastProblem_;
};

namespace {

QTableView* MakeGrid(GridModel* model, const QString& name, QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setAccessibleName(name);
    grid->setModel(model);
    grid->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid->horizontalHeader()->setMinimumHeight(3 * grid->fontMetrics().height() + 8);
    // Widths from the first rows only: a long series costs no more than a short one.
    grid->horizontalHeader()->setResizeContentsPrecision(100);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    return grid;
}

// At most this many points per line: a long series is shown by each bucket's highest value
// (the danger's peaks), which keeps drawing quick for eleven years of hours.
constexpr std::size_t kMaxChartPoints = 6000;

struct Lines {
    QList<QPointF> a, b, c, rain;
};

QLineSeries* Line(const QList<QPointF>& points, const QString& name, const QColor& colour) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->replace(points);
    QPen pen(colour);
    pen.setWidthF(1.2);
    series->setPen(pen);
    return series;
}

// An area between 0 and a stepped upper line (rain bars, burning windows).
QAreaSeries* Steps(const QList<QPointF>& upper, const QString& name, const QColor& fill) {
    auto* top = new QLineSeries;
    top->replace(upper);
    auto* area = new QAreaSeries(top);
    area->setName(name);
    area->setBrush(fill);
    area->setPen(Qt::NoPen);
    return area;
}

void Attach(QChart* chart, QAbstractSeries* series, QValueAxis* x, QValueAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

}  // namespace

CHourlyFwiDlg::CHourlyFwiDlg(forms::HandOver& shared, QWidget* parent,
                             forms::HourlyFwiForm* keptModel)
    : CModelDlg(parent, Held<forms::HourlyFwiForm>{keptModel}, shared) {
    setObjectName(QStringLiteral("CHourlyFwiDlg"));
    setWindowTitle(ToQ(model_.Title()));
    auto* frame = new CCalculatorFrame(*this, &binder_);
    QVBoxLayout* layout = frame->ContentLayout();

    // Inputs: where the weather comes from, the site, the start-up values.
    auto* top = new QHBoxLayout;
    layout->addLayout(top);
    auto* weatherBox = new QGroupBox(QStringLiteral("Weather"), this);
    auto* weatherLayout = new QVBoxLayout(weatherBox);
    auto* fileRow = new QHBoxLayout;
    QPushButton* open = NamedButton(
        QStringLiteral("&Open Weather File\u2026"), QStringLiteral("openWeather"),
        QStringLiteral(
            "A CSV file in the layout of emberlin fwi2025 (yr, mon, day, hr, temp, rh, ws, prec; "
            "optionally id, lat, long, timezone) or of emberlin fwi (daily noon observations: "
            "mon, temp, rh, ws, prec)"),
        weatherBox);
    connect(open, &QPushButton::clicked, this, [this] { OpenWeatherFile(); });
    QPushButton* paste =
        NamedButton(QStringLiteral("&Paste Cells"), QStringLiteral("pasteWeather"),
                    QStringLiteral("Cells copied from a spreadsheet, tab-separated, with a "
                                   "heading row or in the grid's column order"),
                    weatherBox);
    connect(paste, &QPushButton::clicked, this, [this] { PasteWeather(); });
    fileRow->addWidget(open);
    fileRow->addWidget(paste);
    fileRow->addStretch(1);
    weatherLayout->addLayout(fileRow);
    QLineEdit* source = binder_.Edit("source");
    source->setReadOnly(true);
    source->setMinimumWidth(source->fontMetrics().horizontalAdvance(QString(48, QLatin1Char('0'))));
    weatherLayout->addWidget(source);
    problem_ = new QLabel(weatherBox);
    problem_->setObjectName(QStringLiteral("loadProblem"));
    problem_->setWordWrap(true);
    problem_->setTextFormat(Qt::PlainText);
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
    weatherLayout->addWidget(problem_);
    weatherLayout->addStretch(1);
    top->addWidget(weatherBox, 2);

    const FieldStyle style{Qt::AlignCenter, 80, true, Qt::AlignRight};
    const FieldGroup site =
        AddFieldGroup(binder_, QStringLiteral("Site"), this,
                      {{"latitude", 0, 0}, {"longitude", 1, 0}, {"utcOffset", 2, 0}}, style);
    top->addWidget(site.box);
    const FieldGroup start = AddFieldGroup(
        binder_, QStringLiteral("Start-up Values"), this,
        {{"startFfmc", 0, 0}, {"startDmc", 1, 0}, {"startDc", 2, 0}, {"dailyHour", 4, 0}}, style);
    start.grid->addWidget(binder_.Button("takeFwi"), 3, 0, 1, 2);
    top->addWidget(start.box);

    // Results.
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    const forms::HourlyFwiForm& form = model_;
    weather_ = new GridModel(
        {[] { return forms::HourlyFwiForm::WeatherColumns(); },
         [&form] { return form.WeatherRows(); },
         [&form](std::size_t r, int c) { return form.WeatherText(r, c); },
         [&form](std::size_t r, int c) -> std::optional<double> { return form.WeatherValue(r, c); },
         [this](std::size_t r, int c, const std::string& text) {
             return model_.SetWeatherCell(r, c, text);
         }},
        this);
    hourly_ = new GridModel(
        {[&form] { return form.ResultColumns(); },
         [&form] { return form.ResultRows(); },
         [&form](std::size_t r, int c) { return form.ResultText(r, c); },
         [&form](std::size_t r, int c) -> std::optional<double> { return form.ResultValue(r, c); },
         {}},
        this);
    daily_ = new GridModel({[] { return forms::HourlyFwiForm::DayColumns(); },
                            [&form] { return form.DayRows(); },
                            [&form](std::size_t r, int c) { return form.DayText(r, c); },
                            [&form](std::size_t r, int c) { return form.DayValue(r, c); },
                            {}},
                           this);
    weatherGrid_ = MakeGrid(weather_, QStringLiteral("weatherGrid"), tabs_);
    weatherGrid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    connect(weather_, &QAbstractItemModel::dataChanged, this, [this] {
        problem_->clear();
        binder_.Refresh();
    });
    // A refused cell keeps its value; the reason shows above the grids.
    connect(weatherGrid_->itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this] {
        if (!weather_->LastProblem().empty()) ShowProblem(ToQ(weather_->LastProblem()));
    });
    auto* pasteKey = new QShortcut(QKeySequence::Paste, weatherGrid_);
    pasteKey->setContext(Qt::WidgetShortcut);
    connect(pasteKey, &QShortcut::activated, this, [this] { PasteWeather(); });
    hourlyGrid_ = MakeGrid(hourly_, QStringLiteral("hourlyGrid"), tabs_);
    dailyGrid_ = MakeGrid(daily_, QStringLiteral("dailyGrid"), tabs_);
    binder_.AddResultWidget(hourlyGrid_);
    binder_.AddResultWidget(dailyGrid_);

    auto* dailyPage = new QWidget(tabs_);
    auto* dailyLayout = new QVBoxLayout(dailyPage);
    dailyLayout->addWidget(dailyGrid_, 1);
    auto* sendRow = new QHBoxLayout;
    QPushButton* send = NamedButton(
        QStringLiteral("Send Day to &Fire by Hour"), QStringLiteral("sendDay"),
        QStringLiteral("The selected day's hourly FFMC and wind speed (01:00 to midnight) and "
                       "its BUI at the peak hour go to Fire Behaviour by Hour; choose 'Day sent "
                       "from Hourly FWI' there"),
        dailyPage);
    connect(send, &QPushButton::clicked, this, [this] { SendDay(); });
    sent_ = new QLabel(dailyPage);
    sent_->setObjectName(QStringLiteral("sentDay"));
    sendRow->addWidget(send);
    sendRow->addWidget(sent_, 1);
    dailyLayout->addLayout(sendRow);

    auto* chartPage = new QWidget(tabs_);
    auto* chartLayout = new QVBoxLayout(chartPage);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    fireChart_ = new QChartView(new QChart, chartPage);
    fireChart_->setObjectName(QStringLiteral("fireChart"));
    fireChart_->setRenderHint(QPainter::Antialiasing);
    grassChart_ = new QChartView(new QChart, chartPage);
    grassChart_->setObjectName(QStringLiteral("grassChart"));
    grassChart_->setRenderHint(QPainter::Antialiasing);
    chartLayout->addWidget(fireChart_, 1);
    chartLayout->addWidget(grassChart_, 1);
    // Both charts as one picture, with the weather's source and the site under them.
    chartLayout->addWidget(MakeExportButtons(
        chartPage, [this](QPainter& p, const QSize& size) { ChartPicture().paint(p, size); },
        [this] { return ChartPicture().size; }, QStringLiteral("hourly_fwi")));

    tabs_->addTab(weatherGrid_, QStringLiteral("&Weather"));
    tabs_->addTab(hourlyGrid_, QStringLiteral("&Hourly Results"));
    tabs_->addTab(dailyPage, QStringLiteral("&Daily Summaries"));
    tabs_->addTab(chartPage, QStringLiteral("C&harts"));
    layout->addWidget(tabs_, 1);

    connect(&binder_, &FormBinder::Refreshed, this, [this] { Reload(); });
    frame->AddCalculateButtons({}, {"ok", "cancel"});
    frame->AddExports(FormExports(model_));
    ShareRoom({tabs_});
    resize(1100, 720);
}

void CHourlyFwiDlg::ShowProblem(const QString& text) { problem_->setText(text); }

ChartsPicture CHourlyFwiDlg::ChartPicture() const {
    return ExportedCharts({fireChart_, grassChart_}, QStringLiteral("Weather from %1; %2")
                                                         .arg(ToQ(model_.Text("source")).trimmed(),
                                                              ToQ(forms::InputsInWords(model_))));
}

void CHourlyFwiDlg::OpenWeatherFile() {
    const QString path = AskOpenFileName(this, QStringLiteral("Open Weather File"),
                                         QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowProblem(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    const std::string problem =
        model_.LoadCsv(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       QFileInfo(path).fileName().toStdString());
    ShowProblem(problem.empty() ? QString()
                                : QFileInfo(path).fileName() + QStringLiteral(", ") + ToQ(problem));
    binder_.Refresh();
    if (problem.empty() && model_.HasResults()) tabs_->setCurrentIndex(1);
}

void CHourlyFwiDlg::PasteWeather() {
    const std::string text = QApplication::clipboard()->text().toStdString();
    const std::string problem = model_.PasteCells(text);
    ShowProblem(problem.empty() ? QString() : QStringLiteral("Pasted cells, ") + ToQ(problem));
    binder_.Refresh();
}

void CHourlyFwiDlg::SendDay() {
    const QModelIndex current = dailyGrid_->currentIndex();
    if (!current.isValid()) {
        sent_->setText(QStringLiteral("Select a day in the grid first."));
        return;
    }
    const auto row = static_cast<std::size_t>(current.row());
    if (model_.HandOverDay(row)) {
        sent_->setText(
            QStringLiteral("%1 sent to Fire Behaviour by Hour.").arg(ToQ(model_.DayDate(row))));
    }
    binder_.Refresh();
}

void CHourlyFwiDlg::Reload() {
    weather_->Reload();
    hourly_->Reload();
    daily_->Reload();
    for (QTableView* grid : {weatherGrid_, hourlyGrid_, dailyGrid_})
        grid->resizeColumnsToContents();

    const forms::HourlyFwiForm& form = model_;
    const std::size_t rows = form.ResultRows();
    const bool hourly = form.Kind() == forms::WeatherKind::Hourly;
    const std::size_t bucket =
        std::max<std::size_t>(1, (rows + kMaxChartPoints - 1) / kMaxChartPoints);
    Lines fire, grass;
    double top = 1;
    double topGrass = 1;
    double topRain = 1;
    for (std::size_t first = 0; first < rows; first += bucket) {
        forms::HourlyFwiForm::ChartRow peak = form.ChartPoint(first);
        double rain = 0;
        for (std::size_t r = first; r < std::min(rows, first + bucket); ++r) {
            const forms::HourlyFwiForm::ChartRow p = form.ChartPoint(r);
            peak.ffmc = std::max(peak.ffmc, p.ffmc);
            peak.isi = std::max(peak.isi, p.isi);
            peak.fwi = std::max(peak.fwi, p.fwi);
            peak.gfmc = std::max(peak.gfmc, p.gfmc);
            peak.gsi = std::max(peak.gsi, p.gsi);
            peak.gfwi = std::max(peak.gfwi, p.gfwi);
            rain += p.rain;
        }
        const double x = peak.x;
        fire.a.append({x, peak.ffmc});
        fire.b.append({x, peak.isi});
        fire.c.append({x, peak.fwi});
        grass.a.append({x, peak.gfmc});
        grass.b.append({x, peak.gsi});
        grass.c.append({x, peak.gfwi});
        top = std::max({top, peak.ffmc, peak.isi, peak.fwi});
        topGrass = std::max({topGrass, peak.gfmc, peak.gsi, peak.gfwi});
        topRain = std::max(topRain, rain);
        if (rain > 0) {
            const double w = static_cast<double>(bucket) * 0.45;
            fire.rain.append({x - w, 0});
            fire.rain.append({x - w, rain});
            fire.rain.append({x + w, rain});
            fire.rain.append({x + w, 0});
        }
    }
    const double last = rows > 0 ? form.ChartPoint(rows - 1).x : 1;

    auto build = [&](QChartView* view, const QString& title, const Lines& lines,
                     const QStringList& names, double yTop, bool withRain) {
        QChart* chart = view->chart();
        chart->removeAllSeries();
        for (QAbstractAxis* axis : chart->axes()) {
            chart->removeAxis(axis);
            delete axis;
        }
        chart->setTitle(title);
        chart->setMargins(QMargins(2, 2, 2, 2));
        chart->setBackgroundRoundness(0);
        auto* x = new QValueAxis;
        x->setTitleText(hourly
                            ? QStringLiteral("Hours from the first row (h); grey lines: midnight")
                            : QStringLiteral("Day of the season (d)"));
        x->setLabelFormat(QStringLiteral("%.0f"));
        x->setRange(0, std::max(1.0, last));
        auto* y = new QValueAxis;
        y->setTitleText(names.join(QStringLiteral(", ")));  // indices: no unit
        y->setRange(0, yTop * 1.05);
        y->applyNiceNumbers();
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
        if (rows == 0) return;
        // Each day's active burning window, shaded behind the lines.
        if (hourly) {
            QList<QPointF> shade;
            for (const auto& window : form.BurningWindows()) {
                const double x0 = form.ChartPoint(window.first).x - 0.5;
                const double x1 = form.ChartPoint(window.last).x + 0.5;
                shade.append({x0, 0});
                shade.append({x0, yTop * 1.05});
                shade.append({x1, yTop * 1.05});
                shade.append({x1, 0});
            }
            if (!shade.isEmpty()) {
                Attach(chart,
                       Steps(shade, QStringLiteral("Active burning"), QColor(255, 170, 60, 70)), x,
                       y);
            }
            // Day boundaries (midnight) as thin lines; too dense to help beyond a season.
            if (rows <= 24 * 400) {
                QList<QPointF> days;
                for (std::size_t r : form.DayStarts()) {
                    const double at = form.ChartPoint(r).x;
                    days.append({at, 0});
                    days.append({at, yTop * 1.05});
                    days.append({at, 0});
                }
                auto* boundaries = Line(days, QStringLiteral("Midnight"), QColor(0, 0, 0, 40));
                QPen pen = boundaries->pen();
                pen.setWidthF(0.5);
                boundaries->setPen(pen);
                Attach(chart, boundaries, x, y);
            }
        }
        if (withRain && !lines.rain.isEmpty()) {
            auto* mm = new QValueAxis;
            mm->setTitleText(QStringLiteral("Rain (mm)"));
            mm->setRange(0, topRain * 1.05);
            mm->applyNiceNumbers();
            chart->addAxis(mm, Qt::AlignRight);
            // Outlined too: an hour's bar is narrower than a pixel over a season.
            QAreaSeries* bars =
                Steps(lines.rain, QStringLiteral("Rain (mm)"), QColor(40, 110, 220, 150));
            bars->setPen(QPen(QColor(40, 110, 220), 1));
            Attach(chart, bars, x, mm);
        }
        Attach(chart, Line(lines.a, names[0], QColor(0, 130, 60)), x, y);
        Attach(chart, Line(lines.b, names[1], QColor(200, 120, 0)), x, y);
        Attach(chart, Line(lines.c, names[2], QColor(190, 0, 0)), x, y);
    };
    // Titled with what they show and the weather they were computed from.
    const QString from = ToQ(form.Text("source")).trimmed();
    const QString of = from.isEmpty() ? QString() : QStringLiteral(", ") + from;
    build(fireChart_,
          (hourly ? QStringLiteral("FFMC, ISI and FWI by hour")
                  : QStringLiteral("FFMC, ISI and FWI by day (1987 daily system)")) +
              of,
          fire, {QStringLiteral("FFMC"), QStringLiteral("ISI"), QStringLiteral("FWI")}, top, true);
    grassChart_->setVisible(hourly);
    if (hourly) {
        build(grassChart_, QStringLiteral("GFMC, GSI and GFWI by hour") + of, grass,
              {QStringLiteral("GFMC"), QStringLiteral("GSI"), QStringLiteral("GFWI")}, topGrass,
              false);
    }
}

}  // namespace emberlin::ui
