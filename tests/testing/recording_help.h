// A help that only notes which page was asked for, over which window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/help.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace testing {

class RecordingHelp final : public ui::Help
{
public:
    void open(const QString &page, QWidget *over) override;

    QStringList pages() const { return m_pages; }
    QWidget *lastOwner() const { return m_owners.isEmpty() ? nullptr : m_owners.last().data(); }

private:
    QStringList m_pages;
    QList<QPointer<QWidget>> m_owners;
};

} // namespace testing
