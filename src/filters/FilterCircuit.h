#pragma once

// The circuits of the filter calculator, described once: the four filter shapes and the two responses,
// the passive ladder of every shape and order branch by branch, the stages of every active filter, the
// circuits with their values (a ladder or an active circuit) and their makers from the values the results
// window holds, and the number of the picture that draws each circuit. The designs fill these circuits
// with values, the frequency response, the parts list, the netlist and the tolerance run work on them and
// the pictures draw them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "base/Elements.h"
#include "base/Units.h"

namespace vokta {

struct ActiveValues;  // ActiveRc.h: the values of the active designs as the results window holds them

enum class FilterType { LowPass, HighPass, BandPass, BandStop };
enum class FilterResponse { Butterworth, Chebyshev };

// The approximations of the exact design: the results window's two responses, the elliptic (Cauer)
// response with its attenuation poles in the stop band, and the Bessel (Thomson) response of maximally flat
// group delay.
enum class FilterFamily { Butterworth, Chebyshev, Elliptic, Bessel };
inline FilterFamily FamilyOf(FilterResponse response) {
    return response == FilterResponse::Butterworth ? FilterFamily::Butterworth : FilterFamily::Chebyshev;
}

// Band-pass or band-stop.
bool IsBandFilter(FilterType type);

// Orders the ladders are designed for.
inline constexpr int16_t kMinLadderOrder = 2;
inline constexpr int16_t kMaxLadderOrder = 7;      // low-pass and high-pass
inline constexpr int16_t kMaxBandLadderOrder = 4;  // band-pass and band-stop (prototype order)

// Orders of the active RC filters, which are low-pass or high-pass.
inline constexpr int kActiveRcMinOrder = 2;
inline constexpr int kActiveRcMaxOrder = 5;

// ---- Passive ladders ------------------------------------------------------------------------------------

enum class BranchPlace { Series, Shunt };  // in the line, or from the line to ground
// A lone inductor or capacitor, the two in series or in parallel (values l and c), or any other arm
// (Network: the branch's arm).
enum class BranchParts { L, C, SeriesLC, ParallelLC, Network };

// The arm of a ladder branch in general: a network of two terminals built of inductors, capacitors and
// resistors, either one element or a series or a parallel combination of such networks. An elliptic
// ladder's trap is the parallel combination of an inductor and a capacitor; a band-pass ladder made from
// it has the parallel combination of a series resonator, an inductor and a capacitor; a coil's loss is a
// resistor in series with its inductor. Values are SI and double.
struct Arm {
    enum class Join { Element, Series, Parallel };
    Join join = Join::Element;
    ElementKind kind = ElementKind::Inductor;  // an element's: Inductor, Capacitor or Resistor
    double value = 0;                          // an element's: H, F or Ω
    std::vector<Arm> parts;                    // a combination's, in order

