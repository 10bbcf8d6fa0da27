#include "document/TextNumber.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace markroll {

namespace {

bool IsSkipped(char ch) { return ch == ' ' || ch == '\t' || ch == '\n'; }

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
double RadixValue(const std::string& t, std::size_t i, int radix) {
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

} // namespace

double TextValue(std::string_view s) {
    std::string t;
    t.reserve(s.size());
    for (char ch : s)
        if (!IsSkipped(ch))
            t.push_back(ch);

    if (t.size() >= 2 && t[0] == '&') {
        const char p = static_cast<char>(t[1] | 0x20);
        if (p == 'h')
            return RadixValue(t, 2, 16);
        if (p == 'o')
            return RadixValue(t, 2, 8);
    }

    // Collect the longest prefix that forms a number, in a form strtod reads exactly.
    std::string num;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        num.push_back(t[i++]);
    bool digits = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (t[i] >= '0' && t[i] <= '9') {
            num.push_back(t[i]);
            digits = true;
        } else if (t[i] == '.' && !point) {
            num.push_back('.');
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            exp.push_back(t[j++]);
        bool expDigits = false;
        for (; j < t.size() && t[j] >= '0' && t[j] <= '9'; ++j) {
            exp.push_back(t[j]);
            expDigits = true;
        }
        if (expDigits)
            num += exp;
    }
    const double v = std::strtod(num.c_str(), nullptr);
    return std::isfinite(v) ? v : std::copysign(std::numeric_limits<double>::max(), v);
}

std::string NumText(double x) {
    if (std::isnan(x))
        x = 0;
    std::string body;
    const double a = std::fabs(x);
    if (a == std::floor(a) && a < 1e15) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.0f", a);
        body = buf;
    } else {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15g", a);
        body = buf;
    }
    return (x < 0 ? "-" : " ") + body;
}

std::string NumTextTrim(double x) {
    std::string s = NumText(x);
    if (!s.empty() && s[0] == ' ')
        s.erase(0, 1);
    return s;
}

std::string CellText(double x, int w) { return Right(Space(w) + NumText(x), w); }

double RoundHalfEven(double x) { return std::nearbyint(x); }

double IntHalfUp(double x) { return std::floor(x + 0.5); }

std::int16_t ClampToInt16(double x) { return static_cast<std::int16_t>(ClampInt(x, Int16Min, Int16Max)); }

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

std::string Space(int n) { return n > 0 ? std::string(static_cast<std::size_t>(n), ' ') : std::string(); }

void ReplaceAt(std::string& row, int pos, std::string_view text) {
    if (pos < 1)
        return;
    const auto start = static_cast<std::size_t>(pos - 1);
    if (row.size() < start + text.size())
        row.resize(start + text.size(), ' ');
    row.replace(start, text.size(), text);
}

} // namespace markroll
