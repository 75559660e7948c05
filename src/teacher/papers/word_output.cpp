// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_output.h"

#include <QCoreApplication>
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
    const office::Result<office::Delivered> delivered = make(paper, row, explanations);
    if (!delivered) {
        m_prompts.message(failureText() + QStringLiteral("\n\n") + delivered.reason());
        return;
    }
    QString text =
        successText() + QCoreApplication::translate("WordOutput", "\n\nThe document is %1")
                            .arg(QDir::toNativeSeparators(delivered->path));
    if (!delivered->opened)
        text += QCoreApplication::translate(
            "WordOutput", "\n\nNo program to open it was found; open it with your word processor.");
    m_prompts.message(text);
}

office::Result<office::Delivered>
WordOutput::make(const QString &paper, const store::PaperSettings &row, Explanations explanations)
{
    const office::BusyScope busy(m_busy);
    const office::Result<QString> templatePath = m_templates.find(office::TemplateKind::Paper);
    if (!templatePath)
        return office::Failure{templatePath.reason()};
    const office::Result<QByteArray> document =
        PaperPrint::build(m_root, paper, row, explanations, *templatePath);
    if (!document)
        return office::Failure{document.reason()};
    const office::Result<office::Delivered> delivered = office::deliver(
        m_delivery, paper.trimmed(), m_clock.now(), QStringLiteral("docx"), *document);
    if (!delivered)
        return office::Failure{
            QCoreApplication::translate("WordOutput", "The document cannot be saved: %1")
                .arg(delivered.reason())};
    return delivered;
}

OutputToWord makeOutputToWord(WordOutput &output)
{
    output.setBusyIndicator(office::BusyScope::waitCursor());
    return [&output](QWidget *, const QString &paper, const store::PaperSettings &row) {
        output.outputToWord(paper, row);
    };
}

} // namespace papers
