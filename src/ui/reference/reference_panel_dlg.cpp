#include "ui/reference/reference_panel_dlg.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "ui/pictures/picture.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

namespace {
constexpr int kTextWidth = 520;  // a comfortable reading width for the paragraphs

QLabel* Paragraph(const std::string& text, QWidget* parent) {
    QLabel* label = WrappedText(ToQ(text), parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
}  // namespace

CReferencePanelDlg::CReferencePanelDlg(const forms::ReferencePanel& panel, QWidget* parent)
    : QDialog(parent) {
    setObjectName(ToQ(panel.id));
    setWindowTitle(ToQ(panel.title));
    auto* frame = new CCalculatorFrame(*this, nullptr);
    QVBoxLayout* layout = frame->ContentLayout();
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (!panel.heading.empty()) {
        QLabel* heading = Paragraph(panel.heading, this);
        heading->setObjectName(QStringLiteral("heading"));
        EmphasiseHeading(heading, 1.15);
        layout->addWidget(heading);
        layout->addWidget(RuleLine(this));
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
            // A numbered entry ("1.  ...") hangs its wrapped lines under the text, not the
            // number.
            static const QRegularExpression numbered(
                QStringLiteral("^(\\d+\\.)\\s+(.*)$"),
                QRegularExpression::DotMatchesEverythingOption);
            const QRegularExpressionMatch match = numbered.match(ToQ(paragraph));
            if (!match.hasMatch()) {
                QLabel* label = Paragraph(paragraph, this);
                label->setFixedWidth(kTextWidth);
                text->addWidget(label);
                continue;
            }
            auto* row = new QHBoxLayout;
            row->setSpacing(4);
            QLabel* number = Paragraph(match.captured(1).toStdString(), this);
            const int numberWidth =
                number->fontMetrics().horizontalAdvance(QStringLiteral("00.  "));
            number->setFixedWidth(numberWidth);
            number->setAlignment(Qt::AlignRight | Qt::AlignTop);
            number->setAccessibleName(ToQ(paragraph));
            QLabel* entry = Paragraph(match.captured(2).toStdString(), this);
            entry->setObjectName(QStringLiteral("entry%1").arg(match.captured(1).chopped(1)));
            entry->setAccessibleName(ToQ(paragraph));
            entry->setFixedWidth(kTextWidth - numberWidth - 4);
            row->addWidget(number, 0, Qt::AlignTop);
            row->addWidget(entry);
            text->addLayout(row);
        }
        if (!panel.note.empty()) {
            QLabel* note = Paragraph(panel.note, this);
            note->setObjectName(QStringLiteral("note"));
            note->setFixedWidth(kTextWidth);
            text->addSpacing(6);
            text->addWidget(note);
        }
        text->addStretch(1);
        body->addLayout(text);
        layout->addLayout(body);
    } else if (panel.groupTitle.empty()) {
        layout->addWidget(picture, 0, Qt::AlignCenter);
    }

    // A panel that only informs has one button; Escape and the close box close it as well.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    frame->ActionRow()->addWidget(buttons);
}

}  // namespace emberlin::ui
