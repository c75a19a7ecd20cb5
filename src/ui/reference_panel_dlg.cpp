#include "ui/reference_panel_dlg.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/form_binder.h"
#include "ui/picture.h"

namespace emberlin::ui {

namespace {
QLabel* Paragraph(const std::string& text, QWidget* parent) {
    auto* label = new QLabel(ToQ(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}
}  // namespace

CReferencePanelDlg::CReferencePanelDlg(const forms::ReferencePanel& panel, QWidget* parent)
    : QDialog(parent) {
    setObjectName(ToQ(panel.id));
    setWindowTitle(ToQ(panel.title));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (!panel.heading.empty()) {
        QLabel* heading = Paragraph(panel.heading, this);
        heading->setObjectName(QStringLiteral("heading"));
        QFont headingFont = heading->font();
        headingFont.setBold(true);
        headingFont.setPointSizeF(headingFont.pointSizeF() * 1.15);
        heading->setFont(headingFont);
        layout->addWidget(heading);
        auto* rule = new QFrame(this);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Sunken);
        layout->addWidget(rule);
    }

    QWidget* picture = MakePicture(ToQ(panel.pictureName), ToQ(panel.pictureTitle), this);
    if (!panel.groupTitle.empty()) {
        // A diagram inside its titled group.
        auto* group = new QGroupBox(ToQ(panel.groupTitle), this);
        auto* groupLayout = new QVBoxLayout(group);
        picture->setParent(group);
        groupLayout->addWidget(picture, 0, Qt::AlignCenter);
        layout->addWidget(group);
    }

    if (!panel.paragraphs.empty() || !panel.note.empty()) {
        // The picture beside the text, which wraps at a comfortable reading width.
        auto* body = new QHBoxLayout;
        if (panel.groupTitle.empty()) body->addWidget(picture, 0, Qt::AlignTop);
        auto* text = new QVBoxLayout;
        text->setSpacing(8);
        for (const std::string& paragraph : panel.paragraphs) {
            QLabel* label = Paragraph(paragraph, this);
            label->setFixedWidth(520);
            text->addWidget(label);
        }
        if (!panel.note.empty()) {
            QLabel* note = Paragraph(panel.note, this);
            note->setObjectName(QStringLiteral("note"));
            note->setFixedWidth(520);
            text->addSpacing(6);
            text->addWidget(note);
        }
        text->addStretch(1);
        body->addLayout(text);
        layout->addLayout(body);
    } else if (panel.groupTitle.empty()) {
        layout->addWidget(picture, 0, Qt::AlignCenter);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

}  // namespace emberlin::ui
