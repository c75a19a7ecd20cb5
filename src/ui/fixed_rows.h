// Read-only one-line fields for rows of fixed-width text (projection tables and headings).
#pragma once

#include <QFont>
#include <QLineEdit>

namespace emberlin::ui {

// The system's monospace font: fixed-width rows line up only in it.
QFont FixedRowFont();

// Turns a bound read-only field into a row of a fixed-width table: monospace, frameless,
// wide enough for `characters` characters so nothing is clipped or scrolled. The text is
// shown exactly as the form built it.
void MakeFixedRow(QLineEdit* edit, int characters);

}  // namespace emberlin::ui
