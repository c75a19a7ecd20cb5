// Answers the program's message boxes without showing them, for tests: a test queues the
// answers, the next boxes take them instead of running modally, and each box's title and
// text are kept for the test to read.
#pragma once

#include <QMessageBox>
#include <QString>
#include <optional>
#include <vector>

namespace emberlin::ui {

class MessageAnswers {
  public:
    // What a box answered from the queue would have shown.
    struct Shown {
        QString title;
        QString text;
        QMessageBox::StandardButton answer;
    };

    // Queues the answer for the next box; while answers are queued no box is shown.
    static void SetNextAnswer(QMessageBox::StandardButton answer);
    // Answers not taken yet.
    static int Pending();
    // The boxes answered from the queue, oldest first; reading forgets them.
    static std::vector<Shown> TakeShown();
    // Drops the queued answers and what was kept.
    static void Clear();

    // For the box about to run: the queued answer, taken and recorded, or nothing (show it).
    static std::optional<QMessageBox::StandardButton> Take(const QMessageBox& box);
};

}  // namespace emberlin::ui
