// SPDX-License-Identifier: MIT
// The number grammar, parsed by hand so that the user's locale never changes what a box means.
#include "core/number_text.h"

#include "core/run_time_error.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
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
    // The digits as one integer and the power of ten that scales it, while they fit exactly.
    std::uint64_t mantissa = 0;
    long long scale = 0;
    bool exact = true;
};

// Inlined into both readers: the Double reader is on every calculation's hot path.
[[gnu::always_inline]] inline Scanned ScanAscii(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    Scanned result;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        result.negative = s[i++] == '-';
    const std::size_t start = i;

    constexpr std::uint64_t kExactLimit = std::uint64_t{1} << 53;
    long long integerDigits = 0;
    long long leadingFractionZeros = 0;
    std::size_t digits = 0;
    bool seenNonZero = false;
    const auto takeDigit = [&](char c, bool fraction) {
        ++digits;
        seenNonZero |= c != '0';
        if (fraction) {
            --result.scale;
            leadingFractionZeros += !seenNonZero;
        } else {
            integerDigits += seenNonZero;
        }
        if (result.mantissa > (kExactLimit - 9) / 10)
            result.exact = false;
        else
            result.mantissa = result.mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    };
    for (; i < s.size() && IsDigit(s[i]); ++i)
        takeDigit(s[i], false);
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && IsDigit(s[i]); ++i)
            takeDigit(s[i], true);
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
    result.scale += exponent;
    return result;
}

// A mantissa below 2^53 scaled by at most 10^22 is one correctly rounded operation on two exact
// Doubles; everything else goes to from_chars.
bool FastPath(const Scanned& scanned, double& value) {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (!scanned.exact || scanned.scale < -22 || scanned.scale > 22)
        return false;
    const auto m = static_cast<double>(scanned.mantissa);
    value = scanned.scale >= 0 ? m * kPowers[scanned.scale] : m / kPowers[-scanned.scale];
    return true;
}

// Scans a text as typed: full-width forms are read into `ascii`, which the result's body may
// point into.
[[gnu::always_inline]] inline Scanned Scan(std::string_view text, std::string& ascii) {
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; }))
        return ScanAscii(text);
    ascii = ToAsciiForms(text);
    return ScanAscii(ascii);
}

} // namespace

double ParseDouble(std::string_view text) {
    std::string ascii;
    const Scanned scanned = Scan(text, ascii);
    double value = 0;
    if (FastPath(scanned, value))
        return scanned.negative ? -value : value;
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

DecimalNumber ReadDecimal(std::string_view text) {
    std::string ascii;
    const Scanned scanned = Scan(text, ascii);
    DecimalNumber number{scanned.negative, {}, scanned.scale};
    // The body's digits up to the exponent; Scan has counted the fraction into the scale.
    for (const char c : scanned.body) {
        if (c == 'E' || c == 'e')
            break;
        if (IsDigit(c) && (c != '0' || !number.digits.empty()))
            number.digits += c;
    }
    std::size_t significant = number.digits.find_last_not_of('0');
    significant = significant == std::string::npos ? 0 : significant + 1;
    number.exponent += static_cast<long long>(number.digits.size() - significant);
    number.digits.resize(significant);
    if (number.digits.empty())
        number.exponent = 0;
    return number;
}

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
