// The number grammar, parsed by hand so that the user's locale never changes what a box means.
#include "core/number_text.h"

#include "core/run_time_error.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace tenvo {
namespace {

// Maps the full-width forms a Japanese input method types to ASCII; other bytes pass unchanged
// and are turned away by the grammar.
std::string ToAsciiForms(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        if (i + 2 < text.size() && byte(i) == 0xEF && byte(i + 1) == 0xBC) {
            const unsigned char third = byte(i + 2);
            if (third >= 0x90 && third <= 0x99) { // U+FF10..U+FF19, full-width digits
                out += static_cast<char>('0' + (third - 0x90));
                i += 2;
                continue;
            }
            if (third == 0x8B || third == 0x8D || third == 0x8E) { // ＋ － ．
                out += third == 0x8B ? '+' : third == 0x8D ? '-' : '.';
                i += 2;
                continue;
            }
        }
        if (i + 2 < text.size() && byte(i) == 0xE3 && byte(i + 1) == 0x80 && byte(i + 2) == 0x80) {
            out += ' '; // U+3000, the full-width space
            i += 2;
            continue;
        }
        out += text[i];
    }
    return out;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Scanned {
    bool negative = false;
    std::string_view body; // the unsigned number, ready for from_chars
    // Where the first significant digit stands relative to the decimal point, plus the exponent;
    // only its sign matters: it tells an overflow from an underflow.
    long long order = 0;
    bool allZero = true;
};

Scanned Scan(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    Scanned result;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        result.negative = s[i++] == '-';
    const std::size_t start = i;

    long long integerDigits = 0;
    long long leadingFractionZeros = 0;
    std::size_t digits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++digits) {
        if (s[i] != '0' || !result.allZero) {
            result.allZero = false;
            ++integerDigits;
        }
    }
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && IsDigit(s[i]); ++i, ++digits) {
            if (s[i] != '0')
                result.allZero = false;
            else if (result.allZero)
                ++leadingFractionZeros;
        }
    }
    if (digits == 0)
        throw RuntimeError(ErrorKind::TypeMismatch);

    long long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            negativeExponent = s[i++] == '-';
        if (i == s.size() || !IsDigit(s[i]))
            throw RuntimeError(ErrorKind::TypeMismatch);
        for (; i < s.size() && IsDigit(s[i]); ++i)
            exponent = std::min(exponent * 10 + (s[i] - '0'), 1'000'000'000LL);
        if (negativeExponent)
            exponent = -exponent;
    }
    result.body = s.substr(start, i - start);
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    if (i != s.size())
        throw RuntimeError(ErrorKind::TypeMismatch);
    result.order = (integerDigits > 0 ? integerDigits : -leadingFractionZeros) + exponent;
    return result;
}

template <class Float> Float Parse(std::string_view text) {
    const std::string ascii = ToAsciiForms(text);
    const Scanned scanned = Scan(ascii);
    Float value = 0;
    const auto [end, ec] =
        std::from_chars(scanned.body.data(), scanned.body.data() + scanned.body.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (scanned.order > 0)
            throw RuntimeError(ErrorKind::Overflow);
        value = 0; // too small to hold: it reads as zero
    } else if (ec != std::errc() || end != scanned.body.data() + scanned.body.size()) {
        throw RuntimeError(ErrorKind::TypeMismatch);
    }
    return scanned.negative ? -value : value;
}

} // namespace

double ParseDouble(std::string_view text) { return Parse<double>(text); }

float ParseSingle(std::string_view text) { return Parse<float>(text); }

std::string FormatSignificant(double value, int digits) {
    if (value == 0)
        return "0";
    // Scientific form with exactly `digits` significant digits, rounded from the exact binary
    // value with ties to even, as printf's "%.*g" does.
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                         std::chars_format::scientific, digits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    const bool negative = text.front() == '-';
    std::string mantissa;
    for (char c : text.substr(0, e))
        if (IsDigit(c))
            mantissa += c;
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exponent);
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += mantissa;
        return out;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (mantissa.size() <= integerDigits) {
        out += mantissa;
        out.append(integerDigits - mantissa.size(), '0');
    } else {
        out += mantissa.substr(0, integerDigits);
        out += '.';
        out += mantissa.substr(integerDigits);
    }
    return out;
}

} // namespace tenvo
