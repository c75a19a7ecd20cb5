#include "ui/detection_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "forms/report_notes.h"
#include "ui/dialog_parts.h"
#include "ui/fbp_input_groups.h"
#include "ui/fixed_rows.h"
#include "ui/picture_launchers.h"
#include "ui/result_exports.h"
#include "ui/result_grid.h"

namespace emberlin::ui {

namespace {
QLabel* TextLine(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}
}  // namespace

CDetectionDlg::CDetectionDlg(forms::HandOver& shared, QWidget* parent) : CModelDlg(parent, shared) {
    setObjectName(QStringLiteral("CDetectionDlg"));
    auto* layout = new QVBoxLayout(this);

    QLabel* instructions = TextLine(forms::DetectionForm::kInstructions, this);
    instructions->setObjectName(QStringLiteral("instructions"));
    QFont bold = instructions->font();
    bold.setBold(true);
    instructions->setFont(bold);
    layout->addWidget(instructions);

    auto* top = new QHBoxLayout;
    layout->addLayout(top);

    // Fuel types in the catalogue's two columns.
    auto* fuels = new QGroupBox(QStringLiteral("FBP Fuel Types"), this);
    auto* fuelGrid = new QGridLayout(fuels);
    fuelGrid->setVerticalSpacing(2);
    for (int i = 0; i < forms::kFuelCount; ++i) {
        const forms::FuelType& place = forms::CatalogueFuel(i);
        fuelGrid->addWidget(binder_.Check(forms::FuelBoxId(i)), place.gridRow, place.gridColumn);
    }
    top->addWidget(fuels);

    // FBP Parameters over the two option groups.
    const FieldGroup parameters = AddFbpParametersColumn(binder_, top, this);
    // The grass fuel load label carries its unit after a long run of blanks: let it wrap
    // there instead of widening the group.
    parameters.box->findChild<QLabel*>(QStringLiteral("gflLabel"))->setWordWrap(true);
    parameters.grid->setColumnStretch(0, 1);

    // INPUTS: date, place and start time on the left; weather and terrain on the right.
    // Each label beside its box; the free room goes between the two columns.
    const FieldGroup inputs = AddFbpInputsGroup(binder_, this,
                                                {{"fireStartTime", 5, 0},
                                                 {"ffmc", 0, 3},
                                                 {"bui", 1, 3},
                                                 {"windSpeed", 2, 3},
                                                 {"windDirection", 3, 3},
                                                 {"slope", 4, 3},
                                                 {"aspect", 5, 3}});
    SpreadFieldPairs(inputs.grid, {2});
    for (const char* id : {"ffmc", "windSpeed"}) {
        QLineEdit* edit = binder_.Edit(id);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
    }
    top->addWidget(inputs.box, 1);

    // The table: headings over ten rows, then the two notes.
    auto* table = new QGroupBox(QStringLiteral("FBP Projections by Time"), this);
    auto* tableLayout = new QVBoxLayout(table);
    auto* grid = new CResultGrid(
        binder_, [this] { return model_.Table(); }, QStringLiteral("resultGrid"), table);
    binder_.AddResultWidget(grid);
    tableLayout->addWidget(grid);
    tableLayout->addSpacing(6);
    for (const char* note : {forms::DetectionForm::kNoteHourly, forms::DetectionForm::kNotePoc}) {
        tableLayout->addWidget(TextLine(note, table));
    }
    // The fire's perimeters and its chart, beside the table.
    auto* pictures = new QHBoxLayout;
    auto* shape = new QPushButton(QStringLiteral("Fire Shape"), table);
    shape->setObjectName(QStringLiteral("fireShape"));
    shape->setToolTip(QStringLiteral("The fire's perimeter at each row's elapsed time, to scale"));
    auto* chart = new QPushButton(QStringLiteral("Chart"), table);
    chart->setObjectName(QStringLiteral("chart"));
    chart->setToolTip(
        QStringLiteral("Head fire intensity and area over time, with the intensity classes"));
    pictures->addStretch(1);
    pictures->addWidget(shape);
    pictures->addWidget(chart);
    tableLayout->addLayout(pictures);
    layout->addWidget(table);

    layout->addWidget(binder_.WarningLine());

    layout->addLayout(CalculateRow(binder_, {}, {"exit", "cancel"}));
    AddResultExports(*this, {[this] { return forms::MakeResultsTable(model_); },
                             [this] { return forms::HowComputed(model_); },
                             {}});

    AttachDetectionPictures(shape, chart, binder_.Button("calculate"), model_,
                            [&shared] { return shared.hourly; });
    ArrangeDialog(*this, &binder_, {table}, {instructions});
}

}  // namespace emberlin::ui
