// Helpers for driving the real windows in Qt tests: modal windows are answered from timers.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

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

// Runs `inside` once the modal window opened by `open` is up; `inside` must close it.
inline void WhileModal(const std::function<void()>& open, const std::function<void(QWidget*)>& inside) {
    QWidget* before = QApplication::activeModalWidget();
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = WaitForModal(before);
        ran = true;
        inside(modal);
    });
    open();
    QVERIFY2(ran, "the modal window never came up");
}

// Types text into a line edit as a user does, one key at a time, after selecting it all.
inline void TypeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

}  // namespace emberlin::ui::testing