    static Arm Element(ElementKind kind, double value) { return {Join::Element, kind, value, {}}; }
    static Arm Series(std::vector<Arm> parts) {
        return {Join::Series, ElementKind::Inductor, 0, std::move(parts)};
    }
    static Arm Parallel(std::vector<Arm> parts) {
        return {Join::Parallel, ElementKind::Inductor, 0, std::move(parts)};
    }
};

// One branch of a passive ladder. The low-pass and high-pass ladders number their inductors and their
// capacitors separately from the input (L1, L2, ... and C1, C2, ...); branch p of a band ladder is the
// resonator of Lp and Cp. The four simple arms hold their values in l and c, in single precision as the
// results window does; any other arm is in 'arm' (parts Network), in double precision.
struct LadderBranch {
    int position = 0;  // 1..n from the input; the branch takes the prototype value g(position)
    BranchPlace place = BranchPlace::Series;
    BranchParts parts = BranchParts::L;
    int number = 0;  // the designator number of its inductor and of its capacitor (0 in a Network branch)
    float l = 0;     // µH (not used by a lone capacitor)
    float c = 0;     // µF (not used by a lone inductor)
    Arm arm;         // the arm of a Network branch
};

// A branch whose arm is the given network.
LadderBranch NetworkBranch(int position, BranchPlace place, Arm arm);

// The arm of any branch: a simple one's inductor and capacitor (µH and µF to H and F) alone, in series
// (inductor first) or in parallel (inductor first); a Network branch's own.
Arm ArmOf(const LadderBranch& branch);

// Every element of a branch in the order the parts list names them: a simple branch's inductor, then its
// capacitor, as visit(kind, stored, unit) with 'stored' the float it keeps (µH, µF; unit 1e-6); a Network
// branch's elements depth first, with 'stored' the double it keeps (unit 1). Const or not, as the branch.
template <typename Branch, typename Visit>
void ForEachElement(Branch& branch, Visit&& visit);

// Whether a ladder of that shape and order exists: 2..7 for low-pass and high-pass, 2..4 for the band
// filters.
bool HasLadder(FilterType type, int n);

// The ladder of that shape and order, branches from the input, without values. The branch nearest the
// output is a shunt branch, so an odd order begins with a shunt branch at the input. Low-pass: inductors
// in the line, capacitors to ground; high-pass: the dual; band-pass: series resonators in the line,
// parallel ones to ground; band-stop: the other way round. Throws std::out_of_range for an order without
// a ladder.
std::vector<LadderBranch> LadderBranches(FilterType type, int n);

// The same layout for any order from 1 on, also beyond the orders the pictures draw.
std::vector<LadderBranch> LadderLayout(FilterType type, int n);

// ---- Active filters -------------------------------------------------------------------------------------

// An active filter of order n is a cascade of second-order sections, one for orders 2 and 3, two for 4
// and 5, preceded at the input by a first-order group for the odd orders.
struct ActiveStages {
    bool firstOrderGroup = false;
    int sections = 0;
};
// Throws std::out_of_range for an order outside 2..5.
ActiveStages ActiveStagesOf(int n);

// The parts of an active filter as its picture names them. A low-pass has resistors in the line and
// capacitors from the line to the output and to ground, a high-pass the other way round. The pictures
// number DA1's section first (the parts in the line 1 and 2, the two others 1 and 2, its divider R3 from
// the output and R4 to ground), then the first-order group of an odd order (C3 and R5), then DA2's
// section, which repeats the names of DA1's parts in the line and gives its other parts and its divider
// the next free numbers of their letters.
struct DesignatedPart {
    ElementKind kind = ElementKind::Resistor;
    std::string designator;  // "R1", "C3", "DA1"
};
struct ActiveGroupDesignators {
    DesignatedPart series, shunt;
};
struct ActiveSectionDesignators {
    DesignatedPart series1, series2;  // in the line, from the input
    DesignatedPart feedback;          // from the node between them to the output
    DesignatedPart shunt;             // from the amplifier's input to ground
    DesignatedPart amplifier;
    DesignatedPart dividerFromOutput, dividerToGround;
};
struct ActiveDesignators {
    std::optional<ActiveGroupDesignators> group;
    std::vector<ActiveSectionDesignators> sections;  // in cascade, from the input
    // Every part in the order the signal meets them: the group's part in the line and the one to ground,
    // then each section's parts in the order of their members above.
    std::vector<DesignatedPart> InCascade() const;
};
// Throws std::out_of_range for an order outside 2..5.
ActiveDesignators ActiveFilterDesignators(bool highPass, int n);

// ---- Circuits with their values -------------------------------------------------------------------------

template <typename A, typename Visit>
void ForEachArmElement(A& arm, Visit& visit) {
    if (arm.join == Arm::Join::Element) {
        visit(arm.kind, arm.value, 1.0);
        return;
    }
    for (auto& part : arm.parts) ForEachArmElement(part, visit);
}

template <typename Branch, typename Visit>
void ForEachElement(Branch& branch, Visit&& visit) {
    if (branch.parts == BranchParts::Network) {
        ForEachArmElement(branch.arm, visit);
        return;
    }
    if (branch.parts != BranchParts::C) visit(ElementKind::Inductor, branch.l, units::kMicroToBase);
    if (branch.parts != BranchParts::L) visit(ElementKind::Capacitor, branch.c, units::kMicroToBase);
}

// A passive LC ladder, branches counted from the input, doubly terminated: driven from a source of
// resistance rn and loaded by rn.
struct LadderCircuit {
    double rn = 0;  // ohm
    std::vector<LadderBranch> branches;
};

enum class ActiveStageKind {
    // A first-order group: low-pass R in the line and C to ground, high-pass C in the line and R to
    // ground. Unless a follower comes after it, the stage after it loads it.
    FirstOrder,
    // A Sallen-Key section around an ideal amplifier with the gain of its divider,
    // K = 1 + rFeedback / rGround (low-pass: two R in the line, C from their junction to the output and C
    // to ground; high-pass: R and C change places).
    Section,
    // A unity-gain follower (an ideal amplifier with its output on its inverting input): it passes the
    // voltage on and isolates what comes before it from the load after it. No R or C of its own.
    Follower,
};

struct ActiveStage {
    ActiveStageKind kind = ActiveStageKind::Section;
    // The frequency-setting parts, kΩ and µF. A first-order group has r[0] and c[0]. A section's pair in
    // the line comes first from the input: low-pass r[0], r[1] in the line, c[0] from their junction to
    // the output, c[1] to ground; high-pass c[0], c[1] in the line, r[0] from their junction to the
    // output, r[1] to ground. The designs give both of a pair the same value; a part drawn within its
    // tolerance moves on its own.
    std::array<float, 2> r{};
    std::array<float, 2> c{};
    float rFeedback = 0;  // kΩ, section only: from the amplifier's output to its inverting input
    float rGround = 0;    // kΩ, section only: from the inverting input to ground
};

// How many of r and of c a stage uses: a section 2, a first-order group 1, a follower none.
inline int FrequencyParts(ActiveStageKind kind) {
    return kind == ActiveStageKind::Section ? 2 : kind == ActiveStageKind::FirstOrder ? 1 : 0;
}

// The stages as the designs build them.
inline ActiveStage GroupStage(float r, float c) {
    return {ActiveStageKind::FirstOrder, {r, 0}, {c, 0}, 0, 0};
}
inline ActiveStage SectionStage(float r, float c, float rFeedback, float rGround) {
    return {ActiveStageKind::Section, {r, r}, {c, c}, rFeedback, rGround};
}
inline ActiveStage FollowerStage() {
    return {ActiveStageKind::Follower, {}, {}, 0, 0};
}

// An active RC filter: stages from the input, driven from an ideal voltage source.
struct ActiveCircuit {
    bool highPass = false;
    std::vector<ActiveStage> stages;
};

using FilterCircuit = std::variant<LadderCircuit, ActiveCircuit>;

// ---- The circuits of the results window -----------------------------------------------------------------

// The ladder of that shape and order (LadderBranches) with the values ValC1..ValC4 (µF) and ValL1..ValL4
// (µH) as the results window holds them: each branch takes the values of its designators. Throws
// InvalidArgument for an order that has no ladder.
LadderCircuit PassiveLadderCircuit(FilterType type, int n, double rn, const std::array<float, 4>& valC,
                                   const std::array<float, 4>& valL);

// The active circuit of order n (2..5) that the design of that type and response shows with the values
// the results window holds; ra is a high-pass's resistance of DA1's section in kΩ, as its text reads back.
ActiveCircuit ActiveFilterCircuit(FilterType type, FilterResponse response, int n, const ActiveValues& values,
                                  double ra);

// ---- Pictures -------------------------------------------------------------------------------------------

// The number of the picture that draws the ladder, or the active filter, of that shape and order; 0 when
// there is no such circuit.
int LadderPicture(FilterType type, int n);
int ActiveFilterPicture(FilterType type, int n);

// The circuit a picture draws.
struct PictureCircuit {
    bool active = false;
    FilterType type = FilterType::LowPass;
    int order = 0;
};
// Nothing for a picture that draws no filter.
std::optional<PictureCircuit> CircuitOfPicture(int picture);

}  // namespace vokta
