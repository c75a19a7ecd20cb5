#include "ui/widgets/dialog_parts.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "forms/content/fuel_catalogue.h"

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

QLabel* WrappedText(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
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

QHBoxLayout* OkCancelRow(FormBinder& binder) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* ok = binder.Button("ok");
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(binder.Button("cancel"));
    return buttons;
}

QHBoxLayout* CalculateRow(FormBinder& binder, std::initializer_list<const char*> beside,
                          std::initializer_list<const char*> closing) {
    auto* buttons = new QHBoxLayout;
    QPushButton* calculate = binder.Button("calculate");
    calculate->setDefault(true);
    buttons->addWidget(calculate);
    for (const char* id : beside) buttons->addWidget(binder.Button(id));
    buttons->addStretch(1);
    for (const char* id : closing) buttons->addWidget(binder.Button(id));
    return buttons;
}

namespace {

// A scroll area that asks for the whole of its content, so the window's natural size is the
// content's; the window then limits it to the screen.
class WholeContentScrollArea : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        if (widget() == nullptr) return QScrollArea::sizeHint();
        return widget()->sizeHint() + QSize(frame, frame);
    }
    QSize minimumSizeHint() const override {
        // Room for a few lines of content: the window can shrink, the content scrolls.
        const int line = fontMetrics().height();
        return {std::min(sizeHint().width(), 16 * line), std::min(sizeHint().height(), 6 * line)};
    }
};

// On the first showing, fits the window to its screen before Qt sizes it.
class ScreenFit : public QObject {
  public:
    ScreenFit(QDialog& dialog, QScrollArea* scroll)
        : QObject(&dialog), dialog_(dialog), scroll_(scroll) {
        dialog.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &dialog_ && event->type() == QEvent::Show && !fitted_) {
            fitted_ = true;
            Fit();
        }
        return false;
    }

  private:
    void Fit() {
        QScreen* screen = dialog_.screen();
        if (screen == nullptr) return;
        const QSize room = WindowRoom(screen);
        QSize size = dialog_.sizeHint();
        const int bar = dialog_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
        // A scroll bar in one direction takes room in the other.
        if (size.height() > room.height()) size.rwidth() += bar;
        if (size.width() > room.width()) size.rheight() += bar;
        size = size.boundedTo(room).expandedTo(dialog_.minimumSizeHint());
        // QDialog then places it over its parent, within the screen's available area.
        dialog_.resize(size.boundedTo(room));
    }

    QDialog& dialog_;
    QScrollArea* scroll_;
    bool fitted_ = false;
};

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

void ArrangeDialog(QDialog& dialog, FormBinder* binder, std::initializer_list<QWidget*> growing,
                   std::initializer_list<QWidget*> steady) {
    auto* outer = qobject_cast<QBoxLayout*>(dialog.layout());
    if (outer == nullptr || outer->count() == 0) return;
    outer->setSizeConstraint(QLayout::SetDefaultConstraint);

    // What stays below the scroll area: the action row and the warning line above it.
    int kept = outer->count() - 1;
    if (binder != nullptr && kept > 0 &&
        outer->itemAt(kept - 1)->widget() == binder->WarningLine()) {
        --kept;
    }

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("scrolledContent"));
    auto* inner = new QBoxLayout(outer->direction(), content);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(outer->spacing());
    for (int i = 0; i < kept; ++i) {
        const int stretch = outer->stretch(0);
        QLayoutItem* item = outer->takeAt(0);
        if (QWidget* widget = item->widget()) {
            inner->addWidget(widget, stretch, item->alignment());
            delete item;
        } else if (QLayout* layout = item->layout()) {
            inner->addLayout(layout, stretch);
        } else {
            inner->addItem(item);
            inner->setStretch(inner->count() - 1, stretch);
        }
    }
    for (QWidget* widget : growing) {
        widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    for (QWidget* widget : steady) {
        widget->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    }

    auto* scroll = new WholeContentScrollArea(&dialog);
    scroll->setObjectName(QStringLiteral("contentScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    outer->insertWidget(0, scroll, 1);
    if (binder != nullptr) {
        outer->insertWidget(outer->count() - 1, binder->StaleLine());
        std::vector<QAbstractButton*> fuelBoxes;
        for (int i = 0; i < forms::kFuelCount; ++i) {
            if (auto* box =
                    qobject_cast<QAbstractButton*>(binder->WidgetFor(forms::FuelBoxId(i)))) {
                fuelBoxes.push_back(box);
            }
        }
        if (static_cast<int>(fuelBoxes.size()) == forms::kFuelCount) MakeOneTabStop(fuelBoxes);
    }
    new ScreenFit(dialog, scroll);
}

}  // namespace emberlin::ui
