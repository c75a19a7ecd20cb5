// The main menu: owns one instance of every form for the whole run and opens them.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <map>
#include <memory>

#include "common/shared_values.h"
#include "ui/fwi_calc_dlg.h"

namespace emberlin::app {

// Command identifiers of the main menu's buttons.
enum MenuCommand : int {
    kCmdOk = 1,
    kCmdCancel = 2,
    kCmdAbout = 1004,
    kCmdFwiCalculator = 1005,
    kCmdDocumentation = 1006,
    kCmdFbpCalculator = 1007,
    kCmdReferences = 1009,
    kCmdFwiStructure = 1011,
    kCmdFbpStructure = 1012,
    kCmdDiurnalWeather = 1021,
    kCmdFireExamples = 1074,
    kCmdDetectionAssessment = 1087,
    kCmdFuelAssessment = 1088,
    kCmdFbpFuelTypes = 1089,
};

class CMainMenuDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMainMenuDlg(SharedValues& shared, QWidget* parent = nullptr);
    ~CMainMenuDlg() override;

    // Runs a menu command as its button does (the about box and every owned form).
    void OnCommand(int command);
    QPushButton* CommandButton(int command) const;

    ui::CFwiCalcDlg& FwiCalculator() { return *fwiCalculator_; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QPushButton* AddCommandButton(int command, const QString& label, const char* name);
    void ShowAbout();

    SharedValues& shared_;
    std::map<int, QPushButton*> buttons_;

    // The owned forms, declared in their order of creation: C++ destroys them in reverse.
    std::unique_ptr<ui::CFwiCalcDlg> fwiCalculator_;
};

}  // namespace emberlin::app
