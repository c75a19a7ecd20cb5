#include "ui/picture_launchers.h"

#include <memory>
#include <optional>

#include "common/calendar.h"
#include "forms/pictures.h"
#include "ui/fire_shape_view.h"
#include "ui/form_binder.h"

namespace emberlin::ui {

namespace {

// A calculation succeeded when the store before it refused nothing.
bool StoredCleanly(const forms::FormModel& form) { return !form.TypingWarning().has_value(); }

}  // namespace

PictureLauncher* AttachDiurnalChart(QPushButton* chart, QPushButton* calculate,
                                    const forms::DiurnalForm& form) {
    struct Snapshot {
        DiurnalDay weather;
        DiurnalFfmc ffmc{};
        QString caption;
    };
    auto taken = std::make_shared<std::optional<Snapshot>>();
    auto* launcher = new PictureLauncher(
        chart, QStringLiteral("EMBERLIN - Diurnal Weather Chart"),
        QStringLiteral("diurnal_weather"), [taken] { return taken->has_value(); },
        [taken](QWidget* parent, PictureContent& content, QString& caption) {
            if (!taken->has_value()) return false;
            content = MakeDiurnalChart((*taken)->weather, (*taken)->ffmc, parent);
            caption = (*taken)->caption;
            return true;
        });
    QObject::connect(calculate, &QPushButton::clicked, launcher, [taken, launcher, &form] {
        if (!form.LastWeather() || !StoredCleanly(form)) return;
        *taken = Snapshot{*form.LastWeather(), form.LastFfmc(), ToQ(forms::FieldsCaption(form))};
        launcher->Refresh();
    });
    return launcher;
}

PictureLauncher* AttachProjectionChart(QPushButton* chart, QPushButton* calculate,
                                       const forms::FuelProjectionForm& form) {
    struct Snapshot {
        std::vector<forms::FuelBar> bars;
        QString caption;
    };
    auto taken = std::make_shared<std::optional<Snapshot>>();
    auto* launcher = new PictureLauncher(
        chart, QStringLiteral("EMBERLIN - Projection by Fuel Type Chart"),
        QStringLiteral("projection_by_fuel_type"), [taken] { return taken->has_value(); },
        [taken](QWidget* parent, PictureContent& content, QString& caption) {
            if (!taken->has_value()) return false;
            content = MakeProjectionChart((*taken)->bars, parent);
            caption = (*taken)->caption;
            return true;
        });
    QObject::connect(calculate, &QPushButton::clicked, launcher, [taken, launcher, &form] {
        if (!form.LastOutputs() || !StoredCleanly(form)) return;
        *taken = Snapshot{forms::FuelBars(*form.LastOutputs()), ToQ(forms::FieldsCaption(form))};
        launcher->Refresh();
    });
    return launcher;
}

DetectionLaunchers AttachDetectionPictures(QPushButton* shape, QPushButton* chart,
                                           QPushButton* calculate, const forms::DetectionForm& form,
                                           HourlySource hourly) {
    auto taken = std::make_shared<std::optional<forms::DetectionGrowth>>();
    const auto available = [taken] { return taken->has_value() && !(*taken)->rows.empty(); };
    DetectionLaunchers launchers;
    launchers.shape =
        new PictureLauncher(shape, QStringLiteral("EMBERLIN - Detection Assessment Fire Shape"),
                            QStringLiteral("detection_fire_shape"), available,
                            [taken](QWidget* parent, PictureContent& content, QString& caption) {
                                if (!taken->has_value()) return false;
                                const forms::DetectionGrowth& growth = **taken;
                                auto* view = new FireShapeView(parent);
                                view->setMinimumSize(460, 560);
                                QString note = QStringLiteral("Perimeters (dashed) at");
                                for (const AccumulatedGrowthRow& row : growth.rows) {
                                    note += QStringLiteral(" %1").arg(row.elapsedTime);
                                }
                                note += QStringLiteral(" min; the fire at the last.");
                                view->SetShape(growth.shape, ToQ(growth.inputs), note);
                                content = {view, view->Painter()};
                                caption.clear();  // the drawing carries its own
                                return true;
                            });
    launchers.chart =
        new PictureLauncher(chart, QStringLiteral("EMBERLIN - Detection Assessment Chart"),
                            QStringLiteral("detection_assessment"), available,
                            [taken](QWidget* parent, PictureContent& content, QString& caption) {
                                if (!taken->has_value()) return false;
                                content = MakeDetectionChart(**taken, parent);
                                caption = ToQ((*taken)->inputs);
                                return true;
                            });
    QObject::connect(
        calculate, &QPushButton::clicked, launchers.shape, [taken, launchers, &form, hourly] {
            const std::optional<forms::HourlyTables> tables = hourly();
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
