// "Output to EXCEL" of "View achievement": the figures of the last refresh written
// into a new workbook from the template, which opens in the desktop's spreadsheet.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results_model.h"

#include <QCoreApplication>

#include "office/output_file.h"
#include "office/template_source.h"
#include "store/clock.h"
#include "store/data_root.h"
#include "ui/prompts.h"

namespace results {

class ExcelOutput
{
public:
    ExcelOutput(store::DataRoot root, ui::Prompts &prompts, const store::Clock &clock,
                office::Delivery delivery = {});

    static QString successText()
    {
        return QCoreApplication::translate("ExcelOutput", "The operation succeed!");
    }
    static QString failureText()
    {
        return QCoreApplication::translate("ExcelOutput",
                                           "The function will be operated with EXCEL.");
    }

    /// Writes the workbook of the model's last refresh, opens it and says where it
    /// is; or says why it could not. Each call makes a new workbook.
    void exportResults(const ResultsModel &model);

    void setDelivery(office::Delivery delivery) { m_delivery = std::move(delivery); }
    void setTemplateSource(office::TemplateSource source) { m_templates = std::move(source); }
    /// Shown while the workbook is made (not while a message is open).
    void setBusyIndicator(office::BusyScope::Indicator indicator) { m_busy = std::move(indicator); }

private:
    office::Result<office::Delivered> make(const ResultsModel &model);

    ui::Prompts &m_prompts;
    const store::Clock &m_clock;
    office::Delivery m_delivery;
    office::TemplateSource m_templates;
    office::BusyScope::Indicator m_busy;
};

} // namespace results
