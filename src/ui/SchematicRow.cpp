#include "ui/SchematicRow.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace vokta::ui::schematic {

namespace {

const QString kInputWord = QStringLiteral("Вход");
const QString kOutputWord = QStringLiteral("Выход");

constexpr qreal kClearance = 4;  // the least white between neighbouring blocks' ink

// A terminal: just its circle on the line; its word stands over the wire next to it.
class TerminalBlock : public Block {
public:
    TerminalBlock(QString word, Side end) : word_(std::move(word)), end_(end) {}
    qreal Width() const override { return 2 * Scene::kTerminalRadius + 2; }
    // The wire meets the circle's inner side: its right at the input, its left at the output.
    qreal LeftPort() const override {
        return end_ == Side::Left ? Centre() + Scene::kTerminalRadius : Centre() - Scene::kTerminalRadius;
    }
    qreal RightPort() const override { return Centre() + Scene::kTerminalRadius; }
    Span Above() const override {
        const qreal word = LabelWidth(word_);
        return end_ == Side::Left ? Span{0, word} : Span{Width() - word, Width()};
    }
    // Nothing of the circuit hangs out below the line past the outer side of its terminals.
    Span Below() const override { return end_ == Side::Left ? Span{0, 1} : Span{Width() - 1, Width()}; }
    void Draw(Scene& scene, qreal x, qreal line, qreal) const override {
        scene.Terminal(QPointF(x + Centre(), line), word_, end_);
    }

private:
    qreal Centre() const { return Width() / 2; }
    QString word_;
    Side end_;
};

// One element, or two in series, in the line, designators above.
class Series : public Block {
public:
    explicit Series(std::vector<Component> parts) : parts_(std::move(parts)) {}
    qreal Width() const override {
        qreal w = 0;
        for (const Component& p : parts_) w += Segment(p);
        return w;
    }
    void Draw(Scene& scene, qreal x, qreal line, qreal) const override {
        for (const Component& p : parts_) {
            const QRectF body = scene.Element(p.kind, QPointF(x, line), QPointF(x + Segment(p), line));
            scene.Label(p.designator, body, Side::Above, kLabelGap);
            x += Segment(p);
        }
    }

private:
    static qreal Segment(const Component& p) {
        return std::ceil(Scene::BodyRect(p.kind, false).width()) + 2 * kLead;
    }
    std::vector<Component> parts_;
};

// Two elements in parallel in the line: the first on the line, designator below, the second on a bridge
// above it, designator above.
class ParallelSeries : public Block {
public:
    ParallelSeries(Component onLine, Component bridged)
        : onLine_(std::move(onLine)), bridged_(std::move(bridged)) {}
    qreal Width() const override {
        return std::ceil(std::max(Scene::BodyRect(onLine_.kind, false).width(),
                                  Scene::BodyRect(bridged_.kind, false).width())) +
               2 * (kLead + 2);
    }
    Span Below() const override { return {0, Width()}; }
    void Draw(Scene& scene, qreal x, qreal line, qreal) const override {
        const qreal bridge = line - BridgeHeight();
        const qreal right = x + Width();
        const QRectF low = scene.Element(onLine_.kind, QPointF(x, line), QPointF(right, line));
        scene.Label(onLine_.designator, low, Side::Below, kLabelGap);
        scene.Wire({QPointF(x, line), QPointF(x, bridge)});
        const QRectF high = scene.Element(bridged_.kind, QPointF(x, bridge), QPointF(right, bridge));
        scene.Label(bridged_.designator, high, Side::Above, kLabelGap);
        scene.Wire({QPointF(right, bridge), QPointF(right, line)});
        scene.Junction(QPointF(x, line));
        scene.Junction(QPointF(right, line));
    }

private:
    // The bridged body's lower edge clears the top of the body on the line by 4 pixels.
    qreal BridgeHeight() const {
        return std::ceil(Scene::BodyRect(bridged_.kind, false).bottom() -
                         Scene::BodyRect(onLine_.kind, false).top()) +
               4;
    }
    Component onLine_, bridged_;
};

// One element from the line to ground, or two in series, the first at the top; designators beside them.
class Shunt : public Block {
public:
    explicit Shunt(std::vector<Component> parts, Side labelSide = Side::Right)
        : parts_(std::move(parts)), labelSide_(labelSide) {}
    qreal Width() const override { return Extent(false) + Extent(true); }
    qreal LeftPort() const override { return Extent(false); }
    qreal RightPort() const override { return LeftPort(); }
    bool IsNode() const override { return true; }
    qreal Drop() const override {
        qreal d = 0;
        for (const Component& p : parts_) d += Segment(p);
        return d;
    }
    Span Above() const override { return {}; }
    Span Below() const override {
        qreal room = 0;
        for (const Component& p : parts_) room = std::max(room, LabelWidth(p.designator) + kLabelGap);
        return labelSide_ == Side::Left ? Span{-room, Width()} : Span{0, Width() + room};
    }
    void Draw(Scene& scene, qreal x, qreal line, qreal ground) const override {
        const qreal node = x + LeftPort();
        const qreal spare = std::floor((ground - line - Drop()) / qreal(parts_.size()));
        qreal y = line;
        for (std::size_t i = 0; i < parts_.size(); ++i) {
            const qreal end = i + 1 == parts_.size() ? ground : y + Segment(parts_[i]) + spare;
            const QRectF body = scene.Element(parts_[i].kind, QPointF(node, y), QPointF(node, end));
            scene.Label(parts_[i].designator, body, labelSide_, kLabelGap);
            y = end;
        }
        scene.Ground(QPointF(node, ground));
    }

private:
    static qreal Segment(const Component& p) {
        return std::ceil(Scene::BodyRect(p.kind, true).height()) + 2 * kLead + 2;
    }
    // From the node to the outer edge of the widest body or of the ground bar, on either side.
    qreal Extent(bool right) const {
        qreal e = Scene::kGroundHalfWidth + 0.5;
        for (const Component& p : parts_) {
            const QRectF body = Scene::BodyRect(p.kind, true);
            e = std::max(e, right ? body.right() : -body.left());
        }
        return std::ceil(e);
    }
    std::vector<Component> parts_;
    Side labelSide_;
};

// Two elements in parallel from the line to ground, side by side between two short buses; the first's
// designator on its left, the second's on its right.
class ParallelShunt : public Block {
public:
    ParallelShunt(Component first, Component second) : first_(std::move(first)), second_(std::move(second)) {}
    qreal Width() const override { return Left() + Right(); }
    qreal LeftPort() const override { return Left(); }
    qreal RightPort() const override { return LeftPort(); }
    bool IsNode() const override { return true; }
    qreal Drop() const override { return 2 * kBus + Segment(); }
    Span Above() const override { return {}; }
    Span Below() const override {
        return {-(LabelWidth(first_.designator) + kLabelGap),
                Width() + LabelWidth(second_.designator) + kLabelGap};
    }
    void Draw(Scene& scene, qreal x, qreal line, qreal ground) const override {
        const qreal node = x + Left();
        const qreal top = line + std::floor((ground - line - Segment()) / 2), bottom = top + Segment();
        const qreal a = node - HalfSpan(), b = node + HalfSpan();
        scene.Wire({QPointF(node, line), QPointF(node, top)});
        scene.Wire({QPointF(a, top), QPointF(b, top)});
        scene.Wire({QPointF(a, bottom), QPointF(b, bottom)});
        scene.Wire({QPointF(node, bottom), QPointF(node, ground)});
        scene.Label(first_.designator, scene.Element(first_.kind, QPointF(a, top), QPointF(a, bottom)),
                    Side::Left, kLabelGap);
        scene.Label(second_.designator, scene.Element(second_.kind, QPointF(b, top), QPointF(b, bottom)),
                    Side::Right, kLabelGap);
        scene.Junction(QPointF(node, top));
        scene.Junction(QPointF(node, bottom));
        scene.Ground(QPointF(node, ground));
    }

private:
    static constexpr qreal kBus =
        10;  // from the line down to the upper bus, and from the lower bus to ground
    qreal Segment() const {
        return std::ceil(std::max(Scene::BodyRect(first_.kind, true).height(),
                                  Scene::BodyRect(second_.kind, true).height())) +
               2 * kLead;
    }
    // The two elements stand this far either side of the node, 6 pixels of white between their bodies.
    qreal HalfSpan() const {
        return std::ceil(
            (Scene::BodyRect(first_.kind, true).right() - Scene::BodyRect(second_.kind, true).left() + 6) /
            2);
    }
    qreal Left() const { return std::ceil(HalfSpan() - Scene::BodyRect(first_.kind, true).left()); }
    qreal Right() const { return std::ceil(HalfSpan() + Scene::BodyRect(second_.kind, true).right()); }
    Component first_, second_;
};

}  // namespace

