// Letting a testee in: the offered papers and admitted classes, the checks of
// "OK" in their order, the retest and relogin paths, and the names written.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "testee_identity.h"

#include "store/data_root.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace ui {
class Prompts;
}

namespace student {

/// The model of the "Student login" window. It reads the roster, the paper's
/// passwords and the testee's record, asks through the prompts service and writes
/// the names; the window only draws its lists and fields.
class Admission
{
public:
    Admission(store::DataRoot root, ui::Prompts &prompts);

    enum class Opening {
        Ready,  ///< papers and classes are listed
        NoTest, ///< the reason was shown; the program ends
    };
    /// Lists the offered papers (the first one is selected) and the classes admitted
    /// to it. A class without an entry for that paper is not listed here.
    Opening open();

    const QStringList &papers() const { return m_papers; }
    const QStringList &classes() const { return m_classes; }

    /// The paper list gave the focus away: lists the classes of the paper it shows,
    /// this time counting a class without an entry for that paper as admitted.
    void paperListLeft(const QString &paper);

    struct Form
    {
        QString paper;
        QString className;
        QString number;
        QString firstName;
        QString lastName;
    };

    enum class Focus { Unchanged, Number };

    struct Outcome
    {
        bool admitted = false;
        /// The class list was rebuilt for the paper shown (see classes()).
        bool classesChanged = false;
        /// What the number box holds after "OK": its decimal value, empty for 0.
        QString number;
        Focus focus = Focus::Unchanged;
        /// Filled when admitted.
        TesteeIdentity identity;
    };

    /// "OK": checks in order, stops at the first refusal with its message (a wrong
    /// or cancelled password stops without one), and on admission writes the first
    /// and the last name into the record as one write.
    ///
    /// The paper may have changed by keyboard without the list losing the focus, so
    /// the chosen class's admission to the chosen paper is checked again (a missing
    /// flag admits): a class that is not admitted rebuilds the class list for the
    /// paper, lets `redraw` show it, and is refused with "Please choose class name!".
    Outcome admit(const Form &form, const std::function<void()> &redraw = {});

    static QString noTestMessage();
    static QString noClassMessage();
    static QString choosePaperMessage();
    static QString chooseClassMessage();
    static QString wrongNumberMessage();
    static QString missingNameMessage();
    static QString noResultFolderMessage();
    static QString noRetestMessage();
    static QString retestQuestion();
    static QString retestPasswordTitle();
    static QString noReloginMessage();
    static QString reloginQuestion();
    static QString reloginPasswordTitle();

private:
    /// Runs the password way into a finished or interrupted attempt.
    bool passwordGate(const QString &password, const QString &refusal, const QString &question,
                      const QString &title);

    store::DataRoot m_root;
    ui::Prompts &m_prompts;
    QStringList m_papers;
    QStringList m_classes;
};

} // namespace student
