// Binds a toolkit-free form model to Qt widgets and implements its host with real windows.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "forms/kit/form_host.h"
#include "forms/kit/form_model.h"

namespace emberlin::ui {

inline QString ToQ(const std::string& text) { return QString::fromStdString(text); }

// A member of its dialog, declared after the model it binds (so it goes first). The
// widgets it creates are the dialog's children. After every user
// action it writes the model's virtual screen back to the widgets with their signals
// blocked, and only where a widget differs, so the box being typed in keeps its caret.
class FormBinder : public QObject, public forms::FormHost {
    Q_OBJECT
  public:
    FormBinder(forms::FormModel& model, QDialog& dialog);
    ~FormBinder() override;

    // Widgets for the model's controls, made on first request, named after the control.
    QLineEdit* Edit(const std::string& id);
    QCheckBox* Check(const std::string& id);
    QPushButton* Button(const std::string& id);
    // A read-only multi-line box for a long text field, wrapped at word boundaries.
    QPlainTextEdit* TextBox(const std::string& id);
    // A label showing the control's label text, the buddy of its edit box.
    QLabel* Label(const std::string& id);
    // The line where typing warnings appear, beside the form's fields.
    QLabel* WarningLine();
    // The line saying the results belong to earlier inputs; empty while they are current.
    QLabel* StaleLine();
    // A widget showing the form's results beyond its bound result fields (a table view):
    // greyed with them while they are stale.
    void AddResultWidget(QWidget* widget);
    // The widget made for a control, or null.
    QWidget* WidgetFor(const std::string& id) const;
    forms::FormModel& Model() { return model_; }
    // The dialog the widgets belong to.
    QDialog& Dialog() { return dialog_; }

    // What the host does when the model asks for a panel.
    void SetPanel(const std::string& panelId, std::function<void()> show);

    // Shows every held value and refreshes every widget (opening the form).
    void OpenForm();
    // Writes the virtual screen to the widgets, then announces it (views drawn from the
    // model's values, such as the result grids, follow).
    void Refresh();

  signals:
    void Refreshed();

  public:
    // FormHost
    void ShowMessage(std::string_view text) override;
    void ShowTypingWarning(std::string_view controlId, std::string_view text) override;
    void SetFocus(std::string_view controlId, bool selectText) override;
    void ShowPanel(std::string_view panelId) override;
    void Close(bool accepted) override;

  private:
    // The widget of control `id`: the one made before, or the one `make` makes now, named
    // after the control, with the control's label as its accessible name and its tip.
    template <class Widget>
    Widget* Bound(const std::string& id, const std::function<Widget*(const forms::Control&)>& make);
    // Gives a widget its control's tooltip and accessible description.
    void Explain(QWidget* widget, const forms::Control& control);
    // The button's caption with a keyboard mnemonic no other button of the form has.
    QString WithMnemonic(const forms::Control& control);
    void ShowStaleness();
    void Grey(QWidget* widget, bool stale);

    forms::FormModel& model_;
    QDialog& dialog_;
    std::map<std::string, QWidget*> widgets_;
    std::map<std::string, std::function<void()>> panels_;
    std::map<std::string, std::string> warnings_;
    QLabel* warningLine_ = nullptr;
    QLabel* staleLine_ = nullptr;
    std::vector<QWidget*> resultWidgets_;
    bool shownStale_ = false;
    QString usedMnemonics_;
};

// A form window: a dialog with a model and its binder.
class CFormDlg : public QDialog {
  public:
    using QDialog::QDialog;
    virtual FormBinder& Binder() = 0;
    // Opening shows every held value, then the form runs modally.
    int RunModal() {
        Binder().OpenForm();
        return exec();
    }
    // The same without waiting (tests).
    void ShowForm() {
        Binder().OpenForm();
        show();
    }
};

// The model a window binds when another owner keeps it for longer than the window (the main
// menu keeps every calculator's model for the whole run); null: the window makes its own.
template <class Model>
struct Held {
    Model* model = nullptr;
};

// A form window with its model and the model's binder, declared in that order so that the
// binder is made after the model and goes first. The window owns its model, or binds one
// that its owner keeps (`Held`); `Form` may be a reference type: the window then always
// binds a model that another form owns.
template <class Form>
class CModelDlg : public CFormDlg {
  public:
    using ModelType = std::remove_reference_t<Form>;
    FormBinder& Binder() override { return binder_; }
    ModelType& Model() { return model_; }

  protected:
    // The model is made from `modelArgs`.
    template <class... ModelArgs>
    explicit CModelDlg(QWidget* parent, ModelArgs&&... modelArgs)
        : CFormDlg(parent),
          owned_(std::make_unique<ModelType>(std::forward<ModelArgs>(modelArgs)...)),
          model_(*owned_) {}
    // Binds `held`, or makes the model from `modelArgs` when none is held.
    template <class... ModelArgs>
    CModelDlg(QWidget* parent, Held<ModelType> held, ModelArgs&&... modelArgs)
        : CFormDlg(parent),
          owned_(MakeUnlessHeld(held, std::forward<ModelArgs>(modelArgs)...)),
          model_(held.model != nullptr ? *held.model : *owned_) {}

  private:
    template <class... ModelArgs>
    static std::unique_ptr<ModelType> MakeUnlessHeld(Held<ModelType> held,
                                                     ModelArgs&&... modelArgs) {
        if constexpr (std::is_reference_v<Form>) {
            return nullptr;  // a reference always binds a held model
        } else {
            if (held.model != nullptr) return nullptr;
            return std::make_unique<ModelType>(std::forward<ModelArgs>(modelArgs)...);
        }
    }
    std::unique_ptr<ModelType> owned_;

  protected:
    ModelType& model_;
    FormBinder binder_{model_, *this};
};

// Shows a program message: a modal box with one OK button and the caption "EMBERLIN".
// Returns the button that closed it (or the answer queued in MessageAnswers).
QMessageBox::StandardButton ShowProgramMessage(QWidget* parent, const QString& text);

// Asks a question with Yes and No, No the default (or takes the answer queued in
// MessageAnswers).
QMessageBox::StandardButton AskYesNo(QWidget* parent, const QString& text);

}  // namespace emberlin::ui
