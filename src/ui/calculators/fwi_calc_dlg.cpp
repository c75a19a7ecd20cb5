#include "ui/calculators/fwi_calc_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <string>

#include "forms/fields/result_columns.h"
#include "ui/pictures/picture.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialog_parts.h"

namespace emberlin::ui {

CFwiCalcDlg::CFwiCalcDlg(forms::HandOver& shared, QWidget* parent, forms::FwiCalcForm* keptModel)
    : CModelDlg(parent, Held<forms::FwiCalcForm>{keptModel}, shared) {
    setObjectName(QStringLiteral("CFwiCalcDlg"));

    auto* frame = new CCalculatorFrame(*this, &binder_);
    QVBoxLayout* layout = frame->ContentLayout();

    // The Process, with the picture at the top right.
    auto* top = new QHBoxLayout;
    auto* process = new QGroupBox(QStringLiteral("The Process"), this);
    auto* processLayout = new QVBoxLayout(process);
    QLabel* instructions = WrappedText(
        QStringLiteral("ENTER Yesterday's FWI Values,         ENTER Today's Weather Values,       "
                       "ENTER the Desired Output Format,      ENTER Return or  CLICK  Calculate "
                       "Button"),
        process);
    instructions->setObjectName(QStringLiteral("instructions"));
    processLayout->addWidget(instructions);
    top->addWidget(process, 1);
    top->addWidget(MakePicture(QStringLiteral("fwi_calculator"),
                               QStringLiteral("Fire weather station"), this));
    layout->addLayout(top);

    // Input Information: yesterday's codes on the first row, today's weather below.
    auto* inputs = new QGroupBox(QStringLiteral("Input Information"), this);
    auto* grid = new QGridLayout(inputs);
    auto addField = [&](const char* id, int row, int column) {
        AddLabelledField(binder_, grid, id, row, column,
                         {Qt::AlignCenter, 90, false, Qt::AlignRight});
    };
    addField("ffmcYesterday", 0, 0);
    addField("dmcYesterday", 0, 2);
    addField("dcYesterday", 0, 4);
    auto* today = new QLabel(QStringLiteral("Today's"), inputs);
    QFont bold = today->font();
    bold.setBold(true);
    today->setFont(bold);
    grid->addWidget(today, 1, 0);
    addField("temperature", 2, 0);
    addField("relativeHumidity", 2, 2);
    addField("month", 2, 4);
    addField("windSpeed", 3, 0);
    addField("rain", 3, 2);
    layout->addWidget(inputs);

    // Output Format and Today's FWI side by side.
    auto* middle = new QHBoxLayout;
    auto* format = new QGroupBox(QStringLiteral("Output Format"), this);
    auto* formatLayout = new QVBoxLayout(format);
    formatLayout->addWidget(binder_.Check("integerOption"));
    formatLayout->addWidget(binder_.Check("realOption"));
    middle->addWidget(format);

    auto* results = new QGroupBox(QStringLiteral("Today's FWI"), this);
    auto* resultGrid = new QGridLayout(results);
    int column = 0;
    for (const forms::FwiResultColumn& result : forms::FwiCalcResults()) {
        const std::string id(result.id);
        QLineEdit* edit = binder_.Edit(id);
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaximumWidth(70);
        QLabel* label = binder_.Label(id);
        label->setAlignment(Qt::AlignCenter);
        resultGrid->addWidget(label, 0, column);
        resultGrid->addWidget(edit, 1, column);
        ++column;
    }
    middle->addWidget(results, 1);
    layout->addLayout(middle);

    frame->AddCalculateButtons({"acronyms"}, {"ok", "cancel"});
    frame->AddExports(FormExports(model_));
    ShareRoom({results}, {process});
}

}  // namespace emberlin::ui
