#include "filters/FilterParts.h"

#include <cmath>
#include <map>
#include <set>
#include <type_traits>

#include "base/NumberText.h"
#include "base/Units.h"

namespace vokta {

namespace {

// IEC 60063, one decade each. E12 and E6 are every second value of E24 and of E12, E48 every second of E96.
const std::vector<double> kE24 = {1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0,
                                  3.3, 3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1};
const std::vector<double> kE96 = {
    1.00, 1.02, 1.05, 1.07, 1.10, 1.13, 1.15, 1.18, 1.21, 1.24, 1.27, 1.30, 1.33, 1.37, 1.40, 1.43,
    1.47, 1.50, 1.54, 1.58, 1.62, 1.65, 1.69, 1.74, 1.78, 1.82, 1.87, 1.91, 1.96, 2.00, 2.05, 2.10,
    2.15, 2.21, 2.26, 2.32, 2.37, 2.43, 2.49, 2.55, 2.61, 2.67, 2.74, 2.80, 2.87, 2.94, 3.01, 3.09,
    3.16, 3.24, 3.32, 3.40, 3.48, 3.57, 3.65, 3.74, 3.83, 3.92, 4.02, 4.12, 4.22, 4.32, 4.42, 4.53,
    4.64, 4.75, 4.87, 4.99, 5.11, 5.23, 5.36, 5.49, 5.62, 5.76, 5.90, 6.04, 6.19, 6.34, 6.49, 6.65,
    6.81, 6.98, 7.15, 7.32, 7.50, 7.68, 7.87, 8.06, 8.25, 8.45, 8.66, 8.87, 9.09, 9.31, 9.53, 9.76};

std::vector<double> EverySecond(const std::vector<double>& values) {
    std::vector<double> r;
    for (size_t i = 0; i < values.size(); i += 2) r.push_back(values[i]);
    return r;
}

// The unit of a stored value: the circuits keep µH, µF and kΩ in single precision.
using units::kKiloToBase;
using units::kMicroToBase;

// The components of a circuit as the visitors see them: visit(designator, kind, stored, unit) with 'stored'
// a pointer to the value the circuit keeps (a float in µH, µF or kΩ, or a network's double in SI; null for an
// amplifier) and 'unit' the factor that makes it SI.

// A ladder's parts numbered per kind from the input (L1, L2, ..., C1, ..., R1, ...), in the order
// ForEachElement gives them.
template <typename Ladder, typename Visit>
void VisitLadder(Ladder& ladder, Visit visit) {
    int inductors = 0, capacitors = 0, resistors = 0;
    for (auto& branch : ladder.branches)
        ForEachElement(branch, [&](ElementKind kind, auto& stored, double unit) {
            const bool l = kind == ElementKind::Inductor, r = kind == ElementKind::Resistor;
            const std::string name = l   ? "L" + std::to_string(++inductors)
                                     : r ? "R" + std::to_string(++resistors)
                                         : "C" + std::to_string(++capacitors);
            visit(name, kind, &stored, unit);
        });
}

// The designators of an active circuit's parts in the order VisitActive meets them: those of its picture
// when it has one of the pictured shapes (a first-order group perhaps, then one or two sections).
std::vector<std::string> ActivePartNames(const ActiveCircuit& circuit) {
    const auto& stages = circuit.stages;
    const bool group = !stages.empty() && stages[0].kind == ActiveStageKind::FirstOrder;
    int sections = 0;
    bool pictured = true;
    for (size_t i = group ? 1 : 0; i < stages.size(); ++i) {
        pictured &= stages[i].kind == ActiveStageKind::Section;
        ++sections;
    }
    pictured &= sections == 1 || sections == 2;
    std::vector<std::string> names;
    if (!pictured) {
        // Per kind in order.
        std::map<char, int> next;
        auto name = [&](char letter) {
            return std::string(letter == 'D' ? "DA" : std::string(1, letter)) +
                   std::to_string(++next[letter]);
        };
        for (const ActiveStage& stage : stages) {
            const char line = circuit.highPass ? 'C' : 'R', other = circuit.highPass ? 'R' : 'C';
            if (stage.kind == ActiveStageKind::FirstOrder) {
                names.push_back(name(line));
                names.push_back(name(other));
            } else if (stage.kind == ActiveStageKind::Follower) {
                names.push_back(name('D'));
            } else {
                for (char c : {line, line, other, other, 'D', 'R', 'R'}) names.push_back(name(c));
            }
        }
        return names;
    }
    for (const DesignatedPart& p :
         ActiveFilterDesignators(circuit.highPass, (group ? 1 : 0) + 2 * sections).InCascade())
        names.push_back(p.designator);
    // A name the picture repeats goes, the second time, to the next free number of its letter.
    std::map<std::string, int> highest;
    for (const std::string& n : names) {
        const size_t digits = n.find_first_of("0123456789");
        highest[n.substr(0, digits)] = std::max(highest[n.substr(0, digits)], std::stoi(n.substr(digits)));
    }
    std::set<std::string> seen;
    for (std::string& n : names) {
        if (seen.insert(n).second) continue;
        const std::string letter = n.substr(0, n.find_first_of("0123456789"));
        n = letter + std::to_string(++highest[letter]);
        seen.insert(n);
    }
    return names;
}

template <typename Active, typename Visit>
void VisitActive(Active& circuit, Visit visit) {
    const std::vector<std::string> names = ActivePartNames(circuit);
    size_t next = 0;
    using Float = std::conditional_t<std::is_const_v<Active>, const float, float>;
    auto part = [&](ElementKind kind, Float* stored, double unit) {
        visit(names.at(next++), kind, stored, unit);
    };
    const bool hp = circuit.highPass;
    for (auto& stage : circuit.stages) {
        auto r = [&](int i) { part(ElementKind::Resistor, &stage.r[i], kKiloToBase); };
        auto c = [&](int i) { part(ElementKind::Capacitor, &stage.c[i], kMicroToBase); };
        if (stage.kind == ActiveStageKind::Follower) {
            part(ElementKind::Amplifier, nullptr, 0);
            continue;
        }
        // The parts in the line first, then those to the output or to ground.
        const int pairs = FrequencyParts(stage.kind);
        for (int i = 0; i < pairs; ++i) hp ? c(i) : r(i);
        for (int i = 0; i < pairs; ++i) hp ? r(i) : c(i);
        if (stage.kind == ActiveStageKind::FirstOrder) continue;
        part(ElementKind::Amplifier, nullptr, 0);
        part(ElementKind::Resistor, &stage.rFeedback, kKiloToBase);
        part(ElementKind::Resistor, &stage.rGround, kKiloToBase);
    }
}

template <typename Circuit, typename Visit>
void VisitParts(Circuit& circuit, Visit visit) {
    if (auto* ladder = std::get_if<LadderCircuit>(&circuit))
        VisitLadder(*ladder, visit);
    else
        VisitActive(std::get<ActiveCircuit>(circuit), visit);
}

// Rounded to four significant digits, as the texts show a value.
double FourDigits(double x) {
    return ParseNumber(FormatC("%.3e", x));
}

}  // namespace

const std::vector<double>& SeriesValues(ESeries series) {
    static const std::vector<double> none, e12 = EverySecond(kE24), e6 = EverySecond(e12),
                                           e48 = EverySecond(kE96);
    switch (series) {
        case ESeries::None:
            return none;
        case ESeries::E6:
            return e6;
        case ESeries::E12:
            return e12;
        case ESeries::E24:
            return kE24;
        case ESeries::E48:
            return e48;
        case ESeries::E96:
            return kE96;
    }
    return none;
}

const char* SeriesName(ESeries series) {
    static const char* const names[] = {"—", "E6", "E12", "E24", "E48", "E96"};
    return names[int(series)];
}

double NearestStandard(double value, ESeries series) {
    const std::vector<double>& values = SeriesValues(series);
    if (values.empty() || !std::isfinite(value) || !(value > 0)) return value;
    int decade = int(std::floor(std::log10(value)));
    auto scaled = [](double m, int e) { return e >= 0 ? m * std::pow(10.0, e) : m / std::pow(10.0, -e); };
    // The decade's values with the next decade's first; the log error of log10 can put the value just
    // outside its decade, so the neighbours of the decade below count too.
    std::vector<double> candidates;
    for (int e : {decade - 1, decade, decade + 1})
        for (double m : values) candidates.push_back(scaled(m, e));
    candidates.push_back(scaled(1, decade + 2));
    double best = candidates.front();
    for (double c : candidates) {
        // Nearest on a logarithmic scale; at the geometric mean exactly, the larger: c·best == value² there.
        const double dc = std::abs(std::log(c / value)), db = std::abs(std::log(best / value));
        if (dc < db || (dc == db && c > best)) best = c;
    }
    // Exactly at a geometric mean the two logarithms can differ in their last bit: decide that case on the
    // product, which is exact enough to tell.
    for (double c : candidates)
        if (c > best && std::abs(c * best - value * value) <= 1e-12 * value * value) best = c;
    return best;
}

std::vector<FilterPart> CircuitParts(const FilterCircuit& circuit) {
    std::vector<FilterPart> parts;
    VisitParts(circuit,
               [&](const std::string& designator, ElementKind kind, const auto* stored, double unit) {
                   parts.push_back({designator, kind, stored ? double(*stored) * unit : 0});
               });
    return parts;
}

FilterCircuit StandardCircuit(const FilterCircuit& circuit, ESeries series) {
    FilterCircuit standard = circuit;
    VisitParts(standard, [&](const std::string&, ElementKind, auto* stored, double unit) {
        using Stored = std::remove_pointer_t<decltype(stored)>;
        if (stored) *stored = Stored(NearestStandard(double(*stored) * unit, series) / unit);
    });
    return standard;
}

FilterCircuit WithPartValues(const FilterCircuit& circuit, const std::vector<double>& values) {
    FilterCircuit changed = circuit;
    size_t next = 0;
    VisitParts(changed, [&](const std::string&, ElementKind, auto* stored, double unit) {
        using Stored = std::remove_pointer_t<decltype(stored)>;
        const double value = values.at(next++);
        if (stored) *stored = Stored(value / unit);
    });
    return changed;
}

std::pair<double, double> StandardNeighbours(double value, ESeries series) {
    const std::vector<double>& values = SeriesValues(series);
    if (values.empty() || !std::isfinite(value) || !(value > 0)) return {value, value};
    const double nearest = NearestStandard(value, series);
    // The nearest is one of the two; the other is the next value of the series on the far side.
    const int decade = int(std::floor(std::log10(nearest) + 1e-9));
    const double scale = std::pow(10.0, decade), mantissa = nearest / scale;
    size_t i = 0;
    while (i + 1 < values.size() && std::abs(values[i] / mantissa - 1) > 1e-9) ++i;
    if (std::abs(nearest / value - 1) < 1e-6)
        return {nearest, nearest};  // on the series, as a float keeps it
    if (nearest > value) {
        const double below = i > 0 ? values[i - 1] * scale : values.back() * scale / 10;
        return {below, nearest};
    }
    const double above = i + 1 < values.size() ? values[i + 1] * scale : scale * 10;
    return {nearest, above};
}

std::string PartValueText(ElementKind kind, double value, const NumberFormat& format) {
    struct Unit {
        double scale;
        const char* name;
    };
    static const Unit resistor[] = {{1, "Ом"}, {1e3, "кОм"}, {1e6, "МОм"}};
    static const Unit capacitor[] = {{1e-12, "пФ"}, {1e-9, "нФ"}, {1e-6, "мкФ"}};
    static const Unit inductor[] = {{1e-6, "мкГн"}, {1e-3, "мГн"}, {1, "Гн"}};
    const Unit* units = nullptr;
    switch (kind) {
        case ElementKind::Amplifier:
            return "ОУ";
        case ElementKind::Resistor:
            units = resistor;
            break;
        case ElementKind::Capacitor:
        case ElementKind::VariableCapacitor:
            units = capacitor;
            break;
        case ElementKind::Inductor:
            units = inductor;
            break;
    }
    if (!std::isfinite(value)) return "—";
    const double rounded = value > 0 ? FourDigits(value) : 0;
    // The largest unit the value reaches (the smallest for a value below it), so 999.96 nF reads 1 µF.
    int u = 0;
    while (u < 2 && rounded >= units[u + 1].scale * (1 - 1e-12)) ++u;
    const double m = rounded / units[u].scale;
    std::string digits = m >= 1000 ? FormatC("%.0f", m) : FormatLocale("%.4g", m, format);
    return digits + " " + units[u].name;
}

}  // namespace vokta
