#include "filters/FilterCircuit.h"

#include <stdexcept>

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
    {false, FilterType::HighPass, 104, kMinLadderOrder, kMaxLadderOrder},
    {false, FilterType::LowPass, 110, kMinLadderOrder, kMaxLadderOrder},
    {true, FilterType::HighPass, 116, kActiveRcMinOrder, kActiveRcMaxOrder},
    {true, FilterType::LowPass, 120, kActiveRcMinOrder, kActiveRcMaxOrder},
    {false, FilterType::BandPass, 124, kMinLadderOrder, kMaxBandLadderOrder},
    {false, FilterType::BandStop, 127, kMinLadderOrder, kMaxBandLadderOrder},
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

ActiveStages ActiveStagesOf(int n) {
    if (n < kActiveRcMinOrder || n > kActiveRcMaxOrder)
        throw std::out_of_range("active filter order outside its range");
    return {n % 2 == 1, n >= 4 ? 2 : 1};
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

}  // namespace vokta
