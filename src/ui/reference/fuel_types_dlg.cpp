#include "ui/reference/fuel_types_dlg.h"

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

CFuelTypesDlg::CFuelTypesDlg(QWidget* parent) : CGalleryDlg(parent) {
    setObjectName(QStringLiteral("CFuelTypesDlg"));

    for (const forms::FuelType& entry : forms::GalleryFuelTypes()) {
        QPushButton* button = binder_.Button(std::string(entry.buttonId));
        button->setProperty("fuelCode", ToQ(std::string(entry.code)));
        button->setToolTip(ToQ(std::string(entry.titleLine)));
    }

    auto* frame = new CCalculatorFrame(*this, nullptr);
    QVBoxLayout* layout = frame->ContentLayout();

    // Heading, rule, the process and the buttons, with the picture at the top right.
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* heading = new QLabel(
        QStringLiteral("EMBERLIN  -   Fuel Types of the Fire Behavior Prediction ( FBP ) System"),
        this);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setTextFormat(Qt::PlainText);
    EmphasiseHeading(heading, 1.15);
    left->addWidget(heading);
    left->addWidget(RuleLine(this));
    auto* process = new QGroupBox(QStringLiteral("The Process"), this);
    auto* processLayout = new QVBoxLayout(process);
    QLabel* instruction = WrappedText(
        QStringLiteral("CLICK the desired FBP fuel type, the Fuel type picture will appear in a "
                       "window and the associated description will be listed below."),
        process);
    instruction->setObjectName(QStringLiteral("instructions"));
    processLayout->addWidget(instruction);
    left->addWidget(process);
    // The fuel type buttons in their rows, each at its place in the catalogue.
    const std::vector<forms::FuelType> gallery = forms::GalleryFuelTypes();
    for (int row = 0; row < forms::GalleryRows(); ++row) {
        std::vector<forms::FuelType> inRow;
        for (const forms::FuelType& entry : gallery) {
            if (entry.galleryRow == row) inRow.push_back(entry);
        }
        std::sort(inRow.begin(), inRow.end(),
                  [](const forms::FuelType& a, const forms::FuelType& b) {
                      return a.galleryColumn < b.galleryColumn;
                  });
        auto* line = new QHBoxLayout;
        for (const forms::FuelType& entry : inRow) {
            QPushButton* button = binder_.Button(std::string(entry.buttonId));
            button->setFixedWidth(52);
            line->addWidget(button);
        }
        line->addStretch(1);
        left->addLayout(line);
    }
    left->addStretch(1);
    top->addLayout(left, 1);
    top->addWidget(
        MakePicture(QStringLiteral("menu_top"), QStringLiteral("Forest fire danger rating"), this),
        0, Qt::AlignTop);
    layout->addLayout(top);

    auto* described = new QGroupBox(QStringLiteral("Description of FBP Fuel Type"), this);
    auto* describedLayout = new QVBoxLayout(described);
    QPlainTextEdit* description = binder_.TextBox(forms::FuelTypesForm::kDescription);
    description->setMinimumHeight(description->fontMetrics().lineSpacing() * 7 + 12);
    describedLayout->addWidget(description);
    layout->addWidget(described, 1);

    frame->ActionRow()->addLayout(OkCancelRow(binder_));
}

}  // namespace emberlin::ui
