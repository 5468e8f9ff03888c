#include <QTest>
#include <algorithm>

#include "filters/PassiveLadder.h"
#include "filters/ui/FilterPictures.h"
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
};

VOKTA_UI_TEST_MAIN(FilterPicturesTest)
#include "FilterPicturesTest.moc"
