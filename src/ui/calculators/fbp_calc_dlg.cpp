#include "ui/calculators/fbp_calc_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "fbp/fbp_engine.h"
#include "forms/content/pictures.h"
#include "forms/fields/result_columns.h"
#include "ui/pictures/picture.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/perimeter_exports.h"

namespace emberlin::ui {

namespace {

// A label and its right-aligned field side by side in a grid.
void AddRow(FormBinder& binder, QGridLayout* grid, const char* id, int row, int column,
            int fieldWidth) {
    AddLabelledField(binder, grid, id, row, column, {Qt::AlignRight, fieldWidth, true, {}});
}

}  // namespace

CFbpCalcDlg::CFbpCalcDlg(forms::HandOver& shared, QWidget* parent, forms::FbpCalcForm* keptModel)
    : CModelDlg(parent, Held<forms::FbpCalcForm>{keptModel}, shared) {
    setObjectName(QStringLiteral("CFbpCalcDlg"));

    // The form's own layout, with the fire shape panel beside it.
    auto* frame = new CCalculatorFrame(*this, &binder_);
    auto* outer = new QHBoxLayout;
    frame->ContentLayout()->addLayout(outer, 1);
    auto* layout = new QVBoxLayout;
    layout->setSpacing(4);
    outer->addLayout(layout, 1);

    // The Process and its button, with the picture at the top right.
    auto* top = new QHBoxLayout;
    auto* process = new QGroupBox(QStringLiteral("The Process"), this);
    auto* processLayout = new QVBoxLayout(process);
    const QString texts[] = {
        QStringLiteral("ENTER the appropriate FBP fuel type,   ENTER the FBP Parameters,         "
                       "     ENTER the required INPUT information, "),
        QStringLiteral("For Results, Hit the RETURN key after enterring input values or CLICK the "
                       "Calculate Button")};
    // Wide enough for the first two instructions on one line, so that the third one starts
    // the next line instead of breaking inside it.
    const int textWidth = process->fontMetrics().horizontalAdvance(QStringLiteral(
                              "ENTER the appropriate FBP fuel type,   ENTER the FBP Parameters,")) +
                          process->fontMetrics().horizontalAdvance(QStringLiteral("      "));
    processLayout->addStretch(1);
    for (const QString& text : texts) {
        QLabel* label = WrappedText(text, process);
        label->setFixedWidth(textWidth);
        processLayout->addWidget(label);
    }
    processLayout->addStretch(1);
    top->addWidget(process, 1);
    top->addWidget(binder_.Button("acronyms"), 0, Qt::AlignVCenter);
    top->addWidget(MakePicture(QStringLiteral("crown_fire"), QStringLiteral("Crown fire"), this), 0,
                   Qt::AlignTop);
    layout->addLayout(top);

    // Fuel types, parameters and ignition, inputs.
    auto* middle = new QHBoxLayout;
    auto* fuels = new QGroupBox(QStringLiteral("FBP Fuel Types"), this);
    auto* fuelGrid = new QGridLayout(fuels);
    // Rows as close as the boxes allow: with the outputs under them, every result and the fire
    // shape's buttons stay in view on a 1366 x 768 screen.
    fuelGrid->setVerticalSpacing(0);
    for (int i = 0; i < forms::kFuelCount; ++i) {
        const forms::FuelType& place = forms::CatalogueFuel(i);
        QCheckBox* box = binder_.Check(forms::FuelBoxId(i));
        const FuelTypeRow& fuel = FuelTypeTable[static_cast<std::size_t>(i)];
        box->setToolTip(QStringLiteral("%1: %2").arg(
            QString::fromUtf8(fuel.code.data(), static_cast<qsizetype>(fuel.code.size())),
            QString::fromUtf8(fuel.fuel.data(), static_cast<qsizetype>(fuel.fuel.size()))));
        fuelGrid->addWidget(box, place.gridRow, place.gridColumn);
    }
    middle->addWidget(fuels);

    auto* centre = new QVBoxLayout;
    auto* parameters = new QGroupBox(QStringLiteral("FBP Parameters"), this);
    auto* parameterGrid = new QGridLayout(parameters);
    int row = 0;
    for (const char* id : {"pc", "df", "gc", "gfl"})
        AddRow(binder_, parameterGrid, id, row++, 0, 60);
    parameterGrid->setRowStretch(row, 1);
    centre->addWidget(parameters, 1);
    auto* ignition = new QGroupBox(QStringLiteral("Ignition Type"), this);
    auto* ignitionLayout = new QHBoxLayout(ignition);
    ignitionLayout->addWidget(binder_.Check("pointIgnition"));
    ignitionLayout->addWidget(binder_.Check("lineIgnition"));
    centre->addWidget(ignition);
    middle->addLayout(centre);

    auto* inputs = new QGroupBox(QStringLiteral("INPUTS"), this);
    auto* inputGrid = new QGridLayout(inputs);
    const char* left[] = {"month", "day", "ffmc", "bui", "latitude", "longitude"};
    const char* right[] = {"windSpeed", "windDirection", "slope",
                           "aspect",    "elevation",     "elapsedTime"};
    for (int r = 0; r < 6; ++r) {
        AddRow(binder_, inputGrid, left[r], r, 0, 70);
        AddRow(binder_, inputGrid, right[r], r, 3, 70);
    }
    inputGrid->setColumnMinimumWidth(2, 16);
    middle->addWidget(inputs, 1);
    layout->addLayout(middle);

    auto* calculateRow = new QHBoxLayout;
    QPushButton* calculate = binder_.Button("calculate");
    calculate->setDefault(true);  // Return in any field calculates
    calculateRow->addStretch(1);
    calculateRow->addWidget(calculate);
    calculateRow->addStretch(1);
    layout->addLayout(calculateRow);

    // The outputs, three columns each; both groups share their column widths so that the
    // columns line up from one group to the other.
    // The results in their declared order: the first six in columns of two, the rest in
    // columns of four.
    using Columns = std::vector<std::vector<const forms::FbpResultColumn*>>;
    Columns primary(3), secondary(3);
    for (std::size_t i = 0; i < forms::kFbpResultCount; ++i) {
        const forms::FbpResultColumn* result = &forms::FbpCalcResults()[i];
        if (i < 6) {
            primary[i / 2].push_back(result);
        } else {
            secondary[(i - 6) / 4].push_back(result);
        }
    }
    // Room for the widest number the ranges allow (a perimeter of 111111.66 m) and a margin.
    const int numberWidth =
        std::max(70, fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")) + 16);
    std::vector<QGridLayout*> outputGrids;
    std::vector<int> labelWidths(3, 0);
    std::vector<int> fieldWidths(3, 0);
    auto addOutputs = [&](const QString& title, const Columns& columns) {
        auto* box = new QGroupBox(title, this);
        auto* grid = new QGridLayout(box);
        grid->setVerticalSpacing(2);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const int column = static_cast<int>(c) * 3;
            int r = 0;
            for (const forms::FbpResultColumn* result : columns[c]) {
                const std::string id(result->id);
                const bool words = result->format == forms::ResultFormat::Description;
                QLineEdit* edit = binder_.Edit(id);
                edit->setAlignment(words ? Qt::AlignLeft : Qt::AlignRight);
                edit->setFixedWidth(words ? 170 : numberWidth);
                QLabel* label = binder_.Label(id);
                labelWidths[c] = std::max(labelWidths[c], label->sizeHint().width());
                fieldWidths[c] = std::max(fieldWidths[c], edit->width());
                grid->addWidget(label, r, column);
                grid->addWidget(edit, r, column + 1, Qt::AlignLeft);
                ++r;
            }
            grid->setColumnStretch(column + 2, 1);
        }
        outputGrids.push_back(grid);
        layout->addWidget(box);
    };
    addOutputs(QStringLiteral("Primary OUTPUTS"), primary);
    addOutputs(QStringLiteral("Secondary OUTPUTS"), secondary);
    for (QGridLayout* grid : outputGrids) {
        for (int c = 0; c < 3; ++c) {
            grid->setColumnMinimumWidth(c * 3, labelWidths[static_cast<std::size_t>(c)]);
            grid->setColumnMinimumWidth(c * 3 + 1, fieldWidths[static_cast<std::size_t>(c)]);
        }
    }

    // Calculate stands in the form: the action row holds OK and Cancel, in its middle.
    QHBoxLayout* buttons = frame->ActionRow();
    buttons->addStretch(1);
    buttons->addWidget(binder_.Button("ok"));
    buttons->addWidget(binder_.Button("cancel"));
    buttons->addStretch(1);
    auto* shapePanel = new QGroupBox(QStringLiteral("Fire Shape"), this);
    auto* shapeLayout = new QVBoxLayout(shapePanel);
    shapeView_ = new FireShapeView(shapePanel);
    shapeLayout->addWidget(shapeView_, 1);
    QWidget* pictureButtons = MakeExportButtons(
        shapePanel, [this](QPainter& p, const QSize& size) { shapeView_->Painter()(p, size); },
        [this] { return shapeView_->size(); }, QStringLiteral("fire_shape"));
    // The fire drawn, for a map.
    pictureButtons->layout()->addWidget(MakeSavePerimeterButton(
        this,
        [this]() -> std::optional<PerimeterExport> {
            if (!shown_) return std::nullopt;
            return PerimeterExport{
                forms::IgnitionPoint(shown_->in),
                "EMBERLIN FBP fire, " + shown_->in.fuelType,
                {forms::FbpPerimeterFeature(
                    shown_->in, shown_->out,
                    "Fire at " + FormatGeneral(shown_->in.elapsedTime) + " min")}};
        },
        QStringLiteral("fbp_perimeter")));
    shapeLayout->addWidget(pictureButtons);
    outer->addWidget(shapePanel);
    ShareRoom({shapePanel}, {process});
    // The report carries the fire shape as drawn now.
    frame->AddExports(FormExports(model_, [this] {
        return SizedPicture{shapeView_->Painter(), QSize(480, 400)};
    }));
    // After every action of the form (and on opening): the fire of the results on screen,
    // greyed when an edit, a choice or an opened scenario has changed the inputs since.
    connect(&binder_, &FormBinder::Refreshed, this, [this] { UpdateShape(); });
    // The fire of the results the form shows now, which may be earlier than its inputs.
    DrawShape(model_.ShownFire());
    drawnResults_ = model_.ResultsCount();
    shapeView_->SetStale(model_.ResultsStale());
}

void CFbpCalcDlg::UpdateShape() {
    // Only what a Calculate sent to the engine: a refused value never reaches it.
    if (model_.ResultsCount() != drawnResults_) {
        DrawShape(model_.ShownFire());
        drawnResults_ = model_.ResultsCount();
    }
    shapeView_->SetStale(model_.ResultsStale());
}

void CFbpCalcDlg::DrawShape(const FbpInputs& in) {
    FbpOutputs out;
    if (ComputeFbp(in, out) != FbpResult::Computed) return;
    shapeView_->SetShape(forms::DescribeFireShape(in, out), ToQ(forms::InputsCaption(in)));
    shown_ = ShownFire{in, out};
}

}  // namespace emberlin::ui
