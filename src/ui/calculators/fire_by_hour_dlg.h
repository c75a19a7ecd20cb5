// The fire behaviour by hour window: inputs, the day's grid, its summary and the HFI chart.
#pragma once

#include <QLabel>
#include <QVBoxLayout>
#include <memory>

#include "forms/models/fire_by_hour_form.h"
#include "forms/models/hand_over.h"
#include "ui/pictures/chart_windows.h"
#include "ui/widgets/form_binder.h"

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace emberlin::ui {

class CCalculatorFrame;

class CFireByHourDlg : public CModelDlg<forms::FireByHourForm> {
  public:
    // Binds `keptModel` when the caller keeps the model (the main menu), else makes its own.
    CFireByHourDlg(forms::HandOver& shared, QWidget* parent,
                   forms::FireByHourForm* keptModel = nullptr);
    ~CFireByHourDlg() override;
    // The chart exists once the window has been shown.
    QChartView* ChartView() const { return chartView_; }
    // Brings the summary and chart up to the model's last result (the grid follows the form
    // on its own).
    void UpdateResults();
    // Puts the model's last result into the chart's series (timed by the tests).
    void UpdateChart();
    // The chart as exported and in the report: its title, the plot, the key and the inputs.
    ChartsPicture ChartPicture() const;
    QSize sizeHint() const override;

    // The chart is made, and brought up to the model, before the window first lays itself
    // out: it is laid out once, at the size the window gives it.
    void setVisible(bool visible) override;

  private:
    struct ChartParts;  // the chart's series and axes, made once
    class LabelRoom;
    class ChartKeyView;
    void BuildChart();

    CCalculatorFrame* frame_ = nullptr;
    QLabel* summary_ = nullptr;
    LabelRoom* summaryRoom_ = nullptr;
    QVBoxLayout* chartHolder_ = nullptr;
    ChartKeyView* chartKey_ = nullptr;
    QChartView* chartView_ = nullptr;
    std::unique_ptr<ChartParts> chart_;
};

}  // namespace emberlin::ui
