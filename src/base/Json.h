#pragma once

// A small JSON reader and the string quoting of a writer: what the design files need, strictly by the
// JSON grammar (RFC 8259), on UTF-8 text.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vokta {

struct JsonValue;
using JsonArray = std::vector<JsonValue>;
// Names in the order of the text; a name given twice is an error of the text, not a value.
using JsonObject = std::map<std::string, JsonValue, std::less<>>;

struct JsonValue {
    std::variant<std::nullptr_t, bool, double, std::string, JsonArray, JsonObject> value;

    const std::string* AsString() const { return std::get_if<std::string>(&value); }
    const double* AsNumber() const { return std::get_if<double>(&value); }
    const bool* AsBool() const { return std::get_if<bool>(&value); }
    const JsonArray* AsArray() const { return std::get_if<JsonArray>(&value); }
    const JsonObject* AsObject() const { return std::get_if<JsonObject>(&value); }
};

// Where and why a text is not JSON: line and column counted from 1 (columns in bytes).
struct JsonError {
    int line = 0;
    int column = 0;
    std::string what;  // a Russian phrase: "ожидалась запятая"
};

// Reads a whole text as one JSON value; blanks around it are allowed, nothing else. Text that is not
// well-formed UTF-8, nesting deeper than 64, a number beyond the double range and a name twice in one
// object are errors.
std::variant<JsonValue, JsonError> ReadJson(std::string_view text);

// Whether a text is well-formed UTF-8 (no overlong forms, no surrogates, nothing beyond U+10FFFF).
bool IsUtf8(std::string_view text);

// A string in JSON quotes: '"' and '\' escaped, control characters as \n, \t or \u00XX; the rest, UTF-8
// included, as it is.
std::string JsonQuoted(std::string_view text);

}  // namespace vokta
