#include "ui/widgets/file_answers.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <deque>

namespace emberlin::ui {

namespace {

struct State {
    std::deque<QString> paths;
    QStringList captions;
};

State& Answers() {
    static State state;
    return state;
}

template <typename Ask>
QString Answered(const QString& caption, Ask ask) {
    State& state = Answers();
    if (state.paths.empty()) return ask();
    QString path = state.paths.front();
    state.paths.pop_front();
    state.captions << caption;
    return path;
}

}  // namespace

void FileAnswers::SetNextPath(const QString& path) { Answers().paths.push_back(path); }

int FileAnswers::Pending() { return static_cast<int>(Answers().paths.size()); }

QStringList FileAnswers::TakeCaptions() {
    QStringList captions;
    captions.swap(Answers().captions);
    return captions;
}

void FileAnswers::Clear() {
    Answers().paths.clear();
    Answers().captions.clear();
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                        const QString& filter) {
    return Answered(
        caption, [&] { return QFileDialog::getSaveFileName(parent, caption, suggested, filter); });
}

QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return Answered(
        caption, [&] { return QFileDialog::getOpenFileName(parent, caption, QString(), filter); });
}

bool AskPrinter(QPrinter& printer, QWidget* parent, const QString& caption) {
    if (FileAnswers::Pending() == 0) {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(caption);
        return dialog.exec() == QDialog::Accepted;
    }
    const QString path = Answered(caption, [] { return QString(); });
    if (path.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return true;
}

QString WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    // Everything in the file before it replaces the old one: a full disk shows here.
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return QString();
}

}  // namespace emberlin::ui
