// The FBP inputs that the detection assessment, the projection by fuel type and the fire
// behaviour by hour windows lay out alike: the FBP Parameters over the ignition type (with the
// settings to use beside it, where the form has them), and their INPUTS, the date and place
// first.
#pragma once

#include <QBoxLayout>
#include <initializer_list>
#include <vector>

#include "ui/widgets/dialog_parts.h"

namespace emberlin::ui {

// Adds to `row` a column of the FBP Parameters group (percent conifer, percent dead fir, grass
// curing and grass fuel load, one above the other) over Ignition Type. Where the form has
// settings to use, that group stands beside Ignition Type, whose two boxes then stand one above
// the other; otherwise they stand side by side. Returns the FBP Parameters group.
FieldGroup AddFbpParametersColumn(FormBinder& binder, QBoxLayout* row, QWidget* parent,
                                  const FieldStyle& style = {});

// How the columns of label and box pairs of a group stand: side by side, or apart.
enum class PairColumns {
    Adjacent,
    // 10 px apart, the free room going into a gap column, at least 16 px wide, between them.
    Spread,
};

// The INPUTS group: columns of label and box pairs, each listed from its top row. The first
// column holds the date and place (month, day, latitude, longitude and elevation), then the
// fields of `columns[0]`; each further list is a column of its own.
FieldGroup AddFbpInputsGroup(FormBinder& binder, QWidget* parent,
                             std::initializer_list<std::vector<const char*>> columns,
                             PairColumns pairs, const FieldStyle& style = {});

}  // namespace emberlin::ui
