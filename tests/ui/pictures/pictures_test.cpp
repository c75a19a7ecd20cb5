// Every bundled picture loads at its size, and every picture window opens with its picture.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string_view>

#include "forms/models/fire_examples_form.h"
#include "forms/models/fuel_types_form.h"
#include "support/ui_test_support.h"
#include "ui/pictures/picture.h"
#include "ui/reference/fire_examples_dlg.h"
#include "ui/reference/fuel_types_dlg.h"
#include "ui/widgets/resources.h"

using namespace emberlin::ui;
using namespace emberlin::ui::testing;

namespace {

// The natural size of every picture, in pixels.
const std::map<QString, QSize> kPictureSizes = {
    {"app_icon", {48, 48}},         {"menu_top", {240, 180}},      {"menu_bottom", {170, 110}},
    {"fwi_calculator", {180, 120}}, {"crown_fire", {200, 140}},    {"fire_fwi09", {480, 360}},
    {"fire_fwi14", {480, 360}},     {"fire_fwi15", {480, 360}},    {"fire_fwi17", {480, 360}},
    {"fire_fwi20", {480, 360}},     {"fire_fwi24", {480, 360}},    {"fire_fwi34", {480, 360}},
    {"fuel_c1", {311, 477}},        {"fuel_c2", {316, 486}},       {"fuel_c3", {548, 404}},
    {"fuel_c4", {548, 396}},        {"fuel_c5", {315, 486}},       {"fuel_c6", {315, 486}},
    {"fuel_c7", {547, 397}},        {"fuel_d1", {505, 321}},       {"fuel_m1", {715, 244}},
    {"fuel_m2", {717, 247}},        {"fuel_m3", {750, 256}},       {"fuel_m4", {747, 257}},
    {"fuel_s1", {750, 252}},        {"fuel_s2", {763, 259}},       {"fuel_s3", {815, 279}},
    {"fuel_o1a", {751, 256}},       {"fuel_o1b", {749, 255}},      {"more_information", {260, 190}},
    {"references", {200, 140}},     {"fwi_structure", {450, 368}}, {"fbp_structure", {450, 451}},
};

// The picture widget inside a window: drawn from the bundle, not a titled frame.
void CheckPictureIn(QWidget* window, const QString& name) {
    QVERIFY2(window != nullptr, qPrintable(name));
    QWidget* picture = window->findChild<QWidget*>(name);
    QVERIFY2(picture != nullptr, qPrintable(name));
    QVERIFY2(qobject_cast<QLabel*>(picture) == nullptr, qPrintable(name));
    QCOMPARE(picture->size(), kPictureSizes.at(name));
}

// Makes a gallery window.
using MakeGallery = std::function<std::unique_ptr<CFormDlg>()>;

template <class Dlg>
MakeGallery Gallery() {
    return [] { return std::make_unique<Dlg>(nullptr); };
}

}  // namespace

Q_DECLARE_METATYPE(MakeGallery)

class PicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { InitResources(); }

    void everyPictureLoadsAtItsSize_data() {
        QTest::addColumn<QString>("name");
        for (const QString& file : QDir(QStringLiteral(":/images")).entryList({"*.svg"})) {
            const QString name = QFileInfo(file).completeBaseName();
            QTest::newRow(qPrintable(name)) << name;
        }
    }
    void everyPictureLoadsAtItsSize() {
        QFETCH(QString, name);
        const QStringList files = QDir(QStringLiteral(":/images")).entryList({"*.svg"});
        QCOMPARE(static_cast<std::size_t>(files.size()), kPictureSizes.size());
        QVERIFY(kPictureSizes.count(name) == 1);
        QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& message) {
                QFAIL(qPrintable("Qt Svg warned: " + message));
            });
        QSvgRenderer renderer(QStringLiteral(":/images/%1.svg").arg(name));
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), kPictureSizes.at(name));
        QCOMPARE(PictureSize(name), kPictureSizes.at(name));
        // The view box keeps the proportions of the picture: nothing is stretched.
        const QRectF box = renderer.viewBoxF();
        QVERIFY(qAbs(box.width() / box.height() - double(renderer.defaultSize().width()) /
                                                      renderer.defaultSize().height()) < 0.01);
        QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        QVERIFY(image.pixelColor(image.width() / 2, image.height() / 2).alpha() > 0);
        // The bitmaps drawn at build time for one and two device pixels a pixel, which a
        // window shows at those scales instead of parsing the scene.
        for (int zoom : {1, 2}) {
            const QImage bitmap(QStringLiteral(":/prerendered/%1_x%2.png").arg(name).arg(zoom));
            QCOMPARE(bitmap.size(), kPictureSizes.at(name) * zoom);
            QVERIFY(bitmap.pixelColor(bitmap.width() / 2, bitmap.height() / 2).alpha() > 0);
        }
        qInstallMessageHandler(previous);
    }

    // The window icon carries every size a window manager asks for, drawn for that size:
    // the small drawing at 16 and 24 px, the full one above. The icons were drawn when the
    // program was built, so each is compared with both drawings as drawn here: it must be
    // close to its own (edges smoothed otherwise) and nearer to it than to the other.
    void windowIconHasEverySizeDrawnForIt_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 24, 32, 48, 64, 128}) QTest::addRow("%d px", size) << size;
    }
    void windowIconHasEverySizeDrawnForIt() {
        QFETCH(int, size);
        // The bundled icon reads at this size too.
        QVERIFY(!QIcon(QStringLiteral(":/images/app_icon.svg")).pixmap(size, size).isNull());
        const QIcon icon = ApplicationIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        auto drawing = [size](const QString& file) {
            QImage drawn(size, size, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            QSvgRenderer(file).render(&painter);
            return drawn;
        };
        // The mean difference of the channels of two images of one size, 0 to 255.
        auto difference = [](const QImage& a, const QImage& b) {
            double sum = 0;
            for (int y = 0; y < a.height(); ++y) {
                for (int x = 0; x < a.width(); ++x) {
                    const QRgb p = a.pixel(x, y);
                    const QRgb q = b.pixel(x, y);
                    sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                           std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
                }
            }
            return sum / (4.0 * a.width() * a.height());
        };
        const QImage small = drawing(QStringLiteral(":/icons/app_icon_small.svg"));
        const QImage full = drawing(QStringLiteral(":/images/app_icon.svg"));
        const QImage shown =
            icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(shown.size(), QSize(size, size));
        const double own = difference(shown, size <= 24 ? small : full);
        const double other = difference(shown, size <= 24 ? full : small);
        QVERIFY2(own < 4 && own < other,
                 qPrintable(
                     QStringLiteral("%1 from its drawing, %2 from the other").arg(own).arg(other)));
    }

    // Every photograph of the examples (closed with OK) and every fuel type's picture (closed
    // with Cancel).
    void everyPictureWindowOpensWithItsPicture_data() {
        QTest::addColumn<MakeGallery>("make");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accept");
        const auto text = [](std::string_view s) {
            return QString::fromLatin1(s.data(), int(s.size()));
        };
        for (const emberlin::forms::FireExample& example : emberlin::forms::FireExamples()) {
            QTest::addRow("%s", qPrintable(text(example.pictureName)))
                << Gallery<CFireExamplesDlg>() << text(example.buttonId)
                << text(example.pictureName) << true;
        }
        for (const emberlin::forms::FuelType& entry : emberlin::forms::GalleryFuelTypes()) {
            QTest::addRow("%s", qPrintable(text(entry.pictureName)))
                << Gallery<CFuelTypesDlg>() << text(entry.buttonId) << text(entry.pictureName)
                << false;
        }
    }
    void everyPictureWindowOpensWithItsPicture() {
        QFETCH(MakeGallery, make);
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(bool, accept);
        const std::unique_ptr<CFormDlg> gallery = make();
        gallery->ShowForm();
        auto* pictureButton = gallery->findChild<QPushButton*>(button);
        QVERIFY(pictureButton != nullptr);
        WhileModal([&] { pictureButton->click(); },
                   [&](QWidget* modal) {
                       CheckPictureIn(modal, name);
                       if (accept) {
                           qobject_cast<QDialog*>(modal)->accept();
                       } else {
                           qobject_cast<QDialog*>(modal)->reject();
                       }
                   });
        gallery->hide();
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
