// What the "About Test" window shows before the attempt starts.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"

#include <QString>

namespace student {

/// Four values of the paper under the root (never a local copy), read once, each
/// shown as the text it is; a missing key shows "0".
class AboutTest
{
public:
    AboutTest(const store::DataRoot &root, const QString &paper);

    QString description() const { return m_description; } ///< two spaces, then about_test
    QString fullMark() const { return m_fullMark; }
    QString testTime() const { return m_testTime; }           ///< minutes
    QString questionTotal() const { return m_questionTotal; } ///< two spaces, then the count

private:
    QString m_description;
    QString m_fullMark;
    QString m_testTime;
    QString m_questionTotal;
};

} // namespace student
