// A host that records every call a form makes, in order, so tests can read them.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "forms/kit/form_host.h"

namespace emberlin::forms {

struct HostEvent {
    enum class Kind { Message, Warning, Focus, Panel, Close };
    Kind kind;
    std::string target;  // control or panel id (empty for messages)
    std::string text;    // message or warning text
    bool flag = false;   // Focus: text selected; Close: accepted
};

class RecordingHost final : public FormHost {
  public:
    void ShowMessage(std::string_view text) override;
    void ShowTypingWarning(std::string_view controlId, std::string_view text) override;
    void SetFocus(std::string_view controlId, bool selectText) override;
    void ShowPanel(std::string_view panelId) override;
    void Close(bool accepted) override;

    // What a panel does while it is shown (a picture window closed by Cancel, say).
    void OnPanel(const std::string& panelId, std::function<void()> action);

    const std::vector<HostEvent>& Events() const { return events_; }
    std::vector<std::string> Messages() const;
    std::vector<std::string> Panels() const;
    // The warning now beside each control (the last non-empty one, until cleared).
    const std::map<std::string, std::string>& Warnings() const { return warnings_; }
    std::string WarningFor(const std::string& controlId) const;
    // The control of the last focus call, or "" when none.
    std::string FocusedControl() const;
    bool FocusSelectedText() const;
    bool Closed() const { return closed_; }
    bool Accepted() const { return accepted_; }
    // Forgets recorded events and the closed state (warnings stay: they are on screen).
    void ClearEvents();

  private:
    std::vector<HostEvent> events_;
    std::map<std::string, std::string> warnings_;
    std::map<std::string, std::function<void()>> panelActions_;
    bool closed_ = false;
    bool accepted_ = false;
};

}  // namespace emberlin::forms
