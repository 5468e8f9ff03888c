#include "filters/FilterCircuit.h"

#include <stdexcept>

#include "base/PictureNumbers.h"
#include "base/RuntimeError.h"
#include "base/Units.h"
#include "filters/ActiveRc.h"

namespace vokta {

namespace {

// The filter pictures: each circuit family takes consecutive numbers, its lowest order first.
struct PictureRange {
    bool active;
    FilterType type;
    int first;  // the picture of the lowest order
    int lowest, highest;
};
constexpr PictureRange kPictureRanges[] = {
    {false, FilterType::HighPass, kHighPassLadderPictures, kMinLadderOrder, kMaxLadderOrder},
    {false, FilterType::LowPass, kLowPassLadderPictures, kMinLadderOrder, kMaxLadderOrder},
    {true, FilterType::HighPass, kHighPassActivePictures, kActiveRcMinOrder, kActiveRcMaxOrder},
    {true, FilterType::LowPass, kLowPassActivePictures, kActiveRcMinOrder, kActiveRcMaxOrder},
    {false, FilterType::BandPass, kBandPassLadderPictures, kMinLadderOrder, kMaxBandLadderOrder},
    {false, FilterType::BandStop, kBandStopLadderPictures, kMinLadderOrder, kMaxBandLadderOrder},
};

int Picture(bool active, FilterType type, int n) {
    for (const PictureRange& range : kPictureRanges)
        if (range.active == active && range.type == type && n >= range.lowest && n <= range.highest)
            return range.first + n - range.lowest;
    return 0;
}

}  // namespace

bool IsBandFilter(FilterType type) {
    return type == FilterType::BandPass || type == FilterType::BandStop;
}

bool HasLadder(FilterType type, int n) {
    return n >= kMinLadderOrder && n <= (IsBandFilter(type) ? kMaxBandLadderOrder : kMaxLadderOrder);
}

std::vector<LadderBranch> LadderBranches(FilterType type, int n) {
    if (!HasLadder(type, n)) throw std::out_of_range("ladder order outside its range");
    return LadderLayout(type, n);
}

std::vector<LadderBranch> LadderLayout(FilterType type, int n) {
    std::vector<LadderBranch> ladder;
    int inductors = 0, capacitors = 0;
    for (int p = 1; p <= n; ++p) {
        LadderBranch branch;
        branch.position = p;
        // The branch nearest the output is a shunt branch.
        const bool shunt = (n - p) % 2 == 0;
        branch.place = shunt ? BranchPlace::Shunt : BranchPlace::Series;
        switch (type) {
            case FilterType::LowPass:
            case FilterType::HighPass: {
                const bool capacitor = shunt == (type == FilterType::LowPass);
                branch.parts = capacitor ? BranchParts::C : BranchParts::L;
                branch.number = capacitor ? ++capacitors : ++inductors;
                break;
            }
            case FilterType::BandPass:
            case FilterType::BandStop:
                branch.parts =
                    shunt == (type == FilterType::BandPass) ? BranchParts::ParallelLC : BranchParts::SeriesLC;
                branch.number = p;
                break;
        }
        ladder.push_back(branch);
    }
    return ladder;
}

LadderBranch NetworkBranch(int position, BranchPlace place, Arm arm) {
    LadderBranch branch;
    branch.position = position;
    branch.place = place;
    branch.parts = BranchParts::Network;
    branch.arm = std::move(arm);
    return branch;
}

Arm ArmOf(const LadderBranch& branch) {
    const Arm l = Arm::Element(ElementKind::Inductor, double(branch.l) * units::kMicroToBase);
    const Arm c = Arm::Element(ElementKind::Capacitor, double(branch.c) * units::kMicroToBase);
    switch (branch.parts) {
        case BranchParts::L:
            return l;
        case BranchParts::C:
            return c;
        case BranchParts::SeriesLC:
            return Arm::Series({l, c});
        case BranchParts::ParallelLC:
            return Arm::Parallel({l, c});
        case BranchParts::Network:
            break;
    }
    return branch.arm;
}

ActiveStages ActiveStagesOf(int n) {
    if (n < kActiveRcMinOrder || n > kActiveRcMaxOrder)
        throw std::out_of_range("active filter order outside its range");
    return {n % 2 == 1, n >= 4 ? 2 : 1};
}

std::vector<DesignatedPart> ActiveDesignators::InCascade() const {
    std::vector<DesignatedPart> parts;
    if (group) parts.insert(parts.end(), {group->series, group->shunt});
    for (const ActiveSectionDesignators& s : sections)
        parts.insert(parts.end(), {s.series1, s.series2, s.feedback, s.shunt, s.amplifier,
                                   s.dividerFromOutput, s.dividerToGround});
    return parts;
}

ActiveDesignators ActiveFilterDesignators(bool highPass, int n) {
    const ActiveStages stages = ActiveStagesOf(n);
    const ElementKind line = highPass ? ElementKind::Capacitor : ElementKind::Resistor;
    const ElementKind other = highPass ? ElementKind::Resistor : ElementKind::Capacitor;
    int resistors = 0, capacitors = 0, amplifiers = 0;  // the numbers given so far
    auto next = [&](ElementKind kind) {
        const bool r = kind == ElementKind::Resistor, c = kind == ElementKind::Capacitor;
        int& count = r ? resistors : c ? capacitors : amplifiers;
        return DesignatedPart{kind, (r ? "R" : c ? "C" : "DA") + std::to_string(++count)};
    };
    auto section = [&](const ActiveSectionDesignators* repeatLine) {
        ActiveSectionDesignators s;
        s.series1 = repeatLine ? repeatLine->series1 : next(line);
        s.series2 = repeatLine ? repeatLine->series2 : next(line);
        s.feedback = next(other);
        s.shunt = next(other);
        s.amplifier = next(ElementKind::Amplifier);
        s.dividerFromOutput = next(ElementKind::Resistor);
        s.dividerToGround = next(ElementKind::Resistor);
        return s;
    };
    ActiveDesignators d;
    d.sections.push_back(section(nullptr));
    if (stages.firstOrderGroup) {
        const DesignatedPart c = next(ElementKind::Capacitor), r = next(ElementKind::Resistor);
        d.group = highPass ? ActiveGroupDesignators{c, r} : ActiveGroupDesignators{r, c};
    }
    if (stages.sections == 2) d.sections.push_back(section(&d.sections[0]));
    return d;
}

int LadderPicture(FilterType type, int n) {
    return Picture(false, type, n);
}

int ActiveFilterPicture(FilterType type, int n) {
    return Picture(true, type, n);
}

std::optional<PictureCircuit> CircuitOfPicture(int picture) {
    for (const PictureRange& range : kPictureRanges) {
        const int order = picture - range.first + range.lowest;
        if (order >= range.lowest && order <= range.highest)
            return PictureCircuit{range.active, range.type, order};
    }
    return std::nullopt;
}

// ---- The circuits of the results window -----------------------------------------------------------------

LadderCircuit PassiveLadderCircuit(FilterType type, int n, double rn, const std::array<float, 4>& valC,
                                   const std::array<float, 4>& valL) {
    if (!HasLadder(type, n))
        Fail(ErrorKind::InvalidArgument, "Для фильтра такого порядка схемы нет: АЧХ не построить.");
    LadderCircuit circuit;
    circuit.rn = rn;
    circuit.branches = LadderBranches(type, n);
    for (LadderBranch& b : circuit.branches) {
        if (b.parts != BranchParts::C) b.l = valL.at(b.number - 1);
        if (b.parts != BranchParts::L) b.c = valC.at(b.number - 1);
    }
    return circuit;
}

ActiveCircuit ActiveFilterCircuit(FilterType type, FilterResponse response, int n, const ActiveValues& v,
                                  double raBack) {
    if (n < kActiveRcMinOrder || n > kActiveRcMaxOrder)
        Fail(ErrorKind::InvalidArgument, "Для фильтра такого порядка схемы нет: АЧХ не построить.");
    const bool chebyshev = response == FilterResponse::Chebyshev;
    const ActiveStages stages = ActiveStagesOf(n);
    const bool odd = stages.firstOrderGroup, twoSections = stages.sections == 2;
    ActiveCircuit circuit;
    circuit.highPass = type == FilterType::HighPass;
    auto group = [&](float r, float c) { circuit.stages.push_back(GroupStage(r, c)); };
    auto section = [&](float r, float c, float feedback, float ground) {
        circuit.stages.push_back(SectionStage(r, c, feedback, ground));
    };
    if (!circuit.highPass) {
        // Every resistor is R; the capacitors of each group as designed. Both amplifiers' resistors to
        // ground are R4 (R4,R6 or R4,R7), DA2's feedback resistor is R5 (order 4) or R6 (order 5).
        const float r = v.ValR1;
        const float c1 = v.ValC1;
        const float cGroup = chebyshev ? v.ValC3 : c1;
        const float c2 = !chebyshev ? c1 : (n == 4 ? v.ValC3 : v.ValC4);
        if (odd) group(r, cGroup);
        section(r, c1, v.ValR3, v.ValR4);
        if (twoSections) section(r, c2, n == 4 ? v.ValR5 : v.ValR6, v.ValR4);
    } else {
        // Every capacitor is C; DA1's section has Ra. Butterworth: every resistor is Ra and DA2's divider
        // is R7 or R8 (ValR5 or ValR7) over R4's value. Chebyshev: the group's R5 and DA2's section have
        // resistances of their own, and DA2's divider too.
        const float c = v.ValC1;
        const float ra = float(raBack);
        const float rGroup = chebyshev ? v.ValR1 : ra;
        const float r2 = !chebyshev ? ra : (n == 4 ? v.ValR1 : v.ValR6);
        float feedback2 = 0, ground2 = v.ValR4;
        if (!chebyshev) {
            feedback2 = n == 4 ? v.ValR5 : v.ValR7;
        } else {
            feedback2 = v.ValR7;
            ground2 = n == 4 ? v.ValR5 : v.ValR2;
        }
        if (odd) group(rGroup, c);
        section(ra, c, v.ValR3, v.ValR4);
        if (twoSections) section(r2, c, feedback2, ground2);
    }
    return circuit;
}

}  // namespace vokta
