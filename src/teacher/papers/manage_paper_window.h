// The "Manage paper" window: draws a PaperList and passes the teacher's actions to
// it, to paper exchange, and to the paper editor and Word output it is given.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper_actions.h"
#include "paper_exchange.h"
#include "paper_list.h"

#include <QDialog>
#include <QMap>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace ui {
class Help;
}

namespace teacher {

class ManagePaperWindow : public QDialog
{
    Q_OBJECT

public:
    ManagePaperWindow(store::DataRoot root, ui::Prompts &prompts, ui::Help &help,
                      PaperActions actions, QWidget *parent = nullptr);

    static QString helpPage() { return QStringLiteral("manage-paper"); }

    const PaperList &papers() const { return m_papers; }
    QListWidget *paperList() const { return m_list; }
    /// The field that shows a column (a line, or the About test box).
    QWidget *field(PaperColumn column) const { return m_fields.value(column); }
    QLineEdit *lineField(PaperColumn column) const;
    QPlainTextEdit *aboutField() const { return m_about; }
    /// The check box of a password column or of a flag column.
    QCheckBox *box(PaperColumn column) const { return m_boxes.value(column); }
    QPushButton *button(const QString &objectName) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *addLine(PaperColumn column, const QString &name, const QString &label);
    QCheckBox *addBox(PaperColumn column, const QString &name, const QString &caption);
    void showList();
    void showPanel();
    void editPaper();
    void outputToWord();

    PaperList m_papers;
    PaperExchange m_exchange;
    ui::Prompts &m_prompts;
    PaperActions m_actions;
    QListWidget *m_list;
    QPlainTextEdit *m_about = nullptr;
    QMap<PaperColumn, QWidget *> m_fields;
    QMap<PaperColumn, QCheckBox *> m_boxes;
    QList<QWidget *> m_enterChain;
    bool m_showing = false;
};

} // namespace teacher
