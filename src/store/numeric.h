// The number rules that every reader of the store applies to its texts.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace store {

/// The leading decimal number of a text: blanks skipped, then an optional sign,
/// digits, an optional point and fraction and an optional exponent. A text that
/// does not begin so gives 0 ("12abc" gives 12, "abc12" gives 0, "1.5" gives 1.5).
double numericValue(QStringView text);

/// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4),
/// without a range limit beyond what a 64-bit integer holds.
qint64 roundHalfEven(double value);

/// The 16-bit whole number of the file formats: rounded halves to even and held
/// within -32768..32767 (a value outside is clamped, never wrapped).
int wholeNumber(double value);

/// wholeNumber(numericValue(text)).
int wholeNumber(QStringView text);

/// The decimal form a number box shows for a number: no leading zeros, no point
/// without a fraction ("007" -> 7, "4." -> 4, 1.5 -> 1.5), at most 15 digits.
QString decimalText(double value);

} // namespace store
