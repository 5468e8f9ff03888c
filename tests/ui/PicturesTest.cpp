#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>

#include "filters/FrequencyResponse.h"
#include "filters/PassiveLadder.h"
#include "support/UiTest.h"
#include "ui/Pictures.h"

using namespace vokta::ui;
using schematic::Scene;
using vokta::BranchParts;
using vokta::FilterType;

namespace {

const QString kIn = QStringLiteral("Вход"), kOut = QStringLiteral("Выход");

// A ladder in the catalogue's words: "shunt C1; series L1" for single elements, "L1+C1" for two in
// series and "L1//C1" for two in parallel.
QString Notation(const std::vector<vokta::LadderBranch>& ladder) {
    QStringList branches;
    for (const vokta::LadderBranch& b : ladder) {
        const QString l = "L" + QString::number(b.number), c = "C" + QString::number(b.number);
        const QString parts = b.parts == BranchParts::L ? l
                              : b.parts == BranchParts::C
                                  ? c
                                  : l + (b.parts == BranchParts::SeriesLC ? "+" : "//") + c;
        branches << (b.place == vokta::BranchPlace::Shunt ? "shunt " : "series ") + parts;
    }
    return branches.join("; ");
}

QStringList Designators(const std::vector<vokta::LadderBranch>& ladder) {
    QStringList words;
    for (const vokta::LadderBranch& b : ladder) {
        if (b.parts != BranchParts::C) words << "L" + QString::number(b.number);
        if (b.parts != BranchParts::L) words << "C" + QString::number(b.number);
    }
    return words;
}

vokta::PassiveLadder Design(FilterType type, int16_t n, const vokta::PrototypeValues& g) {
    switch (type) {
        case FilterType::LowPass:
            return vokta::DesignLowPassLadder(n, 1000, 50, g);
        case FilterType::HighPass:
            return vokta::DesignHighPassLadder(n, 1000, 50, g);
        case FilterType::BandPass:
            return vokta::DesignBandPassLadder(n, 1000, 5, 50, g);
        case FilterType::BandStop:
            break;
    }
    return vokta::DesignBandStopLadder(n, 1000, 5, 50, g);
}

// The drawn words other than the terminal words, in the order they stand from left to right.
QStringList DesignatorsLeftToRight(const Scene& scene) {
    std::vector<Scene::Text> texts;
    for (const Scene::Text& t : scene.Texts())
        if (t.text != kIn && t.text != kOut) texts.push_back(t);
    std::stable_sort(texts.begin(), texts.end(),
                     [](const auto& a, const auto& b) { return a.box.center().x() < b.box.center().x(); });
    QStringList words;
    for (const auto& t : texts) words << t.text;
    return words;
}

QStringList Sorted(QStringList words) {
    words.sort();
    return words;
}

bool IsInk(QRgb pixel) {
    return qGray(pixel) < 160;
}

// The ink of an image, grown by one pixel in every direction.
QImage Grown(const QImage& image) {
    QImage grown(image.size(), QImage::Format_Mono);
    grown.fill(0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!IsInk(image.pixel(x, y))) continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (image.valid(x + dx, y + dy)) grown.setPixel(x + dx, y + dy, 1);
        }
    return grown;
}

// The first pixel where the grown ink of `a` meets the ink of `b`, or (-1, -1).
QPoint Touch(const QImage& grownA, const QImage& b) {
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (grownA.pixelIndex(x, y) && IsInk(b.pixel(x, y))) return {x, y};
    return {-1, -1};
}

struct Drawing {
    QString name;
    Scene scene;
    QSize size;
    QImage image;
};

