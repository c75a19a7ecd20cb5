// Pieces every dialog builds the same way: a label beside its field in a grid, groups of them,
// wrapped texts and instructions, a heading's emphasis, the rule under a heading, a named
// button, the OK and Cancel row, and the room a window has on its screen.
#pragma once

#include <QAbstractButton>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <initializer_list>
#include <vector>

#include "ui/widgets/form_binder.h"

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

// A titled group of labelled fields in a grid (AddLabelledFields).
struct FieldGroup {
    QGroupBox* box;
    QGridLayout* grid;
};
FieldGroup AddFieldGroup(FormBinder& binder, const QString& title, QWidget* parent,
                         std::initializer_list<FieldPlace> places, const FieldStyle& style = {});

// A label of plain text, wrapped at word boundaries.
QLabel* WrappedText(const QString& text, QWidget* parent);

// The bold line of instructions at the top of a window, named "instructions".
QLabel* InstructionLine(const char* text, QWidget* parent);

// Bold, and `scale` times the label's point size.
void EmphasiseHeading(QLabel* heading, double scale);

// The sunken horizontal rule under a heading.
QFrame* RuleLine(QWidget* parent);

// A push button named `name`, with what it does as its tooltip.
QPushButton* NamedButton(const QString& text, const QString& name, const QString& tip,
                         QWidget* parent);

// The closing row: OK (the default button) and Cancel at the right.
QHBoxLayout* OkCancelRow(FormBinder& binder);

// `growing` widgets take the extra room when the window is enlarged; `steady` ones
// (instructions) keep their natural height.
void ShareRoom(std::initializer_list<QWidget*> growing,
               std::initializer_list<QWidget*> steady = {});

// The largest size a window may open at on `screen`: the available area less room for the
// window frame.
QSize WindowRoom(const QScreen* screen);

// Makes `boxes` one Tab stop: Tab reaches the box last focused (at first the checked one),
// the arrow keys move between them in order.
void MakeOneTabStop(const std::vector<QAbstractButton*>& boxes);

}  // namespace emberlin::ui
