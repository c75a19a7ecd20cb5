#include "ui/reference/info_panel_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/form_binder.h"
#include "ui/widgets/resources.h"

namespace emberlin::ui {

namespace {
QLabel* PlainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// Lines a panel shows in one column; a group's title and frame count as two more.
constexpr std::size_t kLinesPerColumn = 24;
constexpr std::size_t kGroupOverhead = 2;

// The index of the first group of the second column, or groups.size() for one column: the
// split, in reading order, that keeps the taller column shortest.
std::size_t ColumnSplit(const std::vector<forms::InfoGroup>& groups) {
    std::vector<std::size_t> heights;
    std::size_t total = 0;
    for (const forms::InfoGroup& group : groups) {
        heights.push_back(group.lines.size() + (group.title.empty() ? 0 : kGroupOverhead));
        total += heights.back();
    }
    if (total <= kLinesPerColumn || groups.size() < 2) return groups.size();
    std::size_t best = groups.size();
    std::size_t bestHeight = total;
    std::size_t first = 0;
    for (std::size_t split = 1; split < groups.size(); ++split) {
        first += heights[split - 1];
        const std::size_t taller = std::max(first, total - first);
        if (taller < bestHeight) {
            bestHeight = taller;
            best = split;
        }
    }
    return best;
}

}  // namespace

CInfoPanelDlg::CInfoPanelDlg(const forms::InfoPanel& panel, QWidget* parent) : QDialog(parent) {
    setObjectName(ToQ(panel.id));
    setWindowTitle(ToQ(panel.title));
    auto* frame = new CCalculatorFrame(*this, nullptr);
    QVBoxLayout* layout = frame->ContentLayout();
    auto* heading = PlainLabel(ToQ(panel.heading), this);
    EmphasiseHeading(heading, 1.15);
    layout->addWidget(heading);
    layout->addWidget(RuleLine(this));
    // A long list flows into two columns, in reading order, so that the panel fits a common
    // screen height.
    const std::size_t split = ColumnSplit(panel.groups);
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);
    QVBoxLayout* column = nullptr;
    for (std::size_t i = 0; i < panel.groups.size(); ++i) {
        if (i == 0 || i == split) {
            column = new QVBoxLayout;
            columns->addLayout(column, 1);
        }
        const forms::InfoGroup& group = panel.groups[i];
        QWidget* holder = this;
        QVBoxLayout* target = column;
        if (!group.title.empty()) {
            auto* box = new QGroupBox(ToQ(group.title), this);
            target = new QVBoxLayout(box);
            holder = box;
            column->addWidget(box);
        }
        for (const std::string& line : group.lines)
            target->addWidget(PlainLabel(ToQ(line), holder));
    }
    if (split < panel.groups.size()) {
        for (int c = 0; c < columns->count(); ++c) {
            static_cast<QVBoxLayout*>(columns->itemAt(c)->layout())->addStretch(1);
        }
    }
    // A panel that only informs has one button; Escape and the close box close it as well.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    frame->ActionRow()->addWidget(buttons);
}

CInfoPanelDlg::CInfoPanelDlg(const forms::InfoPanel& panel, FormBinder& binder,
                             const std::string& panelId)
    : CInfoPanelDlg(panel, &binder.Dialog()) {
    binder.SetPanel(panelId, [this] { exec(); });
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const forms::AboutText text = forms::AboutBoxText();
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(ToQ(text.title));
    auto* layout = new QHBoxLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    layout->addWidget(icon);
    auto* column = new QVBoxLayout;
    layout->addLayout(column);
    auto* name = PlainLabel(ToQ(text.name), this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    column->addWidget(name);
    column->addWidget(PlainLabel(ToQ(text.version), this));
    column->addWidget(PlainLabel(ToQ(text.releaseDate), this));
    auto* attribution = PlainLabel(ToQ(text.attribution), this);
    attribution->setWordWrap(true);
    attribution->setMinimumWidth(360);
    column->addWidget(attribution);
    column->addWidget(PlainLabel(ToQ(text.attributionLine), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    column->addWidget(buttons);
}

}  // namespace emberlin::ui
