#include "app/main_menu_dlg.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string_view>

#include "ui/pictures/picture.h"
#include "ui/reference/info_panel_dlg.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/drawing_modules.h"
#include "ui/widgets/resources.h"
#include "ui/widgets/scenario_files.h"
#include "ui/widgets/user_guide.h"
#include "ui/widgets/window_release.h"

namespace emberlin::app {

CMainMenuDlg::CMainMenuDlg(forms::HandOver& shared, QWidget* parent)
    : QDialog(parent), shared_(shared) {
    setObjectName(QStringLiteral("CMainMenuDlg"));
    setWindowTitle(QStringLiteral("EMBERLIN Main Menu"));
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);

    auto* frame = new ui::CCalculatorFrame(*this, nullptr);
    QVBoxLayout* outer = frame->ContentLayout();
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
    ui::EmphasiseHeading(heading, 1.4);
    heading->setObjectName(QStringLiteral("heading"));
    column->addWidget(heading);
    column->addWidget(ui::WrappedText(
        QStringLiteral("EMBERLIN brings together the calculations of a national forest fire danger "
                       "rating system, the product of decades of field experiments and empirical "
                       "analysis, in one calculator for fire managers and fire weather "
                       "forecasters."),
        this));
    // The runs of blanks in this paragraph end its lines when the box is as wide as its
    // first sentence, so each subsystem stands on a line of its own.
    const QString firstSentence =
        QStringLiteral("The EMBERLIN currently comprises two major subsystems:");
    QLabel* subsystems = ui::WrappedText(
        firstSentence +
            QStringLiteral("                             - Fire Weather Index (FWI) System      "
                           "                                  - Fire Behavior Prediction (FBP) "
                           "System."),
        this);
    subsystems->setObjectName(QStringLiteral("subsystems"));
    subsystems->setFixedWidth(subsystems->fontMetrics().horizontalAdvance(firstSentence) + 4);
    column->addWidget(subsystems);
    column->addWidget(ui::WrappedText(
        QStringLiteral("For more information, including references, diagrams, decriptions and "
                       "examples of fuel types and fire behaviour, please click the appropriate "
                       "button under MORE INFORMATION. "),
        this));
    column->addWidget(ui::RuleLine(this));
    column->addWidget(ui::WrappedText(
        QStringLiteral("For individual Calculator Programs and Tools, click the appropriate button "
                       "below."),
        this));

