#pragma once

#include <QString>

// The number a text starts with, read the way the modem's replies and version
// texts are read: blanks (space, tab, line feed) are skipped wherever they
// stand, then an optional sign, digits with at most one decimal point and an
// optional exponent; reading stops at the first other character. A text
// without leading digits is 0.
double NumberValue(const QString &text);
