// The main menu's picture panels: more information, references and the two structure
// diagrams. Each only shows itself; OK and Cancel both close it.
#pragma once

#include <QDialog>

#include "forms/content/reference_panels.h"

namespace emberlin::ui {

class CReferencePanelDlg : public QDialog {
  public:
    CReferencePanelDlg(const forms::ReferencePanel& panel, QWidget* parent);
    int RunModal() { return exec(); }
};

// The window of the panel that `Panel` describes.
template <forms::ReferencePanel (*Panel)()>
class CReferencePanelOf : public CReferencePanelDlg {
  public:
    explicit CReferencePanelOf(QWidget* parent) : CReferencePanelDlg(Panel(), parent) {}
};

// "EMBERLIN - More Information" (main menu "Documentation").
using CMoreInformationDlg = CReferencePanelOf<forms::MoreInformationPanel>;
// "EMBERLIN - References" (main menu "References").
using CReferencesDlg = CReferencePanelOf<forms::ReferencesPanel>;
// "EMBERLIN - FBP Structure" (main menu "FBP Structure").
using CFbpStructureDlg = CReferencePanelOf<forms::FbpStructurePanel>;
// "EMBERLIN - FWI  Structure" (main menu "FWI Structure").
using CFwiStructureDlg = CReferencePanelOf<forms::FwiStructurePanel>;

}  // namespace emberlin::ui
