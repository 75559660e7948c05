// SPDX-License-Identifier: GPL-3.0-or-later
#include "root_gate.h"

#include <QCoreApplication>
#include <QDir>

namespace student {

bool admitRoot(const store::RootLocation &location, ui::Prompts &prompts, QTextStream &err)
{
    if (location.source != store::RootSource::None && store::holdsRoster(location.root))
        return true;
    QString text;
    if (location.source == store::RootSource::None) {
        text = QCoreApplication::translate(
            "RootGate", "No data root is set for Quorin. Please tell the teacher: it is set "
                        "with DataRoot in /etc/xdg/quorin/quorin.conf.");
    } else {
        QString from;
        if (location.source == store::RootSource::Environment)
            from = QCoreApplication::translate("RootGate", " (set by QUORIN_DATA_ROOT)");
        else if (location.source == store::RootSource::ConfigFile)
            from = QCoreApplication::translate("RootGate", " (set in ") +
                   QDir::toNativeSeparators(location.configFile) + u')';
        text = QCoreApplication::translate(
                   "RootGate", "Quorin looked for its data root in \"%1\"%2 and found no roster "
                               "(sys/sys.cho) there. Please tell the teacher.")
                   .arg(QDir::toNativeSeparators(location.root.path()), from);
    }
    err << "student: " << text << '\n';
    err.flush();
    prompts.message(text);
    return false;
}

} // namespace student
