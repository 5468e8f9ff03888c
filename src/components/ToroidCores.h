#pragma once

// Toroidal cores a radio amateur winds RF coils on: iron-powder toroids (carbonyl iron, "T-50-2") and
// ferrite toroids ("FT-82-43") as the makers' catalogues list them, with each core's inductance factor
// A_L, its size and the material's frequency range and A_L tolerance.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vokta {

enum class CoreMaterial { IronPowder, Ferrite };

// A core material ("mix"): the maker's name for it, the frequency range the maker recommends it for in
// inductors, and the tolerance to which every core of it is made to its published A_L.
struct CoreMix {
    std::string_view name;  // "2", "6", "10", "43", "61", "77"
    CoreMaterial material;
    double minHz = 0, maxHz = 0;
    double alTolerance = 0;  // ± fraction: 0.05 is ±5 %
};

struct ToroidCore {
    std::string_view size;  // "T-50", "FT-82"
    const CoreMix* mix = nullptr;
    double alNanohenry = 0;  // A_L, nH per turn²
    double outerMm = 0, innerMm = 0, heightMm = 0;

    std::string Name() const;  // "T-50-2", "FT-82-43"
    double AlHenry() const { return alNanohenry * 1e-9; }
};

// The materials of the catalogue: iron powder first, then ferrite.
std::span<const CoreMix> CoreMixes();

// Every core of the catalogue, material by material in the order of CoreMixes, each smallest first.
std::span<const ToroidCore> ToroidCores();

// The cores of one material ("2", "43"), smallest first: a family a filter's coils are wound on.
std::vector<ToroidCore> CoreFamily(std::string_view mixName);

// The core of that name ("T-50-2"); nothing for a name not in the catalogue.
std::optional<ToroidCore> FindToroidCore(std::string_view name);

}  // namespace vokta
