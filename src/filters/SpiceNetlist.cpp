#include "filters/SpiceNetlist.h"

#include <cmath>

#include "base/NumberText.h"
#include "base/RuntimeError.h"
#include "filters/FrequencyResponse.h"

namespace vokta {

namespace {

constexpr int kInput = -1, kGround = 0;

// Seven digits: the circuits hold single-precision values, so a standard 2.2 µF reads 2.2e-06.
std::string Number(double x) {
    return FormatC("%.7g", x);
}
// A figure of the demand as the user gave it.
std::string Figure(double x) {
    return FormatC("%.7g", x);
}

// What the user asked for, in words.
std::string DemandText(const ResponseDemand& d) {
    const std::string pass = "затухание не более " + Figure(d.amin) + " дБ ";
    const std::string stop = ", не менее " + Figure(d.astop) + " дБ ";
    switch (d.shape) {
        case FilterType::LowPass:
            return pass + "до " + Figure(d.f1) + " Гц" + stop + "от " + Figure(d.fs) + " Гц";
        case FilterType::HighPass:
            return pass + "от " + Figure(d.f1) + " Гц" + stop + "до " + Figure(d.fs) + " Гц";
        case FilterType::BandPass:
            return pass + "от " + Figure(d.fleft) + " до " + Figure(d.fright) + " Гц" + stop +
                   (d.fs < d.fleft ? "до " : "от ") + Figure(d.fs) + " Гц";
        case FilterType::BandStop: {
            const Interval band = BandsOf(d).stop.at(0);
            return pass + "до " + Figure(d.fleft) + " и от " + Figure(d.fright) + " Гц" + stop + "от " +
                   Figure(band.from) + " до " + Figure(band.to) + " Гц";
        }
    }
    return {};
}

class Writer {
public:
    explicit Writer(const FilterCircuit& circuit) : parts_(CircuitParts(circuit)) {}

    int NewNode() { return ++nodes_; }

    // The next part of the list, between two nodes.
    void Part(int a, int b) {
        const FilterPart& p = parts_.at(next_++);
        lines_.push_back({p.designator, {a, b}, Number(p.value)});
    }
    // The next part, an amplifier: output to ground, driven by the difference of its inputs.
    void Amplifier(int output, int plus, int minus) {
        const FilterPart& p = parts_.at(next_++);
        lines_.push_back({"E" + p.designator, {output, kGround, plus, minus}, "1e6"});
    }
    void Element(const std::string& name, int a, int b, double value) {
        lines_.push_back({name, {a, b}, Number(value)});
    }

