#include "filters/ui/CircuitDrawing.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "base/RuntimeError.h"
#include "filters/FilterParts.h"
#include "filters/ui/FilterPictures.h"
#include "ui/SchematicRow.h"

namespace vokta::ui::pictures {

using namespace schematic;

namespace {

constexpr qreal kLadderGround =
    64;  // as the results window's ladders: the grounds lie this far down at least

using Chain = std::vector<Component>;  // elements in series, from the line (or from the left)

qreal LineSegment(const Component& p) {
    return std::ceil(Scene::BodyRect(p.kind, false).width()) + 2 * kLead;
}
qreal StandingSegment(const Component& p) {
    return std::ceil(Scene::BodyRect(p.kind, true).height()) + 2 * kLead + 2;
}
qreal LabelHeight() {
    return std::ceil(QFontMetricsF(Scene::Font()).height());
}

// A chain's elements from a to b (a horizontal or vertical run), each in its share of the run as long as
// its segment asks, the run's spare length as wire at both ends; each designator on `side` of its body.
void DrawChain(Scene& scene, const Chain& chain, QPointF a, QPointF b, bool vertical, Side side) {
    qreal need = 0;
    for (const Component& p : chain) need += vertical ? StandingSegment(p) : LineSegment(p);
    const qreal run = vertical ? b.y() - a.y() : b.x() - a.x();
    const qreal spare = std::floor((run - need) / 2);
    QPointF at = a + (vertical ? QPointF(0, spare) : QPointF(spare, 0));
    scene.Line(a, at);
    for (const Component& p : chain) {
        const qreal length = vertical ? StandingSegment(p) : LineSegment(p);
        const QPointF end = at + (vertical ? QPointF(0, length) : QPointF(length, 0));
        scene.Label(p.designator, scene.Element(p.kind, at, end), side, kLabelGap);
        at = end;
    }
    scene.Line(at, b);
}

// Chains in parallel in the line: the first on the line with its designators below, each other on a
// bridge above the one before with its designators above.
class ParallelChainsInLine : public Block {
public:
    explicit ParallelChainsInLine(std::vector<Chain> chains) : chains_(std::move(chains)) {}
    qreal Width() const override {
        qreal w = 0;
        for (const Chain& chain : chains_) {
            qreal cw = 0;
            for (const Component& p : chain) cw += LineSegment(p);
            w = std::max(w, cw);
        }
        return w + 2 * (kLead + 2);
    }
    Span Below() const override { return {0, Width()}; }
    void Draw(Scene& scene, qreal x, qreal line, qreal) const override {
        const qreal right = x + Width();
        qreal level = line;
        for (std::size_t i = 0; i < chains_.size(); ++i) {
            if (i > 0) {
                // The bridge clears the bodies (and, above the first, the designators) of the one below.
                const qreal lettering = i > 1 ? LabelHeight() + kLabelGap : 0;
                const qreal next =
                    level - std::ceil(Reach(chains_[i], true) + Reach(chains_[i - 1], false) + lettering + 4);
                scene.Line(QPointF(x, level), QPointF(x, next));
                scene.Line(QPointF(right, level), QPointF(right, next));
                if (i + 1 < chains_.size()) {
                    scene.Junction(QPointF(x, next));
                    scene.Junction(QPointF(right, next));
                }
                level = next;
            }
            DrawChain(scene, chains_[i], QPointF(x, level), QPointF(right, level), false,
                      i == 0 ? Side::Below : Side::Above);
        }
        scene.Junction(QPointF(x, line));
        scene.Junction(QPointF(right, line));
    }

private:
    // How far a chain's bodies reach below its wire (or above it).
    static qreal Reach(const Chain& chain, bool below) {
        qreal r = 0;
        for (const Component& p : chain) {
            const QRectF body = Scene::BodyRect(p.kind, false);
            r = std::max(r, below ? body.bottom() : -body.top());
        }
        return r;
    }
    std::vector<Chain> chains_;
};

// Chains in parallel from the line to ground, standing side by side between two short buses: the first's
// designators on its left, each other's on its right.
class ParallelChainsToGround : public Block {
public:
    explicit ParallelChainsToGround(std::vector<Chain> chains) : chains_(std::move(chains)) {
        // Each chain's place from the first one's, with room for the bodies and the designators between.
        qreal at = 0;
        for (std::size_t i = 0; i < chains_.size(); ++i) {
            if (i > 0)
                at += std::ceil(Extent(chains_[i - 1], true) + (i > 1 ? Lettering(chains_[i - 1]) : 0) + 6 +
                                Extent(chains_[i], false));
            columns_.push_back(at);
        }
    }
    qreal Width() const override { return Left() + columns_.back() + Extent(chains_.back(), true); }
    // The line comes down to the middle chain, or between the two middle ones.
    qreal LeftPort() const override {
        const std::size_t n = chains_.size();
        return Left() + (n % 2 ? columns_[n / 2] : std::round((columns_[n / 2 - 1] + columns_[n / 2]) / 2));
    }
    qreal RightPort() const override { return LeftPort(); }
    bool IsNode() const override { return true; }
    qreal Drop() const override { return 2 * kBus + Standing(); }
    Span Above() const override { return {}; }
    Span Below() const override { return {-Lettering(chains_.front()), Width() + Lettering(chains_.back())}; }
    void Draw(Scene& scene, qreal x, qreal line, qreal ground) const override {
        const qreal node = x + LeftPort();
        const qreal top = line + std::floor((ground - line - Standing()) / 2), bottom = top + Standing();
        const qreal first = x + Left(), last = first + columns_.back();
        scene.Wire({QPointF(node, line), QPointF(node, top)});
        scene.Wire({QPointF(first, top), QPointF(last, top)});
        scene.Wire({QPointF(first, bottom), QPointF(last, bottom)});
        scene.Wire({QPointF(node, bottom), QPointF(node, ground)});
        for (std::size_t i = 0; i < chains_.size(); ++i) {
            const qreal column = first + columns_[i];
            DrawChain(scene, chains_[i], QPointF(column, top), QPointF(column, bottom), true,
                      i == 0 ? Side::Left : Side::Right);
            if (i > 0 && i + 1 < chains_.size()) {  // a chain between the buses' ends joins them
                scene.Junction(QPointF(column, top));
                scene.Junction(QPointF(column, bottom));
            }
        }
        scene.Junction(QPointF(node, top));
        scene.Junction(QPointF(node, bottom));
        scene.Ground(QPointF(node, ground));
    }

private:
    static constexpr qreal kBus =
        10;  // from the line down to the upper bus, and from the lower bus to ground
    // How far a chain's bodies reach to the right of its wire (or to the left).
    static qreal Extent(const Chain& chain, bool right) {
        qreal e = 0;
        for (const Component& p : chain) {
            const QRectF body = Scene::BodyRect(p.kind, true);
            e = std::max(e, right ? body.right() : -body.left());
        }
        return e;
    }
    static qreal Lettering(const Chain& chain) {
        qreal w = 0;
        for (const Component& p : chain) w = std::max(w, LabelWidth(p.designator));
        return w + kLabelGap;
    }
    qreal Standing() const {
        qreal s = 0;
        for (const Chain& chain : chains_) {
            qreal cs = 0;
            for (const Component& p : chain) cs += StandingSegment(p);
            s = std::max(s, cs);
        }
        return s;
    }
    qreal Left() const {
        return std::ceil(std::max(Extent(chains_.front(), false), Scene::kGroundHalfWidth));
    }
    std::vector<Chain> chains_;
    std::vector<qreal> columns_;  // each chain's x from the first's
};

// A unity-gain follower: the amplifier in the line, its output wired back under it to its inverting input.
class FollowerBlock : public Block {
public:
    explicit FollowerBlock(QString designator) : designator_(std::move(designator)) {}
    qreal Width() const override { return kStub + 2 * Scene::kOpAmpPinLength + Scene::kOpAmpWidth + kStub; }
    Span Below() const override { return {0, Width()}; }
    void Draw(Scene& scene, qreal x, qreal line, qreal) const override {
        const Scene::OpAmpPins amp = scene.OpAmp(QPointF(x + kStub, line), designator_);
        const qreal under = amp.box.bottom() + 8, back = x + kStub / 2, out = x + Width() - kStub / 2;
        scene.Line(QPointF(x, line), amp.nonInverting);
        scene.Wire({amp.inverting, QPointF(back, amp.inverting.y()), QPointF(back, under),
                    QPointF(out, under), QPointF(out, line)});
        scene.Line(amp.output, QPointF(x + Width(), line));
        scene.Junction(QPointF(out, line));
    }

private:
    static constexpr qreal kStub = 12;
    QString designator_;
};

// The designators of a circuit's parts in the order the parts list gives them.
class Names {
public:
    explicit Names(const FilterCircuit& circuit) : parts_(CircuitParts(circuit)) {}
    Component Next() {
        if (next_ >= parts_.size())
            Fail(ErrorKind::InvalidArgument, "Схема не совпадает со списком элементов.");
        const FilterPart& p = parts_[next_++];
        return {p.kind, QString::fromStdString(p.designator)};
    }

private:
    std::vector<FilterPart> parts_;
    std::size_t next_ = 0;
};

void AppendChain(const Arm& arm, Names& names, Chain& chain) {
    switch (arm.join) {
        case Arm::Join::Element:
            chain.push_back(names.Next());
            return;
        case Arm::Join::Series:
            for (const Arm& part : arm.parts) AppendChain(part, names, chain);
            return;
        case Arm::Join::Parallel:
            break;
    }
    Fail(ErrorKind::InvalidArgument, "Такую схему ветви программа не рисует.");
}

std::unique_ptr<Block> ArmBlock(const Arm& arm, BranchPlace place, Names& names) {
    std::vector<Chain> chains;
    if (arm.join == Arm::Join::Parallel) {
        for (const Arm& part : arm.parts) AppendChain(part, names, chains.emplace_back());
    } else {
        AppendChain(arm, names, chains.emplace_back());
    }
    const bool line = place == BranchPlace::Series;
    if (chains.size() == 1) return line ? SeriesBlock(chains[0]) : ShuntBlock(chains[0]);
    if (chains.size() == 2 && chains[0].size() == 1 && chains[1].size() == 1)
        return line ? ParallelSeriesBlock(chains[0][0], chains[1][0])
                    : ParallelShuntBlock(chains[0][0], chains[1][0]);
    if (line) return std::make_unique<ParallelChainsInLine>(std::move(chains));
    return std::make_unique<ParallelChainsToGround>(std::move(chains));
}

Scene DrawLadder(const LadderCircuit& ladder, Names& names) {
    Blocks blocks;
    for (const LadderBranch& branch : ladder.branches) {
        if (branch.parts == BranchParts::Network) {
            blocks.push_back(ArmBlock(branch.arm, branch.place, names));
            continue;
        }
        // A simple branch's parts come in the list inductor first.
        Component l{ElementKind::Inductor, {}}, c{ElementKind::Capacitor, {}};
        if (branch.parts != BranchParts::C) l = names.Next();
        if (branch.parts != BranchParts::L) c = names.Next();
        blocks.push_back(SimpleBranchBlock(branch, l, c));
    }
    return DrawRow(std::move(blocks), 0, kLadderGround);
}

Scene DrawActive(const ActiveCircuit& circuit, Names& names) {
    Blocks blocks;
    for (const ActiveStage& stage : circuit.stages) {
        switch (stage.kind) {
            case ActiveStageKind::Follower:
                blocks.push_back(std::make_unique<FollowerBlock>(names.Next().designator));
                break;
            case ActiveStageKind::FirstOrder: {
                const Component inLine = names.Next(), toGround = names.Next();
                blocks.push_back(SeriesBlock({inLine}));
                blocks.push_back(ShuntBlock({toGround}));
                break;
            }
            case ActiveStageKind::Section: {
                // The list's order: the pair in the line, the one to the output and the one to ground, the
                // amplifier, its divider from the output and to ground.
                auto part = [&] {
                    const Component c = names.Next();
                    return DesignatedPart{c.kind, c.designator.toStdString()};
                };
                ActiveSectionDesignators s;
                s.series1 = part();
                s.series2 = part();
                s.feedback = part();
                s.shunt = part();
                s.amplifier = part();
                s.dividerFromOutput = part();
                s.dividerToGround = part();
                blocks.push_back(ActiveSectionBlock(s));
                break;
            }
        }
    }
    return DrawRow(std::move(blocks), 0, 0);  // the sections' dividers set the depth of the ground
}

}  // namespace

Scene DrawFilterCircuit(const FilterCircuit& circuit) {
    Names names(circuit);
    if (const auto* ladder = std::get_if<LadderCircuit>(&circuit)) return DrawLadder(*ladder, names);
    return DrawActive(std::get<ActiveCircuit>(circuit), names);
}

}  // namespace vokta::ui::pictures
