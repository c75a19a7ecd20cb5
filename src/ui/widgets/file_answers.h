// The program's file dialogs, and answers to them for tests: a test queues the paths, the
// next dialogs take them instead of running modally (an empty path is a cancelled dialog),
// and each dialog's caption is kept for the test to read.
#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace emberlin::ui {

class FileAnswers {
  public:
    static void SetNextPath(const QString& path);
    static int Pending();
    // Captions of the dialogs answered from the queue, oldest first; reading forgets them.
    static QStringList TakeCaptions();
    static void Clear();
};

// Asks for a file to write (QFileDialog, or the queued answer); empty when cancelled.
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                        const QString& filter);
// Asks for a file to read; empty when cancelled.
QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& filter);

// Asks where a report goes (the print dialog, which may print to a PDF file); false when
// cancelled. A queued path answers it as a PDF file of that name (empty: cancelled).
bool AskPrinter(QPrinter& printer, QWidget* parent, const QString& caption);

// Writes `bytes` to `path` through a temporary file renamed at the end (QSaveFile), so a
// failure never leaves a half-written file. Returns the reason of a failure, empty on success.
QString WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace emberlin::ui
