// The main menu: owns every calculator's model for the whole run, builds each window when it
// opens and keeps the window closed last (with its pixels when they are few) for a quick
// reopening; the others are destroyed when they close (the models keep their values).
#pragma once

#include <QDialog>
#include <QPushButton>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "forms/exports/scenario.h"
#include "forms/models/hand_over.h"
#include "ui/calculators/detection_dlg.h"
#include "ui/calculators/diurnal_dlg.h"
#include "ui/calculators/fbp_calc_dlg.h"
#include "ui/calculators/fire_by_hour_dlg.h"
#include "ui/calculators/fuel_projection_dlg.h"
#include "ui/calculators/fwi_calc_dlg.h"
#include "ui/calculators/hourly_fwi_dlg.h"
#include "ui/reference/fire_examples_dlg.h"
#include "ui/reference/fuel_types_dlg.h"
#include "ui/reference/reference_panel_dlg.h"

namespace emberlin::app {

// The main menu's buttons, each known by what it does.
enum MenuCommand : int {
    kCmdOk,
    kCmdCancel,
    kCmdAbout,
    kCmdFwiCalculator,
    kCmdDocumentation,
    kCmdFbpCalculator,
    kCmdReferences,
    kCmdFwiStructure,
    kCmdFbpStructure,
    kCmdDiurnalWeather,
    kCmdFireExamples,
    kCmdDetectionAssessment,
    kCmdFuelAssessment,
    kCmdFbpFuelTypes,
    kCmdFireByHour,
    kCmdSaveScenario,
    kCmdOpenScenario,
    kCmdHourlyFwi,
};

// The commands that open an owned form, in the menu's order.
inline constexpr int kFormCommands[] = {
    kCmdDocumentation,  kCmdFwiStructure,   kCmdFbpFuelTypes,        kCmdReferences,
    kCmdFbpStructure,   kCmdFireExamples,   kCmdFwiCalculator,       kCmdFbpCalculator,
    kCmdFuelAssessment, kCmdDiurnalWeather, kCmdDetectionAssessment, kCmdFireByHour,
    kCmdHourlyFwi,
};

class CMainMenuDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CMainMenuDlg(forms::HandOver& shared, QWidget* parent = nullptr);
    ~CMainMenuDlg() override;

    // Runs a menu command as its button does (the about box and every owned form).
    void OnCommand(int command);
    QPushButton* CommandButton(int command) const;

    // Asked before the menu closes while a calculator holds results.
    static constexpr const char* kQuitQuestion =
        "Quit EMBERLIN? The values in the calculators will be lost.";
    // OK, Cancel, Escape and closing the window all end here.
    void done(int result) override;

    // The windows, built on demand.
    ui::CFwiCalcDlg& FwiCalculator();
    ui::CFireExamplesDlg& FireExamples();
    ui::CFbpCalcDlg& FbpCalculator();
    ui::CDiurnalDlg& DiurnalWeather();
    ui::CDetectionDlg& Detection();
    ui::CFuelProjectionDlg& FuelProjection();
    ui::CFireByHourDlg& FireByHour();
    ui::CHourlyFwiDlg& HourlyFwi();
    // The windows of owned forms that exist now (none at start-up, at most the one closed
    // last while the menu is on top).
    int BuiltWindows() const;

    // The forms a scenario holds, under their names in the file.
    std::vector<forms::ScenarioWindow> ScenarioWindows();
    // Opens a scenario file named on the command line (a refusal is reported).
    void OpenScenarioFile(const QString& path);

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Once the menu has been painted the first time, sets the application icon on every
    // window: reading its six drawings is no part of the wait for the menu.
    void paintEvent(QPaintEvent* event) override;

  private:
    bool iconSet_ = false;
    QPushButton* AddCommandButton(int command, const QString& label, const char* name);
    void ShowAbout();
    bool CalculatorsHoldResults();

    // Makes a command build its window if needed and open it modally; once it closes, it
    // and the windows it opened give back what ReleaseClosedWindow says, and it is kept until
    // another window closes. Enables the command's button.
    template <typename Window>
    void Own(std::unique_ptr<Window>& member, std::function<std::unique_ptr<Window>()> make,
             int command);

    // The window of `command`, built if it does not exist.
    template <typename Window>
    Window& Built(std::unique_ptr<Window>& member, int command);

    forms::HandOver& shared_;
    std::map<int, QPushButton*> buttons_;
    std::map<int, std::function<void()>> opens_;
    std::map<int, std::function<void()>> builds_;
    std::map<int, std::function<bool()>> built_;
    std::map<int, std::function<void()>> destroys_;
    // The closed windows kept, the last closed first.
    static constexpr std::size_t kKeptClosedWindows = 1;
    std::deque<int> keptClosed_;

    // The calculators' models, made in this order when the menu is made; each lives as long
    // as the menu, so a scenario reaches the windows never opened.
    std::unique_ptr<forms::FbpCalcForm> fbpModel_;
    std::unique_ptr<forms::FwiCalcForm> fwiModel_;
    std::unique_ptr<forms::DiurnalForm> diurnalModel_;
    std::unique_ptr<forms::DetectionForm> detectionModel_;
    std::unique_ptr<forms::FuelProjectionForm> fuelProjectionModel_;
    std::unique_ptr<forms::FireByHourForm> fireByHourModel_;
    std::unique_ptr<forms::HourlyFwiForm> hourlyFwiModel_;

    // The windows of the owned forms, null unless open or kept.
    std::unique_ptr<ui::CMoreInformationDlg> moreInformation_;
    std::unique_ptr<ui::CReferencesDlg> references_;
    std::unique_ptr<ui::CFbpStructureDlg> fbpStructure_;
    std::unique_ptr<ui::CFbpCalcDlg> fbpCalculator_;
    std::unique_ptr<ui::CFuelTypesDlg> fuelTypes_;
    std::unique_ptr<ui::CFwiStructureDlg> fwiStructure_;
    std::unique_ptr<ui::CFwiCalcDlg> fwiCalculator_;
    std::unique_ptr<ui::CDiurnalDlg> diurnal_;
    std::unique_ptr<ui::CFireExamplesDlg> fireExamples_;
    std::unique_ptr<ui::CDetectionDlg> detection_;
    std::unique_ptr<ui::CFuelProjectionDlg> fuelProjection_;
    std::unique_ptr<ui::CFireByHourDlg> fireByHour_;
    std::unique_ptr<ui::CHourlyFwiDlg> hourlyFwi_;
};

}  // namespace emberlin::app