    // The lines, the output node named "out".
    std::string Text(int output) const {
        std::string s;
        for (const Line& line : lines_) {
            s += line.name;
            for (int node : line.nodes)
                s += " " + (node == kInput    ? std::string("in")
                            : node == kGround ? std::string("0")
                            : node == output  ? std::string("out")
                                              : "n" + std::to_string(node));
            s += " " + line.value + "\n";
        }
        return s;
    }

private:
    struct Line {
        std::string name;
        std::vector<int> nodes;
        std::string value;
    };
    std::vector<FilterPart> parts_;
    size_t next_ = 0;
    int nodes_ = 0;
    std::vector<Line> lines_;
};

// A network arm between nodes a and b, its parts in the order of the parts list (depth first): a series
// combination through new nodes between its parts, a parallel one with every part between a and b.
void WriteArm(Writer& w, const Arm& arm, int a, int b) {
    switch (arm.join) {
        case Arm::Join::Element:
            w.Part(a, b);
            break;
        case Arm::Join::Series:
            for (size_t i = 0; i < arm.parts.size(); ++i) {
                const int next = i + 1 == arm.parts.size() ? b : w.NewNode();
                WriteArm(w, arm.parts[i], a, next);
                a = next;
            }
            break;
        case Arm::Join::Parallel:
            for (const Arm& part : arm.parts) WriteArm(w, part, a, b);
            break;
    }
}

// The ladder from node 'from' on; returns its output node. Parts come per branch, L before C.
int WriteLadder(Writer& w, const LadderCircuit& ladder, int from) {
    int node = from;
    for (const LadderBranch& b : ladder.branches) {
        const int end = b.place == BranchPlace::Series ? w.NewNode() : kGround;
        switch (b.parts) {
            case BranchParts::L:
            case BranchParts::C:
                w.Part(node, end);
                break;
            case BranchParts::ParallelLC:
                w.Part(node, end);
                w.Part(node, end);
                break;
            case BranchParts::SeriesLC: {
                const int middle = w.NewNode();
                w.Part(node, middle);
                w.Part(middle, end);
                break;
            }
            case BranchParts::Network:
                WriteArm(w, b.arm, node, end);
                break;
        }
        if (end != kGround) node = end;
    }
    return node;
}

// The stages from the input on; returns the output node. Parts come in the order of CircuitParts: the
// line's parts, the others, then a section's amplifier and its divider.
int WriteActive(Writer& w, const ActiveCircuit& circuit) {
    int node = kInput;
    for (const ActiveStage& stage : circuit.stages) {
        if (stage.kind == ActiveStageKind::Follower) {
            // Its output on its inverting input.
            const int output = w.NewNode();
            w.Amplifier(output, node, output);
            node = output;
            continue;
        }
        if (stage.kind == ActiveStageKind::FirstOrder) {
            const int next = w.NewNode();
            w.Part(node, next);
            w.Part(next, kGround);
            node = next;
            continue;
        }
        // In the line: node - a - plus; from a to the output and from plus to ground.
        const int a = w.NewNode(), plus = w.NewNode(), output = w.NewNode(), minus = w.NewNode();
        w.Part(node, a);
        w.Part(a, plus);
        w.Part(a, output);
        w.Part(plus, kGround);
        w.Amplifier(output, plus, minus);
        w.Part(output, minus);
        w.Part(minus, kGround);
        node = output;
    }
    return node;
}

}  // namespace

std::string SpiceNetlist(const FilterCircuit& circuit, const ResponseDemand& demand, ESeries series,
                         double fmin, double fmax) {
    if (!(fmin > 0) || !(fmax > fmin) || !std::isfinite(fmax))
        throw RuntimeError(ErrorKind::InvalidArgument,
                           "Диапазон частот анализа задан неверно: схему не записать.");
    std::string s = "* Vokta: " + CircuitHeading(circuit, demand.shape) + "\n";
    s += "* Требования: " + DemandText(demand) + "\n";
    s += series == ESeries::None ? std::string("* Номиналы: расчетные\n")
                                 : std::string("* Номиналы: ряд ") + SeriesName(series) + "\n";
    s += "V1 in 0 AC 1\n";
    Writer w(circuit);
    int output = kInput;
    if (const auto* ladder = std::get_if<LadderCircuit>(&circuit)) {
        const int first = w.NewNode();
        w.Element("Rsource", kInput, first, ladder->rn);
        output = WriteLadder(w, *ladder, first);
        w.Element("Rload", output, kGround, ladder->rn);
    } else {
        output = WriteActive(w, std::get<ActiveCircuit>(circuit));
    }
    if (output == kInput)
        throw RuntimeError(ErrorKind::InvalidArgument, "В схеме нет ни одного элемента: схему не записать.");
    s += w.Text(output);
    // 100 points a decade, and no fewer than 100 across a span narrower than a decade.
    const double decades = std::log10(fmax / fmin);
    const int points = decades >= 1 ? 100 : int(std::ceil(100 / decades));
    s += ".ac dec " + std::to_string(points) + " " + Number(fmin) + " " + Number(fmax) + "\n";
    s += ".print ac vdb(out)\n";
    s += ".end\n";
    return s;
}

}  // namespace vokta
