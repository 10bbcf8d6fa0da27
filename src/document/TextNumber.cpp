#include "document/TextNumber.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace markroll {

namespace {

bool IsSkipped(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n';
}

int DigitValue(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return 99;
}

// "&H" and "&O" numbers: up to 16 bits they read as a signed 16-bit value, up to 32 bits as a signed
// 32-bit value (so &HFFFF is -1, as the classic number reader gives it).
double RadixValue(std::string_view t, std::size_t i, int radix) {
    std::uint64_t v = 0;
    bool any = false;
    for (; i < t.size() && DigitValue(t[i]) < radix; ++i) {
        v = v * static_cast<unsigned>(radix) + static_cast<unsigned>(DigitValue(t[i]));
        if (v > 0xFFFFFFFFull)
            v &= 0xFFFFFFFFull;
        any = true;
    }
    if (!any)
        return 0;
    if (v <= 0xFFFF)
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(v)));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
}

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

} // namespace

double TextValue(std::string_view s) {
    // Every cell of every category is read through here on each recalculation, so the common case (a few
    // characters holding a whole number or dots) neither allocates nor goes through strtod.
    char local[32];
    std::string heap;
    char* buf = local;
    if (s.size() > sizeof local) {
        heap.resize(s.size());
        buf = heap.data();
    }
    std::size_t n = 0;
    for (char ch : s)
        if (!IsSkipped(ch))
            buf[n++] = ch;
    const std::string_view t(buf, n);

    if (n >= 2 && t[0] == '&') {
        const char p = static_cast<char>(t[1] | 0x20);
        if (p == 'h')
            return RadixValue(t, 2, 16);
        if (p == 'o')
            return RadixValue(t, 2, 8);
    }

    std::size_t i = 0;
    const bool negative = i < n && t[i] == '-';
    if (i < n && (t[i] == '+' || t[i] == '-'))
        ++i;
    bool digits = false;
    bool point = false;
    bool exact = true; // a whole number of at most 15 digits, which a double holds exactly
    std::uint64_t whole = 0;
    for (; i < n; ++i) {
        if (IsDigit(t[i])) {
            digits = true;
            if (!point && whole < 100000000000000ull)
                whole = whole * 10 + static_cast<unsigned>(t[i] - '0');
            else
                exact = false;
        } else if (t[i] == '.' && !point) {
            point = true;
            exact = false;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    std::size_t exponent = i;
    if (i < n && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < n && (t[j] == '+' || t[j] == '-'))
            ++j;
        const std::size_t first = j;
        while (j < n && IsDigit(t[j]))
            ++j;
        if (j > first)
            exponent = j;
    }
    if (exact && exponent == i)
        return negative ? -static_cast<double>(whole) : static_cast<double>(whole);

    // A fraction or an exponent: hand the number, in a form strtod reads exactly, to strtod.
    std::string num(t.substr(0, i));
    if (exponent > i) {
        num.push_back('e');
        num.append(t.substr(i + 1, exponent - i - 1));
    }
    const double v = std::strtod(num.c_str(), nullptr);
    return std::isfinite(v) ? v : std::copysign(std::numeric_limits<double>::max(), v);
}

std::string NumText(double x) {
    if (std::isnan(x))
        x = 0;
    const double a = std::fabs(x);
    char buf[64];
    buf[0] = x < 0 ? '-' : ' ';
    if (a == std::floor(a) && a < 1e15) {
        const auto r = std::to_chars(buf + 1, buf + sizeof buf, static_cast<std::uint64_t>(a));
        return std::string(buf, r.ptr);
    }
    std::snprintf(buf + 1, sizeof buf - 1, "%.15g", a);
    return buf;
}

std::string NumTextTrim(double x) {
    std::string s = NumText(x);
    if (!s.empty() && s[0] == ' ')
        s.erase(0, 1);
    return s;
}

std::string CellText(double x, int w) {
    if (w <= 0)
        return {};
    const std::string t = NumText(x);
    const auto width = static_cast<std::size_t>(w);
    return t.size() >= width ? t.substr(t.size() - width) : std::string(width - t.size(), ' ') + t;
}

double RoundHalfEven(double x) {
    return std::nearbyint(x);
}

double IntHalfUp(double x) {
    return std::floor(x + 0.5);
}

std::int16_t ReadInt16(std::string_view text) {
    return ClampToInt16(RoundHalfEven(TextValue(text)));
}

std::int16_t ClampToInt16(double x) {
    if (std::isnan(x))
        return 0;
    return static_cast<std::int16_t>(ClampInt(x, Int16Min, Int16Max));
}

int ClampInt(double x, int lo, int hi) {
    if (std::isnan(x) || x < lo)
        return lo;
    if (x > hi)
        return hi;
    return static_cast<int>(x);
}

std::string Left(std::string_view s, int n) {
    if (n <= 0)
        return {};
    return std::string(s.substr(0, static_cast<std::size_t>(n)));
}

std::string Right(std::string_view s, int n) {
    if (n <= 0)
        return {};
    const auto k = static_cast<std::size_t>(n);
    return std::string(k >= s.size() ? s : s.substr(s.size() - k));
}

std::string Mid(std::string_view s, int start, int n) {
    if (start < 1 || n <= 0 || static_cast<std::size_t>(start) > s.size())
        return {};
    return std::string(s.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(n)));
}

std::string Space(int n) {
    return n > 0 ? std::string(static_cast<std::size_t>(n), ' ') : std::string();
}

void ReplaceAt(std::string& row, int pos, std::string_view text) {
    if (pos < 1)
        return;
    const auto start = static_cast<std::size_t>(pos - 1);
    if (row.size() < start + text.size())
        row.resize(start + text.size(), ' ');
    row.replace(start, text.size(), text);
}

} // namespace markroll
