#include <QTest>
#include <algorithm>

#include "base/PictureNumbers.h"
#include "base/RuntimeError.h"
#include "filters/ExactDesign.h"
#include "filters/FilterParts.h"
#include "filters/PassiveLadder.h"
#include "filters/ui/CircuitDrawing.h"
#include "filters/ui/FilterPictures.h"
#include "support/FilterDemands.h"
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

}  // namespace

class FilterPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void designedLaddersAreDrawnAndAnalysedAsDesigned() {
        for (FilterType type :
             {FilterType::LowPass, FilterType::HighPass, FilterType::BandPass, FilterType::BandStop})
            for (int16_t n = vokta::kMinLadderOrder; vokta::HasLadder(type, n); ++n) {
                vokta::PrototypeValues g;
                QVERIFY(vokta::LoadButterworthPrototype(g, n));
                const vokta::PassiveLadder designed = vokta::test::DesignLadder(type, n, 1000, 5, 50, g);
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
        using namespace vokta;
        for (const int number : {kTapeWoundCorePicture, kToroidalCorePicture, kHighPassActivePictures,
                                 kLowPassActivePictures + 3, kThreePointCircuitPicture, 100, 131})
            QVERIFY(pictures::LadderOf(number).empty());
        for (const int number : {kTapeWoundCorePicture, kLowPassLadderPictures + 5, kBandPassLadderPictures,
                                 kThreePointCircuitPicture, 100, 131})
            QVERIFY(!pictures::ActiveFilterOf(number));
    }

    // The response window's drawing of every exact design: each part of the parts list once, by its
    // designator, no word over another, the terminals at the ends; an active filter's first-order group,
    // its follower and the sections in cascade from the input.
    void exactDesignsAreDrawnWithTheirParts() {
        using vokta::FilterFamily;
        struct Row {
            FilterType type;
            bool active;
            vokta::ResponseDemand demand;
        };
        const Row rows[] = {
            {FilterType::LowPass, false, vokta::test::Demand(FilterType::LowPass, 0.1, 80, 1e6, 1.3e6)},
            {FilterType::HighPass, false, vokta::test::Demand(FilterType::HighPass, 0.5, 50, 1e6, 0.6e6)},
            {FilterType::BandPass, false,
             vokta::test::Demand(FilterType::BandPass, 1, 40, 0, 8.3e6, 6.9e6, 7.3e6)},
            {FilterType::BandStop, false,
             vokta::test::Demand(FilterType::BandStop, 1, 30, 0, 7.15e6, 6.5e6, 7.8e6)},
            {FilterType::LowPass, true, vokta::test::Demand(FilterType::LowPass, 1, 50, 1000, 2000)},
            {FilterType::HighPass, true, vokta::test::Demand(FilterType::HighPass, 0.5, 40, 1000, 600)},
        };
        for (const Row& row : rows)
            for (FilterFamily family : {FilterFamily::Butterworth, FilterFamily::Chebyshev,
                                        FilterFamily::Elliptic, FilterFamily::Bessel}) {
                if (row.active && family == FilterFamily::Elliptic) continue;
                const vokta::FilterCircuit kind =
                    row.active
                        ? vokta::FilterCircuit(vokta::ActiveCircuit{row.type == FilterType::HighPass, {}})
                        : vokta::FilterCircuit(vokta::LadderCircuit{50, {}});
                vokta::FilterCircuit circuit;
                try {
                    circuit = vokta::ExactDesign(row.demand, family, kind);
                } catch (const vokta::RuntimeError&) {
                    continue;  // Bessel's gentle skirt needs an order beyond the limit for some rows
                }
                const QString name = QString("type %1 active %2 family %3")
                                         .arg(int(row.type))
                                         .arg(row.active)
                                         .arg(int(family));
                const Scene scene = pictures::DrawFilterCircuit(circuit);
                QStringList expected;
                for (const vokta::FilterPart& p : vokta::CircuitParts(circuit))
                    expected << QString::fromStdString(p.designator);
                const QStringList drawn = DesignatorsLeftToRight(scene);
                QCOMPARE(Sorted(drawn), Sorted(expected));
                const auto& texts = scene.Texts();
                for (size_t i = 0; i < texts.size(); ++i)
                    for (size_t j = i + 1; j < texts.size(); ++j)
                        QVERIFY2(!texts[i].box.intersects(texts[j].box),
                                 qPrintable(name + ": " + texts[i].text + " over " + texts[j].text));
                QCOMPARE(texts.front().text, kIn);
                QCOMPARE(DesignatorsLeftToRight(scene).size() + 2, qsizetype(texts.size()));
                if (row.active && expected.size() % 7 == 3) {  // an odd order: R, C and the follower first
                    QCOMPARE(drawn.indexOf(expected[2]), 2);
                    QVERIFY(drawn.indexOf(expected[3]) > 2);
                }
            }
    }

    // Each active filter picture draws the parts of its circuit, named as the pictures name them.
    void activeFiltersCarryTheirDesignators() {
        for (const bool highPass : {true, false})
            for (int n = vokta::kActiveRcMinOrder; n <= vokta::kActiveRcMaxOrder; ++n) {
                const int first = highPass ? vokta::kHighPassActivePictures : vokta::kLowPassActivePictures;
                QStringList expected;
                for (const vokta::DesignatedPart& p : vokta::ActiveFilterDesignators(highPass, n).InCascade())
                    expected << QString::fromStdString(p.designator);
                const QStringList drawn = DesignatorsLeftToRight(pictures::DrawPicture(first + n - 2));
                QCOMPARE(Sorted(drawn), Sorted(expected));
                // The first-order group stands at the input, and the sections follow in cascade.
                if (n % 2 == 1) QCOMPARE(drawn.mid(0, 2), expected.mid(0, 2));
                if (n >= 4) QVERIFY(drawn.indexOf("DA1") < drawn.indexOf("DA2"));
            }
    }
};

VOKTA_UI_TEST_MAIN(FilterPicturesTest)
#include "FilterPicturesTest.moc"
