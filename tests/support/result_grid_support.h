// Reading the result grids of the dialogs in Qt tests.
#pragma once

#include <QTableView>
#include <QWidget>

namespace emberlin::ui::testing {

inline QTableView* ResultGrid(QWidget& dlg) { return dlg.findChild<QTableView*>("resultGrid"); }

// The cells of row `row` (0-based) as the grid shows them; empty cells are left out.
inline QStringList GridRow(QWidget& dlg, int row) {
    QStringList cells;
    const QTableView* grid = ResultGrid(dlg);
    if (grid == nullptr) return {QStringLiteral("<no grid>")};
    const QAbstractItemModel* model = grid->model();
    for (int c = 0; c < model->columnCount(); ++c) {
        const QString text = model->index(row, c).data().toString();
        if (!text.isEmpty()) cells << text;
    }
    return cells;
}

inline QString GridCell(QWidget& dlg, int row, int column) {
    const QTableView* grid = ResultGrid(dlg);
    if (grid == nullptr) return QStringLiteral("<no grid>");
    return grid->model()->index(row, column).data().toString();
}

}  // namespace emberlin::ui::testing
