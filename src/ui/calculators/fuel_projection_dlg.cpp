#include "ui/calculators/fuel_projection_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/calculators/fbp_input_groups.h"
#include "ui/pictures/picture.h"
#include "ui/pictures/picture_launchers.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/fixed_rows.h"
#include "ui/widgets/result_grid.h"

namespace emberlin::ui {

CFuelProjectionDlg::CFuelProjectionDlg(forms::HandOver& shared, QWidget* parent,
                                       forms::FuelProjectionForm* keptModel)
    : CModelDlg(parent, Held<forms::FuelProjectionForm>{keptModel}, shared) {
    setObjectName(QStringLiteral("CFuelProjectionDlg"));
    auto* frame = new CCalculatorFrame(*this, &binder_);
    QVBoxLayout* layout = frame->ContentLayout();

    // Instructions and inputs on the left, the crown fire picture at the top right.
    auto* top = new QHBoxLayout;
    layout->addLayout(top);
    auto* left = new QVBoxLayout;
    top->addLayout(left, 1);

    QLabel* instructions = InstructionLine(forms::FuelProjectionForm::kInstructions, this);
    left->addWidget(instructions);

    auto* groups = new QHBoxLayout;
    left->addLayout(groups);

    AddFbpParametersColumn(binder_, groups, this);

    // INPUTS: date and place, fuel moisture, then wind, terrain and time.
    // Each label beside its box; the free room goes between the pairs.
    const FieldGroup inputs = AddFbpInputsGroup(
        binder_, this,
        {{}, {"ffmc", "bui", "elapsedTime"}, {"windSpeed", "windDirection", "slope", "aspect"}},
        PairColumns::Spread);
    groups->addWidget(inputs.box, 1);

    top->addWidget(MakePicture(QStringLiteral("crown_fire"), QStringLiteral("Crown fire"), this), 0,
                   Qt::AlignTop);

    // The table: headings over one row per fuel type.
    const ResultGridBox table =
        MakeResultGridBox(binder_, QStringLiteral("FBP Projections by Fuel Type"), this,
                          [this] { return model_.Table(); });
    layout->addWidget(table.box);

    // Return calculates, as the instruction line promises.
    frame->AddCalculateButtons({}, {"ok", "cancel"});
    AddProjectionChart(frame->ActionRow(), binder_, model_);
    frame->AddExports(FormExports(model_));
    ShareRoom({table.box}, {instructions});
}

}  // namespace emberlin::ui
