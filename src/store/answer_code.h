// The options chosen for one question, as the record files and papers write them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

namespace store {

/// The chosen options 1..7 (A..G) as the digits of a decimal number in ascending
/// order, each once: A and C give 13, nothing gives 0. All seven give 1234567,
/// which is why the value is wider than the file format's 16-bit numbers.
class AnswerCode
{
public:
    AnswerCode() = default;
    explicit AnswerCode(qint32 value)
        : m_value(value)
    {}

    /// From the ticked states of options 1..7 (index 0 is option 1).
    static AnswerCode fromOptions(const std::array<bool, 7> &chosen);
    /// The whole number of a stored text (leading number, halves to even).
    static AnswerCode fromText(QStringView text);

    qint32 value() const { return m_value; }
    /// Whether the digit of option k (1..7) occurs in the code's decimal text.
    bool hasOption(int option) const;
    QString toText() const { return QString::number(m_value); }

    bool operator==(const AnswerCode &) const = default;

private:
    qint32 m_value = 0;
};

} // namespace store
