#include "app/main_menu_dlg.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "ui/dialog_parts.h"
#include "ui/info_panel_dlg.h"
#include "ui/picture.h"
#include "ui/scenario_files.h"

namespace emberlin::app {

namespace {
QLabel* Paragraph(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}
}  // namespace

CMainMenuDlg::CMainMenuDlg(forms::HandOver& shared, QWidget* parent)
    : QDialog(parent), shared_(shared) {
    setObjectName(QStringLiteral("CMainMenuDlg"));
    setWindowTitle(QStringLiteral("EMBERLIN Main Menu"));
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);

    auto* outer = new QVBoxLayout(this);
    auto* layout = new QHBoxLayout;
    outer->addLayout(layout);
    auto* pictures = new QVBoxLayout;
    pictures->addWidget(ui::MakePicture(QStringLiteral("menu_top"),
                                        QStringLiteral("Forest fire danger rating"), this));
    pictures->addStretch(1);
    pictures->addWidget(
        ui::MakePicture(QStringLiteral("menu_bottom"), QStringLiteral("Forest fire"), this));
    layout->addLayout(pictures);

    auto* column = new QVBoxLayout;
    layout->addLayout(column, 1);
    auto* heading = new QLabel(QStringLiteral("EMBERLIN - Fire Danger Rating System"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);
    heading->setObjectName(QStringLiteral("heading"));
    column->addWidget(heading);
    column->addWidget(Paragraph(
        QStringLiteral("EMBERLIN brings together the calculations of a national forest fire danger "
                       "rating system, the product of decades of field experiments and empirical "
                       "analysis, in one calculator for fire managers and fire weather "
                       "forecasters."),
        this));
    // The runs of blanks in this paragraph end its lines when the box is as wide as its
    // first sentence, so each subsystem stands on a line of its own.
    const QString firstSentence =
        QStringLiteral("The EMBERLIN currently comprises two major subsystems:");
    QLabel* subsystems = Paragraph(
        firstSentence +
            QStringLiteral("                             - Fire Weather Index (FWI) System      "
                           "                                  - Fire Behavior Prediction (FBP) "
                           "System."),
        this);
    subsystems->setObjectName(QStringLiteral("subsystems"));
    subsystems->setFixedWidth(subsystems->fontMetrics().horizontalAdvance(firstSentence) + 4);
    column->addWidget(subsystems);
    column->addWidget(Paragraph(
        QStringLiteral("For more information, including references, diagrams, decriptions and "
                       "examples of fuel types and fire behaviour, please click the appropriate "
                       "button under MORE INFORMATION. "),
        this));
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    column->addWidget(rule);
    column->addWidget(Paragraph(
        QStringLiteral("For individual Calculator Programs and Tools, click the appropriate button "
                       "below."),
        this));

    auto* groups = new QHBoxLayout;
    auto* more = new QGroupBox(QStringLiteral("More Information"), this);
    auto* moreGrid = new QGridLayout(more);
    moreGrid->addWidget(
        AddCommandButton(kCmdDocumentation, QStringLiteral("Documentation"), "documentationButton"),
        0, 0);
    moreGrid->addWidget(
        AddCommandButton(kCmdFwiStructure, QStringLiteral("FWI Structure"), "fwiStructureButton"),
        0, 1);
    moreGrid->addWidget(
        AddCommandButton(kCmdFbpFuelTypes, QStringLiteral("FBP Fuels Types"), "fbpFuelTypesButton"),
        0, 2);
    moreGrid->addWidget(
        AddCommandButton(kCmdReferences, QStringLiteral("References"), "referencesButton"), 1, 0);
    moreGrid->addWidget(
        AddCommandButton(kCmdFbpStructure, QStringLiteral("FBP Structure"), "fbpStructureButton"),
        1, 1);
    moreGrid->addWidget(AddCommandButton(kCmdFireExamples, QStringLiteral("Fire Behavior Examples"),
                                         "fireExamplesButton"),
                        1, 2);
    groups->addWidget(more, 3);

    auto* tools = new QGroupBox(QStringLiteral("Calculators / Tools"), this);
    auto* toolsGrid = new QGridLayout(tools);
    toolsGrid->addWidget(AddCommandButton(kCmdFwiCalculator, QStringLiteral("FWI Calculator"),
                                          "fwiCalculatorButton"),
                         0, 0);
    toolsGrid->addWidget(AddCommandButton(kCmdFbpCalculator, QStringLiteral("FBP Calculator"),
                                          "fbpCalculatorButton"),
                         0, 1);
    toolsGrid->addWidget(AddCommandButton(kCmdFuelAssessment, QStringLiteral("Fuel Assessment"),
                                          "fuelAssessmentButton"),
                         0, 2);
    toolsGrid->addWidget(AddCommandButton(kCmdDiurnalWeather, QStringLiteral("Diurnal Weather"),
                                          "diurnalWeatherButton"),
                         1, 0);
    toolsGrid->addWidget(
        AddCommandButton(kCmdDetectionAssessment, QStringLiteral("Detection Assessment"),
                         "detectionAssessmentButton"),
        1, 1);
    toolsGrid->addWidget(AddCommandButton(kCmdFireByHour, QStringLiteral("Fire Behaviour by Hour"),
                                          "fireByHourButton"),
                         1, 2);
    groups->addWidget(tools, 3);
    column->addLayout(groups);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(AddCommandButton(kCmdAbout, QStringLiteral("About"), "aboutButton"));
    auto* attribution = new QLabel(QStringLiteral("Written by the EMBERLIN authors."), this);
    attribution->setObjectName(QStringLiteral("attribution"));
    bottom->addWidget(attribution, 1);
    // Scenarios: every calculator's inputs and selections in one file.
    QPushButton* save = AddCommandButton(kCmdSaveScenario, QStringLiteral("Save Scenario\u2026"),
                                         "saveScenarioButton");
    save->setShortcut(QKeySequence::Save);
    bottom->addWidget(save);
    QPushButton* open = AddCommandButton(kCmdOpenScenario, QStringLiteral("Open Scenario\u2026"),
                                         "openScenarioButton");
    open->setShortcut(QKeySequence::Open);
    bottom->addWidget(open);
    QPushButton* ok = AddCommandButton(kCmdOk, QStringLiteral("OK"), "ok");
    ok->setDefault(true);
    bottom->addWidget(ok);
    bottom->addWidget(AddCommandButton(kCmdCancel, QStringLiteral("Cancel"), "cancel"));
    outer->addLayout(bottom);

    // Owned forms, in their order of creation. A form button is enabled once it opens a form.
    for (int command : kFormCommands) buttons_[command]->setEnabled(false);
    Own(moreInformation_, std::make_unique<ui::CMoreInformationDlg>(this), kCmdDocumentation);
    Own(references_, std::make_unique<ui::CReferencesDlg>(this), kCmdReferences);
    Own(fbpStructure_, std::make_unique<ui::CFbpStructureDlg>(this), kCmdFbpStructure);
    Own(fbpCalculator_, std::make_unique<ui::CFbpCalcDlg>(shared_, this), kCmdFbpCalculator);
    Own(fuelTypes_, std::make_unique<ui::CFuelTypesDlg>(this), kCmdFbpFuelTypes);
    Own(fwiStructure_, std::make_unique<ui::CFwiStructureDlg>(this), kCmdFwiStructure);
    Own(fwiCalculator_, std::make_unique<ui::CFwiCalcDlg>(shared_, this), kCmdFwiCalculator);
    Own(diurnal_, std::make_unique<ui::CDiurnalDlg>(shared_, this), kCmdDiurnalWeather);
    Own(fireExamples_, std::make_unique<ui::CFireExamplesDlg>(this), kCmdFireExamples);
    Own(detection_, std::make_unique<ui::CDetectionDlg>(shared_, this), kCmdDetectionAssessment);
    Own(fuelProjection_, std::make_unique<ui::CFuelProjectionDlg>(shared_, this),
        kCmdFuelAssessment);
    Own(fireByHour_, std::make_unique<ui::CFireByHourDlg>(shared_, this), kCmdFireByHour);
    ui::ArrangeDialog(*this, nullptr);
}

bool CMainMenuDlg::CalculatorsHoldResults() {
    ui::CFormDlg* calculators[] = {fwiCalculator_.get(), fbpCalculator_.get(),  diurnal_.get(),
                                   detection_.get(),     fuelProjection_.get(), fireByHour_.get()};
    return std::any_of(std::begin(calculators), std::end(calculators), [](ui::CFormDlg* dlg) {
        return dlg != nullptr && dlg->Binder().Model().HoldsComputedResults();
    });
}

void CMainMenuDlg::done(int result) {
    if (CalculatorsHoldResults() &&
        ui::AskYesNo(this, QString::fromLatin1(kQuitQuestion)) != QMessageBox::Yes) {
        return;
    }
    QDialog::done(result);
}

template <typename Form>
void CMainMenuDlg::Own(std::unique_ptr<Form>& member, std::unique_ptr<Form> form, int command) {
    member = std::move(form);
    Form* owned = member.get();
    opens_[command] = [owned] { owned->RunModal(); };
    buttons_[command]->setEnabled(true);
}

CMainMenuDlg::~CMainMenuDlg() = default;

QPushButton* CMainMenuDlg::AddCommandButton(int command, const QString& label, const char* name) {
    auto* button = new QPushButton(label, this);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(label);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, command] { OnCommand(command); });
    buttons_[command] = button;
    return button;
}

