// The FBP inputs that the detection assessment, the projection by fuel type and the fire
// behaviour by hour windows lay out alike: the FBP Parameters over the ignition type (with the
// settings to use beside it, where the form has them), and their INPUTS, the date and place
// first.
#pragma once

#include <QBoxLayout>
#include <initializer_list>

#include "ui/dialog_parts.h"

namespace emberlin::ui {

// Adds to `row` a column of the FBP Parameters group (percent conifer, percent dead fir, grass
// curing and grass fuel load, one above the other) over Ignition Type. Where the form has
// settings to use, that group stands beside Ignition Type, whose two boxes then stand one above
// the other; otherwise they stand side by side. Returns the FBP Parameters group.
FieldGroup AddFbpParametersColumn(FormBinder& binder, QBoxLayout* row, QWidget* parent,
                                  const FieldStyle& style = {});

// The INPUTS group: the date and place (month, day, latitude, longitude and elevation) down its
// first pair of columns, then the window's `others` at their places.
FieldGroup AddFbpInputsGroup(FormBinder& binder, QWidget* parent,
                             std::initializer_list<FieldPlace> others,
                             const FieldStyle& style = {});

// Label and box pairs side by side in a grid, 10 px apart: the free room goes into the `gaps`
// columns between the pairs, each at least 16 px wide.
void SpreadFieldPairs(QGridLayout* grid, std::initializer_list<int> gaps);

}  // namespace emberlin::ui
