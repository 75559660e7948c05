// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer_code.h"

#include "numeric.h"

#include <limits>

namespace store {

AnswerCode AnswerCode::fromOptions(const std::array<bool, 7> &chosen)
{
    qint32 value = 0;
    for (int k = 1; k <= 7; ++k) {
        if (chosen[size_t(k - 1)])
            value = value * 10 + k;
    }
    return AnswerCode(value);
}

AnswerCode AnswerCode::fromText(QStringView text)
{
    const qint64 value = roundHalfEven(numericValue(text));
    return AnswerCode(qint32(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(),
                                                std::numeric_limits<qint32>::max())));
}

bool AnswerCode::hasOption(int option) const
{
    if (option < 0 || option > 9)
        return false;
    return toText().contains(QChar(u'0' + option));
}

} // namespace store
