// The window a form model talks to: messages, typing warnings, focus, panels, closing.
#pragma once

#include <string_view>

namespace emberlin::forms {

// Called synchronously by a form model. The Qt layer implements it with real widgets;
// tests record the calls in order (RecordingHost).
class FormHost {
  public:
    virtual ~FormHost() = default;

    // A program message: a modal box with one OK button and the caption "EMBERLIN".
    virtual void ShowMessage(std::string_view text) = 0;

    // The typing warning beside a field; not modal. An empty text removes the warning.
    virtual void ShowTypingWarning(std::string_view controlId, std::string_view text) = 0;

    // Puts the focus on a control, optionally selecting its whole text.
    virtual void SetFocus(std::string_view controlId, bool selectText) = 0;

    // Shows an owned panel or picture window modally and returns when it has closed.
    virtual void ShowPanel(std::string_view panelId) = 0;

    // Ends the form's modal display; accepted is true for OK/EXIT, false for Cancel.
    virtual void Close(bool accepted) = 0;
};

// A host that does nothing: the state of a form model that no window shows yet.
class NullHost final : public FormHost {
  public:
    void ShowMessage(std::string_view) override {}
    void ShowTypingWarning(std::string_view, std::string_view) override {}
    void SetFocus(std::string_view, bool) override {}
    void ShowPanel(std::string_view) override {}
    void Close(bool) override {}
};

}  // namespace emberlin::forms
