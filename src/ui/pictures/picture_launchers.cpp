#include "ui/pictures/picture_launchers.h"

#include <cstdlib>
#include <memory>
#include <optional>

#include "common/calendar.h"
#include "forms/content/pictures.h"
#include "forms/exports/result_table.h"
#include "ui/pictures/fire_shape_view.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

namespace {

// A calculation succeeded when the store before it refused nothing.
bool StoredCleanly(const forms::FormModel& form) { return !form.TypingWarning().has_value(); }

// A launcher's builder: `draw` makes the picture of the snapshot last taken, and its caption.
template <class Snapshot>
PictureLauncher::Builder DrawSnapshot(
    std::shared_ptr<std::optional<Snapshot>> taken,
    std::function<PictureContent(const Snapshot&, QWidget* parent, QString& caption)> draw) {
    return [taken, draw](QWidget* parent, PictureContent& content, QString& caption) {
        if (!taken->has_value()) return false;
        content = draw(**taken, parent, caption);
        return true;
    };
}

// What a chart window is called, and the file name its pictures are saved under.
struct ChartWindow {
    const char* tip;
    const char* title;
    const char* fileName;
};

// A field's text as the form shows it, without the blanks around it.
QString Shown(const forms::FormModel& form, const char* id) { return ToQ(form.Text(id)).trimmed(); }

// The Chart button beside Calculate (the first button of `actions`): after each clean
// calculation `take` snapshots what the chart needs from the form (nothing before the form
// has calculated) and `title` the chart's title, and the button opens the chart `draw` makes
// from that snapshot, with the form's inputs in words as its caption.
template <class Data>
PictureLauncher* AddSnapshotChart(
    QHBoxLayout* actions, FormBinder& binder, const ChartWindow& window,
    std::function<std::optional<Data>()> take, std::function<QString()> title,
    std::function<PictureContent(const Data&, const QString& title, QWidget*)> draw) {
    struct Snapshot {
        Data data;
        QString caption;
        QString title;
    };
    QPushButton* calculate = binder.Button("calculate");
    QPushButton* chart = NamedButton(QStringLiteral("Chart"), QStringLiteral("chart"),
                                     QString::fromUtf8(window.tip), &binder.Dialog());
    actions->insertWidget(1, chart);
    auto taken = std::make_shared<std::optional<Snapshot>>();
    auto* launcher = new PictureLauncher(
        chart, QString::fromUtf8(window.title), QString::fromUtf8(window.fileName),
        [taken] { return taken->has_value(); },
        DrawSnapshot<Snapshot>(taken,
                               [draw](const Snapshot& snapshot, QWidget* parent, QString& caption) {
                                   caption = snapshot.caption;
                                   return draw(snapshot.data, snapshot.title, parent);
                               }));
    const forms::FormModel& form = binder.Model();
    QObject::connect(
        calculate, &QPushButton::clicked, launcher, [taken, launcher, &form, take, title] {
            if (!StoredCleanly(form)) return;
            std::optional<Data> data = take();
            if (!data) return;
            *taken = Snapshot{std::move(*data), ToQ(forms::InputsInWords(form)), title()};
            launcher->Refresh();
        });
    return launcher;
}

// The weather and hourly FFMC of a diurnal calculation.
struct DiurnalDayChart {
    DiurnalDay weather;
    DiurnalFfmc ffmc{};
};

}  // namespace

PictureLauncher* AddDiurnalChart(QHBoxLayout* actions, FormBinder& binder,
                                 const forms::DiurnalForm& form) {
    const ChartWindow window = {"Temperature, RH, wind speed and FFMC of the table, hour by hour",
                                "EMBERLIN - Diurnal Weather Chart", "diurnal_weather"};
    return AddSnapshotChart<DiurnalDayChart>(
        actions, binder, window,
        [&form]() -> std::optional<DiurnalDayChart> {
            if (!form.LastWeather()) return std::nullopt;
            return DiurnalDayChart{*form.LastWeather(), form.LastFfmc()};
        },
        [&form] {
            return QStringLiteral(
                       "Diurnal weather by hour, %1 %2 at latitude %3\u00b0, longitude %4\u00b0")
                .arg(Shown(form, "day"),
                     QString::fromUtf8(MonthName(
                         form.Text("month").empty() ? 0 : std::atoi(form.Text("month").c_str()))),
                     Shown(form, "latitude"), Shown(form, "longitude"));
        },
        [](const DiurnalDayChart& day, const QString& title, QWidget* parent) {
            return MakeDiurnalChart(day.weather, day.ffmc, title, parent);
        });
}

