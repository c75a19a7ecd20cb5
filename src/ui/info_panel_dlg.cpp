#include "ui/info_panel_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/form_binder.h"

namespace emberlin::ui {

namespace {
QLabel* PlainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
}  // namespace

CInfoPanelDlg::CInfoPanelDlg(const forms::InfoPanel& panel, QWidget* parent) : QDialog(parent) {
    setObjectName(ToQ(panel.id));
    setWindowTitle(ToQ(panel.title));
    auto* layout = new QVBoxLayout(this);
    auto* heading = PlainLabel(ToQ(panel.heading), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.15);
    heading->setFont(headingFont);
    layout->addWidget(heading);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);
    for (const forms::InfoGroup& group : panel.groups) {
        QWidget* holder = this;
        QVBoxLayout* target = layout;
        if (!group.title.empty()) {
            auto* box = new QGroupBox(ToQ(group.title), this);
            target = new QVBoxLayout(box);
            holder = box;
            layout->addWidget(box);
        }
        for (const std::string& line : group.lines) target->addWidget(PlainLabel(ToQ(line), holder));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const forms::AboutText text = forms::AboutBoxText();
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(ToQ(text.title));
    auto* layout = new QHBoxLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
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
