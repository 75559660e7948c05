// SPDX-License-Identifier: GPL-3.0-or-later
#include "excel_output.h"

#include "results_workbook.h"

#include <QCoreApplication>
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
    const office::Result<office::Delivered> delivered = make(model);
    if (!delivered) {
        m_prompts.message(failureText() + QStringLiteral("\n\n") + delivered.reason());
        return;
    }
    QString text =
        successText() + QCoreApplication::translate("ExcelOutput", "\n\nThe workbook is %1")
                            .arg(QDir::toNativeSeparators(delivered->path));
    if (!delivered->opened)
        text += QCoreApplication::translate(
            "ExcelOutput",
            "\n\nNo program to open it was found; open it with your spreadsheet program.");
    m_prompts.message(text);
}

office::Result<office::Delivered> ExcelOutput::make(const ResultsModel &model)
{
    if (!model.hasRefreshed())
        return office::Failure{
            QCoreApplication::translate("ExcelOutput", "The results have not been read yet.")};
    const office::BusyScope busy(m_busy);
    const office::Result<QString> templatePath = m_templates.find(office::TemplateKind::Score);
    if (!templatePath)
        return office::Failure{templatePath.reason()};
    const office::Result<QByteArray> workbook = ResultsWorkbook::build(model, *templatePath);
    if (!workbook)
        return office::Failure{workbook.reason()};
    const office::Result<office::Delivered> delivered =
        office::deliver(m_delivery, model.paper() + u' ' + model.className(), m_clock.now(),
                        QStringLiteral("xlsx"), *workbook);
    if (!delivered)
        return office::Failure{
            QCoreApplication::translate("ExcelOutput", "The workbook cannot be saved: %1")
                .arg(delivered.reason())};
    return delivered;
}

} // namespace results
