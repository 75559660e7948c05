// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_by_keys.h"

#include <algorithm>
#include <numeric>

namespace results {

namespace {

// The order users know comes from repeatedly picking the largest remaining key,
// the last position on ties; sorting by (key, position) both descending yields
// the same permutation in n log n.
template<typename Key> QList<int> order(const QList<Key> &keys, SortDirection direction)
{
    QList<int> positions(keys.size());
    std::iota(positions.begin(), positions.end(), 1);
    std::sort(positions.begin(), positions.end(), [&keys](int a, int b) {
        const Key &ka = keys.at(a - 1);
        const Key &kb = keys.at(b - 1);
        if (kb < ka)
            return true;
        if (ka < kb)
            return false;
        return a > b;
    });
    if (direction == SortDirection::Ascending)
        std::reverse(positions.begin(), positions.end());
    return positions;
}

} // namespace

QList<int> orderByKeys(const QList<double> &keys, SortDirection direction)
{
    return order(keys, direction);
}

QList<int> orderByKeys(const QStringList &keys, SortDirection direction)
{
    return order(keys, direction);
}

} // namespace results
