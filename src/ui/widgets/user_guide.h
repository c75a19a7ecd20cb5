// The user guide behind F1 and the main menu's Help: the bundled guide shown in a small
// window of its own, opened at the section of the window it was asked from.
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace emberlin::ui {

// The guide's section for a window, by the window's object name; the nearest owning window's
// section for one not listed (a chart opened from a calculator), "" (the guide's start) when
// none is.
QString GuideSection(const QWidget* window);

// The guide window: a text browser over the bundled guide and a Close button.
class CGuideWindow : public QDialog {
    Q_OBJECT

  public:
    explicit CGuideWindow(QWidget* parent);
    // Shows the guide at `section` (an anchor of the guide, "" for its start).
    void ShowSection(const QString& section);
    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

// Opens the guide at `section` in a guide window of `from`'s window (one per window, kept
// while the window lives, so it answers even while that window is modal). Returns it.
CGuideWindow* OpenGuide(QWidget* from, const QString& section);

// Opens the guide at the section of `from`'s window.
CGuideWindow* OpenGuideFor(QWidget* from);

// Makes F1 open the guide at the section of the window it is pressed in, in every window of
// the application. Call once the QApplication exists; calling it again does nothing.
void InstallGuideKey();

}  // namespace emberlin::ui
