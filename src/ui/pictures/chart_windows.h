// The charts drawn from the tables just computed (diurnal weather, detection assessment,
// projection by fuel type) and the window that holds a chart or a fire shape beside its
// dialog, with Copy and Save. Windows are made on their first opening, never at start-up.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "diurnal/diurnal_weather.h"
#include "diurnal/hourly_ffmc.h"
#include "forms/content/pictures.h"
#include "ui/pictures/picture_export.h"

class QChartView;

namespace emberlin::ui {

// What a picture window shows: the drawing's widget and how to paint it at any size.
struct PictureContent {
    QWidget* view = nullptr;
    PicturePainter paint;
};

// A chart view with the chart titled `title`; `paint` renders it (vectors in an SVG).
PictureContent MakeDiurnalChart(const DiurnalDay& weather, const DiurnalFfmc& ffmc,
                                const QString& title, QWidget* parent);
PictureContent MakeDetectionChart(const forms::DetectionGrowth& growth, const QString& title,
                                  QWidget* parent);
PictureContent MakeProjectionChart(const std::vector<forms::FuelBar>& bars, const QString& title,
                                   QWidget* parent);

// Charts as one picture, for saving, copying and the report: each chart as drawn (its title,
// plot and legend) at its size on the screen, the key of its named series under a chart that
// keeps its legend hidden, and the caption of the inputs under them all. `paint` draws it at
// any size, scaled from `size`.
using ChartsPicture = SizedPicture;
ChartsPicture ExportedCharts(const std::vector<QChartView*>& views, const QString& caption);

// A window beside its dialog: the picture, the caption of the inputs that produced it, and
// the Copy and Save buttons; the exported picture carries the caption under the drawing.
class PictureWindow : public QDialog {
    Q_OBJECT

  public:
    PictureWindow(QWidget* parent, const QString& title, const QString& fileName);
    // Replaces what the window shows.
    void SetContent(PictureContent content, const QString& caption);
    QWidget* View() const { return content_.view; }
    const QString& Caption() const { return caption_; }
    // The whole picture as exported, and its size.
    PicturePainter Painter() const;
    QSize PictureSize() const;

  private:
    PictureContent content_;
    QString caption_;
    QLabel* captionLabel_ = nullptr;
};

// A button of a dialog that opens a picture window. `build` gives the window's content and
// caption, or nothing when there is nothing computed to draw; the button is enabled only
// when there is. Refresh() after each calculation redraws an open window; a closed one is
// drawn anew when it next opens.
class PictureLauncher : public QObject {
    Q_OBJECT

  public:
    using Builder = std::function<bool(QWidget* parent, PictureContent& content, QString& caption)>;
    using Available = std::function<bool()>;
    PictureLauncher(QPushButton* button, const QString& title, const QString& fileName,
                    Available available, Builder build);
    void Refresh();
    void Open();
    PictureWindow* Window() const { return window_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Rebuild();
    QPushButton* button_;
    QString title_;
    QString fileName_;
    Available available_;
    Builder build_;
    QPointer<PictureWindow> window_;
    bool drawn_ = false;  // the window shows what the launcher would build now
};

}  // namespace emberlin::ui
