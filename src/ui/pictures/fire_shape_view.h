// The fire drawn to scale from its description: ellipse (or the nested perimeters of a
// growing fire), ignition point or line, wind, upslope and spread arrows, north arrow, a
// round scale bar and the caption of distances, rates, shape and the inputs behind them.
#pragma once

#include <QString>
#include <QWidget>

#include "forms/content/fire_shape.h"
#include "ui/pictures/picture_export.h"

namespace emberlin::ui {

// Paints `shape` into the rectangle from the origin to `size`: the drawing is scaled down to
// fit, never clipped. `inputs` is the caption of the inputs; `note` an optional line above it.
void DrawFireShape(QPainter& painter, const QSize& size, const forms::FireShape& shape,
                   const QString& inputs, const QString& note = {});

class FireShapeView : public QWidget {
    Q_OBJECT

  public:
    explicit FireShapeView(QWidget* parent = nullptr);

    void SetShape(const forms::FireShape& shape, const QString& inputs, const QString& note = {});
    const forms::FireShape& Shape() const { return shape_; }
    const QString& Inputs() const { return inputs_; }
    // A shape whose calculator's inputs have changed since is drawn greyed until the next
    // calculation (the pictures it copies and saves are not).
    void SetStale(bool stale);
    bool Stale() const { return stale_; }
    // Paints what the view shows, at any size (for copying and saving).
    PicturePainter Painter() const;

    QSize sizeHint() const override { return {380, 500}; }
    QSize minimumSizeHint() const override { return {300, 380}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    forms::FireShape shape_;
    QString inputs_;
    QString note_;
    bool stale_ = false;
};

}  // namespace emberlin::ui
