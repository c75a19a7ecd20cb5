#include "ui/fuel_projection_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "forms/report_notes.h"
#include "ui/dialog_parts.h"
#include "ui/fbp_input_groups.h"
#include "ui/picture.h"
#include "ui/picture_launchers.h"
#include "ui/result_exports.h"
#include "ui/result_grid.h"

namespace emberlin::ui {

CFuelProjectionDlg::CFuelProjectionDlg(forms::HandOver& shared, QWidget* parent)
    : CModelDlg(parent, shared) {
    setObjectName(QStringLiteral("CFuelProjectionDlg"));
    auto* layout = new QVBoxLayout(this);

    // Instructions and inputs on the left, the crown fire picture at the top right.
    auto* top = new QHBoxLayout;
    layout->addLayout(top);
    auto* left = new QVBoxLayout;
    top->addLayout(left, 1);

    auto* instructions =
        new QLabel(QString::fromUtf8(forms::FuelProjectionForm::kInstructions), this);
    instructions->setObjectName(QStringLiteral("instructions"));
    instructions->setTextFormat(Qt::PlainText);
    instructions->setWordWrap(true);
    QFont bold = instructions->font();
    bold.setBold(true);
    instructions->setFont(bold);
    left->addWidget(instructions);

    auto* groups = new QHBoxLayout;
    left->addLayout(groups);

    AddFbpParametersColumn(binder_, groups, this);

    // INPUTS: date and place, fuel moisture, then wind, terrain and time.
    // Each label beside its box; the free room goes between the pairs.
    const FieldGroup inputs = AddFbpInputsGroup(binder_, this,
                                                {{"ffmc", 0, 3},
                                                 {"bui", 1, 3},
                                                 {"elapsedTime", 2, 3},
                                                 {"windSpeed", 0, 6},
                                                 {"windDirection", 1, 6},
                                                 {"slope", 2, 6},
                                                 {"aspect", 3, 6}});
    SpreadFieldPairs(inputs.grid, {2, 5});
    groups->addWidget(inputs.box, 1);

    top->addWidget(MakePicture(QStringLiteral("crown_fire"), QStringLiteral("Crown fire"), this), 0,
                   Qt::AlignTop);

    // The table: headings over one row per fuel type.
    auto* table = new QGroupBox(QStringLiteral("FBP Projections by Fuel Type"), this);
    auto* tableLayout = new QVBoxLayout(table);
    auto* grid = new CResultGrid(
        binder_, [this] { return model_.Table(); }, QStringLiteral("resultGrid"), table);
    binder_.AddResultWidget(grid);
    tableLayout->addWidget(grid);
    layout->addWidget(table);

    layout->addWidget(binder_.WarningLine());

    // Return calculates, as the instruction line promises.
    layout->addLayout(CalculateRow(binder_, {}, {"ok", "cancel"}));
    AddResultExports(*this, {[this] { return forms::MakeResultsTable(model_); },
                             [this] { return forms::HowComputed(model_); },
                             {}});
    QHBoxLayout* actions = CalculateRow(binder_, {}, {"ok", "cancel"});
    auto* chart = new QPushButton(QStringLiteral("Chart"), this);
    chart->setObjectName(QStringLiteral("chart"));
    chart->setToolTip(
        QStringLiteral("Head fire intensity of every fuel type over the intensity classes"));
    AttachProjectionChart(chart, binder_.Button("calculate"), model_);
    actions->insertWidget(1, chart);  // beside Calculate
    layout->addLayout(actions);
    ArrangeDialog(*this, &binder_, {table}, {instructions});
}

}  // namespace emberlin::ui
