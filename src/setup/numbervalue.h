#pragma once

#include <QString>

#include <cmath>
#include <limits>
#include <optional>

// The number a text starts with, read the way the modem's replies and version
// texts are read: blanks (space, tab, line feed) are skipped wherever they
// stand, then an optional sign, digits with at most one decimal point and an
// optional exponent; reading stops at the first other character. A text
// without leading digits is 0.
double numberValue(const QString &text);

// A whole text that is one number (blanks around it allowed), as opposed to
// a text that merely starts with one.
bool isNumber(const QString &text);

// A number rounded to a whole one the way the modem's values were always
// rounded (halves to even); no value when it does not fit T.
template <typename T>
std::optional<T> wholeNumber(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= double(std::numeric_limits<T>::min()) && rounded <= double(std::numeric_limits<T>::max())))
        return std::nullopt;
    return T(rounded);
}
