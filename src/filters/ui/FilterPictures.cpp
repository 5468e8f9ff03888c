#include "filters/ui/FilterPictures.h"

#include <QSize>
#include <algorithm>
#include <cmath>

#include "base/PictureNumbers.h"
#include "ui/Pictures.h"
#include "ui/SchematicRow.h"

namespace vokta::ui {

namespace pictures {

using namespace schematic;

namespace {

Component Drawn(const DesignatedPart& part) {
    return {part.kind, QString::fromStdString(part.designator)};
}

// A section's parts with their designators as drawn.
struct Section {
    explicit Section(const ActiveSectionDesignators& d)
        : series1(Drawn(d.series1)),
          series2(Drawn(d.series2)),
          feedback(Drawn(d.feedback)),
          shunt(Drawn(d.shunt)),
          amplifier(QString::fromStdString(d.amplifier.designator)),
          dividerFromOutput(QString::fromStdString(d.dividerFromOutput.designator)),
          dividerToGround(QString::fromStdString(d.dividerToGround.designator)) {}
    Component series1, series2, feedback, shunt;
    QString amplifier, dividerFromOutput, dividerToGround;
};

// A second-order section: the two series elements lead to the amplifier's non-inverting input, the
// feedback element rises from the node between them to a wire over the top that comes down to the
// output, the shunt element goes from the non-inverting input to ground (designator on its left, since the
// inverting input's wire runs down on its right), and the divider sits under the amplifier: one resistor
// from the output back to a node on the inverting input's wire, the other from that node to ground.
class SectionBlock : public Block {
public:
    explicit SectionBlock(const ActiveSectionDesignators& s) : s_(s) {}
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
    // The divider's resistor from the output is long enough that its designator, centred under it, stands
    // clear of the designator beside the resistor to ground (two-digit designators of a long cascade).
    qreal OutputDrop() const {
        const qreal drop = OutputTap() + 10;
        const qreal n = Series(s_.series1) + Series(s_.series2) + kInvertingOffset;
        const qreal need = 2 * (Scene::BodyRect(ElementKind::Resistor, true).right() + kLabelGap +
                                LabelWidth(s_.dividerToGround)) +
                           LabelWidth(s_.dividerFromOutput);
        return std::max(drop, n + std::ceil(need));
    }
    Section s_;
};

constexpr qreal kLadderGround = 64;  // how far under the line a ladder's grounds lie, at the least

// Each branch drawn from the description of its ladder: a resonator in the line has its inductor first,
// one to ground its capacitor.
Scene DrawLadder(const std::vector<LadderBranch>& ladder, int width) {
    Blocks blocks;
    for (const LadderBranch& branch : ladder) {
        const QString number = QString::number(branch.number);
        if (branch.parts != BranchParts::Network)  // the numbered pictures have none
            blocks.push_back(SimpleBranchBlock(branch, {ElementKind::Inductor, "L" + number},
                                               {ElementKind::Capacitor, "C" + number}));
    }
    return DrawRow(std::move(blocks), width, kLadderGround);
}

}  // namespace

std::unique_ptr<Block> SimpleBranchBlock(const LadderBranch& branch, Component l, Component c) {
    const bool series = branch.place == BranchPlace::Series;
    switch (branch.parts) {
        case BranchParts::L:
        case BranchParts::C: {
            std::vector<Component> part{branch.parts == BranchParts::L ? l : c};
            return series ? SeriesBlock(std::move(part)) : ShuntBlock(std::move(part));
        }
        case BranchParts::SeriesLC:
            return series ? SeriesBlock(std::vector<Component>{l, c})
                          : ShuntBlock(std::vector<Component>{c, l});
        case BranchParts::ParallelLC:
            return series ? ParallelSeriesBlock(l, c) : ParallelShuntBlock(c, l);
        case BranchParts::Network:
            break;
    }
    return nullptr;
}

std::unique_ptr<Block> ActiveSectionBlock(const ActiveSectionDesignators& section) {
    return std::make_unique<SectionBlock>(section);
}

namespace {

Scene DrawActiveFilter(const ActiveDesignators& filter, int width) {
    Blocks blocks;
    if (filter.group) {
        blocks.push_back(SeriesBlock({Drawn(filter.group->series)}));
        blocks.push_back(ShuntBlock({Drawn(filter.group->shunt)}));
    }
    for (const ActiveSectionDesignators& s : filter.sections) blocks.push_back(ActiveSectionBlock(s));
    return DrawRow(std::move(blocks), width, 0);  // the sections' dividers set the depth of the ground
}

}  // namespace

std::vector<LadderBranch> LadderOf(int number) {
    const std::optional<PictureCircuit> circuit = CircuitOfPicture(number);
    if (!circuit || circuit->active) return {};
    return LadderBranches(circuit->type, circuit->order);
}

std::optional<ActiveDesignators> ActiveFilterOf(int number) {
    const std::optional<PictureCircuit> circuit = CircuitOfPicture(number);
    if (!circuit || !circuit->active) return std::nullopt;
    return ActiveFilterDesignators(circuit->type == FilterType::HighPass, circuit->order);
}

}  // namespace pictures

void RegisterFilterPictures() {
    // The catalogue sizes of each family of circuits, by order from the lowest.
    struct Family {
        int first;
        std::vector<QSize> sizes;
    };
    const Family families[] = {
        {kHighPassLadderPictures, {{215, 153}, {215, 153}, {215, 153}, {215, 153}, {231, 153}, {240, 153}}},
        {kLowPassLadderPictures, {{215, 153}, {215, 153}, {234, 153}, {234, 153}, {272, 153}, {286, 153}}},
        {kHighPassActivePictures, {{264, 153}, {309, 153}, {454, 153}, {502, 153}}},
        {kLowPassActivePictures, {{264, 153}, {300, 153}, {450, 153}, {497, 153}}},
        {kBandPassLadderPictures, {{216, 153}, {243, 153}, {323, 153}}},
        {kBandStopLadderPictures, {{193, 154}, {219, 154}, {304, 154}}},
    };
    for (const Family& family : families)
        for (int i = 0; i < int(family.sizes.size()); ++i) {
            const int number = family.first + i, width = family.sizes[i].width();
            RegisterPicture(number, family.sizes[i], [number, width] {
                if (const std::vector<LadderBranch> ladder = pictures::LadderOf(number); !ladder.empty())
                    return pictures::DrawLadder(ladder, width);
                return pictures::DrawActiveFilter(*pictures::ActiveFilterOf(number), width);
            });
        }
}

}  // namespace vokta::ui
