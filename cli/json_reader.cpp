// SPDX-License-Identifier: MIT
// A small recursive-descent JSON reader for request lines. It recurses at most kMaxJsonDepth
// levels, whatever the line holds, and never converts a number.
#include "cli/json_reader.h"

#include "cli/utf8.h"

#include <cstdint>
#include <cstring>

namespace tenvo {
namespace {

// What went wrong, at which byte of the line.
struct Failure {
    std::size_t at;
    const char* what; // "not JSON", "nested too deeply", ...
    std::string detail;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The first byte that is not UTF-8 text, or npos: a NUL, which only UTF-16 or binary input
// has in a line, and anything that is not UTF-8 (overlong forms, surrogates and code points
// beyond U+10FFFF among it).
std::size_t FirstNonText(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        // Eight bytes at a time while they are ASCII and none of them is a NUL.
        constexpr std::uint64_t kOnes = 0x0101010101010101, kHighs = 0x8080808080808080;
        for (std::uint64_t word; i + 8 <= s.size(); i += 8) {
            std::memcpy(&word, s.data() + i, 8);
            if (((word - kOnes) | word) & kHighs)
                break;
        }
        if (i == s.size())
            break;
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == 0)
            return i;
        if (c < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = Utf8Length(s.substr(i));
        if (length == 0)
            return i;
        i += length;
    }
    return std::string_view::npos;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class Parser {
public:
    explicit Parser(std::string_view line)
        : m_s(line) {}

    JsonValue document() {
        skipBlanks();
        JsonValue value = this->value(0);
        skipBlanks();
        if (m_i != m_s.size())
            expected("the end of the line");
        return value;
    }

private:
    [[noreturn]] void expected(const std::string& what) const {
        throw Failure{m_i, "not JSON", "expected " + what};
    }
    bool at(char c) const { return m_i < m_s.size() && m_s[m_i] == c; }
    bool atDigit() const { return m_i < m_s.size() && IsDigit(m_s[m_i]); }
    void skipBlanks() {
        while (m_i < m_s.size() &&
               (m_s[m_i] == ' ' || m_s[m_i] == '\t' || m_s[m_i] == '\r' || m_s[m_i] == '\n'))
            ++m_i;
    }

    JsonValue value(int depth, bool odds = false) {
        JsonValue v;
        if (at('{') || at('[')) {
            if (depth == kMaxJsonDepth)
                throw Failure{m_i, "nested too deeply",
                              "at most " + std::to_string(kMaxJsonDepth) +
                                  " levels of arrays and objects"};
            at('{') ? object(v, depth + 1) : array(v, depth + 1, odds);
        } else if (at('"')) {
            v.kind = JsonValue::Kind::String;
            string(v.text);
        } else if (at('-') || atDigit()) {
            v.kind = JsonValue::Kind::Number;
            number(v.text);
        } else if (word("true") || word("false")) {
            v.kind = JsonValue::Kind::Boolean;
            v.text = m_s[m_i] == 't' ? "true" : "false";
            m_i += v.text.size();
        } else if (word("null")) {
            m_i += 4;
        } else {
            expected("a value: a text in quotes, a number, an object, an array, true, false or "
                     "null");
        }
        return v;
    }

    bool word(std::string_view w) const { return m_s.substr(m_i, w.size()) == w; }

    void object(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Object;
        ++m_i;
        skipBlanks();
        if (at('}')) {
            ++m_i;
            return;
        }
        for (;;) {
            if (!at('"'))
                expected(v.names.empty() ? "a member name in quotes or '}'"
                                         : "a member name in quotes");
            string(v.names.emplace_back());
            skipBlanks();
            if (!at(':'))
                expected("':' after the member name");
            ++m_i;
            skipBlanks();
            // A request's odds get room for twenty at once, the first time only: other arrays
            // grow as they fill, so that a line of many empty arrays costs no more than its bytes.
            const bool odds = depth == 1 && !m_oddsReserved && v.names.back() == "odds";
            v.elements.push_back(value(depth, odds));
            skipBlanks();
            if (at('}')) {
                ++m_i;
                return;
            }
            if (!at(','))
                expected("',' or '}'");
            ++m_i;
            skipBlanks();
        }
    }

    void array(JsonValue& v, int depth, bool odds) {
        v.kind = JsonValue::Kind::Array;
        if (odds) {
            v.elements.reserve(20);
            m_oddsReserved = true;
        }
        ++m_i;
        skipBlanks();
        if (at(']')) {
            ++m_i;
            return;
        }
        for (;;) {
            v.elements.push_back(value(depth));
            skipBlanks();
            if (at(']')) {
                ++m_i;
                return;
            }
            if (!at(','))
                expected("',' or ']'");
            ++m_i;
            skipBlanks();
        }
    }

    // '-'? ('0' | [1-9][0-9]*) ('.' [0-9]+)? ([eE] [+-]? [0-9]+)?, kept as written.
    void number(std::string& out) {
        const std::size_t start = m_i;
        if (at('-'))
            ++m_i;
        if (!atDigit())
            expected("a digit");
        if (at('0'))
            ++m_i;
        else
            digits();
        if (at('.')) {
            ++m_i;
            if (!atDigit())
                expected("a digit after '.'");
            digits();
        }
        if (at('e') || at('E')) {
            ++m_i;
            if (at('+') || at('-'))
                ++m_i;
            if (!atDigit())
                expected("a digit in the exponent");
            digits();
        }
        out.assign(m_s.substr(start, m_i - start));
    }

    void digits() {
        while (atDigit())
            ++m_i;
    }

    void string(std::string& out) {
        ++m_i; // the opening quote
        for (;;) {
            const std::size_t start = m_i;
            while (m_i < m_s.size() && m_s[m_i] != '"' && m_s[m_i] != '\\' &&
                   static_cast<unsigned char>(m_s[m_i]) >= 0x20)
                ++m_i;
            out.append(m_s.substr(start, m_i - start));
            if (m_i == m_s.size())
                expected("'\"' to end the text");
            if (m_s[m_i] == '"') {
                ++m_i;
                return;
            }
            if (m_s[m_i] != '\\')
                expected("an escape such as \\n in place of a control character");
            ++m_i;
            escape(out);
        }
    }

    void escape(std::string& out) {
        static constexpr std::string_view kSimple = "\"\\/bfnrt";
        static constexpr std::string_view kMeans = "\"\\/\b\f\n\r\t";
        const std::size_t simple = m_i < m_s.size() ? kSimple.find(m_s[m_i]) : kSimple.npos;
        if (simple != kSimple.npos) {
            out += kMeans[simple];
            ++m_i;
            return;
        }
        if (!at('u'))
            expected("an escape: \\\" \\\\ \\/ \\b \\f \\n \\r \\t or \\u and four hexadecimal "
                     "digits");
        ++m_i;
        std::uint32_t code = hex();
        if (code >= 0xDC00 && code <= 0xDFFF) {
            m_i -= 6;
            expected("a high surrogate (\\uD800 to \\uDBFF) before a low one");
        }
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (!word("\\u"))
                expected("\\u and a low surrogate (DC00 to DFFF) after a high one");
            m_i += 2;
            const std::uint32_t low = hex();
            if (low < 0xDC00 || low > 0xDFFF) {
                m_i -= 6;
                expected("\\u and a low surrogate (DC00 to DFFF) after a high one");
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, code);
    }

    std::uint32_t hex() {
        std::uint32_t code = 0;
        for (int k = 0; k < 4; ++k, ++m_i) {
            const char c = m_i < m_s.size() ? m_s[m_i] : '\0';
            const int digit = IsDigit(c)             ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0)
                expected("four hexadecimal digits after \\u");
            code = code * 16 + static_cast<std::uint32_t>(digit);
        }
        return code;
    }

