// The reference screens through their real widgets: the examples of fire behaviour, the
// fuel type gallery, the picture panels and the two structure diagrams.
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSvgRenderer>
#include <QTest>
#include <functional>
#include <memory>

#include "support/ui_test_support.h"
#include "ui/pictures/picture.h"
#include "ui/reference/fire_examples_dlg.h"
#include "ui/reference/fuel_types_dlg.h"
#include "ui/reference/reference_panel_dlg.h"
#include "ui/widgets/resources.h"

using namespace emberlin::ui;
using namespace emberlin::ui::testing;

// Makes a reference panel.
using MakePanel = std::function<std::unique_ptr<CReferencePanelDlg>()>;
Q_DECLARE_METATYPE(MakePanel)

namespace {
template <class Dlg>
MakePanel Panel() {
    return [] { return std::make_unique<Dlg>(nullptr); };
}

QPushButton* ButtonIn(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}
}  // namespace

class ReferenceScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { InitResources(); }

    void examplesShowThePhotographFirstAndKeepTheLastExample() {
        CFireExamplesDlg dlg(nullptr);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Examples of Fire Behavior"));
        dlg.ShowForm();
        auto* ffmc = dlg.findChild<QLineEdit*>("ffmc");
        auto* description = dlg.findChild<QPlainTextEdit*>("description");
        QVERIFY(ffmc != nullptr && description != nullptr);
        QCOMPARE(ffmc->text(), QStringLiteral("0"));

        struct Case {
            const char* button;
            const char* windowTitle;
            const char* closeWith;
            const char* ffmc;
            const char* hfi;
        };
        const Case cases[] = {
            {"exampleFwi9", " Example of Fire Behaviour - FWI 9", "cancel", "88.7", "190"},
            {"exampleFwi14", "Example of Fire Behaviour - FWI 14", "ok", "89", "620"},
        };
        QString before = ffmc->text();
        for (const Case& c : cases) {
            WhileModal([&] { QTest::mouseClick(ButtonIn(&dlg, c.button), Qt::LeftButton); },
                       [&](QWidget* modal) {
                           QVERIFY(modal != nullptr && modal != &dlg);
                           QCOMPARE(modal->windowTitle(), QString::fromLatin1(c.windowTitle));
                           QCOMPARE(ffmc->text(), before);
                           QTest::mouseClick(ButtonIn(modal, c.closeWith), Qt::LeftButton);
                       });
            QCOMPARE(ffmc->text(), QString::fromLatin1(c.ffmc));
            QCOMPARE(dlg.findChild<QLineEdit*>("hfi")->text(), QString::fromLatin1(c.hfi));
            before = ffmc->text();
        }
        QVERIFY(description->toPlainText().startsWith(QStringLiteral(" Spread was slow.")));
        QCOMPARE(dlg.findChild<QLineEdit*>("typeOfFire")->text(),
                 QStringLiteral("FWI 14 - Low vigor surface fire"));

        QTest::mouseClick(ButtonIn(&dlg, "cancel"), Qt::LeftButton);
        QVERIFY(!dlg.isVisible());
        dlg.ShowForm();
        QCOMPARE(ffmc->text(), QStringLiteral("89"));
        QCOMPARE(dlg.findChild<QLineEdit*>("isi")->text(), QStringLiteral("7.8"));
        QTest::mouseClick(ButtonIn(&dlg, "ok"), Qt::LeftButton);
        QVERIFY(!dlg.isVisible());
    }

    void galleryC6OpensItsOwnWindowAndTheDescriptionStays() {
        CFuelTypesDlg dlg(nullptr);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("FBP Fuel Types"));
        dlg.ShowForm();
        auto* description = dlg.findChild<QPlainTextEdit*>("description");
        QVERIFY(description != nullptr);
        QCOMPARE(description->toPlainText(), QString());

        QPushButton* c6 = nullptr;
        int buttons = 0;
        for (auto* button : dlg.findChildren<QPushButton*>()) {
            if (!button->property("fuelCode").isValid()) continue;
            ++buttons;
            if (button->property("fuelCode").toString() == QStringLiteral("C6")) c6 = button;
        }
        QCOMPARE(buttons, 17);
        QVERIFY(c6 != nullptr);
        QCOMPARE(c6->text(), QStringLiteral("C6"));

        WhileModal([&] { QTest::mouseClick(c6, Qt::LeftButton); },
                   [&](QWidget* modal) {
                       QVERIFY(modal != nullptr && modal != &dlg);
                       QCOMPARE(modal->windowTitle(), QStringLiteral("  C6   Conifer Plantation"));
                       QCOMPARE(description->toPlainText(), QString());
                       QTest::mouseClick(ButtonIn(modal, "cancel"), Qt::LeftButton);
                   });
        const QString c6Text = description->toPlainText();
        QVERIFY(c6Text.startsWith(QStringLiteral("C6: Conifer Plantation - ")));

        QTest::mouseClick(ButtonIn(&dlg, "ok"), Qt::LeftButton);
        QVERIFY(!dlg.isVisible());
        dlg.ShowForm();
        QCOMPARE(description->toPlainText(), c6Text);
        QTest::mouseClick(ButtonIn(&dlg, "cancel"), Qt::LeftButton);
    }

    void panelsOpenAndClose_data() {
        QTest::addColumn<MakePanel>("make");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("groupTitle");  // empty: no group
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("entries");   // numbered entries
        QTest::addColumn<QString>("note");  // words of the note under them; empty: no note
        QTest::newRow("more information")
            << Panel<CMoreInformationDlg>() << "EMBERLIN - More Information"
            << "more_information" << QString() << true << 0 << QString();
        // The references panel shows nine numbered entries and the note on the posters.
        QTest::newRow("references")
            << Panel<CReferencesDlg>() << "EMBERLIN - References"
            << "references" << QString() << false << 9 << "national fire research service";
        QTest::newRow("fbp structure")
            << Panel<CFbpStructureDlg>() << "EMBERLIN - FBP Structure"
            << "fbp_structure"
            << "Structure of the Fire Behavior Prediction (FBP) System" << true << 0 << QString();
        QTest::newRow("fwi structure")
            << Panel<CFwiStructureDlg>() << "EMBERLIN - FWI  Structure"
            << "fwi_structure"
            << "Structure of the Fire Weather index (FWI) System" << false << 0 << QString();
    }
    void panelsOpenAndClose() {
        QFETCH(MakePanel, make);
        QFETCH(QString, title);
        QFETCH(QString, picture);
        QFETCH(QString, groupTitle);
        QFETCH(bool, accept);
        QFETCH(int, entries);
        QFETCH(QString, note);
        const std::unique_ptr<CReferencePanelDlg> panel = make();
        int result = -1;
        WhileModal([&] { result = panel->RunModal(); },
                   [&](QWidget* modal) {
                       QCOMPARE(modal, static_cast<QWidget*>(panel.get()));
                       QCOMPARE(modal->windowTitle(), title);
                       QVERIFY(modal->findChild<QWidget*>(picture) != nullptr);
                       auto* group = modal->findChild<QGroupBox*>();
                       QCOMPARE(group != nullptr, !groupTitle.isEmpty());
                       if (group != nullptr) QCOMPARE(group->title(), groupTitle);
                       // It only informs: OK alone.
                       auto* box = modal->findChild<QDialogButtonBox*>();
                       QVERIFY(box != nullptr);
                       QCOMPARE(box->buttons().size(), 1);
                       QCOMPARE(box->standardButtons(), QDialogButtonBox::Ok);
                       if (accept) {
                           panel->accept();
                       } else {
                           panel->reject();
                       }
                   });
        QCOMPARE(result, accept ? int(QDialog::Accepted) : int(QDialog::Rejected));
        for (int n = 1; n <= entries + 1; ++n) {
            auto* entry = panel->findChild<QLabel*>(QStringLiteral("entry%1").arg(n));
            QCOMPARE(entry != nullptr, n <= entries);
            if (entry != nullptr) {
                QVERIFY(entry->accessibleName().startsWith(QStringLiteral("%1.  ").arg(n)));
                QVERIFY(entry->accessibleName().endsWith(entry->text()));
            }
        }
        auto* noteLabel = panel->findChild<QLabel*>(QStringLiteral("note"));
        QCOMPARE(noteLabel != nullptr, !note.isEmpty());
        if (noteLabel != nullptr) QVERIFY(noteLabel->text().contains(note));
    }

    void bothDiagramsLoadAtTheirSize_data() {
        QTest::addColumn<MakePanel>("make");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("fwi structure")
            << Panel<CFwiStructureDlg>() << "fwi_structure" << QSize(450, 368);
        QTest::newRow("fbp structure")
            << Panel<CFbpStructureDlg>() << "fbp_structure" << QSize(450, 451);
    }
    void bothDiagramsLoadAtTheirSize() {
        QFETCH(MakePanel, make);
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QCOMPARE(PictureSize(name), size);
        {
            QWidget holder;
            QWidget* picture = MakePicture(name, QStringLiteral("diagram"), &holder);
            QVERIFY(qobject_cast<QLabel*>(picture) == nullptr);  // not the frame
            QCOMPARE(picture->size(), size);
            // It draws something: the rendered picture is not one flat colour.
            const QImage image = picture->grab().toImage();
            QVERIFY(
                image.pixelColor(size.width() / 2, size.height() / 2) != image.pixelColor(0, 0) ||
                image.pixelColor(size.width() / 3, size.height() / 3) != image.pixelColor(0, 0));
        }
        // Inside its panel the diagram keeps its natural size.
        const std::unique_ptr<CReferencePanelDlg> panel = make();
        panel->show();
        QCOMPARE(panel->findChild<QWidget*>(name)->size(), size);
        panel->hide();
    }
};

QTEST_MAIN(ReferenceScreensTest)
#include "reference_screens_test.moc"
