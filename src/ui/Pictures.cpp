#include "ui/Pictures.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <memory>

namespace vokta::ui {

QSize PictureSize(int number) {
    static const QHash<int, QSize> sizes{
        {101, {215, 186}}, {102, {220, 186}}, {103, {220, 186}}, {104, {215, 153}}, {105, {215, 153}},
        {106, {215, 153}}, {107, {215, 153}}, {108, {231, 153}}, {109, {240, 153}}, {110, {215, 153}},
        {111, {215, 153}}, {112, {234, 153}}, {113, {234, 153}}, {114, {272, 153}}, {115, {286, 153}},
        {116, {264, 153}}, {117, {309, 153}}, {118, {454, 153}}, {119, {502, 153}}, {120, {264, 153}},
        {121, {300, 153}}, {122, {450, 153}}, {123, {497, 153}}, {124, {216, 153}}, {125, {243, 153}},
        {126, {323, 153}}, {127, {193, 154}}, {128, {219, 154}}, {129, {304, 154}}, {130, {144, 86}},
    };
    return sizes.value(number, QSize());
}

namespace pictures {

using schematic::Scene;
using schematic::Side;

namespace {

const QString kInputWord = QStringLiteral("Вход");
const QString kOutputWord = QStringLiteral("Выход");

Component Part(ElementKind kind, int number) {
    const char letter = kind == ElementKind::Resistor ? 'R' : kind == ElementKind::Inductor ? 'L' : 'C';
    return {kind, QString(QLatin1Char(letter)) + QString::number(number)};
}
Component R(int n) {
    return Part(ElementKind::Resistor, n);
}
Component C(int n) {
    return Part(ElementKind::Capacitor, n);
}

qreal LabelWidth(const QString& text) {
    return std::ceil(QFontMetricsF(Scene::Font()).tightBoundingRect(text).width());
}

// ---------------------------------------------------------------------------------------------------
// A circuit drawn as a row of blocks along one signal line, from the input terminal on the left to the
// output terminal on the right, with ground below. Each block knows the width it takes on the line, where
// the line enters and leaves it, and how far its lettering and parts reach above and below the line
// (designators of shunt elements hang out beside them, terminal words over the wire). The row spreads the
// blocks over the picture's width with stretches of wire between them as even as their lettering allows.

constexpr qreal kLead = 6;  // wire between a series element's body and its pin
constexpr qreal kLabelGap = 3;
constexpr qreal kClearance = 4;  // the least white between neighbouring blocks' ink

// A stretch of x, relative to a block's left edge; empty when to <= from.
struct Span {
    qreal from = 0, to = 0;
    bool IsEmpty() const { return to <= from; }
};

class Block {
public:
    virtual ~Block() = default;
    virtual qreal Width() const = 0;
    virtual qreal LeftPort() const { return 0; }
    virtual qreal RightPort() const { return Width(); }
    // A shunt position: the line passes through a junction at its port.
    virtual bool IsNode() const { return false; }
    // How far below the line its ground must lie.
    virtual qreal Drop() const { return 0; }
    // What the block draws above the line, and below it.
    virtual Span Above() const { return {0, Width()}; }
    virtual Span Below() const { return {}; }
    virtual void Draw(Scene& scene, qreal x, qreal line, qreal ground) const = 0;
};

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
class SeriesBlock : public Block {
public:
    explicit SeriesBlock(std::vector<Component> parts) : parts_(std::move(parts)) {}
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
class ParallelSeriesBlock : public Block {
public:
    ParallelSeriesBlock(Component onLine, Component bridged)
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
class ShuntBlock : public Block {
public:
    explicit ShuntBlock(std::vector<Component> parts, Side labelSide = Side::Right)
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
class ParallelShuntBlock : public Block {
public:
    ParallelShuntBlock(Component first, Component second)
        : first_(std::move(first)), second_(std::move(second)) {}
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

// A second-order section: the two series elements lead to the amplifier's non-inverting input, the
// feedback element rises from the node between them to a wire over the top that comes down to the
// output, the shunt element goes from the non-inverting input to ground (designator on its left, since the
// inverting input's wire runs down on its right), and the divider sits under the amplifier: one resistor
// from the output back to a node on the inverting input's wire, the other from that node to ground.
class SectionBlock : public Block {
public:
    explicit SectionBlock(ActiveSection s) : s_(std::move(s)) {}
    qreal Width() const override { return OutputDrop() + kLead + 1; }
    qreal Drop() const override {
        return kDivider + std::ceil(Scene::BodyRect(ElementKind::Resistor, true).height()) + 2 * kLead;
    }
    Span Below() const override {
        const qreal shunt = Series(s_.series1) + Series(s_.series2);
        return {
            shunt + Scene::BodyRect(s_.shunt.kind, true).left() - kLabelGap - LabelWidth(s_.shunt.designator),
            Width()};
    }
    void Draw(Scene& scene, qreal x, qreal line, qreal ground) const override {
        const qreal a = x + Series(s_.series1), b = a + Series(s_.series2);
        const qreal top = line - kFeedbackRise;
        const qreal n = b + kInvertingOffset;
        const qreal outputTap = x + OutputTap(), outputDrop = x + OutputDrop();
        const qreal divider = line + kDivider;

        scene.Label(s_.series1.designator, scene.Element(s_.series1.kind, QPointF(x, line), QPointF(a, line)),
                    Side::Above, kLabelGap);
        scene.Label(s_.series2.designator, scene.Element(s_.series2.kind, QPointF(a, line), QPointF(b, line)),
                    Side::Above, kLabelGap);
        scene.Label(s_.feedback.designator,
                    scene.Element(s_.feedback.kind, QPointF(a, line), QPointF(a, top)), Side::Right,
                    kLabelGap);
        scene.Wire({QPointF(a, top), QPointF(outputTap, top), QPointF(outputTap, line)});
        scene.Label(s_.shunt.designator, scene.Element(s_.shunt.kind, QPointF(b, line), QPointF(b, ground)),
                    Side::Left, kLabelGap);
        scene.Ground(QPointF(b, ground));

        const Scene::OpAmpPins amp = scene.OpAmp(QPointF(n + kPinOffset, line), s_.amplifier);
        scene.Line(QPointF(b, line), amp.nonInverting);
        scene.Wire({amp.inverting, QPointF(n, amp.inverting.y()), QPointF(n, divider)});
        scene.Line(amp.output, QPointF(x + Width(), line));
        scene.Label(s_.dividerFromOutput, scene.Resistor(QPointF(n, divider), QPointF(outputDrop, divider)),
                    Side::Below, kLabelGap);
        scene.Wire({QPointF(outputDrop, divider), QPointF(outputDrop, line)});
        scene.Label(s_.dividerToGround, scene.Resistor(QPointF(n, divider), QPointF(n, ground)), Side::Right,
                    kLabelGap);
        scene.Ground(QPointF(n, ground));

        for (const QPointF p : {QPointF(a, line), QPointF(b, line), QPointF(outputTap, line),
                                QPointF(outputDrop, line), QPointF(n, divider)})
            scene.Junction(p);
    }

private:
    static constexpr qreal kFeedbackRise = 56;     // the feedback wire over the top
    static constexpr qreal kDivider = 40;          // the divider resistor under the amplifier
    static constexpr qreal kInvertingOffset = 22;  // from the shunt element to the inverting input's wire
    static constexpr qreal kPinOffset = 4;         // from that wire to the end of the amplifier's input pins
    // Long enough that the two series designators stand clear of the feedback element's lead between them.
    static qreal Series(const Component& p) {
        return std::max<qreal>(std::ceil(Scene::BodyRect(p.kind, false).width()) + 2 * kLead, 34);
    }
    qreal OutputTap() const {
        return Series(s_.series1) + Series(s_.series2) + kInvertingOffset + kPinOffset +
               2 * Scene::kOpAmpPinLength + Scene::kOpAmpWidth + 4;
    }
    qreal OutputDrop() const { return OutputTap() + 10; }
    ActiveSection s_;
};

using Blocks = std::vector<std::unique_ptr<Block>>;

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
    const qreal room = pictureWidth - 2 * kMargin - widths;
    auto used = [&](qreal level) {
        qreal sum = 0;
        for (std::size_t i = 1; i < n; ++i) sum += std::max(least[i], level);
        return sum;
    };
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

constexpr qreal kLadderGround = 64;  // how far under the line a ladder's grounds lie, at the least

// Each branch drawn from the description of its ladder: a resonator in the line has its inductor first,
// one to ground its capacitor.
Scene DrawLadder(const std::vector<LadderBranch>& ladder, int width) {
    Blocks blocks;
    for (const LadderBranch& branch : ladder) {
        const bool series = branch.place == BranchPlace::Series;
        const Component l = Part(ElementKind::Inductor, branch.number), c = C(branch.number);
        switch (branch.parts) {
            case BranchParts::L:
            case BranchParts::C: {
                std::vector<Component> part{branch.parts == BranchParts::L ? l : c};
                if (series)
                    blocks.push_back(std::make_unique<SeriesBlock>(std::move(part)));
                else
                    blocks.push_back(std::make_unique<ShuntBlock>(std::move(part)));
                break;
            }
            case BranchParts::SeriesLC:
                if (series)
                    blocks.push_back(std::make_unique<SeriesBlock>(std::vector<Component>{l, c}));
                else
                    blocks.push_back(std::make_unique<ShuntBlock>(std::vector<Component>{c, l}));
                break;
            case BranchParts::ParallelLC:
                if (series)
                    blocks.push_back(std::make_unique<ParallelSeriesBlock>(l, c));
                else
                    blocks.push_back(std::make_unique<ParallelShuntBlock>(c, l));
                break;
        }
    }
    return DrawRow(std::move(blocks), width, kLadderGround);
}

Scene DrawActiveFilter(const ActiveFilter& filter, int width) {
    Blocks blocks;
    if (filter.group) {
        blocks.push_back(std::make_unique<SeriesBlock>(std::vector<Component>{filter.group->series}));
        blocks.push_back(std::make_unique<ShuntBlock>(std::vector<Component>{filter.group->shunt}));
    }
    for (const ActiveSection& s : filter.sections) blocks.push_back(std::make_unique<SectionBlock>(s));
    return DrawRow(std::move(blocks), width, 0);  // the sections' dividers set the depth of the ground
}

// ---------------------------------------------------------------------------------------------------
// The tuned circuits.

// Picture 130: the variable capacitor C with C1 across it, that pair in series with C2 to C3 across the
// coil L; two rails, no terminals.
Scene DrawThreePointCircuit() {
    Scene s;
    constexpr qreal top = 0, bottom = 46;
    constexpr qreal xC = 0, xC1 = 36, xC3 = 78, xL = 110;
    s.Label(QStringLiteral("C"), s.VariableCapacitor(QPointF(xC, top), QPointF(xC, bottom)), Side::Right,
            kLabelGap);
    s.Label(QStringLiteral("C1"), s.Capacitor(QPointF(xC1, top), QPointF(xC1, bottom)), Side::Right,
            kLabelGap);
    s.Label(QStringLiteral("C3"), s.Capacitor(QPointF(xC3, top), QPointF(xC3, bottom)), Side::Right,
            kLabelGap);
    s.Label(QStringLiteral("L"), s.Inductor(QPointF(xL, top), QPointF(xL, bottom)), Side::Right, kLabelGap);
    s.Line(QPointF(xC, top), QPointF(xC1, top));
    s.Label(QStringLiteral("C2"), s.Capacitor(QPointF(xC1, top), QPointF(xC3, top)), Side::Above, kLabelGap);
    s.Line(QPointF(xC3, top), QPointF(xL, top));
    s.Line(QPointF(xC, bottom), QPointF(xL, bottom));
    for (const QPointF p : {QPointF(xC1, top), QPointF(xC3, top), QPointF(xC1, bottom), QPointF(xC3, bottom)})
        s.Junction(p);
    return s;
}

// ---------------------------------------------------------------------------------------------------
// The core sketches, in oblique projection: the front face drawn true, the depth (the stack or the ring
// height) going up and to the right.

QPainterPath RectPath(const QRectF& r, qreal radius = 0) {
    QPainterPath p;
    if (radius > 0)
        p.addRoundedRect(r, radius, radius);
    else
        p.addRect(r);
    return p;
}

QPainterPath CirclePath(QPointF c, qreal r) {
    QPainterPath p;
    p.addEllipse(c, r, r);
    return p;
}

// The outline of the back face where it bounds the drawing: the part beyond the two points where lines
// along the depth touch the front outline (for a convex face, the back face's far side).
void BackOutline(Scene& s, const QPainterPath& front, QPointF depth, QPointF touchA, QPointF touchB) {
    const QPointF a = touchA + depth, b = touchB + depth, far = depth * 1000;
    QPainterPath beyond;
    beyond.addPolygon(
        QPolygonF{a - (b - a) * 10, b + (b - a) * 10, b + (b - a) * 10 + far, a - (b - a) * 10 + far});
    beyond.closeSubpath();
    s.DrawClipped(front.translated(depth), beyond);
    s.Line(touchA, a);
    s.Line(touchB, b);
}

// What shows of a window's inner walls: the back window's edges and the depth edge from the front
// window's lower left corner, seen through the front window.
void WindowWalls(Scene& s, const QRectF& window, QPointF depth) {
    const QPainterPath opening = RectPath(window);
    s.DrawClipped(RectPath(window.translated(depth)), opening);
    QPainterPath edge(window.bottomLeft());
    edge.lineTo(window.bottomLeft() + depth);
    s.DrawClipped(edge, opening);
}

// A dimension between two points of the drawing: extension lines from each point in the direction
// `out`, starting `gap` pixels off the drawing, the arrow `reach` pixels out, its letter beyond it.
void Dimension(Scene& s, QPointF a, QPointF b, QPointF out, const QString& letter, qreal reach = 10,
               qreal gap = 3) {
    s.Line(a + out * gap, a + out * (reach + 4));
    s.Line(b + out * gap, b + out * (reach + 4));
    const QPointF pa = a + out * reach, pb = b + out * reach;
    s.DimensionArrow(pa, pb);
    s.LabelBeyond(letter, (pa + pb) / 2, out, 3, true);
}

// Picture 102: a laminated core, E plates with the I plates under them, two windows.
Scene DrawLaminatedCore() {
    Scene s;
    constexpr qreal u = 16, a = 32, c = 28, h = 74;  // outer limbs and yokes, middle limb, window
    constexpr qreal W = 2 * u + 2 * c + a, H = 2 * u + h;
    const QPointF depth(28, -21);
    const QRectF face(0, 0, W, H);
    const QRectF left(u, u, c, h), right(u + c + a, u, c, h);
    const QPainterPath front = RectPath(face);

    s.Draw(front);
    BackOutline(s, front, depth, face.topLeft(), face.bottomRight());
    s.Line(face.topRight(), face.topRight() + depth);
    // The edges of the plates on the top and right faces, and the joint of E and I plates.
    for (int i = 1; i < 4; ++i) {
        const QPointF step = depth * (i / 4.0);
        s.Line(face.topLeft() + step, face.topRight() + step);
        s.Line(face.topRight() + step, face.bottomRight() + step);
    }
    s.Line(QPointF(0, u + h), QPointF(W, u + h));
    s.Line(QPointF(W, u + h), QPointF(W, u + h) + depth);
    for (const QRectF& window : {left, right}) {
        s.Draw(RectPath(window));
        WindowWalls(s, window, depth);
    }

    Dimension(s, left.topLeft() - QPointF(u, 0), left.bottomLeft() - QPointF(u, 0), QPointF(-1, 0),
              QStringLiteral("h"));
    Dimension(s, QPointF(left.left(), H), QPointF(left.right(), H), QPointF(0, 1), QStringLiteral("c"));
    Dimension(s, QPointF(left.right(), H), QPointF(right.left(), H), QPointF(0, 1), QStringLiteral("a"));
    const QPointF across(0.6, 0.8);  // perpendicular to the depth, away from the core
    Dimension(s, face.bottomRight(), face.bottomRight() + depth, across, QStringLiteral("b"));
    return s;
}

// Picture 101: a tape-wound core of two C-shaped halves butted side by side round one window, the strip's
// turns showing on the front face.
Scene DrawTapeWoundCore() {
    Scene s;
    constexpr qreal a = 24, c = 36, h = 84, r = 10;  // limb, window width and height, outer corner radius
    constexpr qreal W = 2 * a + c, H = 2 * a + h;
    const QPointF depth(26, -20);
    const QRectF face(0, 0, W, H), window(a, a, c, h);
    const QPainterPath front = RectPath(face, r);

    // Lines along the depth touch the rounded corners at the top left and bottom right.
    const QPointF across(0.6, 0.8);
    const QPointF upper = QPointF(r, r) - across * r, lower = QPointF(W - r, H - r) + across * r;
    s.Draw(front);
    BackOutline(s, front, depth, upper, lower);
    // Turns of strip, and the joints of the two halves across the yokes.
    for (const qreal t : {a / 3, 2 * a / 3})
        s.Draw(RectPath(face.adjusted(t, t, -t, -t), std::max<qreal>(r - t, 2)));
    s.Line(QPointF(W / 2, 0), QPointF(W / 2, a));
    s.Line(QPointF(W / 2, H - a), QPointF(W / 2, H));
    s.Draw(RectPath(window));
    WindowWalls(s, window, depth);

    Dimension(s, QPointF(0, a), QPointF(0, a + h), QPointF(-1, 0), QStringLiteral("h"));
    Dimension(s, QPointF(a, H), QPointF(a + c, H), QPointF(0, 1), QStringLiteral("c"));
    Dimension(s, QPointF(a + c, H), QPointF(W, H), QPointF(0, 1), QStringLiteral("a"));
    Dimension(s, lower, lower + depth, across, QStringLiteral("b"), 12);
    return s;
}

// Picture 103: a toroidal tape core, the ring's height going back up to the right.
Scene DrawToroidalCore() {
    Scene s;
    constexpr qreal outer = 56, inner = 26;
    const QPointF depth(18, -14);
    const QPointF o(0, 0);
    const QPainterPath front = CirclePath(o, outer), hole = CirclePath(o, inner);

    const QPointF across(0.6, 0.8);  // perpendicular to the depth
    s.Draw(front);
    BackOutline(s, front, depth, o - across * outer, o + across * outer);
    s.Draw(hole);
    s.DrawClipped(CirclePath(o + depth, inner), hole);  // the far rim of the hole

    // d1 under the ring, d2 across the hole.
    const qreal level = outer + 10;
    Dimension(s, QPointF(-outer, 0), QPointF(outer, 0), QPointF(0, 1), QStringLiteral("d1"), level);
    s.DimensionArrow(QPointF(-inner, 0), QPointF(inner, 0));
    s.Label(QStringLiteral("d2"), QRectF(QPointF(8, 0), QSizeF(0, 0)), Side::Above, 3, true);
    // h along the ring's side where it turns furthest back, from the front rim to the back rim, the letter
    // beyond it.
    const QPointF ahead = depth / std::hypot(depth.x(), depth.y());
    const QPointF rim = o + ahead * outer;
    s.DimensionArrow(rim, rim + depth);
    s.LabelBeyond(QStringLiteral("h"), rim + depth, ahead, 3, true);
    return s;
}

}  // namespace

std::vector<LadderBranch> LadderOf(int number) {
    const std::optional<PictureCircuit> circuit = CircuitOfPicture(number);
    if (!circuit || circuit->active) return {};
    return LadderBranches(circuit->type, circuit->order);
}

std::optional<ActiveFilter> ActiveFilterOf(int number) {
    const std::optional<PictureCircuit> circuit = CircuitOfPicture(number);
    if (!circuit || !circuit->active) return std::nullopt;
    const bool highPass = circuit->type == FilterType::HighPass;
    const ActiveStages stages = ActiveStagesOf(circuit->order);
    auto r = [](int n) { return QStringLiteral("R") + QString::number(n); };
    const QString da1 = QStringLiteral("DA1"), da2 = QStringLiteral("DA2");
    ActiveFilter filter;
    // High-pass: capacitors in the line, resistors in the feedback and to ground; low-pass: the dual.
    if (stages.firstOrderGroup)
        filter.group = highPass ? FirstOrderGroup{C(3), R(5)} : FirstOrderGroup{R(5), C(3)};
    if (highPass)
        filter.sections.push_back({C(1), C(2), R(1), R(2), da1, r(3), r(4)});
    else
        filter.sections.push_back({R(1), R(2), C(1), C(2), da1, r(3), r(4)});
    if (stages.sections == 2) {
        // DA2's section numbers its parts on from those of the group before it.
        const int next = stages.firstOrderGroup ? 1 : 0;
        if (highPass)
            filter.sections.push_back({C(1), C(2), R(5 + next), R(6 + next), da2, r(7 + next), r(8 + next)});
        else
            filter.sections.push_back({R(1), R(2), C(3 + next), C(4 + next), da2, r(5 + next), r(6 + next)});
    }
    return filter;
}

Scene DrawPicture(int number) {
    const QSize size = PictureSize(number);
    if (!size.isValid()) return {};
    switch (number) {
        case 101:
            return DrawTapeWoundCore();
        case 102:
            return DrawLaminatedCore();
        case 103:
            return DrawToroidalCore();
        case 130:
            return DrawThreePointCircuit();
        default:
            break;
    }
    if (const std::vector<LadderBranch> ladder = LadderOf(number); !ladder.empty())
        return DrawLadder(ladder, size.width());
    if (const auto active = ActiveFilterOf(number)) return DrawActiveFilter(*active, size.width());
    return {};
}

// The band-spread circuit: L1 on the left; C1 above C2 across it; the variable capacitor C3 from the
// junction of C1 and C2 to the lower end of L1, so across C2; C4 across everything.
Scene DrawBandSpreadDiagram() {
    Scene s;
    constexpr qreal top = 0, bottom = 110, middle = 55;
    constexpr qreal xL1 = 0, xC12 = 56, xC3 = 110, xC4 = 162;
    s.Label(QStringLiteral("L1"), s.Inductor(QPointF(xL1, top), QPointF(xL1, bottom)), Side::Right,
            kLabelGap);
    s.Label(QStringLiteral("C1"), s.Capacitor(QPointF(xC12, top), QPointF(xC12, middle)), Side::Right,
            kLabelGap);
    s.Label(QStringLiteral("C2"), s.Capacitor(QPointF(xC12, middle), QPointF(xC12, bottom)), Side::Right,
            kLabelGap);
    s.Wire({QPointF(xC12, middle), QPointF(xC3, middle)});
    s.Label(QStringLiteral("C3"), s.VariableCapacitor(QPointF(xC3, middle), QPointF(xC3, bottom)),
            Side::Right, kLabelGap);
    s.Label(QStringLiteral("C4"), s.Capacitor(QPointF(xC4, top), QPointF(xC4, bottom)), Side::Right,
            kLabelGap);
    s.Line(QPointF(xL1, top), QPointF(xC4, top));
    s.Line(QPointF(xL1, bottom), QPointF(xC4, bottom));
    for (const QPointF p :
         {QPointF(xC12, top), QPointF(xC12, middle), QPointF(xC12, bottom), QPointF(xC3, bottom)})
        s.Junction(p);
    return s;
}

// 200 x 150 pixels: the band-spread window shows the diagram at this size beside its inputs.
QSize BandSpreadDiagramSize() {
    return {200, 150};
}

}  // namespace pictures

namespace {

// Drawn for the sharpest screen: on a 200 % screen a picture has twice the pixels of its logical size.
qreal ScreenPixelRatio() {
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap Rendered(const schematic::Scene& scene, QSize size, qreal devicePixelRatio) {
    return QPixmap::fromImage(scene.Render(size, schematic::Scene::AllLayers, devicePixelRatio));
}

}  // namespace

QPixmap LoadPicture(int number) {
    static QHash<QPair<int, qreal>, QPixmap> cache;
    const QSize size = PictureSize(number);
    if (!size.isValid()) return {};
    const qreal ratio = ScreenPixelRatio();
    auto it = cache.find({number, ratio});
    if (it == cache.end())
        it = cache.insert({number, ratio}, Rendered(pictures::DrawPicture(number), size, ratio));
    return *it;
}

QPixmap LoadBandSpreadDiagram() {
    static QHash<qreal, QPixmap> cache;
    const qreal ratio = ScreenPixelRatio();
    auto it = cache.find(ratio);
    if (it == cache.end())
        it = cache.insert(
            ratio, Rendered(pictures::DrawBandSpreadDiagram(), pictures::BandSpreadDiagramSize(), ratio));
    return *it;
}

}  // namespace vokta::ui
