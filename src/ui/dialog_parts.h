// Pieces every dialog builds the same way: a label beside its field in a grid, a heading's
// emphasis, the rule under a heading and the rows of action buttons.
#pragma once

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <initializer_list>

#include "ui/form_binder.h"

namespace emberlin::ui {

// How a field stands beside its label.
struct FieldStyle {
    Qt::Alignment textAlignment = Qt::AlignCenter;  // of the text in the box
    int width = 80;                                 // px
    bool fixedWidth = true;                         // false: the width is a maximum
    Qt::Alignment labelAlignment = {};              // of the label in its cell
};

// A label and its field side by side in a grid row (label first, so that it names its
// buddy); returns the label.
QLabel* AddLabelledField(FormBinder& binder, QGridLayout* grid, const char* id, int row, int column,
                         const FieldStyle& style = {});

// Where a field stands in a grid: its label's row and column (the box is one to the right).
struct FieldPlace {
    const char* id;
    int row;
    int column;
};

// AddLabelledField for each place, in order.
void AddLabelledFields(FormBinder& binder, QGridLayout* grid,
                       std::initializer_list<FieldPlace> places, const FieldStyle& style = {});

// Bold, and `scale` times the label's point size.
void EmphasiseHeading(QLabel* heading, double scale);

// The sunken horizontal rule under a heading.
QFrame* RuleLine(QWidget* parent);

// The closing row: OK (the default button) and Cancel at the right.
QHBoxLayout* OkCancelRow(FormBinder& binder);

// The action row of a calculator: Calculate (the default button, so that Return
// calculates) with the buttons `beside` it at the left, the buttons `closing` at the right.
QHBoxLayout* CalculateRow(FormBinder& binder, std::initializer_list<const char*> beside,
                          std::initializer_list<const char*> closing);

}  // namespace emberlin::ui
