#include "base/DesignFile.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "base/Json.h"
#include "base/RuntimeError.h"

namespace vokta {

namespace {

const NumberFormat kCFormat{".", ","};

std::string Quoted(std::string_view text) {
    return "«" + std::string(text) + "»";
}

std::string Named(const DesignInput& input) {
    return Quoted(input.caption) + " (" + input.name + ")";
}

bool IsNumber(std::string_view text, const NumberFormat& format) {
    try {
        return ParseTypedNumber(text, format).has_value();
    } catch (const RuntimeError&) {
        return false;  // beyond the double range: no number to write or show
    }
}

std::string Replaced(std::string_view text, char from, char to) {
    std::string out(text);
    for (char& c : out)
        if (c == from) c = to;
    return out;
}

DesignReading Refused(std::string input, std::string message) {
    return {std::nullopt, {std::move(input), std::move(message)}};
}

}  // namespace

std::string FileNumberText(std::string_view typed, const NumberFormat& format) {
    if (format.decimal == "," && IsNumber(typed, format)) return Replaced(typed, ',', '.');
    return std::string(typed);
}

std::string ShownNumberText(std::string_view fileText, const NumberFormat& format) {
    if (format.decimal == "," && IsNumber(fileText, kCFormat)) return Replaced(fileText, '.', ',');
    return std::string(fileText);
}

std::string WriteDesign(const DesignRecord& record, const DesignKind& kind) {
    std::string out = "{\n  \"format\": " + JsonQuoted(kDesignFormat) +
                      ",\n  \"version\": " + std::to_string(kDesignVersion) +
                      ",\n  \"calculator\": " + JsonQuoted(kind.id) + ",\n  \"inputs\": {";
    const char* separator = "\n    ";
    for (const DesignInput& input : kind.inputs) {
        out += separator + JsonQuoted(input.name) + ": ";
        separator = ",\n    ";
        switch (input.kind) {
            case DesignInputKind::Text:
                out += JsonQuoted(record.texts.count(input.name) ? record.texts.at(input.name) : "");
                break;
            case DesignInputKind::Choice:
                out += std::to_string(record.choices.count(input.name) ? record.choices.at(input.name) : 0);
                break;
            case DesignInputKind::Flag:
                out += record.flags.count(input.name) && record.flags.at(input.name) ? "true" : "false";
                break;
        }
    }
    out += "\n  }";
    if (!kind.rowsName.empty()) {
        out += ",\n  " + JsonQuoted(kind.rowsName) + ": [";
        separator = "\n    {";
        for (const std::vector<std::string>& row : record.rows) {
            out += separator;
            separator = ",\n    {";
            for (size_t c = 0; c < kind.rowColumns.size(); ++c)
                out += (c ? ", " : "") + JsonQuoted(kind.rowColumns[c]) + ": " +
                       JsonQuoted(c < row.size() ? row[c] : "");
            out += "}";
        }
        out += record.rows.empty() ? "]" : "\n  ]";
    }
    return out + "\n}\n";
}

DesignReading ReadDesign(std::string_view text, const std::vector<const DesignKind*>& kinds) {
    if (text.size() > kMaxDesignBytes) return Refused("", "он слишком велик для файла расчета");
    auto parsed = ReadJson(text);
    if (const auto* error = std::get_if<JsonError>(&parsed))
        return Refused("", "это не файл JSON (строка " + std::to_string(error->line) + ", позиция " +
                               std::to_string(error->column) + ": " + error->what + ")");
    const JsonObject* top = std::get<JsonValue>(parsed).AsObject();
    const auto field = [&](std::string_view name) -> const JsonValue* {
        const auto it = top->find(name);
        return it == top->end() ? nullptr : &it->second;
    };
    const JsonValue* format = top ? field("format") : nullptr;
    if (!format || !format->AsString() || *format->AsString() != kDesignFormat)
        return Refused("", "это не файл расчета Vokta");

    const JsonValue* version = field("version");
    if (!version) return Refused("version", "в нем нет номера версии (version)");
    const double* v = version->AsNumber();
    if (!v || *v != std::floor(*v) || *v < 1)
        return Refused("version", "номер версии (version) должен быть целым числом от 1");
    if (*v > kDesignVersion)
        return Refused("version", "он записан более новой версией программы (версия файла " +
                                      std::to_string(static_cast<long long>(std::min(*v, 1e15))) +
                                      ", а эта программа открывает версии до " +
                                      std::to_string(kDesignVersion) + ")");

    const JsonValue* calculator = field("calculator");
    if (!calculator || !calculator->AsString())
        return Refused("calculator", "в нем не назван расчет (calculator)");
    const DesignKind* kind = nullptr;
    for (const DesignKind* k : kinds)
        if (k->id == *calculator->AsString()) kind = k;
    if (!kind) return Refused("calculator", "в нем неизвестный расчет " + Quoted(*calculator->AsString()));

    const JsonValue* inputsValue = field("inputs");
    const JsonObject* inputs = inputsValue ? inputsValue->AsObject() : nullptr;
    if (!inputs) return Refused("inputs", "в нем нет исходных данных (inputs)");
    DesignRecord record;
    record.calculator = kind->id;
    for (const DesignInput& input : kind->inputs) {
        const auto it = inputs->find(input.name);
        const JsonValue* value = it == inputs->end() ? nullptr : &it->second;
        if (!value && !input.preset && input.kind == DesignInputKind::Text)
            return Refused(input.name, "в нем нет поля " + Named(input));
        switch (input.kind) {
            case DesignInputKind::Text:
                if (value && !value->AsString())
                    return Refused(input.name, "значение поля " + Named(input) + " должно быть текстом");
                record.texts[input.name] = value ? *value->AsString() : *input.preset;
                break;
            case DesignInputKind::Choice: {
                const double* n = value ? value->AsNumber() : nullptr;
                if (value && (!n || *n != std::floor(*n) || *n < 0 || *n >= input.choices))
                    return Refused(input.name, "значение поля " + Named(input) +
                                                   " должно быть целым числом от 0 до " +
                                                   std::to_string(input.choices - 1));
                record.choices[input.name] = n ? int(*n) : 0;
                break;
            }
            case DesignInputKind::Flag:
                if (value && !value->AsBool())
                    return Refused(input.name,
                                   "значение поля " + Named(input) + " должно быть true или false");
                record.flags[input.name] = value && *value->AsBool();
                break;
        }
    }
    if (!kind->rowsName.empty()) {
        const JsonValue* rowsValue = field(kind->rowsName);
        const JsonArray* rows = rowsValue ? rowsValue->AsArray() : nullptr;
        if (!rows) return Refused(kind->rowsName, "в нем нет списка " + Quoted(kind->rowsName));
        for (const JsonValue& rowValue : *rows) {
            const JsonObject* row = rowValue.AsObject();
            std::vector<std::string> answers;
            for (size_t c = 0; c < kind->rowColumns.size(); ++c) {
                const auto it = row ? row->find(kind->rowColumns[c]) : JsonObject::const_iterator();
                const std::string* answer = row && it != row->end() ? it->second.AsString() : nullptr;
                if (!answer)
                    return Refused(kind->rowsName, "в строке " + std::to_string(record.rows.size() + 1) +
                                                       " списка " + Quoted(kind->rowsName) + " нет текста " +
                                                       Quoted(kind->rowColumns[c]));
                answers.push_back(*answer);
            }
            record.rows.push_back(std::move(answers));
        }
    }
    try {
        if (kind->refusal)
            if (auto fault = kind->refusal(record)) return {std::nullopt, std::move(*fault)};
    } catch (const DesignFault& fault) {
        return {std::nullopt, fault};
    } catch (const RuntimeError& error) {
        return Refused(
            "", error.userMessage().empty() ? "значение вне допустимых пределов" : error.userMessage());
    }
    return {std::move(record), {}};
}

double DesignNumber(const DesignRecord& record, const DesignInput& input) {
    const auto it = record.texts.find(input.name);
    const std::string text = it == record.texts.end() ? std::string() : it->second;
    if (text.find_first_not_of(" \t") == std::string::npos)
        throw DesignFault{input.name, "не заполнено поле " + Quoted(input.caption)};
    std::optional<double> value;
    try {
        value = ParseTypedNumber(text, kCFormat);
    } catch (const RuntimeError&) {
        throw DesignFault{input.name, "число " + Quoted(text) + " в поле " + Quoted(input.caption) +
                                          " вне допустимых пределов"};
    }
    if (!value)
        throw DesignFault{
            input.name, "в поле " + Quoted(input.caption) + " должно быть число, а записано " + Quoted(text)};
    return *value;
}

double UnusedDesignNumber(const DesignRecord& record, const DesignInput& input) {
    try {
        return DesignNumber(record, input);
    } catch (const DesignFault&) {
        return 0;
    }
}

const DesignInput& InputOf(const DesignKind& kind, std::string_view name) {
    for (const DesignInput& input : kind.inputs)
        if (input.name == name) return input;
    throw std::logic_error("no design input " + std::string(name));
}

}  // namespace vokta
