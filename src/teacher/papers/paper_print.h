// A paper as a Word document: the template's header filled from the paper's row,
// one question block and one answer-key line per question.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "office/result.h"
#include "store/data_root.h"
#include "store/paper.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace papers {

/// Whether each question's explanation document follows its question document.
enum class Explanations { Leave, Print };

class PaperPrint
{
public:
    /// Reads the paper's questions from its paper file and fills the template at
    /// `templatePath`: "[PAPER NAME]" and the header placeholders from `row` as it
    /// holds them; the question block (from the paragraph of "[QUESTION No]" to that
    /// of "[OPTION]") once per question with its number, its mark (or the default
    /// mark), its question document and, with Explanations::Print, its explanation;
    /// the answer-key paragraph of "[ANSWER No]" once per question with the answer
    /// or "[no answer]". A paper without questions leaves block and key as they are.
    /// Fails with the reason when the template or a document cannot be read.
    static office::Result<QByteArray> build(const store::DataRoot &root, const QString &paper,
                                            const store::PaperSettings &row,
                                            Explanations explanations, const QString &templatePath);

    /// The text of the key for a question without a correct answer.
    static QString noAnswerText()
    {
        return QCoreApplication::translate("PaperPrint", "[no answer]");
    }
};

} // namespace papers
