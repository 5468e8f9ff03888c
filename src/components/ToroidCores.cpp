#include "components/ToroidCores.h"

namespace vokta {

namespace {

constexpr double kMHz = 1e6;

// Frequency ranges for inductors and A_L tolerances of the materials.
// Iron powder: the Micrometals carbonyl-iron mixes as Micrometals and Amidon Associates list them
// (material table of the iron-powder toroid catalogue: mix 2, red, µ 10, 0.25–10 MHz; mix 6, yellow,
// µ 8, 2–30 MHz; mix 10, black, µ 6, 10–100 MHz). Micrometals makes its RF materials to ±5 % of the
// published A_L (product tolerance guide).
// Ferrite: Fair-Rite materials as the Amidon ferrite-toroid table lists them for inductors (43: µ 850,
// 0.01–1 MHz; 61: µ 125, 0.2–15 MHz; 77: µ 2000, 0.001–1 MHz); Fair-Rite gives its toroids' A_L to
// ±20 %.
constexpr CoreMix kMixes[] = {
    {"2", CoreMaterial::IronPowder, 0.25 * kMHz, 10 * kMHz, 0.05},
    {"6", CoreMaterial::IronPowder, 2 * kMHz, 30 * kMHz, 0.05},
    {"10", CoreMaterial::IronPowder, 10 * kMHz, 100 * kMHz, 0.05},
    {"43", CoreMaterial::Ferrite, 0.01 * kMHz, 1 * kMHz, 0.20},
    {"61", CoreMaterial::Ferrite, 0.2 * kMHz, 15 * kMHz, 0.20},
    {"77", CoreMaterial::Ferrite, 0.001 * kMHz, 1 * kMHz, 0.20},
};
constexpr const CoreMix* kMix2 = &kMixes[0];
constexpr const CoreMix* kMix6 = &kMixes[1];
constexpr const CoreMix* kMix10 = &kMixes[2];
constexpr const CoreMix* kMix43 = &kMixes[3];
constexpr const CoreMix* kMix61 = &kMixes[4];
constexpr const CoreMix* kMix77 = &kMixes[5];

// The catalogues give sizes in inches.
constexpr double Inch(double inches) {
    return inches * 25.4;
}

// A core from the catalogue's units: A_L of iron powder in µH per 100 turns (a tenth of nH per turn²),
// of ferrite in mH per 1000 turns (nH per turn²); outer diameter, inner diameter and height in inches.
constexpr ToroidCore Iron(std::string_view size, const CoreMix* mix, double uHper100, double od, double id,
                          double h) {
    return {size, mix, uHper100 / 10, Inch(od), Inch(id), Inch(h)};
}
constexpr ToroidCore Ferrite(std::string_view size, const CoreMix* mix, double mHper1000, double od,
                             double id, double h) {
    return {size, mix, mHper1000, Inch(od), Inch(id), Inch(h)};
}

// Iron-powder toroids: A_L (µH/100 turns) and dimensions (OD, ID, height, inches) from the Micrometals
// iron-powder core catalogue as Amidon Associates publishes it ("Iron powder toroidal cores": A_L values
// by size and mix, physical dimensions). Mix 10 is not made above T-94.
// Ferrite toroids: A_L (mH/1000 turns) and dimensions from the Amidon ferrite-toroid table (cores of
// Fair-Rite material).
constexpr ToroidCore kCores[] = {
    Iron("T-37", kMix2, 40, 0.375, 0.205, 0.128),
    Iron("T-44", kMix2, 52, 0.440, 0.229, 0.159),
    Iron("T-50", kMix2, 49, 0.500, 0.303, 0.190),
    Iron("T-68", kMix2, 57, 0.690, 0.370, 0.190),
    Iron("T-80", kMix2, 55, 0.795, 0.495, 0.250),
    Iron("T-94", kMix2, 84, 0.942, 0.560, 0.312),
    Iron("T-106", kMix2, 135, 1.060, 0.570, 0.437),
    Iron("T-130", kMix2, 110, 1.300, 0.780, 0.437),
    Iron("T-157", kMix2, 140, 1.570, 0.950, 0.570),
    Iron("T-184", kMix2, 240, 1.840, 0.950, 0.710),
    Iron("T-200", kMix2, 120, 2.000, 1.250, 0.550),

    Iron("T-37", kMix6, 30, 0.375, 0.205, 0.128),
    Iron("T-44", kMix6, 42, 0.440, 0.229, 0.159),
    Iron("T-50", kMix6, 40, 0.500, 0.303, 0.190),
    Iron("T-68", kMix6, 47, 0.690, 0.370, 0.190),
    Iron("T-80", kMix6, 45, 0.795, 0.495, 0.250),
    Iron("T-94", kMix6, 70, 0.942, 0.560, 0.312),
    Iron("T-106", kMix6, 116, 1.060, 0.570, 0.437),
    Iron("T-130", kMix6, 96, 1.300, 0.780, 0.437),
    Iron("T-157", kMix6, 115, 1.570, 0.950, 0.570),
    Iron("T-184", kMix6, 195, 1.840, 0.950, 0.710),
    Iron("T-200", kMix6, 100, 2.000, 1.250, 0.550),

    Iron("T-37", kMix10, 25, 0.375, 0.205, 0.128),
    Iron("T-44", kMix10, 33, 0.440, 0.229, 0.159),
    Iron("T-50", kMix10, 31, 0.500, 0.303, 0.190),
    Iron("T-68", kMix10, 32, 0.690, 0.370, 0.190),
    Iron("T-80", kMix10, 32, 0.795, 0.495, 0.250),
    Iron("T-94", kMix10, 58, 0.942, 0.560, 0.312),

    Ferrite("FT-37", kMix43, 420, 0.375, 0.187, 0.125),
    Ferrite("FT-50", kMix43, 523, 0.500, 0.281, 0.188),
    Ferrite("FT-50A", kMix43, 570, 0.500, 0.312, 0.250),
    Ferrite("FT-50B", kMix43, 1140, 0.500, 0.312, 0.500),
    Ferrite("FT-82", kMix43, 557, 0.825, 0.520, 0.250),
    Ferrite("FT-114", kMix43, 603, 1.142, 0.748, 0.295),

    Ferrite("FT-37", kMix61, 55.3, 0.375, 0.187, 0.125),
    Ferrite("FT-50", kMix61, 68, 0.500, 0.281, 0.188),
    Ferrite("FT-50A", kMix61, 75, 0.500, 0.312, 0.250),
    Ferrite("FT-50B", kMix61, 150, 0.500, 0.312, 0.500),
    Ferrite("FT-82", kMix61, 73.3, 0.825, 0.520, 0.250),
    Ferrite("FT-114", kMix61, 79.3, 1.142, 0.748, 0.295),

    Ferrite("FT-37", kMix77, 884, 0.375, 0.187, 0.125),
    Ferrite("FT-50", kMix77, 990, 0.500, 0.281, 0.188),
    Ferrite("FT-50A", kMix77, 1080, 0.500, 0.312, 0.250),
    Ferrite("FT-50B", kMix77, 2160, 0.500, 0.312, 0.500),
    Ferrite("FT-82", kMix77, 1060, 0.825, 0.520, 0.250),
    Ferrite("FT-114", kMix77, 1270, 1.142, 0.748, 0.295),
};

}  // namespace

std::string ToroidCore::Name() const {
    return std::string(size) + "-" + std::string(mix ? mix->name : "");
}

std::span<const CoreMix> CoreMixes() {
    return kMixes;
}

std::span<const ToroidCore> ToroidCores() {
    return kCores;
}

std::vector<ToroidCore> CoreFamily(std::string_view mixName) {
    std::vector<ToroidCore> family;
    for (const ToroidCore& core : kCores)
        if (core.mix->name == mixName) family.push_back(core);
    return family;
}

std::optional<ToroidCore> FindToroidCore(std::string_view name) {
    for (const ToroidCore& core : kCores)
        if (core.Name() == name) return core;
    return std::nullopt;
}

}  // namespace vokta
