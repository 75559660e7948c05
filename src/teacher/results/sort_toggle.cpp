// SPDX-License-Identifier: GPL-3.0-or-later
#include "sort_toggle.h"

namespace results {

SortDirection SortToggle::flip()
{
    if (m_state == 2) {
        m_state = 1;
        return SortDirection::Ascending;
    }
    m_state = 2;
    return SortDirection::Descending;
}

} // namespace results
