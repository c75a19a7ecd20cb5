// Read-only one-line fields for rows of fixed-width text (projection tables and headings).
#pragma once

#include <QFont>
#include <QLineEdit>
#include <QVBoxLayout>
#include <functional>
#include <string>
#include <vector>

#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

// The system's monospace font: fixed-width rows line up only in it.
QFont FixedRowFont();

// Turns a bound read-only field into a row of a fixed-width table: monospace, frameless,
// wide enough for `characters` characters so nothing is clipped or scrolled. The text is
// shown exactly as the form built it.
void MakeFixedRow(QLineEdit* edit, int characters);

// Lays out a fixed-width table: its bold heading lines, then its rows, one field each.
void AddFixedTable(FormBinder& binder, QVBoxLayout* layout,
                   const std::vector<std::string>& headingIds,
                   const std::vector<std::string>& rowIds, int characters);

// The ids idOf(0) .. idOf(count - 1), in order.
std::vector<std::string> ControlIds(int count, const std::function<std::string(int)>& idOf);

}  // namespace emberlin::ui
