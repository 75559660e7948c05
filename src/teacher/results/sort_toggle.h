// The sort state of one column header: which direction its next click sorts.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "order_by_keys.h"

namespace results {

/// 0 before the first click, then 2 after a descending sort and 1 after an
/// ascending one: the first click sorts descending, the next ascending, and so on.
class SortToggle
{
public:
    int state() const { return m_state; }
    void setState(int state) { m_state = state; }
    /// Moves to the next state and gives the direction to sort in.
    SortDirection flip();

private:
    int m_state = 0;
};

} // namespace results
