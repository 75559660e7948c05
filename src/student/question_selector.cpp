// SPDX-License-Identifier: GPL-3.0-or-later
#include "question_selector.h"

#include <algorithm>

namespace student {

void QuestionSelector::reset(int questionCount)
{
    m_count = std::max(questionCount, 0);
    m_maximum = m_count / step * step;
    m_offset = 0;
}

void QuestionSelector::setOffset(int offset)
{
    m_offset = std::clamp(offset, 0, m_maximum);
}

void QuestionSelector::follow(int position)
{
    // Forward while the position lies below the window; the maximum leaves at most
    // nineteen positions behind the last full step, so the window always arrives.
    while (position - m_offset > buttonCount && m_offset + step <= m_maximum)
        m_offset += step;
    while (m_offset >= position && m_offset > 0)
        m_offset = std::max(m_offset - step, 0);
}

bool QuestionSelector::isVisible(int button) const
{
    return button >= 1 && button <= buttonCount && positionOf(button) <= m_count;
}

int QuestionSelector::buttonOf(int position) const
{
    const int button = position - m_offset;
    return button >= 1 && button <= buttonCount && position <= m_count ? button : 0;
}

} // namespace student
