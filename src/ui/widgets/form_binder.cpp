#include "ui/widgets/form_binder.h"

#include <QApplication>
#include <QMessageBox>

#include "common/number_text.h"
#include "ui/widgets/message_answers.h"

namespace emberlin::ui {

namespace {

// A label of plain text named `name`.
QLabel* PlainLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(name);
    return label;
}

}  // namespace

QMessageBox::StandardButton ShowProgramMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("EMBERLIN"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("programMessage"));
    if (const auto answer = MessageAnswers::Take(box)) return *answer;
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton AskYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("EMBERLIN"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("programQuestion"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    if (const auto answer = MessageAnswers::Take(box)) return *answer;
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

FormBinder::FormBinder(forms::FormModel& model, QDialog& dialog) : model_(model), dialog_(dialog) {
    model_.AttachHost(*this);
    dialog_.setWindowTitle(ToQ(model_.Title()));
}

FormBinder::~FormBinder() { model_.DetachHost(); }

QWidget* FormBinder::WidgetFor(const std::string& id) const {
    auto it = widgets_.find(id);
    return it == widgets_.end() ? nullptr : it->second;
}

template <class Widget>
Widget* FormBinder::Bound(const std::string& id,
                          const std::function<Widget*(const forms::Control&)>& make) {
    if (auto* existing = qobject_cast<Widget*>(WidgetFor(id))) return existing;
    const forms::Control& control = model_.GetControl(id);
    Widget* widget = make(control);
    widget->setObjectName(ToQ(id));
    widget->setAccessibleName(ToQ(control.label).trimmed());
    Explain(widget, control);
    widgets_[id] = widget;
    return widget;
}

QLineEdit* FormBinder::Edit(const std::string& id) {
    return Bound<QLineEdit>(id, [this, &id](const forms::Control& control) {
        auto* edit = new QLineEdit(&dialog_);
        edit->setText(ToQ(control.text));
        edit->setReadOnly(control.readOnly);
        if (control.readOnly) edit->setFocusPolicy(Qt::ClickFocus);
        if (control.tip.empty() && (control.kind == forms::ControlKind::DoubleField ||
                                    control.kind == forms::ControlKind::IntField)) {
            const char* what =
                control.kind == forms::ControlKind::IntField ? "An integer" : "A number";
            edit->setToolTip(QStringLiteral("%1 from %2 to %3")
                                 .arg(QLatin1String(what), ToQ(FormatGeneral(control.minValue)),
                                      ToQ(FormatGeneral(control.maxValue))));
        }
        connect(edit, &QLineEdit::textEdited, this, [this, id, edit](const QString& text) {
            if (!model_.TypeText(id, text.toStdString())) {
                // The edit was not applied (digits-only box): put the box's text back.
                QSignalBlocker block(edit);
                int caret = edit->cursorPosition();
                edit->setText(ToQ(model_.Text(id)));
                edit->setCursorPosition(std::max(0, caret - 1));
            }
            Refresh();
        });
        return edit;
    });
}

QCheckBox* FormBinder::Check(const std::string& id) {
    return Bound<QCheckBox>(id, [this, &id](const forms::Control& control) {
        auto* box = new QCheckBox(ToQ(control.label), &dialog_);
        box->setChecked(control.checked);
        // The model decides the state after a toggle; the widget only reports it. A mouse
        // click, the space bar and the accessible "toggle" action all toggle the box; the
        // binder's own writes are made with signals blocked.
        connect(box, &QCheckBox::toggled, this, [this, id](bool checked) {
            if (checked == model_.IsChecked(id)) return;
            model_.Click(id);
            Refresh();
        });
        return box;
    });
}

QPushButton* FormBinder::Button(const std::string& id) {
    return Bound<QPushButton>(id, [this, &id](const forms::Control& control) {
        auto* button = new QPushButton(WithMnemonic(control), &dialog_);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, id] {
            model_.Click(id);
            Refresh();
        });
        return button;
    });
}

QPlainTextEdit* FormBinder::TextBox(const std::string& id) {
    return Bound<QPlainTextEdit>(id, [this](const forms::Control& control) {
        auto* box = new QPlainTextEdit(&dialog_);
        box->setReadOnly(true);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setPlainText(ToQ(control.text));
        return box;
    });
}

QLabel* FormBinder::Label(const std::string& id) {
    const forms::Control& control = model_.GetControl(id);
    QLabel* label = PlainLabel(ToQ(control.label), ToQ(id + "Label"), &dialog_);
    if (QWidget* w = WidgetFor(id)) label->setBuddy(w);
    return label;
}

QLabel* FormBinder::WarningLine() {
    if (warningLine_ == nullptr) {
        warningLine_ = PlainLabel({}, QStringLiteral("typingWarning"), &dialog_);
        warningLine_->setStyleSheet(QStringLiteral("color: #b00020;"));
        warningLine_->setWordWrap(true);
    }
    return warningLine_;
}

