// "Output to WORD" of "Manage paper": the selected paper printed through the
// template into a new document, which opens in the desktop's word processor.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "office/output_file.h"
#include "paper_print.h"
#include "office/template_source.h"
#include "store/clock.h"
#include "store/data_root.h"
#include "store/paper.h"
#include "ui/prompts.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

class QWidget;

namespace papers {

class WordOutput
{
public:
    /// `delivery` says where documents go (Documents/Quorin) and how they are opened;
    /// `templates` finds sys/paper.dotx (or converts an old sys/paper.dot).
    WordOutput(store::DataRoot root, ui::Prompts &prompts, const store::Clock &clock,
               office::Delivery delivery = {});

    static QString explainQuestion()
    {
        return QCoreApplication::translate("WordOutput",
                                           "Will you input the explain of the answer?");
    }
    static QString successText()
    {
        return QCoreApplication::translate("WordOutput", "The operation succeed!");
    }
    static QString failureText()
    {
        return QCoreApplication::translate("WordOutput",
                                           "The function will be operated with WORD.");
    }

    /// Asks whether explanations go in, writes the document of `paper` with the
    /// header values of `row` as "Manage paper" shows them, opens it and says where it
    /// is; or says why it could not. Nothing is written into the data root.
    void outputToWord(const QString &paper, const store::PaperSettings &row);

    void setTemplateSource(office::TemplateSource source) { m_templates = std::move(source); }
    /// Shown while the document is made (not while a message is open).
    void setBusyIndicator(office::BusyScope::Indicator indicator) { m_busy = std::move(indicator); }

private:
    office::Result<office::Delivered> make(const QString &paper, const store::PaperSettings &row,
                                           Explanations explanations);

    store::DataRoot m_root;
    ui::Prompts &m_prompts;
    const store::Clock &m_clock;
    office::Delivery m_delivery;
    office::TemplateSource m_templates;
    office::BusyScope::Indicator m_busy;
};

/// The action behind the "Output to WORD" button of "Manage paper".
using OutputToWord =
    std::function<void(QWidget *over, const QString &paper, const store::PaperSettings &row)>;
/// That action on a WordOutput that lives as long as the action; the pointer waits
/// while the document is made.
OutputToWord makeOutputToWord(WordOutput &output);

} // namespace papers
