#include "ui/fuel_projection_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/fixed_rows.h"
#include "ui/picture.h"
#include "ui/picture_launchers.h"

namespace emberlin::ui {

namespace {
// Room for the widest rows the formats give (every value below 10).
constexpr int kRowCharacters = 200;
}  // namespace

CFuelProjectionDlg::CFuelProjectionDlg(SharedValues& shared, QWidget* parent)
    : CFormDlg(parent), model_(shared) {
    setObjectName(QStringLiteral("CFuelProjectionDlg"));
    auto* layout = new QVBoxLayout(this);

    auto addField = [this](QGridLayout* grid, const char* id, int row, int column) {
        QLineEdit* edit = binder_.Edit(id);
        edit->setAlignment(Qt::AlignCenter);
        edit->setFixedWidth(80);
        grid->addWidget(binder_.Label(id), row, column);
        grid->addWidget(edit, row, column + 1);
    };

    // Instructions and inputs on the left, the crown fire picture at the top right.
    auto* top = new QHBoxLayout;
    layout->addLayout(top);
    auto* left = new QVBoxLayout;
    top->addLayout(left, 1);

    auto* instructions = new QLabel(QString::fromUtf8(forms::FuelProjectionForm::kInstructions), this);
    instructions->setObjectName(QStringLiteral("instructions"));
    instructions->setTextFormat(Qt::PlainText);
    instructions->setWordWrap(true);
    QFont bold = instructions->font();
    bold.setBold(true);
    instructions->setFont(bold);
    left->addWidget(instructions);

    auto* groups = new QHBoxLayout;
    left->addLayout(groups);

    auto* parameterColumn = new QVBoxLayout;
    auto* parameters = new QGroupBox(QStringLiteral("FBP Parameters"), this);
    auto* parameterGrid = new QGridLayout(parameters);
    addField(parameterGrid, "pc", 0, 0);
    addField(parameterGrid, "pdf", 1, 0);
    addField(parameterGrid, "gc", 2, 0);
    addField(parameterGrid, "gfl", 3, 0);
    parameterColumn->addWidget(parameters);
    auto* ignition = new QGroupBox(QStringLiteral("Ignition Type"), this);
    auto* ignitionLayout = new QHBoxLayout(ignition);
    ignitionLayout->addWidget(binder_.Check("pointIgnition"));
    ignitionLayout->addWidget(binder_.Check("lineIgnition"));
    ignitionLayout->addStretch(1);
    parameterColumn->addWidget(ignition);
    parameterColumn->addStretch(1);
    groups->addLayout(parameterColumn);

    // INPUTS: date and place, fuel moisture, then wind, terrain and time.
    auto* inputs = new QGroupBox(QStringLiteral("INPUTS"), this);
    auto* inputGrid = new QGridLayout(inputs);
    inputGrid->setHorizontalSpacing(10);
    // Each label beside its box; the free room goes between the pairs.
    addField(inputGrid, "month", 0, 0);
    addField(inputGrid, "day", 1, 0);
    addField(inputGrid, "latitude", 2, 0);
    addField(inputGrid, "longitude", 3, 0);
    addField(inputGrid, "elevation", 4, 0);
    addField(inputGrid, "ffmc", 0, 3);
    addField(inputGrid, "bui", 1, 3);
    addField(inputGrid, "elapsedTime", 2, 3);
    addField(inputGrid, "windSpeed", 0, 6);
    addField(inputGrid, "windDirection", 1, 6);
    addField(inputGrid, "slope", 2, 6);
    addField(inputGrid, "aspect", 3, 6);
    for (int column : {2, 5}) {
        inputGrid->setColumnMinimumWidth(column, 16);
        inputGrid->setColumnStretch(column, 1);
    }
    groups->addWidget(inputs, 1);

    top->addWidget(MakePicture(QStringLiteral("crown_fire"), QStringLiteral("Crown fire"), this),
                   0, Qt::AlignTop);

    // The table: headings over one row per fuel type.
    auto* table = new QGroupBox(QStringLiteral("FBP Projections by Fuel Type"), this);
    auto* tableLayout = new QVBoxLayout(table);
    std::vector<std::string> headingIds;
    for (int line = 0; line < forms::FuelProjectionForm::kHeadingLineCount; ++line) {
        headingIds.push_back(forms::FuelProjectionForm::HeadingId(line));
    }
    std::vector<std::string> rowIds;
    for (int row = 0; row < forms::FuelProjectionForm::kRowCount; ++row) {
        rowIds.push_back(forms::FuelProjectionForm::RowId(row));
    }
    AddFixedTable(binder_, tableLayout, headingIds, rowIds, kRowCharacters);
    layout->addWidget(table);

    layout->addWidget(binder_.WarningLine());

    // Return calculates, as the instruction line promises.
    auto* buttons = new QHBoxLayout;
    QPushButton* calculate = binder_.Button("calculate");
    calculate->setDefault(true);
    buttons->addWidget(calculate);
    auto* chart = new QPushButton(QStringLiteral("Chart"), this);
    chart->setObjectName(QStringLiteral("chart"));
    chart->setToolTip(
        QStringLiteral("Head fire intensity of every fuel type over the intensity classes"));
    AttachProjectionChart(chart, calculate, model_);
    buttons->addWidget(chart);
    buttons->addStretch(1);
    buttons->addWidget(binder_.Button("ok"));
    buttons->addWidget(binder_.Button("cancel"));
    layout->addLayout(buttons);
}

}  // namespace emberlin::ui
