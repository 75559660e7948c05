// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_test.h"

#include "store/profile_file.h"

namespace student {

AboutTest::AboutTest(const store::DataRoot &root, const QString &paper)
{
    const store::ProfileSnapshot file = store::ProfileFile(root.paperFile(paper)).read();
    const QString zero = QStringLiteral("0");
    m_description = QStringLiteral("  ") + file.value(u"main", u"about_test", zero);
    m_fullMark = file.value(u"main", u"full_mark", zero);
    m_testTime = file.value(u"main", u"TESTtime", zero);
    m_questionTotal = QStringLiteral("  ") + file.value(u"main", u"Question_conut", zero);
}

} // namespace student
