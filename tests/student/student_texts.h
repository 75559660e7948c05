// The student program's messages as the design gives them, written out here so
// that a test compares with the designed text, not with the program's own copy.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace texts {

inline const QString noTest = QStringLiteral("Sorry!No test now!");
inline const QString noClass = QStringLiteral("Sorry!No class allowed to test now!");
inline const QString choosePaper = QStringLiteral("Please choose test name!");
inline const QString chooseClass = QStringLiteral("Please choose class name!");
inline const QString wrongNumber =
    QStringLiteral("Your student number is wrong,Please input again!");
inline const QString missingName = QStringLiteral("Please input your student number and name!");
inline const QString noRetest = QStringLiteral("The student has finished test,you can't retest!");
inline const QString retestQuestion =
    QStringLiteral("The student has finished test!\nIf retest,your previous score will be "
                   "deleted,will you insist to retest really?");
inline const QString retestTitle = QStringLiteral("Input retest password:");
inline const QString noRelogin =
    QStringLiteral("The student has been test,you can't relogin by this student number!"
                   "Please contact with the system manager.");
inline const QString reloginQuestion =
    QStringLiteral("Will you insist to relogin by this student number?");
inline const QString reloginTitle = QStringLiteral("Input relogin password:");
inline const QString finishQuestion = QStringLiteral("Will you finsh the test really?");
inline const QString saved = QStringLiteral("        Your test mark is saved.          \n"
                                            "       Thank you very much! Good Bye!         ");

inline const QString help = QStringLiteral(
    "\n1、How to answer: click the answer. \n"
    "2、How to change page:click  Previous or Next boutton \n"
    "3、How to change page automatically: Choose Page automatically. \n"
    "4、How to view correct answer: If you are allowed to view the correct answer,click Display "
    "answer to view correct answer.\n"
    "5、How to finish test: Click Finish test.\n"
    "\n\n\n\n\n\n\n"
    "The Quorin developers, 2026\n"
    "Quorin Ver.4.0\n"
    "\n"
    "Questions about this program: ask your teacher or system manager.\n");

// Not in the design: the program's own texts for what the design left silent.
inline const QString noResultFolder =
    QStringLiteral("The result folder of this test is missing,please contact with the system "
                   "manager.");
inline const QString saveFailed =
    QStringLiteral("Your test mark could not be saved!\n"
                   "Please tell the teacher. OK tries again, Cancel ends the test.");

inline const QString noQuestions =
    QStringLiteral("This paper has no questions. Click \"Finish test\" to end the test.");

inline const QString notSaved = QStringLiteral("Your test mark was NOT saved.\n"
                                               "Please call the teacher before you leave this "
                                               "computer.");

inline QString score(int fullMark, int score)
{
    return QStringLiteral("        The test full mark is:") + QString::number(fullMark) +
           QStringLiteral("\n        Your test mark is:") + QString::number(score) +
           QStringLiteral("          \n            Good Bye!");
}

} // namespace texts
