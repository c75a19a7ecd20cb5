#include "ui/widgets/result_grid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cctype>
#include <utility>

#include "ui/widgets/fixed_rows.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

namespace {

// A value of digits, sign and decimal point; labels such as "1 am" and words are not.
bool IsNumber(const std::string& text) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0 && c != '-' && c != '.') return false;
    }
    return true;
}

}  // namespace

CResultTableModel::CResultTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void CResultTableModel::SetTable(forms::ResultTable table) {
    const bool sameShape =
        table.headers == table_.headers && table.cells.size() == table_.cells.size();
    if (sameShape && table.cells == table_.cells) {
        table_ = std::move(table);  // no cell reads differently: nothing to redraw
        return;
    }
    if (!sameShape) beginResetModel();
    table_ = std::move(table);
    if (!sameShape) {
        endResetModel();
    } else if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

int CResultTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.cells.size());
}

int CResultTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.headers.size());
}

QVariant CResultTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto& row = table_.cells[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    const std::string cell = column < row.size() ? row[column] : std::string();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return ToQ(cell);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue((IsNumber(cell) ? Qt::AlignRight : Qt::AlignHCenter) |
                                       Qt::AlignVCenter);
        case Qt::FontRole:
            return FixedRowFont();
        default:
            return {};
    }
}

QVariant CResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const auto column = static_cast<std::size_t>(section);
    switch (role) {
        case Qt::DisplayRole:
            return ToQ(table_.headers[column]);
        case Qt::AccessibleTextRole:
            return ToQ(table_.headers[column]).replace(QLatin1Char('\n'), QLatin1Char(' '));
        case Qt::ToolTipRole:
            if (column < table_.headerTips.size() && !table_.headerTips[column].empty()) {
                return ToQ(table_.headerTips[column]);
            }
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignCenter);
        default:
            return {};
    }
}

std::unique_ptr<QMimeData> ResultMimeData(const forms::ResultTable& table) {
    auto mime = std::make_unique<QMimeData>();
    mime->setText(ToQ(forms::FixedWidthText(table)));
    mime->setData(QStringLiteral("text/tab-separated-values"),
                  QByteArray::fromStdString(forms::TabSeparated(table)));
    mime->setHtml(ToQ(forms::HtmlTable(table)));
    return mime;
}

namespace {

// Paints a cell's one line of text straight onto the grid. The styled delegate's drawing
// (icons, check boxes, wrapped lines, a text layout per cell) took most of a Calculate in a
// grid of 24 rows; this one draws what a result cell has, as that one does: the selection
// under it, the text in the palette's colour for the cell's state, in the cell's alignment
// within the style's margins, elided when the cell is narrower, and the focus frame.
class LineCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QWidget* view = option.widget;
        QStyle* style = view != nullptr ? view->style() : QApplication::style();
        const QPalette::ColorGroup group =
            !option.state.testFlag(QStyle::State_Enabled) ? QPalette::Disabled
            : option.state.testFlag(QStyle::State_Active) ? QPalette::Active
                                                          : QPalette::Inactive;
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        if (selected)
            painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
        const QString text = index.data(Qt::DisplayRole).toString();
        if (!text.isEmpty()) {
            const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
            const QRect room = option.rect.adjusted(margin, 0, -margin, 0);
            const QFont font = FixedRowFont();
            const QFontMetrics metrics(font);
            const auto alignment =
                Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()) | Qt::TextSingleLine;
            painter->setFont(font);
            painter->setPen(
                option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
            painter->drawText(room, static_cast<int>(alignment),
                              metrics.horizontalAdvance(text) > room.width()
                                  ? metrics.elidedText(text, Qt::ElideRight, room.width())
                                  : text);
        }
        if (option.state.testFlag(QStyle::State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor =
                option.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, view);
        }
    }
};

}  // namespace

CResultGrid::CResultGrid(FormBinder& binder, std::function<forms::ResultTable()> source,
                         const QString& name, QWidget* parent)
    : QTableView(parent), source_(std::move(source)), model_(new CResultTableModel(this)) {
    setObjectName(name);
    setModel(model_);
    setItemDelegate(new LineCellDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setMinimumSectionSize(40);
    // Every row one line of the fixed font: the height a cell of it asks for, measured once
    // (measured again for every cell after each calculation, it was most of a Calculate).
    QStyleOptionViewItem cell;
    initViewItemOption(&cell);
    cell.font = FixedRowFont();
    cell.fontMetrics = QFontMetrics(cell.font);
    cell.text = QStringLiteral("0");
    cell.features |= QStyleOptionViewItem::HasDisplay;
    const int rowHeight =
        style()->sizeFromContents(QStyle::CT_ItemViewItem, &cell, QSize(), this).height();
    verticalHeader()->setDefaultSectionSize(
        std::max(rowHeight, verticalHeader()->minimumSectionSize()));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    auto* copy = new QAction(QStringLiteral("&Copy"), this);
    copy->setObjectName(QStringLiteral("copyTable"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &CResultGrid::CopyTable);
    addAction(copy);

    connect(&binder, &FormBinder::Refreshed, this, &CResultGrid::Reload);
    Reload();
}

void CResultGrid::Reload() {
    model_->SetTable(source_());
    // Columns at least as wide as their widest cell or header line. The grid only widens:
    // new results that fit leave the columns, and the window's layout, as they are.
    const QFontMetrics cellMetrics(FixedRowFont());
    const QFontMetrics headerMetrics(horizontalHeader()->font());
    int total = 0;
    for (int c = 0; c < model_->columnCount(); ++c) {
        // Columns of words ("Intermittent", "Midnight") take their own width; the columns of
        // numbers share the rest.
        bool words = false;
        for (int r = 0; r < model_->rowCount(); ++r) {
            const std::string cell = model_->index(r, c).data().toString().toStdString();
            words = words || (!cell.empty() && !IsNumber(cell));
        }
        const auto mode = words ? QHeaderView::ResizeToContents : QHeaderView::Stretch;
        if (horizontalHeader()->sectionResizeMode(c) != mode) {
            horizontalHeader()->setSectionResizeMode(c, mode);
        }
        int width = 0;
        for (const QString& line :
             model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().split('\n')) {
            width = std::max(width, headerMetrics.horizontalAdvance(line));
        }
        for (int r = 0; r < model_->rowCount(); ++r) {
            width = std::max(width,
                             cellMetrics.horizontalAdvance(model_->index(r, c).data().toString()));
        }
        total += width + 16;
    }
    const int width = std::min(total + 2 * frameWidth(), 1200);
    if (width > minimumWidth()) setMinimumWidth(width);
    // Every row in sight: the results are what the window is for.
    setMinimumHeight(sizeHint().height());
}

void CResultGrid::CopyTable() const {
    QApplication::clipboard()->setMimeData(ResultMimeData(model_->Table()).release());
}

QSize CResultGrid::sizeHint() const {
    int height = horizontalHeader()->sizeHint().height() + 2 * frameWidth();
    for (int r = 0; r < model_->rowCount(); ++r) height += verticalHeader()->sectionSize(r);
    return {QTableView::sizeHint().width(), height};
}

void CResultGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopyTable();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void CResultGrid::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addActions(actions());
    menu.exec(event->globalPos());
}

ResultGridBox MakeResultGridBox(FormBinder& binder, const QString& title, QWidget* parent,
                                std::function<forms::ResultTable()> source) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    auto* grid = new CResultGrid(binder, std::move(source), QStringLiteral("resultGrid"), box);
    binder.AddResultWidget(grid);
    layout->addWidget(grid);
    return {box, layout};
}

}  // namespace emberlin::ui
