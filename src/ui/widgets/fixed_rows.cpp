#include "ui/widgets/fixed_rows.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>

namespace emberlin::ui {

QFont FixedRowFont() { return QFontDatabase::systemFont(QFontDatabase::FixedFont); }

void MakeFixedRow(QLineEdit* edit, int characters) {
    edit->setFont(FixedRowFont());
    edit->setFrame(false);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    const QFontMetrics metrics(edit->font());
    // The line edit's own margins around the text, as the style draws them.
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = 0;
    const QSize text(metrics.horizontalAdvance(QString(characters, QLatin1Char('0'))),
                     metrics.height());
    const QSize box = edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, edit);
    const QMargins margins = edit->textMargins();
    edit->setMinimumWidth(box.width() + margins.left() + margins.right() + 8);
}

void AddFixedTable(FormBinder& binder, QVBoxLayout* layout,
                   const std::vector<std::string>& headingIds,
                   const std::vector<std::string>& rowIds, int characters) {
    layout->setSpacing(0);
    for (const std::string& id : headingIds) {
        QLineEdit* heading = binder.Edit(id);
        MakeFixedRow(heading, characters);
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
        layout->addWidget(heading);
    }
    layout->addSpacing(4);
    for (const std::string& id : rowIds) {
        QLineEdit* row = binder.Edit(id);
        MakeFixedRow(row, characters);
        layout->addWidget(row);
    }
}

std::vector<std::string> ControlIds(int count, const std::function<std::string(int)>& idOf) {
    std::vector<std::string> ids;
    for (int i = 0; i < count; ++i) ids.push_back(idOf(i));
    return ids;
}

}  // namespace emberlin::ui