PictureLauncher* AddProjectionChart(QHBoxLayout* actions, FormBinder& binder,
                                    const forms::FuelProjectionForm& form) {
    using Bars = std::vector<forms::FuelBar>;
    const ChartWindow window = {"Head fire intensity of every fuel type over the intensity classes",
                                "EMBERLIN - Projection by Fuel Type Chart",
                                "projection_by_fuel_type"};
    return AddSnapshotChart<Bars>(
        actions, binder, window,
        [&form]() -> std::optional<Bars> {
            if (!form.LastOutputs()) return std::nullopt;
            return forms::FuelBars(*form.LastOutputs());
        },
        [&form] {
            return QStringLiteral(
                       "Head fire intensity of every fuel type at FFMC %1, BUI %2, wind speed %3 "
                       "km/h, slope %4 %, %5 min")
                .arg(Shown(form, "ffmc"), Shown(form, "bui"), Shown(form, "windSpeed"),
                     Shown(form, "slope"), Shown(form, "elapsedTime"));
        },
        MakeProjectionChart);
}

DetectionLaunchers AttachDetectionPictures(QPushButton* shape, QPushButton* chart,
                                           QPushButton* calculate, const forms::DetectionForm& form,
                                           HourlySource hourly) {
    auto taken = std::make_shared<std::optional<forms::DetectionGrowth>>();
    const auto available = [taken] { return taken->has_value() && !(*taken)->rows.empty(); };
    DetectionLaunchers launchers;
    launchers.shape = new PictureLauncher(
        shape, QStringLiteral("EMBERLIN - Detection Assessment Fire Shape"),
        QStringLiteral("detection_fire_shape"), available,
        DrawSnapshot<forms::DetectionGrowth>(
            taken, [](const forms::DetectionGrowth& growth, QWidget* parent, QString& caption) {
                auto* view = new FireShapeView(parent);
                view->setMinimumSize(460, 560);
                QString note = QStringLiteral("Perimeters (dashed) at");
                for (const AccumulatedGrowthRow& row : growth.rows) {
                    note += QStringLiteral(" %1").arg(row.elapsedTime);
                }
                note += QStringLiteral(" min; the fire at the last.");
                view->SetShape(growth.shape, ToQ(growth.inputs), note);
                caption.clear();  // the drawing carries its own
                return PictureContent{view, view->Painter()};
            }));
    launchers.chart = new PictureLauncher(
        chart, QStringLiteral("EMBERLIN - Detection Assessment Chart"),
        QStringLiteral("detection_assessment"), available,
        DrawSnapshot<forms::DetectionGrowth>(taken, [](const forms::DetectionGrowth& growth,
                                                       QWidget* parent, QString& caption) {
            caption = ToQ(growth.inputs);
            const QString title =
                QStringLiteral("Head fire intensity and area of a %1 fire from %2, hour by hour")
                    .arg(ToQ(growth.inputs).section(QLatin1Char(','), 0, 0),
                         ToQ(forms::ClockText(growth.startMinutes)));
            return MakeDetectionChart(growth, title, parent);
        }));
    QObject::connect(
        calculate, &QPushButton::clicked, launchers.shape, [taken, launchers, &form, hourly] {
            const std::optional<emberlin::HourlyTables> tables = hourly();
            if (!tables || !StoredCleanly(form)) return;
            if (form.GrowthRows().empty()) return;
            // The fire the table was just computed for: the same inputs and start.
            *taken =
                forms::DescribeDetectionGrowth(form.FireInputs(), form.StartMinutes(), *tables);
            launchers.shape->Refresh();
            launchers.chart->Refresh();
        });
    return launchers;
}

}  // namespace emberlin::ui
