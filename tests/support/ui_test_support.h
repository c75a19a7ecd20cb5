// Helpers for driving the real windows in Qt tests. Modal windows are driven from a timer
// inside their event loop (WhileModal), and a check that fails there still closes them, so
// a failing test ends in seconds. Program messages are answered without being shown
// (AnsweredMessages).
#pragma once

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <source_location>
#include <vector>

#include "ui/widgets/message_answers.h"

namespace emberlin::ui::testing {

// The modal window now on top, waiting up to a second for it to appear.
inline QWidget* WaitForModal(QWidget* notThis = nullptr) {
    for (int i = 0; i < 100; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != notThis && modal->isVisible()) return modal;
        QTest::qWait(10);
    }
    return nullptr;
}

// The visible modal windows, in no particular order.
inline QList<QPointer<QWidget>> OpenModals() {
    QList<QPointer<QWidget>> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->isModal()) open << QPointer<QWidget>(widget);
    }
    return open;
}

// Closes every visible modal window that is not in `keep`, the top one first, so that
// each one's event loop ends. Returns how many it closed.
inline int CloseModalsExcept(const QList<QPointer<QWidget>>& keep) {
    int closed = 0;
    for (int pass = 0; pass < 64; ++pass) {
        QWidget* top = QApplication::activeModalWidget();
        if (top == nullptr || keep.contains(QPointer<QWidget>(top))) {
            // Not on top, yet still open (another modal stack): close those too.
            for (const QPointer<QWidget>& widget : OpenModals()) {
                if (!keep.contains(widget)) top = widget;
            }
            if (top == nullptr || keep.contains(QPointer<QWidget>(top))) return closed;
        }
        if (auto* dialog = qobject_cast<QDialog*>(top)) {
            dialog->done(QDialog::Rejected);
        } else {
            top->close();
        }
        if (top->isVisible()) top->hide();
        ++closed;
    }
    return closed;
}

// Runs `inside` once the modal window opened by `open` is up; `inside` must close it.
// When `inside` returns with that window (or one it opened) still up, because a check in
// it failed and returned early or because it forgot to, those windows are closed here so
// that `open` returns; a window left open without a failed check fails the test.
// Windows that `open` brings up after that are closed as they appear, until it returns.
inline void WhileModal(const std::function<void()>& open,
                       const std::function<void(QWidget*)>& inside,
                       const std::source_location where = std::source_location::current()) {
    const QList<QPointer<QWidget>> before = OpenModals();
    QWidget* const top = QApplication::activeModalWidget();
    QObject scope;  // ends the timers below when this returns
    bool ran = false;
    bool leftOpen = false;
    QTimer sweeper;
    sweeper.setInterval(20);
    QObject::connect(&sweeper, &QTimer::timeout, &scope,
                     [&] { leftOpen = CloseModalsExcept(before) > 0 || leftOpen; });
    QTimer::singleShot(0, &scope, [&] {
        QWidget* modal = WaitForModal(top);
        ran = true;
        inside(modal);
        leftOpen = CloseModalsExcept(before) > 0;
        sweeper.start();
    });
    open();
    sweeper.stop();
    if (leftOpen && !QTest::currentTestFailed()) {
        QTest::qFail("a modal window was still open after the checks inside it ended",
                     where.file_name(), static_cast<int>(where.line()));
        return;
    }
    if (!ran) {
        QTest::qFail("the modal window never came up", where.file_name(),
                     static_cast<int>(where.line()));
    }
}

// While alive, the program's message boxes are answered without being shown: each takes
// the next queued answer (OK unless given) and its title and text are kept. Answers left
// over when it ends are dropped, so they cannot leak into the next test.
class AnsweredMessages {
  public:
    explicit AnsweredMessages(int count = 1) {
        MessageAnswers::Clear();
        for (int i = 0; i < count; ++i) MessageAnswers::SetNextAnswer(QMessageBox::Ok);
    }
    AnsweredMessages(const AnsweredMessages&) = delete;
    AnsweredMessages& operator=(const AnsweredMessages&) = delete;
    ~AnsweredMessages() { MessageAnswers::Clear(); }

    // Queues one more answer.
    void Answer(QMessageBox::StandardButton answer) { MessageAnswers::SetNextAnswer(answer); }
    // The texts and titles of the boxes answered so far, oldest first.
    QStringList Texts() {
        Collect();
        QStringList texts;
        for (const auto& box : shown_) texts << box.text;
        return texts;
    }
    QStringList Titles() {
        Collect();
        QStringList titles;
        for (const auto& box : shown_) titles << box.title;
        return titles;
    }
    // Answers queued but not taken.
    int Pending() const { return MessageAnswers::Pending(); }

  private:
    void Collect() {
        for (auto& box : MessageAnswers::TakeShown()) shown_.push_back(box);
    }
    std::vector<MessageAnswers::Shown> shown_;
};

// Types text into a line edit as a user does, one key at a time, after selecting it all.
inline void TypeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

}  // namespace emberlin::ui::testing
