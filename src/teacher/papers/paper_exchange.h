// "Output paper" and "Input paper": a paper's folder copied out to a folder the
// teacher chooses, or a paper folder from elsewhere taken into the data root and the list.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"

#include <QString>
#include <optional>

namespace ui {
class Prompts;
}

namespace teacher {

class PaperList;

class PaperExchange
{
public:
    PaperExchange(store::DataRoot root, ui::Prompts &prompts, PaperList &list);

    /// Copies every file of the selected paper's folder into <chosen folder>/<paper>,
    /// replacing files of the same names; other files there stay.
    bool outputPaper();
    /// Takes the paper file the teacher picks: its folder's files are copied into a
    /// new paper folder and the paper is added to the list, offered, and selected.
    bool inputPaper();

    /// Where a paper is output: the chosen folder and the paper's name with one
    /// separator between them, or the folder of that name in other letters if there
    /// is one. Empty when the name cannot be a folder name.
    static QString outputFolder(const QString &chosen, const QString &paper);
    /// The paper name a file name gives: what stands before the first ".cho" (in any
    /// letter case), trimmed; nothing when the name holds no ".cho".
    static std::optional<QString> paperNameOf(const QString &fileName);

private:
    void failed(const QString &what);

    store::DataRoot m_root;
    ui::Prompts &m_prompts;
    PaperList &m_list;
};

} // namespace teacher
