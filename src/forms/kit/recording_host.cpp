#include "forms/kit/recording_host.h"

namespace emberlin::forms {

void RecordingHost::ShowMessage(std::string_view text) {
    events_.push_back({HostEvent::Kind::Message, "", std::string(text)});
}

void RecordingHost::ShowTypingWarning(std::string_view controlId, std::string_view text) {
    events_.push_back({HostEvent::Kind::Warning, std::string(controlId), std::string(text)});
    if (text.empty()) {
        warnings_.erase(std::string(controlId));
    } else {
        warnings_[std::string(controlId)] = std::string(text);
    }
}

void RecordingHost::SetFocus(std::string_view controlId, bool selectText) {
    events_.push_back({HostEvent::Kind::Focus, std::string(controlId), "", selectText});
}

void RecordingHost::ShowPanel(std::string_view panelId) {
    events_.push_back({HostEvent::Kind::Panel, std::string(panelId), ""});
    auto action = panelActions_.find(std::string(panelId));
    if (action != panelActions_.end() && action->second) action->second();
}

void RecordingHost::Close(bool accepted) {
    events_.push_back({HostEvent::Kind::Close, "", "", accepted});
    closed_ = true;
    accepted_ = accepted;
}

void RecordingHost::OnPanel(const std::string& panelId, std::function<void()> action) {
    panelActions_[panelId] = std::move(action);
}

std::vector<std::string> RecordingHost::Messages() const {
    std::vector<std::string> messages;
    for (const HostEvent& e : events_) {
        if (e.kind == HostEvent::Kind::Message) messages.push_back(e.text);
    }
    return messages;
}

std::vector<std::string> RecordingHost::Panels() const {
    std::vector<std::string> panels;
    for (const HostEvent& e : events_) {
        if (e.kind == HostEvent::Kind::Panel) panels.push_back(e.target);
    }
    return panels;
}

std::string RecordingHost::WarningFor(const std::string& controlId) const {
    auto it = warnings_.find(controlId);
    return it == warnings_.end() ? std::string() : it->second;
}

std::string RecordingHost::FocusedControl() const {
    for (auto it = events_.rbegin(); it != events_.rend(); ++it) {
        if (it->kind == HostEvent::Kind::Focus) return it->target;
    }
    return {};
}

bool RecordingHost::FocusSelectedText() const {
    for (auto it = events_.rbegin(); it != events_.rend(); ++it) {
        if (it->kind == HostEvent::Kind::Focus) return it->flag;
    }
    return false;
}

void RecordingHost::ClearEvents() {
    events_.clear();
    closed_ = false;
    accepted_ = false;
}

}  // namespace emberlin::forms
