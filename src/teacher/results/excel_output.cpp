// SPDX-License-Identifier: GPL-3.0-or-later
#include "excel_output.h"

#include "results_workbook.h"

#include <QDir>

namespace results {

ExcelOutput::ExcelOutput(store::DataRoot root, ui::Prompts &prompts, const store::Clock &clock,
                         office::Delivery delivery)
    : m_prompts(prompts)
    , m_clock(clock)
    , m_delivery(std::move(delivery))
    , m_templates(std::move(root))
{}

void ExcelOutput::exportResults(const ResultsModel &model)
{
    const auto fail = [this](const QString &reason) {
        m_prompts.message(failureText() + QStringLiteral("\n\n") + reason);
    };
    if (!model.hasRefreshed())
        return fail(QStringLiteral("The results have not been read yet."));
    const office::Result<QString> templatePath = m_templates.find(office::TemplateKind::Score);
    if (!templatePath)
        return fail(templatePath.reason());
    const office::Result<QByteArray> workbook = ResultsWorkbook::build(model, *templatePath);
    if (!workbook)
        return fail(workbook.reason());
    const office::Result<office::Delivered> delivered =
        office::deliver(m_delivery, model.test() + u' ' + model.className(), m_clock.now(),
                        QStringLiteral("xlsx"), *workbook);
    if (!delivered)
        return fail(QStringLiteral("The workbook cannot be saved: %1").arg(delivered.reason()));

    QString text =
        successText() +
        QStringLiteral("\n\nThe workbook is %1").arg(QDir::toNativeSeparators(delivered->path));
    if (!delivered->opened)
        text += QStringLiteral(
            "\n\nNo program to open it was found; open it with your spreadsheet program.");
    m_prompts.message(text);
}

} // namespace results
