#include "ui/calculators/fbp_input_groups.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace emberlin::ui {

FieldGroup AddFbpParametersColumn(FormBinder& binder, QBoxLayout* row, QWidget* parent,
                                  const FieldStyle& style) {
    auto* column = new QVBoxLayout;
    const FieldGroup parameters =
        AddFieldGroup(binder, QStringLiteral("FBP Parameters"), parent,
                      {{"pc", 0, 0}, {"pdf", 1, 0}, {"gc", 2, 0}, {"gfl", 3, 0}}, style);
    column->addWidget(parameters.box);

    const bool withSettings = binder.Model().HasControl("defaultSettings");
    auto* ignition = new QGroupBox(QStringLiteral("Ignition Type"), parent);
    QBoxLayout* ignitionLayout = withSettings ? static_cast<QBoxLayout*>(new QVBoxLayout(ignition))
                                              : new QHBoxLayout(ignition);
    ignitionLayout->addWidget(binder.Check("pointIgnition"));
    ignitionLayout->addWidget(binder.Check("lineIgnition"));
    if (withSettings) {
        auto* options = new QHBoxLayout;
        options->addWidget(ignition);
        auto* settings = new QGroupBox(QStringLiteral("Settings to Use"), parent);
        auto* settingsLayout = new QVBoxLayout(settings);
        settingsLayout->addWidget(binder.Check("defaultSettings"));
        settingsLayout->addWidget(binder.Check("fbpSettings"));
        options->addWidget(settings, 1);
        column->addLayout(options);
    } else {
        ignitionLayout->addStretch(1);
        column->addWidget(ignition);
    }
    column->addStretch(1);
    row->addLayout(column);
    return parameters;
}

FieldGroup AddFbpInputsGroup(FormBinder& binder, QWidget* parent,
                             std::initializer_list<std::vector<const char*>> columns,
                             PairColumns pairs, const FieldStyle& style) {
    const FieldGroup inputs = AddFieldGroup(binder, QStringLiteral("INPUTS"), parent,
                                            {{"month", 0, 0},
                                             {"day", 1, 0},
                                             {"latitude", 2, 0},
                                             {"longitude", 3, 0},
                                             {"elevation", 4, 0}},
                                            style);
    const bool spread = pairs == PairColumns::Spread;
    if (spread) inputs.grid->setHorizontalSpacing(10);
    int row = 5;  // under the date and place
    int column = 0;
    for (const std::vector<const char*>& ids : columns) {
        if (column > 0 && spread) {
            inputs.grid->setColumnMinimumWidth(column - 1, 16);
            inputs.grid->setColumnStretch(column - 1, 1);
        }
        for (const char* id : ids) AddLabelledField(binder, inputs.grid, id, row++, column, style);
        row = 0;
        column += spread ? 3 : 2;
    }
    return inputs;
}

}  // namespace emberlin::ui