std::vector<Drawing> AllDrawings() {
    std::vector<Drawing> all;
    for (int n = 101; n <= 130; ++n)
        all.push_back(
            {QString::number(n), pictures::DrawPicture(n), PictureSize(n), LoadPicture(n).toImage()});
    all.push_back({"band-spread", pictures::DrawBandSpreadDiagram(), pictures::BandSpreadDiagramSize(),
                   LoadBandSpreadDiagram().toImage()});
    return all;
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
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
        for (const int number : {100, 131, 0, -1, 200}) {
            QVERIFY2(LoadPicture(number).isNull(), qPrintable(QString::number(number)));
            QVERIFY(!PictureSize(number).isValid());
            QVERIFY(pictures::DrawPicture(number).Texts().empty());
        }
    }

    void bandSpreadDiagramIsCachedAtItsSize() {
        const QPixmap diagram = LoadBandSpreadDiagram();
        QCOMPARE(diagram.size(), QSize(200, 150));
        QCOMPARE(LoadBandSpreadDiagram().cacheKey(), diagram.cacheKey());
    }

    // For every shape and order, the ladder the calculator designs is the one its picture draws and the
    // one the frequency response is computed on, with the values where the results window keeps them.
    void designedLaddersAreDrawnAndAnalysedAsDesigned() {
        for (FilterType type :
             {FilterType::LowPass, FilterType::HighPass, FilterType::BandPass, FilterType::BandStop})
            for (int16_t n = vokta::kMinLadderOrder; vokta::HasLadder(type, n); ++n) {
                vokta::PrototypeValues g;
                QVERIFY(vokta::LoadButterworthPrototype(g, n));
                const vokta::PassiveLadder designed = Design(type, n, g);
                const QString name =
                    QString("type %1 order %2 picture %3").arg(int(type)).arg(n).arg(designed.picture);
                QCOMPARE(Notation(pictures::LadderOf(designed.picture)), Notation(designed.branches));

                // The response circuit from the values ValC1..4 and ValL1..4 as the results window keeps
                // them.
                std::array<float, 4> valC{}, valL{};
                for (const vokta::LadderBranch& b : designed.branches) {
                    if (b.parts != BranchParts::C) valL.at(b.number - 1) = b.l;
                    if (b.parts != BranchParts::L) valC.at(b.number - 1) = b.c;
                }
                const vokta::LadderCircuit analysed = vokta::PassiveLadderCircuit(type, n, 50, valC, valL);
                QCOMPARE(Notation(analysed.branches), Notation(designed.branches));
                for (size_t i = 0; i < designed.branches.size(); ++i) {
                    QVERIFY2(analysed.branches[i].l == designed.branches[i].l, qPrintable(name));
                    QVERIFY2(analysed.branches[i].c == designed.branches[i].c, qPrintable(name));
                }

                // The picture carries exactly the designed designators and the two terminal words, the
                // input's at the left end and the output's at the right end; single elements stand in the
                // ladder's order from input to output.
                const Scene scene = pictures::DrawPicture(designed.picture);
                const QStringList drawn = DesignatorsLeftToRight(scene),
                                  expected = Designators(designed.branches);
                if (vokta::IsBandFilter(type))
                    QCOMPARE(Sorted(drawn), Sorted(expected));
                else
                    QCOMPARE(drawn, expected);
                QRectF in, out;
                qreal left = 1e9, right = -1e9;
                for (const Scene::Text& t : scene.Texts()) {
                    if (t.text == kIn)
                        in = t.box;
                    else if (t.text == kOut)
                        out = t.box;
                    else
                        left = std::min(left, t.box.left()), right = std::max(right, t.box.right());
                }
                QVERIFY2(!in.isNull() && !out.isNull() && in.left() < left && out.right() > right,
                         qPrintable(name));
            }
    }

    void noOtherNumberHasALadderOrAnAmplifier() {
        for (const int number : {101, 103, 116, 123, 130, 100, 131})
            QVERIFY(pictures::LadderOf(number).empty());
        for (const int number : {101, 115, 124, 130, 100, 131}) QVERIFY(!pictures::ActiveFilterOf(number));
    }

    void activeFiltersCarryEveryCataloguedDesignator_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("designators");
        QTest::addColumn<int>("sections");
        QTest::addColumn<bool>("firstOrderGroup");
        QTest::newRow("116 high-pass 2") << 116 << "C1 C2 R1 R2 DA1 R3 R4" << 1 << false;
        QTest::newRow("117 high-pass 3") << 117 << "C3 R5 C1 C2 R1 R2 DA1 R3 R4" << 1 << true;
        QTest::newRow("118 high-pass 4")
            << 118 << "C1 C2 R1 R2 DA1 R3 R4 C1 C2 R5 R6 DA2 R7 R8" << 2 << false;
        QTest::newRow("119 high-pass 5")
            << 119 << "C3 R5 C1 C2 R1 R2 DA1 R3 R4 C1 C2 R6 R7 DA2 R8 R9" << 2 << true;
        QTest::newRow("120 low-pass 2") << 120 << "R1 R2 C1 C2 DA1 R3 R4" << 1 << false;
        QTest::newRow("121 low-pass 3") << 121 << "R5 C3 R1 R2 C1 C2 DA1 R3 R4" << 1 << true;
        QTest::newRow("122 low-pass 4") << 122 << "R1 R2 C1 C2 DA1 R3 R4 R1 R2 C3 C4 DA2 R5 R6" << 2 << false;
        QTest::newRow("123 low-pass 5")
            << 123 << "R5 C3 R1 R2 C1 C2 DA1 R3 R4 R1 R2 C4 C5 DA2 R6 R7" << 2 << true;
    }
    void activeFiltersCarryEveryCataloguedDesignator() {
        QFETCH(int, number);
        QFETCH(QString, designators);
        QFETCH(int, sections);
        QFETCH(bool, firstOrderGroup);
        const auto filter = pictures::ActiveFilterOf(number);
        QVERIFY(filter.has_value());
        QCOMPARE(int(filter->sections.size()), sections);
        QCOMPARE(filter->group.has_value(), firstOrderGroup);
        const Scene scene = pictures::DrawPicture(number);
        const QStringList drawn = DesignatorsLeftToRight(scene);
        QCOMPARE(Sorted(drawn), Sorted(designators.split(' ')));
        // The first-order group stands at the input, and the sections follow in cascade.
        if (firstOrderGroup) QCOMPARE(drawn.mid(0, 2), designators.split(' ').mid(0, 2));
        if (sections == 2) QVERIFY(drawn.indexOf("DA1") < drawn.indexOf("DA2"));
        // Each section's divider: the resistor from the output and the one to ground.
        for (const pictures::ActiveSection& s : filter->sections) {
            QVERIFY(drawn.contains(s.dividerFromOutput));
            QVERIFY(drawn.contains(s.dividerToGround));
        }
    }

    void sketchesCarryTheirLetters_data() {
        QTest::addColumn<QString>("drawing");
        QTest::addColumn<QString>("letters");
        QTest::newRow("101 tape-wound") << "101"
                                        << "a b c h";
        QTest::newRow("102 laminated") << "102"
                                       << "a b c h";
        QTest::newRow("103 toroidal") << "103"
                                      << "d1 d2 h";
        QTest::newRow("130 three-point circuit") << "130"
                                                 << "C C1 C2 C3 L";
        QTest::newRow("band-spread circuit") << "band-spread"
                                             << "C1 C2 C3 C4 L1";
    }
    void sketchesCarryTheirLetters() {
        QFETCH(QString, drawing);
        QFETCH(QString, letters);
        const Scene scene = drawing == "band-spread" ? pictures::DrawBandSpreadDiagram()
                                                     : pictures::DrawPicture(drawing.toInt());
        QStringList drawn;
        for (const Scene::Text& t : scene.Texts()) drawn << t.text;
        // No terminals on the sketches and tuned circuits.
        QCOMPARE(Sorted(drawn), Sorted(letters.split(' ')));
    }

    void bandSpreadDiagramStandsAsDescribed() {
        const Scene scene = pictures::DrawBandSpreadDiagram();
        QHash<QString, QRectF> at;
        for (const Scene::Text& t : scene.Texts()) at[t.text] = t.box;
        QVERIFY(at["L1"].center().x() < at["C1"].center().x());  // the coil on the left
        QVERIFY(at["C1"].center().y() < at["C2"].center().y());  // C1 above C2
        QCOMPARE(at["C1"].center().x(), at["C2"].center().x());
        QVERIFY(at["C3"].center().y() > at["C1"].center().y());  // from the junction down
        for (const char* other : {"L1", "C1", "C2", "C3"})
            QVERIFY(at["C4"].center().x() > at[other].center().x());  // across the whole circuit
    }

    void designatorsAreLatin() {
        const QRegularExpression latin("^[A-Z]{1,2}[0-9]?$|^[a-d][12]?$|^h$");
        for (const Drawing& d : AllDrawings())
            for (const Scene::Text& t : d.scene.Texts())
                if (t.text != kIn && t.text != kOut)
                    QVERIFY2(latin.match(t.text).hasMatch(), qPrintable(d.name + ": " + t.text));
    }

    // Black ink on white, none of it at the edges, and every drawing uses its picture: nothing drawn
    // outside it, nothing left crammed into a corner.
    void everyDrawingHasInkClearOfItsEdges() {
        for (const Drawing& d : AllDrawings()) {
            const QImage& image = d.image;
            QCOMPARE(image.size(), d.size);
            int ink = 0;
            QRect inked;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb p = image.pixel(x, y);
                    QVERIFY2(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p),
                             qPrintable(d.name + ": not grey"));
                    const bool edge = x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
                    if (edge)
                        QVERIFY2(p == qRgb(255, 255, 255),
                                 qPrintable(QString("%1: ink at the edge, %2,%3").arg(d.name).arg(x).arg(y)));
                    if (IsInk(p)) ++ink, inked |= QRect(x, y, 1, 1);
                }
            QVERIFY2(ink > 300, qPrintable(d.name));
            // The drawing is centred and spreads over most of the picture.
            QVERIFY2(inked.width() > d.size.width() / 2 && inked.height() > d.size.height() / 3,
                     qPrintable(d.name));
            QVERIFY2(std::abs(inked.left() - (d.size.width() - 1 - inked.right())) <= 2, qPrintable(d.name));
            QVERIFY2(d.scene.Bounds().width() <= d.size.width() - 2 &&
                         d.scene.Bounds().height() <= d.size.height() - 2,
                     qPrintable(d.name));
        }
    }

    // Every label stands clear of every line and of every other label: at least one pixel of white
    // between its ink and any other ink.
    // A wire stops at the edge of a terminal's circle: straight down the middle of either terminal,
    // under its word, there are just the two sides of the circle.
    void wiresStopAtTheTerminalCircles() {
        for (const Drawing& d : AllDrawings()) {
            const QImage strokes = d.scene.Render(d.size, Scene::StrokeLayer);
            for (int i = 0; i < int(d.scene.Texts().size()); ++i) {
                const QString word = d.scene.Texts()[i].text;
                if (word != kIn && word != kOut) continue;
                const QImage text = d.scene.RenderText(d.size, i);
                QRect ink;
                for (int y = 0; y < text.height(); ++y)
                    for (int x = 0; x < text.width(); ++x)
                        if (IsInk(text.pixel(x, y))) ink |= QRect(x, y, 1, 1);
                // The word is flush with the circle's outer side.
                const int r = int(Scene::kTerminalRadius);
                const int x = word == kIn ? ink.left() + r : ink.right() - r;
                int y = ink.bottom() + 1;
                while (y < strokes.height() && !IsInk(strokes.pixel(x, y))) ++y;
                int runs = 0;
                for (int top = y; y <= top + 2 * r + 1 && y < strokes.height(); ++y)
                    if (IsInk(strokes.pixel(x, y)) && !IsInk(strokes.pixel(x, y - 1))) ++runs;
                QVERIFY2(
                    runs == 2,
                    qPrintable(QString("%1 %2: %3 strokes across the circle").arg(d.name, word).arg(runs)));
            }
        }
    }

    void labelsTouchNothing() {
        for (const Drawing& d : AllDrawings()) {
            const QImage strokes = d.scene.Render(d.size, Scene::StrokeLayer);
            const int count = int(d.scene.Texts().size());
            std::vector<QImage> texts, grown;
            for (int i = 0; i < count; ++i) {
                texts.push_back(d.scene.RenderText(d.size, i));
                grown.push_back(Grown(texts.back()));
            }
            for (int i = 0; i < count; ++i) {
                const QString label = d.name + " " + d.scene.Texts()[i].text;
                int ink = 0;
                for (int y = 0; y < texts[i].height(); ++y)
                    for (int x = 0; x < texts[i].width(); ++x) ink += IsInk(texts[i].pixel(x, y));
                QVERIFY2(ink > 5, qPrintable(label + " is not drawn"));
                const QPoint line = Touch(grown[i], strokes);
                QVERIFY2(
                    line.x() < 0,
                    qPrintable(QString("%1 touches a line at %2,%3").arg(label).arg(line.x()).arg(line.y())));
                for (int j = i + 1; j < count; ++j)
                    QVERIFY2(Touch(grown[i], texts[j]).x() < 0,
                             qPrintable(label + " touches " + d.scene.Texts()[j].text));
            }
        }
    }
};

VOKTA_UI_TEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
