#include "ui/widgets/message_answers.h"

#include <deque>

namespace emberlin::ui {

namespace {

struct State {
    std::deque<QMessageBox::StandardButton> answers;
    std::vector<MessageAnswers::Shown> shown;
};

State& Answers() {
    static State state;
    return state;
}

}  // namespace

void MessageAnswers::SetNextAnswer(QMessageBox::StandardButton answer) {
    Answers().answers.push_back(answer);
}

int MessageAnswers::Pending() { return static_cast<int>(Answers().answers.size()); }

std::vector<MessageAnswers::Shown> MessageAnswers::TakeShown() {
    std::vector<Shown> shown;
    shown.swap(Answers().shown);
    return shown;
}

void MessageAnswers::Clear() {
    Answers().answers.clear();
    Answers().shown.clear();
}

std::optional<QMessageBox::StandardButton> MessageAnswers::Take(const QMessageBox& box) {
    State& state = Answers();
    if (state.answers.empty()) return std::nullopt;
    const QMessageBox::StandardButton answer = state.answers.front();
    state.answers.pop_front();
    state.shown.push_back({box.windowTitle(), box.text(), answer});
    return answer;
}

}  // namespace emberlin::ui
