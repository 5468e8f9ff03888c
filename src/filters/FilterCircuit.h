#pragma once

// The circuits of the filter calculator, described once: the four filter shapes and the two responses,
// the passive ladder of every shape and order branch by branch, the stages of every active filter, and
// the number of the picture that draws each circuit. The designs fill these circuits with values, the
// frequency response is computed on them and the pictures draw them.

#include <cstdint>
#include <optional>
#include <vector>

namespace vokta {

enum class FilterType { LowPass, HighPass, BandPass, BandStop };
enum class FilterResponse { Butterworth, Chebyshev };

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
enum class BranchParts { L, C, SeriesLC, ParallelLC };

// One branch of a passive ladder. The low-pass and high-pass ladders number their inductors and their
// capacitors separately from the input (L1, L2, ... and C1, C2, ...); branch p of a band ladder is the
// resonator of Lp and Cp.
struct LadderBranch {
    int position = 0;  // 1..n from the input; the branch takes the prototype value g(position)
    BranchPlace place = BranchPlace::Series;
    BranchParts parts = BranchParts::L;
    int number = 0;  // the designator number of its inductor and of its capacitor
    float l = 0;     // µH (not used by a lone capacitor)
    float c = 0;     // µF (not used by a lone inductor)
};

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
