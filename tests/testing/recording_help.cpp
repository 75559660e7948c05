// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_help.h"

namespace testing {

void RecordingHelp::open(const QString &page, QWidget *over)
{
    m_pages.append(page);
    m_owners.append(over);
}

} // namespace testing
