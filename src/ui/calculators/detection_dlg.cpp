#include "ui/calculators/detection_dlg.h"

#include <QCheckBox>
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
#include "ui/widgets/perimeter_exports.h"
#include "ui/widgets/result_grid.h"

namespace emberlin::ui {

CDetectionDlg::CDetectionDlg(forms::HandOver& shared, QWidget* parent,
                             forms::DetectionForm* keptModel)
    : CModelDlg(parent, Held<forms::DetectionForm>{keptModel}, shared) {
    setObjectName(QStringLiteral("CDetectionDlg"));
    auto* frame = new CCalculatorFrame(*this, &binder_);
    QVBoxLayout* layout = frame->ContentLayout();

    QLabel* instructions = InstructionLine(forms::DetectionForm::kInstructions, this);
    layout->addWidget(instructions);

    auto* top = new QHBoxLayout;
    layout->addLayout(top);

    // Fuel types in the catalogue's two columns.
    auto* fuels = new QGroupBox(QStringLiteral("FBP Fuel Types"), this);
    auto* fuelGrid = new QGridLayout(fuels);
    fuelGrid->setVerticalSpacing(2);
    // Each box shows its code, the fuel's name in its tooltip and accessible name (as on the
    // FBP calculator): with the names the window is wider than a 1366 px screen.
    for (int i = 0; i < forms::kFuelCount; ++i) {
        const forms::FuelType& place = forms::CatalogueFuel(i);
        QCheckBox* box = binder_.Check(forms::FuelBoxId(i));
        const QString name = box->text().simplified();
        box->setToolTip(name);
        box->setAccessibleName(name);
        box->setText(ToQ(std::string(place.code)));
        fuelGrid->addWidget(box, place.gridRow, place.gridColumn);
    }
    top->addWidget(fuels);

    // FBP Parameters over the two option groups.
    const FieldGroup parameters = AddFbpParametersColumn(binder_, top, this);
    // The grass fuel load label stays on one line (its unit after a run of blanks): the window
    // has the room, and a wrapped label splits its unit.
    parameters.box->findChild<QLabel*>(QStringLiteral("gflLabel"))->setWordWrap(false);
    parameters.grid->setColumnStretch(0, 1);

    // INPUTS: date, place and start time on the left; weather and terrain on the right.
    // Each label beside its box; the free room goes between the two columns.
    const FieldGroup inputs = AddFbpInputsGroup(
        binder_, this,
        {{"fireStartTime"}, {"ffmc", "bui", "windSpeed", "windDirection", "slope", "aspect"}},
        PairColumns::Spread);
    for (const char* id : {"ffmc", "windSpeed"}) {
        QLineEdit* edit = binder_.Edit(id);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
    }
    top->addWidget(inputs.box, 1);

    // The table: headings over ten rows, then the two notes.
    const ResultGridBox table =
        MakeResultGridBox(binder_, QStringLiteral("FBP Projections by Time"), this,
                          [this] { return model_.Table(); });
    table.layout->addSpacing(6);
    for (const char* note : {forms::DetectionForm::kNoteHourly, forms::DetectionForm::kNotePoc}) {
        table.layout->addWidget(WrappedText(QString::fromUtf8(note), table.box));
    }
    // The fire's perimeters and its chart, beside the table.
    auto* pictures = new QHBoxLayout;
    QPushButton* shape = NamedButton(
        QStringLiteral("Fire Shape"), QStringLiteral("fireShape"),
        QStringLiteral("The fire's perimeter at each row's elapsed time, to scale"), table.box);
    QPushButton* chart = NamedButton(
        QStringLiteral("Chart"), QStringLiteral("chart"),
        QStringLiteral("Head fire intensity and area over time, with the intensity classes"),
        table.box);
    // The perimeters of every row, for a map.
    QPushButton* perimeter = MakeSavePerimeterButton(
        table.box,
        [this]() -> std::optional<PerimeterExport> {
            if (model_.GrowthRows().empty()) return std::nullopt;
            const FbpInputs& fire = model_.FireInputs();
            return PerimeterExport{forms::IgnitionPoint(fire),
                                   "EMBERLIN detection assessment, " + fire.fuelType,
                                   forms::DetectionPerimeterFeatures(fire, model_.StartMinutes(),
                                                                     model_.GrowthRows())};
        },
        QStringLiteral("detection_perimeters"));
    pictures->addStretch(1);
    pictures->addWidget(shape);
    pictures->addWidget(chart);
    pictures->addWidget(perimeter);
    table.layout->addLayout(pictures);
    layout->addWidget(table.box);

    frame->AddCalculateButtons({}, {"exit", "cancel"});
    frame->AddExports(FormExports(model_));

    AttachDetectionPictures(shape, chart, binder_.Button("calculate"), model_,
                            [&shared] { return shared.hourly.Get(); });
    // Perimeters only of a calculation, and only while its inputs are the ones on screen.
    const auto perimeterReady = [this, perimeter] {
        perimeter->setEnabled(!model_.GrowthRows().empty() && !model_.ResultsStale());
    };
    perimeterReady();
    connect(&binder_, &FormBinder::Refreshed, perimeter, perimeterReady);
    connect(binder_.Button("calculate"), &QPushButton::clicked, perimeter, perimeterReady);
    ShareRoom({table.box}, {instructions});
}

}  // namespace emberlin::ui
