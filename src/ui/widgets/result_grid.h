// Result tables as grids: a table model over a form's result table description, and the view
// that shows it with a Copy giving both the cells and the fixed-width rows.
#pragma once

#include <QAbstractTableModel>
#include <QGroupBox>
#include <QMimeData>
#include <QTableView>
#include <QVBoxLayout>
#include <functional>
#include <memory>

#include "forms/exports/result_table.h"

namespace emberlin::ui {

class FormBinder;

// One cell per value of a form's result table, the headers with their units. Numbers are
// right-aligned, words centred; every cell is in a font whose digits share one width.
class CResultTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit CResultTableModel(QObject* parent = nullptr);

    // Takes a new description: the shape resets when it changes, otherwise only the cells are
    // announced as changed.
    void SetTable(forms::ResultTable table);
    const forms::ResultTable& Table() const { return table_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    forms::ResultTable table_;
};

// The clipboard contents of a copied table: the fixed-width rows as text/plain (what a text
// editor or mail pastes, reading as the window's rows always did), the tab-separated cells
// with a header row as text/tab-separated-values, and the same cells as text/html, which
// spreadsheets paste one value per cell.
std::unique_ptr<QMimeData> ResultMimeData(const forms::ResultTable& table);

// A read-only grid over a form's results, refreshed whenever the binder writes the form to
// the screen. "Copy" in its context menu and Ctrl+C put the whole table on the clipboard.
class CResultGrid : public QTableView {
    Q_OBJECT
  public:
    CResultGrid(FormBinder& binder, std::function<forms::ResultTable()> source, const QString& name,
                QWidget* parent);

    CResultTableModel* TableModel() const { return model_; }
    void Reload();
    void CopyTable() const;

    // Tall enough for every row without scrolling.
    QSize sizeHint() const override;

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Ctrl+C copies the whole table, not only the current cell as a plain view would.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::function<forms::ResultTable()> source_;
    CResultTableModel* model_;
};

// A group box titled `title` holding a grid named "resultGrid" over the form's result table
// (`source`), greyed with the form's results; `layout` is the box's, for what goes under the
// grid.
struct ResultGridBox {
    QGroupBox* box;
    QVBoxLayout* layout;
};
ResultGridBox MakeResultGridBox(FormBinder& binder, const QString& title, QWidget* parent,
                                std::function<forms::ResultTable()> source);

}  // namespace emberlin::ui
