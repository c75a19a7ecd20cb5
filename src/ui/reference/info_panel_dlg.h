// Static reference panels (acronym lists and the like) and the about box.
#pragma once

#include <QDialog>
#include <string>

#include "forms/content/info_panels.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

// A modal panel showing a heading over a rule and its groups of lines; OK and Cancel close it.
class CInfoPanelDlg : public QDialog {
  public:
    CInfoPanelDlg(const forms::InfoPanel& panel, QWidget* parent);
    // A panel of the form `binder` binds, shown when the form asks for `panelId`.
    CInfoPanelDlg(const forms::InfoPanel& panel, FormBinder& binder, const std::string& panelId);
};

// The about box: a new instance each time it is shown; only an OK button.
class CAboutDlg : public QDialog {
  public:
    explicit CAboutDlg(QWidget* parent);
};

}  // namespace emberlin::ui
