#include "support/DrawingChecks.h"

#include <QRegularExpression>
#include <QTest>
#include <cstdlib>
#include <vector>

namespace vokta::test {

namespace {

using ui::schematic::Scene;

const QString kIn = QStringLiteral("Вход"), kOut = QStringLiteral("Выход");

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

void DesignatorsAreLatin(const QString& name, const Scene& scene) {
    const QRegularExpression latin("^[A-Z]{1,2}[0-9]?$|^[a-d][12]?$|^h$");
    for (const Scene::Text& t : scene.Texts())
        if (t.text != kIn && t.text != kOut)
            QVERIFY2(latin.match(t.text).hasMatch(), qPrintable(name + ": " + t.text));
}

// Black ink on white, none of it at the edges, and the drawing uses its picture: nothing drawn outside
// it, nothing left crammed into a corner.
void InkClearOfTheEdges(const QString& name, const Scene& scene, QSize size, const QImage& image) {
    QCOMPARE(image.size(), size);
    int ink = 0;
    QRect inked;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            QVERIFY2(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p), qPrintable(name + ": not grey"));
            const bool edge = x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
            if (edge)
                QVERIFY2(p == qRgb(255, 255, 255),
                         qPrintable(QString("%1: ink at the edge, %2,%3").arg(name).arg(x).arg(y)));
            if (IsInk(p)) ++ink, inked |= QRect(x, y, 1, 1);
        }
    QVERIFY2(ink > 300, qPrintable(name));
    // The drawing is centred and spreads over most of the picture.
    QVERIFY2(inked.width() > size.width() / 2 && inked.height() > size.height() / 3, qPrintable(name));
    QVERIFY2(std::abs(inked.left() - (size.width() - 1 - inked.right())) <= 2, qPrintable(name));
    QVERIFY2(scene.Bounds().width() <= size.width() - 2 && scene.Bounds().height() <= size.height() - 2,
             qPrintable(name));
}

// A wire stops at the edge of a terminal's circle: straight down the middle of either terminal, under its
// word, there are just the two sides of the circle.
void WiresStopAtTheTerminalCircles(const QString& name, const Scene& scene, QSize size) {
    const QImage strokes = scene.Render(size, Scene::StrokeLayer);
    for (int i = 0; i < int(scene.Texts().size()); ++i) {
        const QString word = scene.Texts()[i].text;
        if (word != kIn && word != kOut) continue;
        const QImage text = scene.RenderText(size, i);
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
        QVERIFY2(runs == 2,
                 qPrintable(QString("%1 %2: %3 strokes across the circle").arg(name, word).arg(runs)));
    }
}

// Every label stands clear of every line and of every other label: at least one pixel of white between
// its ink and any other ink.
void LabelsTouchNothing(const QString& name, const Scene& scene, QSize size) {
    const QImage strokes = scene.Render(size, Scene::StrokeLayer);
    const int count = int(scene.Texts().size());
    std::vector<QImage> texts, grown;
    for (int i = 0; i < count; ++i) {
        texts.push_back(scene.RenderText(size, i));
        grown.push_back(Grown(texts.back()));
    }
    for (int i = 0; i < count; ++i) {
        const QString label = name + " " + scene.Texts()[i].text;
        int ink = 0;
        for (int y = 0; y < texts[i].height(); ++y)
            for (int x = 0; x < texts[i].width(); ++x) ink += IsInk(texts[i].pixel(x, y));
        QVERIFY2(ink > 5, qPrintable(label + " is not drawn"));
        const QPoint line = Touch(grown[i], strokes);
        QVERIFY2(line.x() < 0,
                 qPrintable(QString("%1 touches a line at %2,%3").arg(label).arg(line.x()).arg(line.y())));
        for (int j = i + 1; j < count; ++j)
            QVERIFY2(Touch(grown[i], texts[j]).x() < 0,
                     qPrintable(label + " touches " + scene.Texts()[j].text));
    }
}

}  // namespace

void CheckDrawing(const QString& name, const Scene& scene, QSize size, const QImage& image) {
    DesignatorsAreLatin(name, scene);
    if (QTest::currentTestFailed()) return;
    InkClearOfTheEdges(name, scene, size, image);
    if (QTest::currentTestFailed()) return;
    WiresStopAtTheTerminalCircles(name, scene, size);
    if (QTest::currentTestFailed()) return;
    LabelsTouchNothing(name, scene, size);
}

}  // namespace vokta::test