QPushButton* CMainMenuDlg::CommandButton(int command) const {
    auto it = buttons_.find(command);
    return it == buttons_.end() ? nullptr : it->second;
}

void CMainMenuDlg::OnCommand(int command) {
    switch (command) {
        case kCmdOk:
            accept();
            break;
        case kCmdCancel:
            reject();
            break;
        case kCmdAbout:
            ShowAbout();
            break;
        case kCmdSaveScenario:
            ui::SaveScenario(this, ScenarioWindows());
            break;
        case kCmdOpenScenario:
            ui::OpenScenario(this, ScenarioWindows());
            break;
        default:
            if (auto open = opens_.find(command); open != opens_.end()) open->second();
            break;
    }
}

std::vector<forms::ScenarioWindow> CMainMenuDlg::ScenarioWindows() {
    return forms::ScenarioWindows({fwiCalculator_->Model(), fbpCalculator_->Model(),
                                   diurnal_->Model(), detection_->Model(), fuelProjection_->Model(),
                                   fireByHour_->Model()});
}

void CMainMenuDlg::OpenScenarioFile(const QString& path) {
    ui::OpenScenarioFile(this, path, ScenarioWindows());
}

void CMainMenuDlg::ShowAbout() {
    ui::CAboutDlg about(this);
    about.exec();
}

// Our stand-in for the window's system menu: the about item on the context menu.
void CMainMenuDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addSeparator();
    QAction* about = menu.addAction(QStringLiteral("About EMBERLIN..."));
    about->setObjectName(QStringLiteral("aboutAction"));
    if (menu.exec(event->globalPos()) == about) ShowAbout();
}

}  // namespace emberlin::app
