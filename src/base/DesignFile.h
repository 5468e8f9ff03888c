#pragma once

// A design file: one calculator's inputs, saved so that the design can be opened again. The file is
// UTF-8 JSON:
//   {"format": "vokta-design", "version": 1, "calculator": "filter",
//    "inputs": {"Option1": 0, "CheckARC": false, "TxtF1": "1000", ...},
//    "windings": [{"voltage": "12", "current": "0.5"}]}
// An input is named as the window's control: a box or a list holds its text, an option group the index
// of the chosen option, a check box true or false; the transformer's windings are the answers to its
// questions. Number texts are in the C format (a point as decimal separator) with the digits as typed,
// so that the same digits come back in every number format.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/NumberText.h"

namespace vokta {

inline constexpr const char* kDesignFormat = "vokta-design";
inline constexpr int kDesignVersion = 1;
// The largest file taken for a design: a design is a few hundred bytes, anything far larger is not one.
inline constexpr size_t kMaxDesignBytes = 1 << 20;

enum class DesignInputKind { Text, Choice, Flag };

// One input of a calculator's design.
struct DesignInput {
    DesignInput(std::string name_, std::string caption_, DesignInputKind kind_ = DesignInputKind::Text,
                int choices_ = 0, std::optional<std::string> preset_ = std::nullopt)
        : name(std::move(name_)),
          caption(std::move(caption_)),
          kind(kind_),
          choices(choices_),
          preset(std::move(preset_)) {}

    std::string name;     // the control's name, the key in the file
    std::string caption;  // how a refusal names it
    DesignInputKind kind = DesignInputKind::Text;
    int choices = 0;  // Choice: the options are 0 to choices - 1
    // An input with a preset is optional: a file without it (written before the input existed) takes the
    // preset, the value the window starts with. Options and check boxes are always optional (the first
    // option, cleared); a text is optional only where the window starts with one.
    std::optional<std::string> preset;
};

struct DesignRecord {
    std::string calculator;
    std::map<std::string, std::string> texts;    // boxes and lists
    std::map<std::string, int> choices;          // option groups
    std::map<std::string, bool> flags;           // check boxes
    std::vector<std::vector<std::string>> rows;  // the answers of each row (the transformer's windings)
    bool operator==(const DesignRecord&) const = default;
};

// Why a design cannot be used: the input it concerns (its name; empty for the file as a whole) and a
// Russian phrase that says what is wrong.
struct DesignFault {
    std::string input;
    std::string message;
};

// What one calculator saves and how it judges what it opens.
struct DesignKind {
    std::string id;     // "filter"
    std::string title;  // the calculator as the user knows it: "Расчет фильтров"
    std::vector<DesignInput> inputs;
    std::string rowsName;                 // the rows' key ("windings"); empty: the design has no rows
    std::vector<std::string> rowColumns;  // the keys of a row's answers
    std::vector<std::string> rowCaptions;
    // The first value the calculator refuses, as its window refuses it before calculating; nothing when
    // it takes them all. Only for a record that has every input of the kind.
    std::function<std::optional<DesignFault>(const DesignRecord&)> refusal;
};

// The text of a design file.
std::string WriteDesign(const DesignRecord& record, const DesignKind& kind);

// Reads a design file of one of the kinds: the record with every input (an optional one missing takes
// its preset), or why it is refused — not JSON, not a design file, a newer version, an unknown calculator,
// an input missing or of the wrong type, a value the calculator refuses.
struct DesignReading {
    std::optional<DesignRecord> record;
    DesignFault fault;
};
DesignReading ReadDesign(std::string_view text, const std::vector<const DesignKind*>& kinds);

// A number text as typed in the user's format turned into the file's C format, its digits kept ("0,35"
// becomes "0.35" where the decimal separator is a comma); a text that is no number stays as it is.
std::string FileNumberText(std::string_view typed, const NumberFormat& format);
// The other way: a number of the file in the user's format ("0.35" shows as "0,35"); other text as it is.
std::string ShownNumberText(std::string_view fileText, const NumberFormat& format);

// For the calculators' refusals: a text input read as a number of the C format. Throws DesignFault when
// it is empty or not a number (or beyond the double range).
double DesignNumber(const DesignRecord& record, const DesignInput& input);
// The same for an input the chosen options leave unused: a number where it is one, else 0.
double UnusedDesignNumber(const DesignRecord& record, const DesignInput& input);
// The input of a kind by its name (it must be there).
const DesignInput& InputOf(const DesignKind& kind, std::string_view name);

}  // namespace vokta
