#include "ui/widgets/calculator_frame.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>
#include <array>
#include <vector>

#include "forms/content/fuel_catalogue.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

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

// Whether Tab stops at `widget` (when it is enabled).
bool TakesTab(const QWidget* widget) { return (widget->focusPolicy() & Qt::TabFocus) != 0; }

}  // namespace

CCalculatorFrame::CCalculatorFrame(QDialog& dialog, FormBinder* binder)
    : QWidget(&dialog), dialog_(dialog), binder_(binder) {
    setObjectName(QStringLiteral("calculatorFrame"));
    // The window's margins around the frame; none of its own.
    auto* whole = new QVBoxLayout(&dialog);
    whole->addWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("scrolledContent"));
    contentLayout_ = new QVBoxLayout(content);
    contentLayout_->setContentsMargins(0, 0, 0, 0);
    scroll_ = new WholeContentScrollArea(this);
    scroll_->setObjectName(QStringLiteral("contentScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(content);
    layout->addWidget(scroll_, 1);
    if (binder_ != nullptr) {
        layout->addWidget(binder_->WarningLine());
        layout->addWidget(binder_->StaleLine());
    }
    actions_ = new QHBoxLayout;
    layout->addLayout(actions_);
    dialog.installEventFilter(this);
}

void CCalculatorFrame::AddCalculateButtons(std::initializer_list<const char*> beside,
                                           std::initializer_list<const char*> closing) {
    QPushButton* calculate = binder_->Button("calculate");
    calculate->setDefault(true);
    actions_->addWidget(calculate);
    for (const char* id : beside) actions_->addWidget(binder_->Button(id));
    actions_->addStretch(1);
    for (const char* id : closing) actions_->addWidget(binder_->Button(id));
}

void CCalculatorFrame::AddOkCancel() {
    actions_->addStretch(1);
    QPushButton* ok = binder_->Button("ok");
    ok->setDefault(true);
    actions_->addWidget(ok);
    actions_->addWidget(binder_->Button("cancel"));
}

void CCalculatorFrame::AddExports(ResultExports exports) {
    const std::array<QPushButton*, 3> buttons = MakeResultExportButtons(dialog_, exports);
    // After the buttons before the row's first stretch: the window grows no taller.
    int at = 0;
    while (at < actions_->count() && actions_->itemAt(at)->spacerItem() == nullptr) ++at;
    for (QPushButton* button : buttons) actions_->insertWidget(at++, button);
    if (binder_ != nullptr) {
        QObject::connect(binder_, &FormBinder::Refreshed, &dialog_,
                         [this] { UpdateResultExports(dialog_); });
    }
}

void CCalculatorFrame::OrderTabs() {
    // The last control of the content that Tab reaches, in the window's focus chain.
    QWidget* last = nullptr;
    for (QWidget* w = dialog_.nextInFocusChain(); w != nullptr && w != &dialog_;
         w = w->nextInFocusChain()) {
        if (scroll_->widget()->isAncestorOf(w) && TakesTab(w)) last = w;
    }
    for (int i = 0; i < actions_->count(); ++i) {
        QWidget* button = actions_->itemAt(i)->widget();
        if (button == nullptr || !TakesTab(button)) continue;
        if (last != nullptr) QWidget::setTabOrder(last, button);
        last = button;
    }
}

bool CCalculatorFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &dialog_ && event->type() == QEvent::Show) PrepareFirstShowing();
    return false;
}

void CCalculatorFrame::PrepareFirstShowing() {
    if (!shown_) {
        shown_ = true;
        // The sizes below are the polished widgets' (done by showing when it comes first).
        dialog_.ensurePolished();
        if (binder_ != nullptr) {
            std::vector<QAbstractButton*> fuelBoxes;
            for (int i = 0; i < forms::kFuelCount; ++i) {
                if (auto* box =
                        qobject_cast<QAbstractButton*>(binder_->WidgetFor(forms::FuelBoxId(i)))) {
                    fuelBoxes.push_back(box);
                }
            }
            if (static_cast<int>(fuelBoxes.size()) == forms::kFuelCount) {
                MakeOneTabStop(fuelBoxes);
            }
        }
        OrderTabs();
        FitToScreen();
    }
}

void CCalculatorFrame::FitToScreen() {
    // Before Qt sizes the window on its first showing.
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

}  // namespace emberlin::ui
