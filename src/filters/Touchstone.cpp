#include "filters/Touchstone.h"

#include <cctype>
#include <cmath>
#include <numbers>
#include <sstream>

#include "base/NumberText.h"
#include "base/RuntimeError.h"
#include "filters/PortResponse.h"

namespace vokta {

namespace {

// Enough digits that a value read back is the value written to a few parts in 1e10.
std::string Number(double x) {
    return FormatC("%.10g", x);
}

std::string Upper(std::string s) {
    for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

std::string TouchstoneText(const LadderCircuit& ladder, FilterType shape, double fmin, double fmax,
                           int points) {
    if (!(fmin > 0) || !(fmax > fmin) || !std::isfinite(fmax) || points < 2)
        throw RuntimeError(ErrorKind::InvalidArgument, "Диапазон частот задан неверно: файл не записать.");
    // The comments in ASCII, as the format has it: a reader that decodes its file in a single-byte code
    // page stumbles over the bytes of a Cyrillic letter.
    static const char* const kinds[] = {"low-pass", "high-pass", "band-pass", "band-stop"};
    const std::string order = IsBandFilter(shape) ? "prototype order " : "order ";
    std::string s = std::string("! Vokta: passive LC ") + kinds[int(shape)] + " filter, " + order +
                    std::to_string(ladder.branches.size()) + "\n";
    s += "! S11 S21 S12 S22 as real and imaginary parts, both ports referred to " + Number(ladder.rn) +
         " Ohm\n";
    s += "# Hz S RI R " + Number(ladder.rn) + "\n";
    for (int i = 0; i < points; ++i) {
        const double f = i + 1 == points ? fmax : fmin * std::pow(fmax / fmin, double(i) / (points - 1));
        const SParameters p = LadderSParameters(ladder, f);
        s += Number(f);
        // A two-port's order: S11, S21, S12, S22.
        for (const std::complex<double>& x : {p.s11, p.s21, p.s12, p.s22})
            s += " " + Number(x.real()) + " " + Number(x.imag());
        s += "\n";
    }
    return s;
}

std::optional<TouchstoneData> ReadTouchstone(const std::string& text) {
    TouchstoneData data;
    double unit = 1e9;  // GHz unless the option line says otherwise
    enum class Pairs { RI, MA, DB } pairs = Pairs::MA;
    bool options = false;
    std::vector<double> numbers;
    std::istringstream lines(text);
    std::string line;
    const NumberFormat point{".", ","};
    while (std::getline(lines, line)) {
        line = line.substr(0, line.find('!'));
        std::istringstream words(line);
        std::string word;
        if (!(words >> word)) continue;
        if (word[0] == '#') {
            if (options) continue;  // only the first option line counts
            options = true;
            std::vector<std::string> fields;
            if (word.size() > 1) fields.push_back(Upper(word.substr(1)));
            while (words >> word) fields.push_back(Upper(word));
            for (size_t i = 0; i < fields.size(); ++i) {
                const std::string& f = fields[i];
                if (f == "HZ")
                    unit = 1;
                else if (f == "KHZ")
                    unit = 1e3;
                else if (f == "MHZ")
                    unit = 1e6;
                else if (f == "GHZ")
                    unit = 1e9;
                else if (f == "RI")
                    pairs = Pairs::RI;
                else if (f == "MA")
                    pairs = Pairs::MA;
                else if (f == "DB")
                    pairs = Pairs::DB;
                else if (f == "S")
                    continue;
                else if (f == "R" && i + 1 < fields.size()) {
                    const std::optional<double> r = ParseTypedNumber(fields[++i], point);
                    if (!r || !(*r > 0)) return std::nullopt;
                    data.reference = *r;
                } else {
                    return std::nullopt;  // Y, Z, G or H parameters, or a word it does not know
                }
            }
            continue;
        }
        do {
            const std::optional<double> x = ParseTypedNumber(word, point);
            if (!x) return std::nullopt;
            numbers.push_back(*x);
        } while (words >> word);
    }
    if (!options || numbers.empty() || numbers.size() % 9 != 0) return std::nullopt;
    constexpr double kDegree = std::numbers::pi / 180;
    for (size_t i = 0; i < numbers.size(); i += 9) {
        data.f.push_back(numbers[i] * unit);
        std::array<std::complex<double>, 4> s;
        for (int k = 0; k < 4; ++k) {
            const double a = numbers[i + 1 + 2 * k], b = numbers[i + 2 + 2 * k];
            switch (pairs) {
                case Pairs::RI:
                    s[k] = {a, b};
                    break;
                case Pairs::MA:
                    s[k] = std::polar(a, b * kDegree);
                    break;
                case Pairs::DB:
                    s[k] = std::polar(std::pow(10.0, a / 20), b * kDegree);
                    break;
            }
        }
        data.s.push_back(s);
    }
    return data;
}

}  // namespace vokta
