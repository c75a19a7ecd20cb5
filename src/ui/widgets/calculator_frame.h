// The frame every calculator window fills: its content scrolls, while the typing-warning line,
// the stale-results line and the action row (with the exports) stay in sight below it.
#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>
#include <initializer_list>

#include "ui/widgets/result_exports.h"

class QScrollArea;

namespace emberlin::ui {

class FormBinder;

class CCalculatorFrame : public QWidget {
    Q_OBJECT
  public:
    // Becomes the whole of `dialog`, which has no layout yet. With the form's `binder` the
    // frame shows its typing-warning and stale-results lines and makes its eighteen fuel
    // type boxes, where it has them, one Tab stop; a window without a form passes null.
    // On first showing the window takes its natural size, limited to the screen's
    // available area, and the action row follows the content in the Tab order.
    CCalculatorFrame(QDialog& dialog, FormBinder* binder);

    // What the window fills, top to bottom; its widgets may be made with the dialog as their
    // parent.
    QVBoxLayout* ContentLayout() const { return contentLayout_; }
    // The row of action buttons under the lines.
    QHBoxLayout* ActionRow() const { return actions_; }

    // Calculate (the default button, so that Return calculates) and the `beside` buttons at
    // the left of the action row, the `closing` buttons at its right.
    void AddCalculateButtons(std::initializer_list<const char*> beside,
                             std::initializer_list<const char*> closing);
    // OK (the default button) and Cancel at the right of the action row.
    void AddOkCancel();
    // "Copy Results" (Ctrl+Shift+C), "Save CSV..." and "Report..." after the buttons at the
    // left of the action row, enabled while the form has results to export.
    void AddExports(ResultExports exports);

    // The action row after the last control of the content in the Tab order, left to right
    // (again after controls are added to the content).
    void OrderTabs();

    // What the first showing does (the Tab stops, the window's size), done already by a
    // window that calls it before it shows itself, so that Qt does not first size and lay
    // the window out at a size of its own.
    void PrepareFirstShowing();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FitToScreen();

    QDialog& dialog_;
    FormBinder* binder_;
    QScrollArea* scroll_;
    QVBoxLayout* contentLayout_;
    QHBoxLayout* actions_;
    bool shown_ = false;
};

}  // namespace emberlin::ui
