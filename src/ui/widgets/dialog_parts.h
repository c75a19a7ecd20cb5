// Pieces every dialog builds the same way: a label beside its field in a grid, groups of them,
// wrapped texts and instructions, a heading's emphasis, the rule under a heading, the rows of
// action buttons and the frame that keeps a window on the screen.
#pragma once

#include <QAbstractButton>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
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

// The closing row: OK (the default button) and Cancel at the right.
QHBoxLayout* OkCancelRow(FormBinder& binder);

// The action row of a calculator: Calculate (the default button, so that Return
// calculates) with the buttons `beside` it at the left, the buttons `closing` at the right.
QHBoxLayout* CalculateRow(FormBinder& binder, std::initializer_list<const char*> beside,
                          std::initializer_list<const char*> closing);

// Finishes a dialog built in a box layout whose last item is its row of action buttons:
// - everything above that row (and the typing warning line just above it) moves into a
//   scroll area, so that the window never needs to be larger than the screen, while the
//   action row, the warning line and the form's stale-results line stay visible below;
// - `growing` widgets take the extra room when the window is enlarged; `steady` ones
//   (instructions) keep their natural height;
// - the eighteen fuel type boxes, when the form has them, are one Tab stop, moved through
//   with the arrow keys;
// - on first showing, the window takes its natural size, limited to the screen's available
//   area.
// `binder` may be null for a dialog without a form model.
void ArrangeDialog(QDialog& dialog, FormBinder* binder,
                   std::initializer_list<QWidget*> growing = {},
                   std::initializer_list<QWidget*> steady = {});

// The largest size a window may open at on `screen`: the available area less room for the
// window frame.
QSize WindowRoom(const QScreen* screen);

// Makes `boxes` one Tab stop: Tab reaches the box last focused (at first the checked one),
// the arrow keys move between them in order.
void MakeOneTabStop(const std::vector<QAbstractButton*>& boxes);

}  // namespace emberlin::ui
