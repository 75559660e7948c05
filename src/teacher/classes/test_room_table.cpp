// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_room_table.h"

#include <QCoreApplication>

#include "store/profile_file.h"
#include "ui/prompts.h"

namespace teacher {

TestRoomTable::TestRoomTable(store::DataRoot root, ui::Prompts &prompts)
    : m_root(std::move(root))
    , m_prompts(prompts)
{}

QString TestRoomTable::flagText(bool yes)
{
    return yes ? QCoreApplication::translate("TestRoomTable", "Yes")
               : QCoreApplication::translate("TestRoomTable", "No");
}

void TestRoomTable::readTestRoom()
{
    const store::RosterReader reader = store::Roster(m_root).read();
    const store::ReadStatus status = reader.snapshot().status();
    m_readFailed = status != store::ReadStatus::Ok && status != store::ReadStatus::Missing;
    m_room = reader.testRoom();
    m_paper = -1;
    m_class = -1;
    if (m_readFailed) {
        m_prompts.message(
            QCoreApplication::translate("TestRoomTable",
                                        "The roster %1 could not be read: %2. The papers and "
                                        "classes are shown empty and cannot be saved.")
                .arg(store::Roster(m_root).file(), store::describe(status)),
            title());
    }
}

bool TestRoomTable::writeTestRoom()
{
    if (m_readFailed) {
        m_prompts.message(QCoreApplication::translate(
                              "TestRoomTable", "Nothing was saved, because the roster could not be "
                                               "read when this window opened."),
                          title());
        return false;
    }
    const store::WriteStatus status = store::Roster(m_root).writeTestRoom(m_room);
    if (status != store::WriteStatus::Ok) {
        m_prompts.message(
            store::notSavedMessage(status, QCoreApplication::translate(
                                               "TestRoomTable", "the test room was not saved")),
            title());
        return false;
    }
    QStringList left;
    for (const store::TestRoom::Paper &paper : std::as_const(m_room.papers)) {
        if (!store::Roster::canHoldPaperFlags(paper.name))
            left.append(QStringLiteral("\"%1\"").arg(paper.name));
    }
    if (!left.isEmpty()) {
        m_prompts.message(
            QCoreApplication::translate("TestRoomTable",
                                        "The flags of %1 were not saved: the roster uses that "
                                        "name for its own entries. Rename the paper in "
                                        "Manage paper.")
                .arg(left.join(QStringLiteral(", "))),
            title());
    }
    return true;
}

QString TestRoomTable::paperName(int row) const
{
    return row >= 0 && row < m_room.papers.size() ? m_room.papers.at(row).name : QString();
}

QString TestRoomTable::className(int row) const
{
    return m_room.classes.value(row);
}

QString TestRoomTable::paperFlag(int row) const
{
    if (row < 0 || row >= m_room.papers.size())
        return {};
    return flagText(m_room.papers.at(row).offered);
}

QString TestRoomTable::classFlag(int row) const
{
    if (!hasPaper() || row < 0 || row >= m_room.classes.size())
        return {};
    return flagText(m_room.papers.at(m_paper).admitted.value(row, true));
}

void TestRoomTable::selectPaper(int row)
{
    m_paper = row >= 0 && row < m_room.papers.size() ? row : -1;
}

void TestRoomTable::selectClass(int row)
{
    m_class = row >= 0 && row < m_room.classes.size() ? row : -1;
}

void TestRoomTable::togglePaper(int row)
{
    selectPaper(row);
    if (!hasPaper())
        return;
    bool &offered = m_room.papers[m_paper].offered;
    offered = !offered;
}

void TestRoomTable::toggleClass(int row)
{
    selectClass(row);
    if (!hasPaper() || m_class < 0)
        return;
    QList<bool> &admitted = m_room.papers[m_paper].admitted;
    // A table read from a roster always has one flag per class; keep it so.
    while (admitted.size() < m_room.classes.size())
        admitted.append(true);
    admitted[m_class] = !admitted[m_class];
}

void TestRoomTable::admitAll(bool admitted)
{
    if (!hasPaper())
        return;
    QList<bool> &flags = m_room.papers[m_paper].admitted;
    flags = QList<bool>(m_room.classes.size(), admitted);
}

void TestRoomTable::selectAll()
{
    admitAll(true);
}

void TestRoomTable::forbidAll()
{
    admitAll(false);
}

} // namespace teacher