    std::string_view m_s;
    std::size_t m_i = 0;
    bool m_oddsReserved = false;
};

// Columns count characters from 1, as an editor shows them.
std::size_t Column(std::string_view line, std::size_t at) {
    std::size_t column = 1;
    for (std::size_t i = 0; i < at && i < line.size(); ++i)
        column += (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80;
    return column;
}

JsonProblem Problem(std::string_view line, const Failure& failure) {
    return {std::string(failure.what) + " at column " + std::to_string(Column(line, failure.at)) +
            ": " + failure.detail};
}

} // namespace

const JsonValue* JsonValue::find(std::string_view name) const {
    for (std::size_t i = names.size(); i-- > 0;)
        if (names[i] == name)
            return &elements[i];
    return nullptr;
}

std::variant<JsonValue, JsonProblem> ReadJson(std::string_view line) {
    if (line.starts_with("\xFF\xFE") || line.starts_with("\xFE\xFF"))
        return JsonProblem{"not UTF-8: the line begins with the byte-order mark of UTF-16; "
                           "tenvo-calc reads UTF-8"};
    if (line.starts_with("\xEF\xBB\xBF"))
        line.remove_prefix(3);
    if (const std::size_t bad = FirstNonText(line); bad != line.npos)
        return Problem(line,
                       {bad, "not UTF-8",
                        line[bad] == '\0' ? "a NUL byte, as UTF-16 has; tenvo-calc reads UTF-8"
                                          : "a byte that UTF-8 does not allow there"});
    try {
        return Parser(line).document();
    } catch (const Failure& failure) {
        return Problem(line, failure);
    }
}

} // namespace tenvo
