// SPDX-License-Identifier: MIT
// Spreading an amount exactly: every odds figure an integer over one power of ten, stakes
// counted in units of 100 yen, 128-bit integers for odds of up to 18 decimals and GMP beyond.
#include "core/spread.h"

#include "core/calculation_state.h"
#include "core/run_time_error.h"

#include <gmpxx.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace tenvo {
namespace {

__extension__ typedef __int128 Wide; // GCC and clang have it; ISO C++ does not

constexpr const char* kNotAnAmount = "金額には 1 円以上の整数を入力してください。";
constexpr const char* kOverTheLimit = "金額は 1000000000000 円までです。";
constexpr const char* kNoProfit =
    "この倍率では、儲けの出る賭け方はありません（合成オッズが 1 以下です）。";
constexpr const char* kProfitOverTheLimit =
    "この儲け額に届く賭け金の合計は 1000000000000 円を超えます。";
constexpr const char* kProfitTooHard =
    "合成オッズが 1 に近すぎるため、この儲け額に届く最も少ない賭け金を求められません。";

// The profit search climbs a step a round; past this many rounds (half a second or so) it gives
// up and says so. The steps grow shorter as the sum of 1 / odds nears 1: twenty entries whose
// sum lies within 10^-7 of 1 can need more, and a total of billions of yen.
template <class Int> constexpr long kMostRounds = 10'000'000;
template <> constexpr long kMostRounds<mpz_class> = 500'000;

double ToDouble(const Wide& value) { return static_cast<double>(value); }
double ToDouble(const mpz_class& value) { return value.get_d(); }
std::int64_t ToUnits(const Wide& value) { return static_cast<std::int64_t>(value); }
std::int64_t ToUnits(const mpz_class& value) { return value.get_si(); }

Wide PowerOfTen(Wide, long long n) {
    Wide power = 1;
    while (n-- > 0)
        power *= 10;
    return power;
}

mpz_class PowerOfTen(const mpz_class&, long long n) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(n));
    return power;
}

