// The buttons that open the pictures of the projection and weather dialogs: each takes a
// snapshot of what its dialog's calculation computed (and the inputs behind it) after every
// successful calculation, and opens its window, made on the first click, from that snapshot.
#pragma once

#include <QHBoxLayout>
#include <QPushButton>
#include <array>
#include <functional>

#include "forms/models/detection_form.h"
#include "forms/models/diurnal_form.h"
#include "forms/models/fuel_projection_form.h"
#include "ui/pictures/chart_windows.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

// The hourly tables the detection assessment grows its fire with, or nothing before the
// diurnal weather has been computed.
using HourlySource = std::function<std::optional<emberlin::HourlyTables>()>;

// The Chart button of the diurnal weather and projection by fuel type windows, put beside
// Calculate, the first button of the window's action row `actions`.
PictureLauncher* AddDiurnalChart(QHBoxLayout* actions, FormBinder& binder,
                                 const forms::DiurnalForm& form);
PictureLauncher* AddProjectionChart(QHBoxLayout* actions, FormBinder& binder,
                                    const forms::FuelProjectionForm& form);

// The detection assessment's fire shape (nested perimeters at each row's elapsed time) and
// its chart.
struct DetectionLaunchers {
    PictureLauncher* shape = nullptr;
    PictureLauncher* chart = nullptr;
};
DetectionLaunchers AttachDetectionPictures(QPushButton* shape, QPushButton* chart,
                                           QPushButton* calculate, const forms::DetectionForm& form,
                                           HourlySource hourly);

}  // namespace emberlin::ui
