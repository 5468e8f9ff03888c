#include "filters/Prototypes.h"

#include <stdexcept>

#include "base/Checked.h"
#include "base/RuntimeError.h"
#include "filters/FilterOrder.h"

namespace vokta {

namespace {

using Member = float PrototypeValues::*;

// Ladder position k keeps its value in kPositions[k - 1].
constexpr Member kPositions[] = {&PrototypeValues::ProtoC1, &PrototypeValues::ProtoL1,
                                 &PrototypeValues::ProtoC2, &PrototypeValues::ProtoL2,
                                 &PrototypeValues::ProtoC3, &PrototypeValues::ProtoL3,
                                 &PrototypeValues::ProtoC4};

Member At(int position) {
    if (position < 1 || position > 7) throw std::out_of_range("prototype position outside 1..7");
    return kPositions[position - 1];
}

struct Row {
    int16_t order;
    float ripple;  // dB; 0 in the Butterworth table
    float g[7];
};

constexpr Row kButterworth[] = {
    {2, 0, {1.4142f, 1.4142f}},
    {3, 0, {1.0f, 2.0f, 1.0f}},
    {4, 0, {0.7654f, 1.8478f, 1.8478f, 0.7654f}},
    {5, 0, {0.618f, 1.618f, 2.0f, 1.618f, 0.618f}},
    {6, 0, {0.5176f, 1.4142f, 1.9319f, 1.9319f, 1.4142f, 0.5176f}},
    {7, 0, {0.445f, 1.247f, 1.8019f, 2.0f, 1.8019f, 1.247f, 0.445f}},
};

constexpr Row kChebyshev[] = {
    {3, 0.5f, {1.596f, 1.097f, 1.596f}},
    {3, 1.0f, {2.024f, 0.994f, 2.024f}},
    {3, 2.0f, {2.711f, 0.833f, 2.711f}},
    {3, 3.0f, {3.349f, 0.712f, 3.349f}},
    {5, 0.5f, {1.706f, 1.23f, 2.541f, 1.23f, 1.706f}},
    {5, 1.0f, {2.135f, 1.091f, 3.001f, 1.091f, 2.135f}},
    {5, 2.0f, {2.831f, 0.899f, 3.783f, 0.899f, 2.831f}},
    {5, 3.0f, {3.481f, 0.762f, 4.538f, 0.762f, 3.481f}},
    {7, 0.5f, {1.737f, 1.258f, 2.638f, 1.344f, 2.638f, 1.258f, 1.737f}},
    {7, 1.0f, {2.167f, 1.112f, 3.094f, 1.174f, 3.094f, 1.112f, 2.167f}},
    {7, 2.0f, {2.865f, 0.912f, 3.877f, 0.954f, 3.877f, 0.912f, 2.865f}},
    {7, 3.0f, {3.519f, 0.772f, 4.639f, 0.804f, 4.639f, 0.772f, 3.519f}},
};

void Apply(PrototypeValues& values, const Row& row) {
    for (int k = 1; k <= row.order; ++k) values.setG(k, row.g[k - 1]);
}

}  // namespace

float PrototypeValues::g(int position) const {
    return this->*At(position);
}

void PrototypeValues::setG(int position, float value) {
    this->*At(position) = value;
}

bool LoadButterworthPrototype(PrototypeValues& values, int16_t N) {
    for (const Row& row : kButterworth) {
        if (row.order != N) continue;
        Apply(values, row);
        return true;
    }
    return false;
}

bool LoadChebyshevPrototype(PrototypeValues& values, int16_t N, float Amin) {
    for (const Row& row : kChebyshev) {
        if (row.order != N || row.ripple != Amin) continue;
        Apply(values, row);
        return true;
    }
    return false;
}

float HighPassButterworthEdge(float F1, float Amin, int16_t N) {
    if (Amin != 3.0f) return F1;
    const int16_t twiceN = MulInt16(2, N);
    // An order of 0 comes from a stop-band frequency on the wrong side of the edge.
    if (twiceN == 0)
        throw RuntimeError(ErrorKind::DivisionByZero, StopBandNotBeyondEdgeMessage(FilterType::HighPass));
    const double epsilon = Sqrt(Pow(10.0, 0.1 * double(Amin)) - 1.0);
    return Single(double(F1) * Pow(epsilon, Div(1.0, twiceN)));
}

}  // namespace vokta
