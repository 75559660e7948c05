// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace store {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\0' || c == u'\f' ||
           c == u'\v';
}

} // namespace

double numericValue(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;

    // Collect the accepted prefix as plain ASCII for strtod.
    std::string number;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        number += char(text[i++].unicode());
    qsizetype digits = 0;
    while (i < n && isDigit(text[i])) {
        number += char(text[i++].unicode());
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        std::string fraction = ".";
        while (j < n && isDigit(text[j])) {
            fraction += char(text[j++].unicode());
            ++digits;
        }
        if (digits > 0) {
            number += fraction;
            i = j;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += char(text[j++].unicode());
        const qsizetype exponentStart = j;
        while (j < n && isDigit(text[j]))
            exponent += char(text[j++].unicode());
        if (j > exponentStart)
            number += exponent;
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value
                                : (value > 0 ? std::numeric_limits<double>::max()
                                             : std::numeric_limits<double>::lowest());
}

qint64 roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double limit = 9.0e18;
    if (value >= limit)
        return qint64(limit);
    if (value <= -limit)
        return -qint64(limit);
    // nearbyint rounds halves to even in the default rounding mode.
    return qint64(std::nearbyint(value));
}

int wholeNumber(double value)
{
    const qint64 rounded = roundHalfEven(value);
    if (rounded > 32767)
        return 32767;
    if (rounded < -32768)
        return -32768;
    return int(rounded);
}

int wholeNumber(QStringView text)
{
    return wholeNumber(numericValue(text));
}

QString decimalText(double value)
{
    if (value == 0 || std::isnan(value))
        return QStringLiteral("0");
    if (value == std::trunc(value) && std::abs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

} // namespace store
