// The main menu's picture panels: more information, references and the two structure
// diagrams. Each only shows itself; OK and Cancel both close it.
#pragma once

#include <QDialog>

#include "forms/reference_panels.h"

namespace emberlin::ui {

class CReferencePanelDlg : public QDialog {
  public:
    CReferencePanelDlg(const forms::ReferencePanel& panel, QWidget* parent);
    int RunModal() { return exec(); }
};

// "EMBERLIN - More Information" (main menu "Documentation").
class CMoreInformationDlg : public CReferencePanelDlg {
  public:
    explicit CMoreInformationDlg(QWidget* parent)
        : CReferencePanelDlg(forms::MoreInformationPanel(), parent) {}
};

// "EMBERLIN - References" (main menu "References").
class CReferencesDlg : public CReferencePanelDlg {
  public:
    explicit CReferencesDlg(QWidget* parent)
        : CReferencePanelDlg(forms::ReferencesPanel(), parent) {}
};

// "EMBERLIN - FBP Structure" (main menu "FBP Structure").
class CFbpStructureDlg : public CReferencePanelDlg {
  public:
    explicit CFbpStructureDlg(QWidget* parent)
        : CReferencePanelDlg(forms::FbpStructurePanel(), parent) {}
};

// "EMBERLIN - FWI  Structure" (main menu "FWI Structure").
class CFwiStructureDlg : public CReferencePanelDlg {
  public:
    explicit CFwiStructureDlg(QWidget* parent)
        : CReferencePanelDlg(forms::FwiStructurePanel(), parent) {}
};

}  // namespace emberlin::ui
