#include "base/Json.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace vokta {

bool IsUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        int more = 0;
        uint32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xc2 && c <= 0xdf) {
            more = 1, code = c & 0x1f;
        } else if (c >= 0xe0 && c <= 0xef) {
            more = 2, code = c & 0x0f;
        } else if (c >= 0xf0 && c <= 0xf4) {
            more = 3, code = c & 0x07;
        } else {
            return false;
        }
        if (i + more >= text.size()) return false;
        for (int k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xc0) != 0x80) return false;
            code = (code << 6) | (next & 0x3f);
        }
        // Overlong forms, surrogates and code points beyond Unicode.
        if ((more == 2 && code < 0x800) || (more == 3 && code < 0x10000) || code > 0x10ffff ||
            (code >= 0xd800 && code <= 0xdfff))
            return false;
        i += more + 1;
    }
    return true;
}

std::string JsonQuoted(std::string_view text) {
    static const char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (ch) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                if (c < 0x20) {
                    out += "\\u00";
                    out += kHex[c >> 4];
                    out += kHex[c & 15];
                } else {
                    out += ch;
                }
        }
    }
    return out + "\"";
}

namespace {

constexpr int kMaxDepth = 64;

struct Failure {
    size_t at;
    std::string what;
};

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    JsonValue Document() {
        Blanks();
        JsonValue value = Value(0);
        Blanks();
        if (pos_ != text_.size()) Fail("после значения лишний текст");
        return value;
    }

private:
    [[noreturn]] void Fail(const std::string& what) {
        throw Failure{pos_, AtEnd() ? "текст оборвался" : what};
    }

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

    void Blanks() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) ++pos_;
    }

    void Expect(char c, const char* what) {
        if (Peek() != c) Fail(what);
        ++pos_;
    }

    void Word(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) Fail("неизвестное слово");
        pos_ += word.size();
    }

    JsonValue Value(int depth) {
        if (depth > kMaxDepth) Fail("слишком глубокая вложенность");
        switch (Peek()) {
            case '{':
                return {Object(depth)};
            case '[':
                return {Array(depth)};
            case '"':
                return {String()};
            case 't':
                Word("true");
                return {true};
            case 'f':
                Word("false");
                return {false};
            case 'n':
                Word("null");
                return {nullptr};
            default:
                if (Peek() == '-' || (Peek() >= '0' && Peek() <= '9')) return {Number()};
                Fail(AtEnd() ? "текст оборвался" : "ожидалось значение");
        }
    }

    JsonObject Object(int depth) {
        ++pos_;
        JsonObject object;
        Blanks();
        if (Peek() == '}') return ++pos_, object;
        for (;;) {
            Blanks();
            if (Peek() != '"') Fail("ожидалось имя в кавычках");
            const size_t at = pos_;
            std::string name = String();
            Blanks();
            Expect(':', "ожидалось двоеточие");
            Blanks();
            JsonValue value = Value(depth + 1);
            if (!object.emplace(std::move(name), std::move(value)).second) {
                pos_ = at;
                Fail("имя повторяется");
            }
            Blanks();
            if (Peek() == '}') return ++pos_, object;
            Expect(',', "ожидалась запятая или закрывающая скобка");
        }
    }

    JsonArray Array(int depth) {
        ++pos_;
        JsonArray array;
        Blanks();
        if (Peek() == ']') return ++pos_, array;
        for (;;) {
            Blanks();
            array.push_back(Value(depth + 1));
            Blanks();
            if (Peek() == ']') return ++pos_, array;
            Expect(',', "ожидалась запятая или закрывающая скобка");
        }
    }

    unsigned Hex4() {
        unsigned code = 0;
        for (int k = 0; k < 4; ++k, ++pos_) {
            const char c = Peek();
            int digit = -1;
            if (c >= '0' && c <= '9') digit = c - '0';
            if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            if (digit < 0) Fail("неверная последовательность \\u");
            code = code * 16 + unsigned(digit);
        }
        return code;
    }

    static void AppendUtf8(std::string& out, uint32_t code) {
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xc0 | (code >> 6));
            out += char(0x80 | (code & 0x3f));
        } else if (code < 0x10000) {
            out += char(0xe0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3f));
            out += char(0x80 | (code & 0x3f));
        } else {
            out += char(0xf0 | (code >> 18));
            out += char(0x80 | ((code >> 12) & 0x3f));
            out += char(0x80 | ((code >> 6) & 0x3f));
            out += char(0x80 | (code & 0x3f));
        }
    }

    std::string String() {
        ++pos_;
        std::string out;
        for (;;) {
            if (AtEnd()) Fail("строка не закрыта кавычкой");
            const char c = text_[pos_];
            if (c == '"') return ++pos_, out;
            if (static_cast<unsigned char>(c) < 0x20) Fail("управляющий символ в строке");
            if (c != '\\') {
                out += c;
                ++pos_;
                continue;
            }
            ++pos_;
            const char e = Peek();
            ++pos_;
            switch (e) {
                case '"':
                case '\\':
                case '/':
                    out += e;
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    uint32_t code = Hex4();
                    if (code >= 0xdc00 && code <= 0xdfff) Fail("неверная последовательность \\u");
                    if (code >= 0xd800 && code <= 0xdbff) {
                        if (text_.substr(pos_, 2) != "\\u") Fail("неверная последовательность \\u");
                        pos_ += 2;
                        const uint32_t low = Hex4();
                        if (low < 0xdc00 || low > 0xdfff) Fail("неверная последовательность \\u");
                        code = 0x10000 + ((code - 0xd800) << 10) + (low - 0xdc00);
                    }
                    AppendUtf8(out, code);
                    break;
                }
                default:
                    --pos_;
                    Fail("неверная escape-последовательность");
            }
        }
    }

    double Number() {
        // The grammar first: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
        const size_t start = pos_;
        auto digits = [&] {
            const size_t from = pos_;
            while (Peek() >= '0' && Peek() <= '9') ++pos_;
            if (pos_ == from) Fail("неверное число");
        };
        if (Peek() == '-') ++pos_;
        if (Peek() == '0')
            ++pos_;
        else
            digits();
        if (Peek() == '.') ++pos_, digits();
        if (Peek() == 'e' || Peek() == 'E') {
            ++pos_;
            if (Peek() == '+' || Peek() == '-') ++pos_;
            digits();
        }
        double x = 0;
        const auto [end, ec] = std::from_chars(text_.data() + start, text_.data() + pos_, x);
        if (ec != std::errc() || end != text_.data() + pos_ || !std::isfinite(x)) {
            pos_ = start;
            Fail("число вне допустимых пределов");
        }
        return x;
    }

    std::string_view text_;
    size_t pos_ = 0;
};

}  // namespace

std::variant<JsonValue, JsonError> ReadJson(std::string_view text) {
    if (!IsUtf8(text)) return JsonError{1, 1, "текст не в кодировке UTF-8"};
    try {
        return Reader(text).Document();
    } catch (const Failure& f) {
        JsonError error{1, 1, f.what};
        for (size_t i = 0; i < f.at && i < text.size(); ++i) {
            if (text[i] == '\n')
                ++error.line, error.column = 1;
            else
                ++error.column;
        }
        return error;
    }
}

}  // namespace vokta
