// SPDX-License-Identifier: MIT
// Exact money: 128-bit integers for the usual odds, GMP for odds of any length.
#include "core/profit_table.h"

#include "core/number_text.h"
#include "core/run_time_error.h"

#include <gmp.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tenvo {
namespace {

__extension__ typedef __int128 Wide; // GCC and clang have it; ISO C++ does not

Wide PowerOfTen(long long n) {
    Wide power = 1;
    while (n-- > 0)
        power *= 10;
    return power;
}

// q + r / d, with 0 <= r < d, rounded half to even.
Wide RoundHalfEven(Wide q, Wide r, Wide d) {
    const Wide twice = 2 * r;
    return twice > d || (twice == d && q % 2 != 0) ? q + 1 : q;
}

Yen Narrowed(Wide value) {
    if (value > std::numeric_limits<Yen>::max() || value < std::numeric_limits<Yen>::min())
        throw RuntimeError(ErrorKind::Overflow);
    return static_cast<Yen>(value);
}

// Digits and exponent small enough for 128 bits: at most 18 digits scaled by at most 10^18.
bool FitsWide(const DecimalNumber& odds) {
    return odds.digits.size() <= 18 && odds.exponent >= -18 &&
           static_cast<long long>(odds.digits.size()) + odds.exponent <= 18;
}

Yen WidePayout(const DecimalNumber& odds, Yen stake) {
    Wide magnitude = 0;
    for (const char c : odds.digits)
        magnitude = magnitude * 10 + (c - '0');
    const bool negative = odds.negative != (stake < 0);
    // |stake| < 2^63 and the digits < 10^18: the product fits 127 bits.
    magnitude *= stake < 0 ? -static_cast<Wide>(stake) : static_cast<Wide>(stake);
    Wide rounded = magnitude * PowerOfTen(odds.exponent);
    if (odds.exponent < 0) {
        const Wide divisor = PowerOfTen(-odds.exponent);
        rounded = RoundHalfEven(magnitude / divisor, magnitude % divisor, divisor);
    }
    return Narrowed(negative ? -rounded : rounded);
}

// The same with GMP's integers, for odds of any length.
Yen LongPayout(const DecimalNumber& odds, Yen stake) {
    mpz_t product, divisor, quotient, remainder;
    mpz_inits(product, divisor, quotient, remainder, nullptr);
    mpz_set_str(product, odds.digits.c_str(), 10);
    mpz_t factor;
    mpz_init_set_si(factor, stake);
    mpz_abs(factor, factor);
    mpz_mul(product, product, factor);
    mpz_clear(factor);
    const unsigned long scale =
        static_cast<unsigned long>(odds.exponent < 0 ? -odds.exponent : odds.exponent);
    mpz_ui_pow_ui(divisor, 10, scale);
    if (odds.exponent >= 0) {
        mpz_mul(quotient, product, divisor);
    } else {
        mpz_fdiv_qr(quotient, remainder, product, divisor);
        if (mpz_sgn(remainder) != 0) {
            mpz_mul_2exp(remainder, remainder, 1);
            const int half = mpz_cmp(remainder, divisor);
            if (half > 0 || (half == 0 && mpz_odd_p(quotient)))
                mpz_add_ui(quotient, quotient, 1);
        }
    }
    const bool fits = mpz_fits_slong_p(quotient) != 0; // Yen is a long
    const Yen magnitude = fits ? static_cast<Yen>(mpz_get_si(quotient)) : 0;
    mpz_clears(product, divisor, quotient, remainder, nullptr);
    if (!fits)
        throw RuntimeError(ErrorKind::Overflow);
    const bool negative = odds.negative != (stake < 0);
    return negative ? -magnitude : magnitude;
}

// Floor and ceiling of a / b for b > 0.
std::int64_t FloorDivide(Wide a, Wide b) {
    const Wide q = a / b;
    return static_cast<std::int64_t>(q - (a % b < 0 ? 1 : 0));
}

} // namespace

Yen PayoutOf(const Value& odds, Yen stake) {
    if (stake == 0)
        return 0; // an entry outside the bet: its odds are not even read
    const Value::Variant& v = odds.variant();
    DecimalNumber decimal;
    if (const auto* text = std::get_if<std::string>(&v)) {
        decimal = ReadDecimal(*text);
    } else {
        // A number's exact value: a Double has at most 309 digits before the point, and its
        // binary fraction ends within 1074 places after it.
        char buffer[1400];
        const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, ToDouble(odds),
                                                std::chars_format::fixed, 1074);
        if (error != std::errc())
            throw RuntimeError(ErrorKind::Overflow); // infinite: no Value holds one
        decimal = ReadDecimal(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
    }
    if (decimal.digits.empty())
        return 0;
    // Odds of 10^40 and more pay more than 64 bits hold; odds below 10^-20 pay less than a yen
    // on any stake. Neither needs its powers of ten worked out.
    const long long order = static_cast<long long>(decimal.digits.size()) + decimal.exponent;
    if (order > 40)
        throw RuntimeError(ErrorKind::Overflow);
    if (order < -20)
        return 0;
    return FitsWide(decimal) ? WidePayout(decimal, stake) : LongPayout(decimal, stake);
}

std::string DecimalText(std::int64_t count, int decimals) {
    std::string text = std::to_string(count < 0 ? -count : count);
    if (text.size() <= static_cast<std::size_t>(decimals))
        text.insert(0, static_cast<std::size_t>(decimals) + 1 - text.size(), '0');
    text.insert(text.size() - static_cast<std::size_t>(decimals), 1, '.');
    return count < 0 ? '-' + text : text;
}

Yen ShownYen(const Value& amount) {
    // A whole number below 10^7 is shown with every digit: that is every amount of a usual bet.
    const double value = ToDouble(amount);
    if (value == std::nearbyint(value) && std::fabs(value) < 1e7)
        return static_cast<Yen>(value);
    return PayoutOf(Value(ToText(amount)), 1);
}

std::optional<std::int64_t> BreakEvenTenths(Yen stake, Yen total) {
    if (stake <= 0)
        return std::nullopt;
    return -FloorDivide(-10 * static_cast<Wide>(total), stake);
}

std::optional<std::int64_t> CombinedOddsHundredths(Yen payout, Yen total) {
    if (total == 0)
        return std::nullopt;
    const Wide hundredths = 100 * static_cast<Wide>(payout);
    return total > 0 ? FloorDivide(hundredths, total)
                     : FloorDivide(-hundredths, -static_cast<Wide>(total));
}

} // namespace tenvo
