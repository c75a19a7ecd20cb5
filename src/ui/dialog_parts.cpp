#include "ui/dialog_parts.h"

#include <QFont>
#include <QLineEdit>
#include <QPushButton>

namespace emberlin::ui {

QLabel* AddLabelledField(FormBinder& binder, QGridLayout* grid, const char* id, int row, int column,
                         const FieldStyle& style) {
    QLineEdit* edit = binder.Edit(id);
    edit->setAlignment(style.textAlignment);
    if (style.fixedWidth) {
        edit->setFixedWidth(style.width);
    } else {
        edit->setMaximumWidth(style.width);
    }
    QLabel* label = binder.Label(id);
    grid->addWidget(label, row, column, style.labelAlignment);
    grid->addWidget(edit, row, column + 1);
    return label;
}

void AddLabelledFields(FormBinder& binder, QGridLayout* grid,
                       std::initializer_list<FieldPlace> places, const FieldStyle& style) {
    for (const FieldPlace& place : places) {
        AddLabelledField(binder, grid, place.id, place.row, place.column, style);
    }
}

void EmphasiseHeading(QLabel* heading, double scale) {
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    heading->setFont(font);
}

QFrame* RuleLine(QWidget* parent) {
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

QHBoxLayout* OkCancelRow(FormBinder& binder) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* ok = binder.Button("ok");
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(binder.Button("cancel"));
    return buttons;
}

QHBoxLayout* CalculateRow(FormBinder& binder, std::initializer_list<const char*> beside,
                          std::initializer_list<const char*> closing) {
    auto* buttons = new QHBoxLayout;
    QPushButton* calculate = binder.Button("calculate");
    calculate->setDefault(true);
    buttons->addWidget(calculate);
    for (const char* id : beside) buttons->addWidget(binder.Button(id));
    buttons->addStretch(1);
    for (const char* id : closing) buttons->addWidget(binder.Button(id));
    return buttons;
}

}  // namespace emberlin::ui
