#include "ui/widgets/user_guide.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace emberlin::ui {
namespace {

constexpr const char* kGuideUrl = "qrc:/guide/guide.html";

// Windows by object name, and the anchor of their section in the guide.
struct Section {
    const char* window;
    const char* anchor;
};
constexpr Section kSections[] = {
    {"CMainMenuDlg", "main-menu"},
    {"CFwiCalcDlg", "fwi-calculator"},
    {"CFbpCalcDlg", "fbp-calculator"},
    {"CFuelProjectionDlg", "fuel-projection"},
    {"CDiurnalDlg", "diurnal-weather"},
    {"CDetectionDlg", "detection-assessment"},
    {"CFireByHourDlg", "fire-by-hour"},
    {"CHourlyFwiDlg", "hourly-fwi"},
    {"moreInformation", "more-information"},
    {"fwiStructure", "fwi-structure"},
    {"CFuelTypesDlg", "fbp-fuel-types"},
    {"references", "references"},
    {"fbpStructure", "fbp-structure"},
    {"CFireExamplesDlg", "fire-examples"},
    {"aboutBox", "about"},
};

// Sends F1 pressed anywhere to the guide.
class GuideKey : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr) return false;
        // In the guide itself F1 has nothing more to open.
        if (qobject_cast<CGuideWindow*>(widget->window()) == nullptr) OpenGuideFor(widget);
        key->accept();
        return true;
    }
};

}  // namespace

QString GuideSection(const QWidget* window) {
    for (const QWidget* w = window; w != nullptr; w = w->parentWidget()) {
        const QString name = w->window()->objectName();
        for (const Section& s : kSections) {
            if (name == QLatin1String(s.window)) return QLatin1String(s.anchor);
        }
        w = w->window();
    }
    return {};
}

CGuideWindow::CGuideWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("guideWindow"));
    setWindowTitle(QStringLiteral("EMBERLIN User Guide"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    browser_->setObjectName(QStringLiteral("guideBrowser"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    // A reading column: about 80 characters wide, most of the screen's height.
    const QRect area = screen()->availableGeometry();
    resize(std::min(area.width() * 9 / 10, browser_->fontMetrics().averageCharWidth() * 96),
           std::min(area.height() * 8 / 10, browser_->fontMetrics().height() * 44));
}

void CGuideWindow::ShowSection(const QString& section) {
    QUrl url(QString::fromLatin1(kGuideUrl));
    // On the page already shown, the browser scrolls to the anchor (to the top without one).
    if (!section.isEmpty()) url.setFragment(section);
    browser_->setSource(url);
}

CGuideWindow* OpenGuide(QWidget* from, const QString& section) {
    QWidget* window = from->window();
    // The guide is a child of the asking window: a modal window blocks every window but its
    // own.
    auto* guide = window->findChild<CGuideWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (guide == nullptr) guide = new CGuideWindow(window);
    guide->show();
    guide->ShowSection(section);
    guide->raise();
    guide->activateWindow();
    return guide;
}

CGuideWindow* OpenGuideFor(QWidget* from) { return OpenGuide(from, GuideSection(from)); }

void InstallGuideKey() {
    static QPointer<GuideKey> key;
    if (!key.isNull()) return;
    key = new GuideKey(qApp);
    qApp->installEventFilter(key);
}

}  // namespace emberlin::ui
