#include <QImage>
#include <QTest>

#include "base/PictureNumbers.h"
#include "support/DrawingChecks.h"
#include "support/UiTest.h"
#include "ui/Pictures.h"

using namespace vokta::ui;
using schematic::Scene;

namespace {

QStringList Sorted(QStringList words) {
    words.sort();
    return words;
}

}  // namespace

// The catalogue as the test main fills it, with every calculator's pictures.
class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    // The published catalogue: number, width, height.
    void everyCataloguedNumberLoadsAtItsSize_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QSize>("size");
        const int table[][3] = {
            {101, 215, 186}, {102, 220, 186}, {103, 220, 186}, {104, 215, 153}, {105, 215, 153},
            {106, 215, 153}, {107, 215, 153}, {108, 231, 153}, {109, 240, 153}, {110, 215, 153},
            {111, 215, 153}, {112, 234, 153}, {113, 234, 153}, {114, 272, 153}, {115, 286, 153},
            {116, 264, 153}, {117, 309, 153}, {118, 454, 153}, {119, 502, 153}, {120, 264, 153},
            {121, 300, 153}, {122, 450, 153}, {123, 497, 153}, {124, 216, 153}, {125, 243, 153},
            {126, 323, 153}, {127, 193, 154}, {128, 219, 154}, {129, 304, 154}, {130, 144, 86},
        };
        for (const auto& row : table) QTest::addRow("%d", row[0]) << row[0] << QSize(row[1], row[2]);
    }
    void everyCataloguedNumberLoadsAtItsSize() {
        QFETCH(int, number);
        QFETCH(QSize, size);
        QCOMPARE(PictureSize(number), size);
        const QPixmap picture = LoadPicture(number);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), size);
        QCOMPARE(picture.devicePixelRatio(), 1.0);
        // Drawn once: the second load hands out the same pixmap.
        QCOMPARE(LoadPicture(number).cacheKey(), picture.cacheKey());
    }

    void otherNumbersLoadNothing() {
        QCOMPARE(PictureNumbers().size(), size_t(30));
        for (const int number : {100, 131, 0, -1, 200}) {
            QVERIFY2(LoadPicture(number).isNull(), qPrintable(QString::number(number)));
            QVERIFY(!PictureSize(number).isValid());
            QVERIFY(pictures::DrawPicture(number).Texts().empty());
        }
    }

    void sketchesCarryTheirLetters_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("letters");
        QTest::newRow("tape-wound") << vokta::kTapeWoundCorePicture << "a b c h";
        QTest::newRow("laminated") << vokta::kLaminatedCorePicture << "a b c h";
        QTest::newRow("toroidal") << vokta::kToroidalCorePicture << "d1 d2 h";
        QTest::newRow("three-point circuit") << vokta::kThreePointCircuitPicture << "C C1 C2 C3 L";
    }
    void sketchesCarryTheirLetters() {
        QFETCH(int, number);
        QFETCH(QString, letters);
        const Scene scene = pictures::DrawPicture(number);
        QStringList drawn;
        for (const Scene::Text& t : scene.Texts()) drawn << t.text;
        // No terminals on the sketches and tuned circuits.
        QCOMPARE(Sorted(drawn), Sorted(letters.split(' ')));
    }

    void everyPictureIsDrawnCleanly() {
        for (const int number : PictureNumbers()) {
            vokta::test::CheckDrawing(QString::number(number), pictures::DrawPicture(number),
                                      PictureSize(number), LoadPicture(number).toImage());
            if (QTest::currentTestFailed()) return;
        }
    }
};

VOKTA_UI_TEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