QLabel* FormBinder::StaleLine() {
    if (staleLine_ == nullptr) {
        staleLine_ = PlainLabel({}, QStringLiteral("staleResults"), &dialog_);
        QFont font = staleLine_->font();
        font.setBold(true);
        staleLine_->setFont(font);
        // Its line is kept, empty while the results are current: showing the note then
        // changes no window's layout (a relayout of a whole calculator costs milliseconds).
        staleLine_->setMinimumHeight(staleLine_->fontMetrics().height());
        ShowStaleness();
    }
    return staleLine_;
}

void FormBinder::AddResultWidget(QWidget* widget) {
    resultWidgets_.push_back(widget);
    if (shownStale_) Grey(widget, true);
}

void FormBinder::Explain(QWidget* widget, const forms::Control& control) {
    if (control.tip.empty()) return;
    widget->setToolTip(ToQ(control.tip));
    widget->setAccessibleDescription(ToQ(control.tip));
}

QString FormBinder::WithMnemonic(const forms::Control& control) {
    QString text = ToQ(control.label);
    // Alt+C calculates in every form: C is kept for the calculate button.
    const bool calculate = control.id == "calculate";
    if (usedMnemonics_.isEmpty() && model_.HasControl("calculate")) {
        usedMnemonics_ += QLatin1Char('c');
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar letter = text.at(i).toLower();
        if (!letter.isLetter()) continue;
        const bool free = calculate ? letter == QLatin1Char('c') : !usedMnemonics_.contains(letter);
        if (!free) continue;
        if (!calculate) usedMnemonics_ += letter;
        text.insert(i, QLatin1Char('&'));
        return text;
    }
    return text;
}

void FormBinder::ShowStaleness() {
    const bool stale = model_.ResultsStale();
    if (staleLine_ != nullptr) staleLine_->setText(ToQ(model_.StaleNote()));
    if (stale == shownStale_) return;
    shownStale_ = stale;
    for (const forms::Control* control : model_.Controls()) {
        if (!control->result) continue;
        if (QWidget* widget = WidgetFor(control->id)) Grey(widget, stale);
    }
    for (QWidget* widget : resultWidgets_) Grey(widget, stale);
}

void FormBinder::Grey(QWidget* widget, bool stale) {
    // Greyed, not changed: the texts stay readable and selectable.
    QPalette palette = widget->palette();
    const QPalette normal = QApplication::palette(widget);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText}) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, role, normal.color(stale ? QPalette::Disabled : group, role));
        }
    }
    widget->setPalette(palette);
}

void FormBinder::SetPanel(const std::string& panelId, std::function<void()> show) {
    panels_[panelId] = std::move(show);
}

void FormBinder::OpenForm() {
    model_.Open();
    Refresh();
}

void FormBinder::Refresh() {
    for (const forms::Control* control : model_.Controls()) {
        QWidget* widget = WidgetFor(control->id);
        if (widget == nullptr) continue;
        QSignalBlocker block(widget);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            const QString text = ToQ(control->text);
            if (edit->text() != text) edit->setText(text);
            edit->setReadOnly(control->readOnly);
            const bool warned = warnings_.count(control->id) != 0;
            edit->setStyleSheet(warned ? QStringLiteral("QLineEdit { border: 2px solid #b00020; }")
                                       : QString());
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
            const QString value = ToQ(control->text);
            if (text->toPlainText() != value) text->setPlainText(value);
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            if (box->isChecked() != control->checked) box->setChecked(control->checked);
        }
        if (widget->isEnabled() != control->enabled) widget->setEnabled(control->enabled);
    }
    if (warningLine_ != nullptr) {
        QString line;
        for (const auto& [id, text] : warnings_) {
            const QString label = ToQ(model_.GetControl(id).label).simplified();
            line += (line.isEmpty() ? QString() : QStringLiteral("\n")) + label +
                    QStringLiteral(": ") + ToQ(text);
        }
        warningLine_->setText(line);
    }
    ShowStaleness();
    emit Refreshed();
}

void FormBinder::ShowMessage(std::string_view text) {
    ShowProgramMessage(&dialog_, ToQ(std::string(text)));
}

void FormBinder::ShowTypingWarning(std::string_view controlId, std::string_view text) {
    if (text.empty()) {
        warnings_.erase(std::string(controlId));
    } else {
        warnings_[std::string(controlId)] = std::string(text);
    }
    if (warningLine_ != nullptr) Refresh();
}

void FormBinder::SetFocus(std::string_view controlId, bool selectText) {
    QWidget* widget = WidgetFor(std::string(controlId));
    if (widget == nullptr) return;
    Refresh();  // the box must show the text that is selected
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && selectText) {
        edit->selectAll();
    }
}

void FormBinder::ShowPanel(std::string_view panelId) {
    auto it = panels_.find(std::string(panelId));
    if (it != panels_.end() && it->second) it->second();
}

void FormBinder::Close(bool accepted) {
    dialog_.done(accepted ? QDialog::Accepted : QDialog::Rejected);
}

}  // namespace emberlin::ui
