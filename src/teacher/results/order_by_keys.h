// The one ordering rule of every sortable column of the results view.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>

namespace results {

enum class SortDirection { Descending, Ascending };

/// The display order of positions 1..n by their keys (keys[i] belongs to position
/// i + 1). Descending puts larger keys first and, among equal keys, the higher
/// position first; ascending is exactly that order reversed. The result depends
/// only on the keys, never on the order shown before.
QList<int> orderByKeys(const QList<double> &keys, SortDirection direction);
/// The same for texts, compared by character code.
QList<int> orderByKeys(const QStringList &keys, SortDirection direction);

} // namespace results
