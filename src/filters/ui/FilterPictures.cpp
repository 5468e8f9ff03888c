#include "filters/ui/FilterPictures.h"

#include <QSize>
#include <algorithm>
#include <cmath>

#include "ui/Pictures.h"
#include "ui/SchematicRow.h"

namespace vokta::ui {

namespace pictures {

using namespace schematic;

namespace {

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
                    blocks.push_back(SeriesBlock(std::move(part)));
                else
                    blocks.push_back(ShuntBlock(std::move(part)));
                break;
            }
            case BranchParts::SeriesLC:
                if (series)
                    blocks.push_back(SeriesBlock(std::vector<Component>{l, c}));
                else
                    blocks.push_back(ShuntBlock(std::vector<Component>{c, l}));
                break;
            case BranchParts::ParallelLC:
                if (series)
                    blocks.push_back(ParallelSeriesBlock(l, c));
                else
                    blocks.push_back(ParallelShuntBlock(c, l));
                break;
        }
    }
    return DrawRow(std::move(blocks), width, kLadderGround);
}

Scene DrawActiveFilter(const ActiveFilter& filter, int width) {
    Blocks blocks;
    if (filter.group) {
        blocks.push_back(SeriesBlock(std::vector<Component>{filter.group->series}));
        blocks.push_back(ShuntBlock(std::vector<Component>{filter.group->shunt}));
    }
    for (const ActiveSection& s : filter.sections) blocks.push_back(std::make_unique<SectionBlock>(s));
    return DrawRow(std::move(blocks), width, 0);  // the sections' dividers set the depth of the ground
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

}  // namespace pictures

void RegisterFilterPictures() {
    // The catalogue sizes: each family of circuits in consecutive numbers, its lowest order first.
    const std::pair<int, QSize> sizes[] = {
        {104, {215, 153}}, {105, {215, 153}}, {106, {215, 153}}, {107, {215, 153}}, {108, {231, 153}},
        {109, {240, 153}}, {110, {215, 153}}, {111, {215, 153}}, {112, {234, 153}}, {113, {234, 153}},
        {114, {272, 153}}, {115, {286, 153}}, {116, {264, 153}}, {117, {309, 153}}, {118, {454, 153}},
        {119, {502, 153}}, {120, {264, 153}}, {121, {300, 153}}, {122, {450, 153}}, {123, {497, 153}},
        {124, {216, 153}}, {125, {243, 153}}, {126, {323, 153}}, {127, {193, 154}}, {128, {219, 154}},
        {129, {304, 154}},
    };
    for (const auto& [number, size] : sizes)
        RegisterPicture(number, size, [number, width = size.width()] {
            if (const std::vector<LadderBranch> ladder = pictures::LadderOf(number); !ladder.empty())
                return pictures::DrawLadder(ladder, width);
            return pictures::DrawActiveFilter(*pictures::ActiveFilterOf(number), width);
        });
}

}  // namespace vokta::ui
