// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_output.h"

#include "paper_print.h"

#include <QDir>

namespace papers {

WordOutput::WordOutput(store::DataRoot root, ui::Prompts &prompts, const store::Clock &clock,
                       office::Delivery delivery)
    : m_root(root)
    , m_prompts(prompts)
    , m_clock(clock)
    , m_delivery(std::move(delivery))
    , m_templates(std::move(root))
{}

void WordOutput::outputToWord(const QString &paper, const store::PaperSettings &row)
{
    const Explanations explanations =
        m_prompts.question(explainQuestion()) ? Explanations::Print : Explanations::Leave;
    const auto fail = [this](const QString &reason) {
        m_prompts.message(failureText() + QStringLiteral("\n\n") + reason);
    };

    const office::Result<QString> templatePath = m_templates.find(office::TemplateKind::Paper);
    if (!templatePath)
        return fail(templatePath.reason());
    const office::Result<QByteArray> document =
        PaperPrint::build(m_root, paper, row, explanations, *templatePath);
    if (!document)
        return fail(document.reason());
    const office::Result<office::Delivered> delivered = office::deliver(
        m_delivery, paper.trimmed(), m_clock.now(), QStringLiteral("docx"), *document);
    if (!delivered)
        return fail(QStringLiteral("The document cannot be saved: %1").arg(delivered.reason()));

    QString text =
        successText() +
        QStringLiteral("\n\nThe document is %1").arg(QDir::toNativeSeparators(delivered->path));
    if (!delivered->opened)
        text += QStringLiteral(
            "\n\nNo program to open it was found; open it with your word processor.");
    m_prompts.message(text);
}

OutputToWord makeOutputToWord(WordOutput &output)
{
    return [&output](QWidget *, const QString &paper, const store::PaperSettings &row) {
        output.outputToWord(paper, row);
    };
}

} // namespace papers
