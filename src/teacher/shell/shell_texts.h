// Texts of the teacher shell that more than one window shows.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace teacher::texts {

inline const QString incorrect = QStringLiteral("Incorrect!Please enter again!");
inline const QString menuTitle = QStringLiteral("Teacher End");

} // namespace teacher::texts
