#include "ui/widgets/dialog_parts.h"

#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <utility>
#include <vector>

namespace emberlin::ui {

QLabel* AddLabelledField(FormBinder& binder, QGridLayout* grid, const char* id, int row, int column,
                         const FieldStyle& style) {
    QLineEdit* edit = binder.Edit(id);
    edit->setAlignment(style.textAlignment);
    if (style.fixedWidth) {
        edit->setFixedWidth(style.width);
    } else {
        edit->setMaximumWidth(style.width);
    }
    QLabel* label = binder.Label(id);
    grid->addWidget(label, row, column, style.labelAlignment);
    grid->addWidget(edit, row, column + 1);
    return label;
}

void AddLabelledFields(FormBinder& binder, QGridLayout* grid,
                       std::initializer_list<FieldPlace> places, const FieldStyle& style) {
    for (const FieldPlace& place : places) {
        AddLabelledField(binder, grid, place.id, place.row, place.column, style);
    }
}

FieldGroup AddFieldGroup(FormBinder& binder, const QString& title, QWidget* parent,
                         std::initializer_list<FieldPlace> places, const FieldStyle& style) {
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    AddLabelledFields(binder, grid, places, style);
    return {box, grid};
}

namespace {

// A label of wrapped words that remembers the heights it has laid its text out for: a layout
// asks a wrapped label's height for the same few widths again and again while it settles,
// and each answer lays the whole text out anew (most of the main menu's start-up beyond Qt's
// own). The heights are kept with the text, font and spacing they were measured for.
class WrappedLabel : public QLabel {
  public:
    using QLabel::QLabel;
    int heightForWidth(int width) const override {
        const Measure now{text(), font(), contentsMargins(), indent(), margin(), wordWrap()};
        if (!(now == measured_)) {
            heights_.clear();
            measured_ = now;
        }
        for (const auto& [known, height] : heights_) {
            if (known == width) return height;
        }
        const int height = QLabel::heightForWidth(width);
        if (heights_.size() == kRemembered) heights_.erase(heights_.begin());
        heights_.emplace_back(width, height);
        return height;
    }

  protected:
    void changeEvent(QEvent* event) override {
        // Margins, indent and style change the layout without changing the text or font.
        heights_.clear();
        QLabel::changeEvent(event);
    }

  private:
    // What the heights were measured for.
    struct Measure {
        QString text;
        QFont font;
        QMargins margins;
        int indent = 0;
        int margin = 0;
        bool wraps = false;
        bool operator==(const Measure&) const = default;
    };
    static constexpr std::size_t kRemembered = 4;
    mutable std::vector<std::pair<int, int>> heights_;
    mutable Measure measured_;
};

}  // namespace

QLabel* WrappedText(const QString& text, QWidget* parent) {
    auto* label = new WrappedLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QLabel* InstructionLine(const char* text, QWidget* parent) {
    QLabel* label = WrappedText(QString::fromUtf8(text), parent);
    label->setObjectName(QStringLiteral("instructions"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

void EmphasiseHeading(QLabel* heading, double scale) {
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    heading->setFont(font);
}

QFrame* RuleLine(QWidget* parent) {
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

QPushButton* NamedButton(const QString& text, const QString& name, const QString& tip,
                         QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

QHBoxLayout* OkCancelRow(FormBinder& binder) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* ok = binder.Button("ok");
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(binder.Button("cancel"));
    return buttons;
}

void ShareRoom(std::initializer_list<QWidget*> growing, std::initializer_list<QWidget*> steady) {
    for (QWidget* widget : growing) {
        widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    for (QWidget* widget : steady) {
        widget->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    }
}

namespace {

// Arrow keys move the focus between the boxes; the focused box is the group's Tab stop.
class TabStopGroup : public QObject {
  public:
    TabStopGroup(const std::vector<QAbstractButton*>& boxes, QObject* parent)
        : QObject(parent), boxes_(boxes.begin(), boxes.end()) {
        QAbstractButton* stop = boxes.front();
        for (QAbstractButton* box : boxes) {
            box->installEventFilter(this);
            if (box->isChecked()) stop = box;
        }
        MakeStop(stop);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QAbstractButton*>(watched);
        const auto at = std::find(boxes_.begin(), boxes_.end(), box);
        if (at == boxes_.end()) return false;
        if (event->type() == QEvent::FocusIn) {
            MakeStop(box);
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            int step = 0;
            if (key == Qt::Key_Down || key == Qt::Key_Right) step = 1;
            if (key == Qt::Key_Up || key == Qt::Key_Left) step = -1;
            if (step == 0) return false;
            const auto count = static_cast<long>(boxes_.size());
            const long next = ((at - boxes_.begin()) + step + count) % count;
            if (QAbstractButton* target = boxes_[static_cast<std::size_t>(next)]) {
                target->setFocus(Qt::OtherFocusReason);
            }
            return true;
        }
        return false;
    }

  private:
    void MakeStop(QAbstractButton* stop) {
        for (QAbstractButton* box : boxes_) {
            if (box != nullptr) box->setFocusPolicy(box == stop ? Qt::StrongFocus : Qt::ClickFocus);
        }
    }

    std::vector<QPointer<QAbstractButton>> boxes_;
};

}  // namespace

QSize WindowRoom(const QScreen* screen) {
    // Room for a title bar and the frame of the desktop's window manager.
    constexpr int kFrameWidth = 16;
    constexpr int kFrameHeight = 48;
    const QSize available = screen->availableGeometry().size();
    return {std::max(200, available.width() - kFrameWidth),
            std::max(150, available.height() - kFrameHeight)};
}

void MakeOneTabStop(const std::vector<QAbstractButton*>& boxes) {
    if (boxes.empty()) return;
    new TabStopGroup(boxes, boxes.front()->parent());
}

}  // namespace emberlin::ui
