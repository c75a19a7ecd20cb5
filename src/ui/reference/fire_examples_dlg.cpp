#include "ui/reference/fire_examples_dlg.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "ui/pictures/picture.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialog_parts.h"

namespace emberlin::ui {

namespace {
struct Field {
    const char* id;
    const char* tip;
};
struct Group {
    const char* title;
    std::vector<Field> fields;
};
const Group kGroups[] = {
    {"Weather Observations",
     {{"temperature", "Noon temperature in degrees Celsius"},
      {"relativeHumidity", "Noon relative humidity in percent"},
      {"windSpeed", "Noon 10-m wind speed in km/h"},
      {"daysSinceRain", "Days since the last rain"}}},
    {"Fuel Moisture Codes",
     {{"ffmc", "Fine Fuel Moisture Code"}, {"dmc", "Duff Moisture Code"}, {"dc", "Drought Code"}}},
    {"Fire Behavior Indices",
     {{"isi", "Initial Spread Index"}, {"bui", "Buildup Index"}, {"fwi", "Fire Weather Index"}}},
    {"Fire Behavior Characteristics",
     {{"headRos", "Head fire rate of spread in m/min"},
      {"hfi", "Head fire intensity in kW/m"},
      {"tfc", "Total fuel consumption in kg/m2"}}},
};
// The example buttons, in their two rows.
const std::vector<const char*> kButtonRows[] = {
    {"exampleFwi9", "exampleFwi14", "exampleFwi15", "exampleFwi17"},
    {"exampleFwi20", "exampleFwi24", "exampleFwi34"},
};
}  // namespace

CFireExamplesDlg::CFireExamplesDlg(QWidget* parent) : CGalleryDlg(parent) {
    setObjectName(QStringLiteral("CFireExamplesDlg"));

    auto* frame = new CCalculatorFrame(*this, nullptr);
    QVBoxLayout* layout = frame->ContentLayout();

    // Heading, rule and the example buttons, with the picture at the top right.
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* heading = new QLabel(QStringLiteral("EMBERLIN"), this);
    heading->setObjectName(QStringLiteral("heading"));
    EmphasiseHeading(heading, 1.4);
    left->addWidget(heading);
    left->addWidget(RuleLine(this));
    auto* choose = new QGroupBox(QStringLiteral("Choose an Example of Fire Behavior"), this);
    auto* chooseGrid = new QGridLayout(choose);
    for (int row = 0; row < 2; ++row) {
        int column = 0;
        for (const char* id : kButtonRows[row]) {
            chooseGrid->addWidget(binder_.Button(id), row, column++);
        }
    }
    left->addWidget(choose);
    left->addStretch(1);
    top->addLayout(left, 1);
    top->addWidget(MakePicture(QStringLiteral("crown_fire"), QStringLiteral("Crown fire"), this), 0,
                   Qt::AlignTop);
    layout->addLayout(top);

    // The type of fire and its description above the four groups of values.
    auto* texts = new QGridLayout;
    QLineEdit* type = binder_.Edit("typeOfFire");
    texts->addWidget(binder_.Label("typeOfFire"), 0, 0);
    texts->addWidget(type, 0, 1);
    QPlainTextEdit* description = binder_.TextBox("description");
    const int lineHeight = description->fontMetrics().lineSpacing();
    description->setFixedHeight(lineHeight * 5 + 12);
    QLabel* descriptionLabel = binder_.Label("description");
    texts->addWidget(descriptionLabel, 1, 0, Qt::AlignTop);
    texts->addWidget(description, 1, 1);
    texts->setColumnStretch(1, 1);
    layout->addLayout(texts);

    auto* groups = new QHBoxLayout;
    for (const Group& group : kGroups) {
        auto* box = new QGroupBox(QString::fromUtf8(group.title), this);
        auto* grid = new QGridLayout(box);
        int row = 0;
        for (const Field& field : group.fields) {
            QLineEdit* edit = binder_.Edit(field.id);
            edit->setAlignment(Qt::AlignCenter);
            edit->setFixedWidth(64);
            edit->setToolTip(QString::fromUtf8(field.tip));
            grid->addWidget(binder_.Label(field.id), row, 0);
            grid->addWidget(edit, row, 1);
            ++row;
        }
        grid->setRowStretch(row, 1);
        groups->addWidget(box);
    }
    layout->addLayout(groups);

    frame->ActionRow()->addLayout(OkCancelRow(binder_));
}

}  // namespace emberlin::ui