    auto* groups = new QHBoxLayout;
    // The two groups of command buttons, three to a row in reading order.
    struct Command {
        const char* group;
        int command;
        const char* label;
        const char* name;
    };
    const Command commands[] = {
        {"More Information", kCmdDocumentation, "Documentation", "documentationButton"},
        {"More Information", kCmdFwiStructure, "FWI Structure", "fwiStructureButton"},
        {"More Information", kCmdFbpFuelTypes, "FBP Fuels Types", "fbpFuelTypesButton"},
        {"More Information", kCmdReferences, "References", "referencesButton"},
        {"More Information", kCmdFbpStructure, "FBP Structure", "fbpStructureButton"},
        {"More Information", kCmdFireExamples, "Fire Behavior Examples", "fireExamplesButton"},
        {"Calculators / Tools", kCmdFwiCalculator, "FWI Calculator", "fwiCalculatorButton"},
        {"Calculators / Tools", kCmdFbpCalculator, "FBP Calculator", "fbpCalculatorButton"},
        {"Calculators / Tools", kCmdFuelAssessment, "Fuel Assessment", "fuelAssessmentButton"},
        {"Calculators / Tools", kCmdDiurnalWeather, "Diurnal Weather", "diurnalWeatherButton"},
        {"Calculators / Tools", kCmdDetectionAssessment, "Detection Assessment",
         "detectionAssessmentButton"},
        {"Calculators / Tools", kCmdFireByHour, "Fire Behaviour by Hour", "fireByHourButton"},
        {"Calculators / Tools", kCmdHourlyFwi, "Hourly FWI (FWI2025)", "hourlyFwiButton"},
    };
    QGridLayout* grid = nullptr;
    std::string_view group;
    int place = 0;
    for (const Command& c : commands) {
        if (grid == nullptr || c.group != group) {
            group = c.group;
            auto* box = new QGroupBox(QString::fromUtf8(c.group), this);
            grid = new QGridLayout(box);
            groups->addWidget(box, 3);
            place = 0;
        }
        grid->addWidget(AddCommandButton(c.command, QString::fromUtf8(c.label), c.name), place / 3,
                        place % 3);
        ++place;
    }
    column->addLayout(groups);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(AddCommandButton(kCmdAbout, QStringLiteral("About"), "aboutButton"));
    // The user guide at the main menu's section, as F1 in any window opens it at that window's.
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("helpButton"));
    help->setAccessibleName(help->text());
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, [this] { ui::OpenGuideFor(this); });
    bottom->addWidget(help);
    ui::InstallGuideKey();
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
    QPushButton* cancel = AddCommandButton(kCmdCancel, QStringLiteral("Cancel"), "cancel");
    bottom->addWidget(cancel);
    frame->ActionRow()->addLayout(bottom);

    // Every button but Cancel (which answers Escape) a mnemonic of its own: buttons are matched
    // to letters of their captions, each preferring its earliest letter in reading order; a
    // button whose letters are all taken takes one from an earlier button that can move to
    // another. The accessible names keep the plain captions. A button's own shortcut (Ctrl+S,
    // Ctrl+O) goes on beside its mnemonic.
    std::vector<QPushButton*> labelled;
    std::vector<std::pair<QPushButton*, QKeySequence>> ownKeys;  // setText replaces them
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button != cancel) labelled.push_back(button);
        if (!button->shortcut().isEmpty()) ownKeys.emplace_back(button, button->shortcut());
    }
    std::map<QChar, std::size_t> owner;
    const std::function<bool(std::size_t, std::set<QChar>&)> assign = [&](std::size_t b,
                                                                          std::set<QChar>& seen) {
        for (const QChar ch : labelled[b]->text()) {
            const QChar letter = ch.toLower();
            if (!letter.isLetter() || !seen.insert(letter).second) continue;
            const auto held = owner.find(letter);
            if (held == owner.end() || assign(held->second, seen)) {
                owner[letter] = b;
                return true;
            }
        }
        return false;
    };
    for (std::size_t b = 0; b < labelled.size(); ++b) {
        std::set<QChar> seen;
        assign(b, seen);
    }
    for (const auto& [letter, b] : owner) {
        QPushButton* button = labelled[b];
        const QString text = button->text();
        const qsizetype at = text.indexOf(letter, 0, Qt::CaseInsensitive);
        button->setText(text.left(at) + QLatin1Char('&') + text.mid(at));
    }
    for (const auto& [button, own] : ownKeys) {
        auto* key = new QShortcut(own, this);
        connect(key, &QShortcut::activated, button, &QPushButton::animateClick);
    }

    // The calculators' models, in the order their windows were made when the menu made them
    // all. A form button is enabled once it opens a form.
    fbpModel_ = std::make_unique<forms::FbpCalcForm>(shared_);
    fwiModel_ = std::make_unique<forms::FwiCalcForm>(shared_);
    diurnalModel_ = std::make_unique<forms::DiurnalForm>(shared_);
    detectionModel_ = std::make_unique<forms::DetectionForm>(shared_);
    fuelProjectionModel_ = std::make_unique<forms::FuelProjectionForm>(shared_);
    fireByHourModel_ = std::make_unique<forms::FireByHourForm>(shared_);
    hourlyFwiModel_ = std::make_unique<forms::HourlyFwiForm>(shared_);
    for (int command : kFormCommands) buttons_[command]->setEnabled(false);
    Own<ui::CMoreInformationDlg>(
        moreInformation_, [this] { return std::make_unique<ui::CMoreInformationDlg>(this); },
        kCmdDocumentation);
    Own<ui::CReferencesDlg>(
        references_, [this] { return std::make_unique<ui::CReferencesDlg>(this); }, kCmdReferences);
    Own<ui::CFbpStructureDlg>(
        fbpStructure_, [this] { return std::make_unique<ui::CFbpStructureDlg>(this); },
        kCmdFbpStructure);
    Own<ui::CFbpCalcDlg>(
        fbpCalculator_,
        [this] { return std::make_unique<ui::CFbpCalcDlg>(shared_, this, fbpModel_.get()); },
        kCmdFbpCalculator);
    Own<ui::CFuelTypesDlg>(
        fuelTypes_, [this] { return std::make_unique<ui::CFuelTypesDlg>(this); }, kCmdFbpFuelTypes);
    Own<ui::CFwiStructureDlg>(
        fwiStructure_, [this] { return std::make_unique<ui::CFwiStructureDlg>(this); },
        kCmdFwiStructure);
    Own<ui::CFwiCalcDlg>(
        fwiCalculator_,
        [this] { return std::make_unique<ui::CFwiCalcDlg>(shared_, this, fwiModel_.get()); },
        kCmdFwiCalculator);
    Own<ui::CDiurnalDlg>(
        diurnal_,
        [this] { return std::make_unique<ui::CDiurnalDlg>(shared_, this, diurnalModel_.get()); },
        kCmdDiurnalWeather);
    Own<ui::CFireExamplesDlg>(
        fireExamples_, [this] { return std::make_unique<ui::CFireExamplesDlg>(this); },
        kCmdFireExamples);
    Own<ui::CDetectionDlg>(
        detection_,
        [this] {
            return std::make_unique<ui::CDetectionDlg>(shared_, this, detectionModel_.get());
        },
        kCmdDetectionAssessment);
    Own<ui::CFuelProjectionDlg>(
        fuelProjection_,
        [this] {
            return std::make_unique<ui::CFuelProjectionDlg>(shared_, this,
                                                            fuelProjectionModel_.get());
        },
        kCmdFuelAssessment);
    Own<ui::CFireByHourDlg>(
        fireByHour_,
        [this] {
            return std::make_unique<ui::CFireByHourDlg>(shared_, this, fireByHourModel_.get());
        },
        kCmdFireByHour);
    Own<ui::CHourlyFwiDlg>(
        hourlyFwi_,
        [this] {
            return std::make_unique<ui::CHourlyFwiDlg>(shared_, this, hourlyFwiModel_.get());
        },
        kCmdHourlyFwi);
}