qreal LabelWidth(const QString& text) {
    return std::ceil(QFontMetricsF(Scene::Font()).tightBoundingRect(text).width());
}

std::unique_ptr<Block> SeriesBlock(std::vector<Component> parts) {
    return std::make_unique<Series>(std::move(parts));
}

std::unique_ptr<Block> ParallelSeriesBlock(Component onLine, Component bridged) {
    return std::make_unique<ParallelSeries>(std::move(onLine), std::move(bridged));
}

std::unique_ptr<Block> ShuntBlock(std::vector<Component> parts, Side labelSide) {
    return std::make_unique<Shunt>(std::move(parts), labelSide);
}

std::unique_ptr<Block> ParallelShuntBlock(Component first, Component second) {
    return std::make_unique<ParallelShunt>(std::move(first), std::move(second));
}

// Lays the blocks out between the input and output terminals across the picture's width. Each stretch
// of wire between two blocks is first made as short as it may be, so that nothing a block draws above or
// below the line comes nearer than kClearance to what an earlier block drew there; the width left over
// then levels the stretches up, the shortest first, until the row fills the picture.
Scene DrawRow(Blocks blocks, int pictureWidth, qreal minimumGround) {
    blocks.insert(blocks.begin(), std::make_unique<TerminalBlock>(kInputWord, Side::Left));
    blocks.push_back(std::make_unique<TerminalBlock>(kOutputWord, Side::Right));
    constexpr qreal kMargin = 3, kShortestWire = 6;

    const std::size_t n = blocks.size();
    std::vector<qreal> least(n, 0);  // least[i]: the wire before block i
    qreal x = 0, widths = 0, ground = minimumGround;
    std::vector<qreal> at(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        const Block& b = *blocks[i];
        widths += b.Width();
        ground = std::max(ground, b.Drop());
        if (i == 0) continue;
        qreal gap = kShortestWire;
        const qreal start = x + blocks[i - 1]->Width();
        for (std::size_t j = 0; j < i; ++j) {
            for (const auto zone : {&Block::Above, &Block::Below}) {
                const Span before = ((*blocks[j]).*zone)(), after = (b.*zone)();
                if (before.IsEmpty() || after.IsEmpty()) continue;
                gap = std::max(gap, at[j] + before.to + kClearance - after.from - start);
            }
        }
        least[i] = std::ceil(gap);
        at[i] = x = start + least[i];
    }

    // Level the wires: every one at least `level`, those that must be longer keep their length.
    auto used = [&](qreal level) {
        qreal sum = 0;
        for (std::size_t i = 1; i < n; ++i) sum += std::max(least[i], level);
        return sum;
    };
    constexpr qreal kComfortableWire = 14;
    if (pictureWidth <= 0) pictureWidth = int(std::ceil(2 * kMargin + widths + used(kComfortableWire)));
    const qreal room = pictureWidth - 2 * kMargin - widths;
    qreal low = 0, high = room;
    for (int step = 0; step < 40; ++step) {
        const qreal mid = (low + high) / 2;
        (used(mid) > room ? high : low) = mid;
    }
    Q_ASSERT_X(used(0) <= room, "DrawRow", "a circuit is too wide for its picture");

    Scene scene;
    const qreal line = 0;
    qreal previousPort = 0;
    x = kMargin;
    for (std::size_t i = 0; i < n; ++i) {
        const Block& b = *blocks[i];
        if (i > 0) x += std::max(least[i], low);
        const qreal left = std::round(x);
        b.Draw(scene, left, line, ground);
        if (i > 0) scene.Line(QPointF(previousPort, line), QPointF(left + b.LeftPort(), line));
        if (b.IsNode()) scene.Junction(QPointF(left + b.LeftPort(), line));
        previousPort = left + b.RightPort();
        x += b.Width();
    }
    return scene;
}

}  // namespace vokta::ui::schematic
