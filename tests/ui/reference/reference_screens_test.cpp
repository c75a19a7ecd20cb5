// The reference screens through their real widgets: the examples of fire behaviour, the
// fuel type gallery, the picture panels and the two structure diagrams.
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSvgRenderer>
#include <QTest>

#include "support/ui_test_support.h"
#include "ui/pictures/picture.h"
#include "ui/reference/fire_examples_dlg.h"
#include "ui/reference/fuel_types_dlg.h"
#include "ui/reference/reference_panel_dlg.h"
#include "ui/widgets/resources.h"

using namespace emberlin::ui;
using namespace emberlin::ui::testing;

namespace {
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

    void panelsOpenAndClose() {
        CMoreInformationDlg moreInformation(nullptr);
        CReferencesDlg references(nullptr);
        CFbpStructureDlg fbpStructure(nullptr);
        CFwiStructureDlg fwiStructure(nullptr);
        struct Case {
            CReferencePanelDlg* panel;
            const char* title;
            const char* picture;
            const char* groupTitle;
            bool accept;
        };
        const Case cases[] = {
            {&moreInformation, "EMBERLIN - More Information", "more_information", nullptr, true},
            {&references, "EMBERLIN - References", "references", nullptr, false},
            {&fbpStructure, "EMBERLIN - FBP Structure", "fbp_structure",
             "Structure of the Fire Behavior Prediction (FBP) System", true},
            {&fwiStructure, "EMBERLIN - FWI  Structure", "fwi_structure",
             "Structure of the Fire Weather index (FWI) System", false},
        };
        for (const Case& c : cases) {
            int result = -1;
            WhileModal(
                [&] { result = c.panel->RunModal(); },
                [&](QWidget* modal) {
                    QCOMPARE(modal, static_cast<QWidget*>(c.panel));
                    QCOMPARE(modal->windowTitle(), QString::fromLatin1(c.title));
                    QVERIFY(modal->findChild<QWidget*>(QString::fromLatin1(c.picture)) != nullptr);
                    if (c.groupTitle != nullptr) {
                        auto* group = modal->findChild<QGroupBox*>();
                        QVERIFY(group != nullptr);
                        QCOMPARE(group->title(), QString::fromLatin1(c.groupTitle));
                    }
                    // It only informs: OK alone.
                    auto* box = modal->findChild<QDialogButtonBox*>();
                    QVERIFY(box != nullptr);
                    QCOMPARE(box->buttons().size(), 1);
                    QCOMPARE(box->standardButtons(), QDialogButtonBox::Ok);
                    if (c.accept) {
                        c.panel->accept();
                    } else {
                        c.panel->reject();
                    }
                });
            QCOMPARE(result, c.accept ? int(QDialog::Accepted) : int(QDialog::Rejected));
        }
        // The references panel shows nine numbered entries and the note on the posters.
        for (int n = 1; n <= 10; ++n) {
            auto* entry = references.findChild<QLabel*>(QStringLiteral("entry%1").arg(n));
            QCOMPARE(entry != nullptr, n <= 9);
            if (entry != nullptr) {
                QVERIFY(entry->accessibleName().startsWith(QStringLiteral("%1.  ").arg(n)));
                QVERIFY(entry->accessibleName().endsWith(entry->text()));
            }
        }
        QVERIFY(references.findChild<QLabel*>("note")->text().contains(
            QStringLiteral("national fire research service")));
    }

    void bothDiagramsLoadAtTheirSize() {
        struct Case {
            const char* name;
            QSize size;
        };
        for (const Case& c :
             {Case{"fwi_structure", QSize(450, 368)}, Case{"fbp_structure", QSize(450, 451)}}) {
            QCOMPARE(PictureSize(QString::fromLatin1(c.name)), c.size);
            QWidget holder;
            QWidget* picture =
                MakePicture(QString::fromLatin1(c.name), QStringLiteral("diagram"), &holder);
            QVERIFY2(qobject_cast<QLabel*>(picture) == nullptr, c.name);  // not the frame
            QCOMPARE(picture->size(), c.size);
            // It draws something: the rendered picture is not one flat colour.
            const QImage image = picture->grab().toImage();
            QVERIFY2(image.pixelColor(c.size.width() / 2, c.size.height() / 2) !=
                             image.pixelColor(0, 0) ||
                         image.pixelColor(c.size.width() / 3, c.size.height() / 3) !=
                             image.pixelColor(0, 0),
                     c.name);
        }
        // Inside its panel the diagram keeps its natural size.
        CFwiStructureDlg panel(nullptr);
        panel.show();
        QCOMPARE(panel.findChild<QWidget*>("fwi_structure")->size(), QSize(450, 368));
        panel.hide();
    }
};

QTEST_MAIN(ReferenceScreensTest)
#include "reference_screens_test.moc"
