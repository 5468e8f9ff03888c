#include <QLabel>
#include <QTest>

#include "app/Dialog1.h"
#include "app/Dialog2.h"
#include "app/frmMain.h"
#include "circuits/ui/FrmKontur2.h"
#include "circuits/ui/frmKontur1.h"
#include "filters/ui/FrmFiltr.h"
#include "rfpath/ui/FrmAnt.h"
#include "support/UiTest.h"
#include "transformer/ui/FrmTrans.h"
#include "ui/Forms.h"
#include "ui/Pictures.h"

using namespace vokta::ui;

// How the windows meet the screen. CTest runs this at a device pixel ratio of 2 (QT_SCALE_FACTOR),
// where a picture drawn at 1x and scaled up would be blurred.
class ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void init() { vokta::test::UnloadAllForms(); }
    void cleanup() { vokta::test::UnloadAllForms(); }

    void picturesHaveAPixelForEveryDevicePixel() {
        const qreal ratio = qEnvironmentVariableIntValue("VOKTA_EXPECT_PIXEL_RATIO");
        if (ratio > 0) QCOMPARE(qApp->devicePixelRatio(), ratio);
        for (const int number : PictureNumbers()) {
            const QPixmap picture = LoadPicture(number);
            QCOMPARE(picture.deviceIndependentSize().toSize(), PictureSize(number));
            QCOMPARE(picture.size(), PictureSize(number) * qApp->devicePixelRatio());
        }
        // In the windows, each image control keeps the picture's logical size.
        QList<QWidget*> windows{Forms::Show<frmKontur1>(), Forms::Show<FrmKontur2>(),
                                Forms::Show<FrmTrans>()};
        int shown = 0;
        for (QWidget* window : windows) {
            for (const QLabel* image : window->findChildren<QLabel*>()) {
                const QPixmap picture = image->pixmap();
                if (picture.isNull()) continue;
                ++shown;
                QVERIFY2(
                    picture.size() == picture.deviceIndependentSize().toSize() * qApp->devicePixelRatio(),
                    qPrintable(window->objectName() + "." + image->objectName()));
                QVERIFY(image->width() >= picture.deviceIndependentSize().width());
            }
        }
        QCOMPARE(shown, 3);
    }

    void everyWindowCarriesTheIcon() {
        const QList<QWidget*> windows{Forms::Show<frmMain>(),    Forms::Show<FrmFiltr>(),
                                      Forms::Show<FrmTrans>(),   Forms::Show<FrmAnt>(),
                                      Forms::Show<Dialog1>(),    Forms::Show<Dialog2>(),
                                      Forms::Show<frmKontur1>(), Forms::Show<FrmKontur2>()};
        const QIcon icon = qApp->windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(48, 48)));
        for (const QWidget* window : windows)
            QVERIFY2(window->windowIcon().cacheKey() == icon.cacheKey(), qPrintable(window->objectName()));
    }
};

VOKTA_UI_TEST_MAIN(ScreenTest)
#include "ScreenTest.moc"