Wide FromDigits(Wide, const std::string& digits) {
    Wide value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

mpz_class FromDigits(const mpz_class&, const std::string& digits) { return mpz_class(digits, 10); }

// Odds of at most 18 decimals and below 10^5: scaled to integers below 10^23, and every product
// the spread forms stays below 2^127.
bool FitsWide(std::span<const DecimalNumber> odds) {
    return std::all_of(odds.begin(), odds.end(), [](const DecimalNumber& o) {
        return o.exponent >= -18 && static_cast<long long>(o.digits.size()) + o.exponent <= 5;
    });
}

// Whether the sum of 1 / odds is below 1, exactly.
bool ReciprocalsBelowOne(std::span<const DecimalNumber> odds) {
    mpq_class sum = 0;
    for (const DecimalNumber& o : odds) {
        mpq_class value(mpz_class(o.digits, 10));
        const mpz_class power = PowerOfTen(mpz_class(), std::llabs(o.exponent));
        value = o.exponent >= 0 ? mpq_class(value * power) : mpq_class(value / power);
        sum += 1 / value;
    }
    return sum < 1;
}

// Stakes in units of 100 yen over the entries of one bet. A payout is compared as payout x 10^p,
// an integer for every entry, with p the most decimals of any odds.
template <class Int> class Spreader {
public:
    explicit Spreader(std::span<const DecimalNumber> odds)
        : m_count(odds.size()) {
        long long places = 0;
        for (const DecimalNumber& o : odds)
            places = std::max(places, -o.exponent);
        m_scale = PowerOfTen(Int(), places);
        for (std::size_t i = 0; i < m_count; ++i) {
            const Int scaled =
                FromDigits(Int(), odds[i].digits) * PowerOfTen(Int(), odds[i].exponent + places);
            m_unitPay[i] = scaled * 100;
            m_odds[i] = ToDouble(scaled) / ToDouble(m_scale);
            m_reciprocals += 1 / m_odds[i];
        }
    }

    double reciprocals() const { return m_reciprocals; }

    // The least units on entry i whose payout reaches `target` yen, at least one.
    std::int64_t leastUnits(std::size_t i, Yen target) const {
        if (target <= 0)
            return 1;
        const Int reach = Int(static_cast<long>(target)) * m_scale;
        const Int units = (reach + m_unitPay[i] - 1) / m_unitPay[i];
        return std::max<std::int64_t>(1, ToUnits(units));
    }

    // The least total in yen whose stakes all pay `target` or more.
    Yen cost(Yen target) const {
        Yen units = 0;
        for (std::size_t i = 0; i < m_count; ++i)
            units += leastUnits(i, target);
        return units * kStakeStep;
    }

    std::vector<Yen> payout(Yen target) const {
        std::vector<Yen> stakes(m_count);
        for (std::size_t i = 0; i < m_count; ++i)
            stakes[i] = leastUnits(i, target) * kStakeStep;
        return stakes;
    }

    // The greatest guaranteed payout within `budget`, and the least stakes that pay it. Raises
    // the entries that pay least, all of them at once, while the budget allows; started from
    // stakes no larger than the answer's, found from the real-valued answer, it ends on it.
    std::vector<Yen> budget(Yen budget) const {
        const auto n = static_cast<double>(m_count);
        const double reachable = (static_cast<double>(budget) - 100 * n) / m_reciprocals;
        std::array<std::int64_t, kEntryCount> units{};
        std::array<Int, kEntryCount> pays{};
        Yen spent = 0;
        for (std::size_t i = 0; i < m_count; ++i) {
            const double guess = std::floor(reachable * (1 - 1e-9) / (100 * m_odds[i])) - 1;
            units[i] = guess > 1 ? static_cast<std::int64_t>(guess) : 1;
            pays[i] = m_unitPay[i] * Int(static_cast<long>(units[i]));
            spent += units[i] * kStakeStep;
        }
        for (;;) {
            const Int least = *std::min_element(pays.begin(), pays.begin() + m_count);
            Yen raise = 0;
            for (std::size_t i = 0; i < m_count; ++i)
                raise += pays[i] == least ? kStakeStep : 0;
            if (spent + raise > budget)
                break;
            for (std::size_t i = 0; i < m_count; ++i)
                if (pays[i] == least) {
                    ++units[i];
                    pays[i] += m_unitPay[i];
                }
            spent += raise;
        }
        std::vector<Yen> stakes(m_count);
        for (std::size_t i = 0; i < m_count; ++i)
            stakes[i] = units[i] * kStakeStep;
        return stakes;
    }

    // The least total whose payouts all exceed it by `profit`, when the sum of 1 / odds is
    // below 1. Every total below it fails, and a failing total T shows that none reaches it
    // below cost(T + profit): the search climbs from a total below the answer by that step.
    std::variant<std::vector<Yen>, SpreadRefusal> profit(Yen profit) const {
        // No total below profit x H / (1 - H) pays it, H the sum of 1 / odds; the Double sum is
        // within 1e-14 of H, and the bound is taken a little lower still.
        const auto least = static_cast<Yen>(m_count) * kStakeStep;
        const double below = static_cast<double>(profit) * (m_reciprocals - 1e-14) /
                             (1 - m_reciprocals + 1e-14) * (1 - 1e-9);
        if (below > static_cast<double>(kAmountLimit))
            return SpreadRefusal{kProfitOverTheLimit};
        Yen total = least;
        if (below > static_cast<double>(least))
            total = static_cast<Yen>(below) / kStakeStep * kStakeStep;
        for (long round = 0;; ++round) {
            const Yen needed = cost(total + profit);
            if (needed <= total)
                break;
            total = needed;
            if (total > kAmountLimit)
                return SpreadRefusal{kProfitOverTheLimit};
            if (round == kMostRounds<Int>)
                return SpreadRefusal{kProfitTooHard};
        }
        return budget(total); // its total is this one: nothing less pays the profit
    }

private:
    std::size_t m_count;
    Int m_scale;
    std::array<Int, kEntryCount> m_unitPay{}; // what one unit (100 yen) pays, x 10^p
    std::array<double, kEntryCount> m_odds{}; // near enough to guess from
    double m_reciprocals = 0;                 // the sum of 1 / odds, near enough
};

SpreadRefusal BudgetTooSmall(std::size_t count) {
    return {"予算が足りません。" + std::to_string(count) + " 点に賭けるには " +
            std::to_string(static_cast<Yen>(count) * kStakeStep) + " 円以上が必要です。"};
}

template <class Int>
std::variant<std::vector<Yen>, SpreadRefusal> SpreadWith(const Spread& spread,
                                                         std::span<const DecimalNumber> odds) {
    const Spreader<Int> spreader(odds);
    switch (spread.by) {
    case SpreadBy::Payout:
        return spreader.payout(spread.amount);
    case SpreadBy::Budget:
        if (spread.amount < static_cast<Yen>(odds.size()) * kStakeStep)
            return BudgetTooSmall(odds.size());
        return spreader.budget(spread.amount);
    case SpreadBy::Profit:
        break;
    }
    // Near 1 a Double cannot tell which side the sum lies on; GMP can.
    const double reciprocals = spreader.reciprocals();
    const bool belowOne =
        reciprocals < 1 - 1e-9 || (reciprocals <= 1 + 1e-9 && ReciprocalsBelowOne(odds));
    if (!belowOne)
        return SpreadRefusal{kNoProfit};
    return spreader.profit(spread.amount);
}

} // namespace

std::variant<Spread, SpreadRefusal> ReadSpread(SpreadBy by, std::string_view amount, int count) {
    DecimalNumber number;
    try {
        number = ReadDecimal(amount);
    } catch (const RuntimeError&) {
        return SpreadRefusal{kNotAnAmount};
    }
    if (number.negative || number.digits.empty() || number.exponent < 0)
        return SpreadRefusal{kNotAnAmount};
    if (static_cast<long long>(number.digits.size()) + number.exponent > 13)
        return SpreadRefusal{kOverTheLimit};
    Yen yen = 0;
    for (const char c : number.digits)
        yen = yen * 10 + (c - '0');
    for (long long e = 0; e < number.exponent; ++e)
        yen *= 10;
    if (yen > kAmountLimit)
        return SpreadRefusal{kOverTheLimit};
    if (by == SpreadBy::Budget && yen < kStakeStep * count)
        return BudgetTooSmall(static_cast<std::size_t>(count));
    return Spread{by, yen};
}

std::variant<std::vector<Yen>, SpreadRefusal> SpreadStakes(const Spread& spread,
                                                           std::span<const DecimalNumber> odds) {
    return FitsWide(odds) ? SpreadWith<Wide>(spread, odds) : SpreadWith<mpz_class>(spread, odds);
}

} // namespace tenvo
