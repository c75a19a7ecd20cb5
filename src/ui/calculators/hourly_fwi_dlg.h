// The Hourly FWI (FWI2025) window: weather grid, hourly and daily results, two charts.
#pragma once

#include <QLabel>
#include <QTabWidget>
#include <QTableView>

#include "forms/models/hand_over.h"
#include "forms/models/hourly_fwi_form.h"
#include "ui/pictures/chart_windows.h"
#include "ui/widgets/form_binder.h"

class QAbstractTableModel;

class QChartView;

namespace emberlin::ui {

class GridModel;

class CHourlyFwiDlg : public CModelDlg<forms::HourlyFwiForm> {
  public:
    // Binds `keptModel` when the caller keeps the model (the main menu), else makes its own.
    CHourlyFwiDlg(forms::HandOver& shared, QWidget* parent,
                  forms::HourlyFwiForm* keptModel = nullptr);

    // Opens a weather file through the file dialog (or the queued answer).
    void OpenWeatherFile();
    // Takes the clipboard's text as pasted cells.
    void PasteWeather();
    // Sends the day selected in the daily grid to Fire Behaviour by Hour.
    void SendDay();

    QTableView* WeatherGrid() const { return weatherGrid_; }
    QTableView* HourlyGrid() const { return hourlyGrid_; }
    QTableView* DailyGrid() const { return dailyGrid_; }
    // The two charts as exported: titles, plots, legends and the inputs under them.
    ChartsPicture ChartPicture() const;

  private:
    void Reload();
    void ShowProblem(const QString& text);

    GridModel* weather_ = nullptr;
    GridModel* hourly_ = nullptr;
    GridModel* daily_ = nullptr;
    QTableView* weatherGrid_ = nullptr;
    QTableView* hourlyGrid_ = nullptr;
    QTableView* dailyGrid_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLabel* problem_ = nullptr;
    QLabel* sent_ = nullptr;
    QChartView* fireChart_ = nullptr;
    QChartView* grassChart_ = nullptr;
};

}  // namespace emberlin::ui