bool CMainMenuDlg::CalculatorsHoldResults() {
    forms::FormModel* calculators[] = {fwiModel_.get(),
                                       fbpModel_.get(),
                                       diurnalModel_.get(),
                                       detectionModel_.get(),
                                       fuelProjectionModel_.get(),
                                       fireByHourModel_.get(),
                                       hourlyFwiModel_.get()};
    return std::any_of(std::begin(calculators), std::end(calculators),
                       [](forms::FormModel* model) { return model->HoldsComputedResults(); });
}

void CMainMenuDlg::done(int result) {
    if (CalculatorsHoldResults() &&
        ui::AskYesNo(this, QString::fromLatin1(kQuitQuestion)) != QMessageBox::Yes) {
        return;
    }
    QDialog::done(result);
}

template <typename Window>
void CMainMenuDlg::Own(std::unique_ptr<Window>& member,
                       std::function<std::unique_ptr<Window>()> make, int command) {
    std::unique_ptr<Window>* window = &member;
    builds_[command] = [this, window, make = std::move(make)] {
        if (*window != nullptr) return;
        // The windows chart, draw and print with modules the menu does without.
        if (QString problem; !ui::LoadDrawingModules(&problem)) {
            ui::ShowProgramMessage(this,
                                   QStringLiteral("EMBERLIN cannot open its windows: ") + problem);
            std::exit(1);
        }
        *window = make();
    };
    built_[command] = [window] { return *window != nullptr; };
    destroys_[command] = [window] { window->reset(); };
    // The window reads the hand-over as it opens (RunModal's OpenForm), built or not before.
    opens_[command] = [this, window, command] {
        builds_[command]();
        std::erase(keptClosed_, command);
        (*window)->RunModal();
        // The window just closed is kept for an immediate reopening (with its pixels when
        // they are few); the one kept before it is destroyed, so closed windows hold little
        // memory.
        keptClosed_.push_front(command);
        while (keptClosed_.size() > kKeptClosedWindows) {
            destroys_[keptClosed_.back()]();
            keptClosed_.pop_back();
        }
        ui::ReleaseClosedWindow(**window);
    };
    buttons_[command]->setEnabled(true);
}

template <typename Window>
Window& CMainMenuDlg::Built(std::unique_ptr<Window>& member, int command) {
    builds_.at(command)();
    return *member;
}

ui::CFwiCalcDlg& CMainMenuDlg::FwiCalculator() { return Built(fwiCalculator_, kCmdFwiCalculator); }
ui::CFireExamplesDlg& CMainMenuDlg::FireExamples() {
    return Built(fireExamples_, kCmdFireExamples);
}
ui::CFbpCalcDlg& CMainMenuDlg::FbpCalculator() { return Built(fbpCalculator_, kCmdFbpCalculator); }
ui::CDiurnalDlg& CMainMenuDlg::DiurnalWeather() { return Built(diurnal_, kCmdDiurnalWeather); }
ui::CDetectionDlg& CMainMenuDlg::Detection() { return Built(detection_, kCmdDetectionAssessment); }
ui::CFuelProjectionDlg& CMainMenuDlg::FuelProjection() {
    return Built(fuelProjection_, kCmdFuelAssessment);
}
ui::CFireByHourDlg& CMainMenuDlg::FireByHour() { return Built(fireByHour_, kCmdFireByHour); }
ui::CHourlyFwiDlg& CMainMenuDlg::HourlyFwi() { return Built(hourlyFwi_, kCmdHourlyFwi); }

int CMainMenuDlg::BuiltWindows() const {
    return static_cast<int>(std::count_if(built_.begin(), built_.end(),
                                          [](const auto& entry) { return entry.second(); }));
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
    return forms::ScenarioWindows({*fwiModel_, *fbpModel_, *diurnalModel_, *detectionModel_,
                                   *fuelProjectionModel_, *fireByHourModel_,
                                   hourlyFwiModel_.get()});
}

void CMainMenuDlg::OpenScenarioFile(const QString& path) {
    ui::OpenScenarioFile(this, path, ScenarioWindows());
}

void CMainMenuDlg::ShowAbout() {
    ui::CAboutDlg about(this);
    about.exec();
}

void CMainMenuDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (iconSet_) return;
    iconSet_ = true;
    QTimer::singleShot(0, this, [] { QApplication::setWindowIcon(ui::ApplicationIcon()); });
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
