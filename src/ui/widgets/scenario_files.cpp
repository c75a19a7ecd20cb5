#include "ui/widgets/scenario_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ui/widgets/file_answers.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

namespace {

QString Filter() {
    return QStringLiteral("EMBERLIN scenarios (*%1);;All files (*)")
        .arg(QLatin1String(kScenarioSuffix));
}

}  // namespace

bool SaveScenario(QWidget* parent, const std::vector<forms::ScenarioWindow>& windows) {
    QString path =
        AskSaveFileName(parent, QStringLiteral("Save Scenario"),
                        QStringLiteral("scenario") + QLatin1String(kScenarioSuffix), Filter());
    if (path.isEmpty()) return false;
    if (!path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) {
        path += QLatin1String(kScenarioSuffix);
    }
    const QByteArray text = QByteArray::fromStdString(forms::WriteScenario(windows));
    const QString reason = WriteFileAtomically(path, text);
    if (!reason.isEmpty()) {
        ShowProgramMessage(parent, QStringLiteral("The scenario could not be saved to %1: %2.")
                                       .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    return true;
}

bool OpenScenario(QWidget* parent, const std::vector<forms::ScenarioWindow>& windows) {
    const QString path = AskOpenFileName(parent, QStringLiteral("Open Scenario"), Filter());
    if (path.isEmpty()) return false;
    return OpenScenarioFile(parent, path, windows);
}

bool OpenScenarioFile(QWidget* parent, const QString& path,
                      const std::vector<forms::ScenarioWindow>& windows) {
    std::string text;
    if (const auto problem = forms::ReadScenarioFile(QFile::encodeName(path).toStdString(), text)) {
        ShowProgramMessage(parent, QStringLiteral("The scenario %1 could not be opened: %2.")
                                       .arg(QDir::toNativeSeparators(path), ToQ(*problem)));
        return false;
    }
    const std::optional<std::string> refusal = forms::ReadScenario(text, windows);
    if (refusal) {
        ShowProgramMessage(parent, QStringLiteral("The scenario %1 was not opened, and nothing was "
                                                  "changed: %2")
                                       .arg(QDir::toNativeSeparators(path), ToQ(*refusal)));
        return false;
    }
    return true;
}

}  // namespace emberlin::ui
