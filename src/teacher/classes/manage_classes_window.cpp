// SPDX-License-Identifier: GPL-3.0-or-later
#include "manage_classes_window.h"

#include "ui/form_widgets.h"
#include "ui/help.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

namespace teacher {

namespace {

// A box that reports losing the focus after it has finished with it itself, so that
// what is done then (refocus, select) is not undone by the box's own handling.
class LeavingBox : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;
    std::function<void(Qt::FocusReason)> left;

protected:
    void focusOutEvent(QFocusEvent *event) override
    {
        QLineEdit::focusOutEvent(event);
        if (left)
            left(event->reason());
    }
};

QLineEdit *numberBox(const QString &name, const QString &label, const QString &tip, QWidget *parent)
{
    auto *box = new LeavingBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(label);
    box->setToolTip(tip);
    box->setMaxLength(12);
    box->setMinimumWidth(90);
    return box;
}

} // namespace

ManageClassesWindow::ManageClassesWindow(store::DataRoot root, ui::Prompts &prompts, ui::Help &help,
                                         QWidget *parent)
    : QDialog(parent)
    , m_table(std::move(root), prompts)
    , m_list(new QListWidget(this))
    , m_name(new QLineEdit(this))
    , m_count(numberBox(QStringLiteral("Text2"), tr("Testee account"),
                        tr("Input the conut of students "), this))
    , m_first(numberBox(QStringLiteral("Text3"), tr("first"),
                        tr("The number must be an integer larger than zero "), this))
    , m_last(numberBox(QStringLiteral("Text4"), tr("last "),
                       tr("The number must be larger than the count of first number "
                          "and student count"),
                       this))
{
    setObjectName(QStringLiteral("班级管理"));
    setWindowTitle(ClassTable::title());
    setAccessibleName(ClassTable::title());

    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(tr("Choose the class "));
    m_list->setToolTip(tr("Click to choose class"));
    m_list->setMinimumSize(200, 240);
    m_name->setObjectName(QStringLiteral("Text1"));
    m_name->setAccessibleName(tr("Class name"));
    // Names are fixed when a class is created; a new name means a new class.
    m_name->setReadOnly(true);

    QPushButton *create = ui::makeButton(this, tr("Create"), QStringLiteral("Cmd_create"), {});
    QPushButton *remove = ui::makeButton(this, tr("Delete "), QStringLiteral("Cmd_delete"), {});
    QPushButton *up = ui::makeButton(this, tr("Up"), QStringLiteral("Cmd_up"), {});
    QPushButton *down = ui::makeButton(this, tr("Down"), QStringLiteral("Cmd_down"), {});
    QPushButton *ok = ui::makeButton(this, tr("OK"), QStringLiteral("Cmd_ok"),
                                     tr("Save and return to main menu"));
    ok->setDefault(true);
    m_cancel = ui::makeButton(this, tr("Cancel"), QStringLiteral("Cmd_cancel"), {});
    QPushButton *helpButton =
        ui::makeButton(this, tr("Help"), QStringLiteral("Cmd_help"), tr("How to manage classes"));

    auto *numbers = new QGroupBox(tr("Set up testee number"), this);
    numbers->setObjectName(QStringLiteral("Frame2"));
    auto *numbersGrid = new QGridLayout(numbers);
    numbersGrid->addWidget(ui::labelFor(tr("first"), m_first, numbers), 0, 0);
    numbersGrid->addWidget(m_first, 0, 1);
    numbersGrid->addWidget(ui::labelFor(tr("last "), m_last, numbers), 1, 0);
    numbersGrid->addWidget(m_last, 1, 1);

    auto *situation = new QGroupBox(tr("Class situation"), this);
    situation->setObjectName(QStringLiteral("Frame1"));
    auto *situationGrid = new QGridLayout(situation);
    situationGrid->addWidget(m_name, 0, 0, 1, 2);
    situationGrid->addWidget(ui::labelFor(tr("Testee account"), m_count, situation), 1, 0);
    situationGrid->addWidget(m_count, 1, 1);
    situationGrid->addWidget(numbers, 2, 0, 1, 2);
    situationGrid->setRowStretch(3, 1);

    auto *left = new QVBoxLayout;
    left->addWidget(ui::labelFor(tr("Choose the class "), m_list, this));
    left->addWidget(m_list);
    auto *edit = new QHBoxLayout;
    edit->addWidget(create);
    edit->addWidget(remove);
    edit->addWidget(up);
    edit->addWidget(down);
    left->addLayout(edit);
    auto *right = new QVBoxLayout;
    right->addWidget(situation);
    auto *closing = new QHBoxLayout;
    closing->addWidget(ok);
    closing->addWidget(m_cancel);
    closing->addWidget(helpButton);
    right->addLayout(closing);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_showing)
            return;
        m_table.select(row);
        showBoxes();
    });
    connect(m_count, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_table.editCount(text);
        showBoxes();
    });
    connect(m_first, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_table.editFirst(text);
        showBoxes();
    });
    connect(m_last, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_table.editLast(text);
        showBoxes();
    });
    static_cast<LeavingBox *>(m_last)->left = [this](Qt::FocusReason reason) {
        // Switching to another window, a menu or our own message is not leaving the
        // box; nor is going for "Cancel", which throws the edit away anyway.
        const bool leaving = reason != Qt::ActiveWindowFocusReason &&
                             reason != Qt::PopupFocusReason &&
                             QApplication::focusWidget() != m_cancel;
        if (leaving && m_table.selected() >= 0)
            checkLast();
    };
    m_list->installEventFilter(this);

    connect(create, &QPushButton::clicked, this, [this] {
        m_table.create();
        showList();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        m_table.deleteSelected([this] { showList(); });
        showList();
    });
    connect(up, &QPushButton::clicked, this, [this] {
        m_table.moveUp();
        showList();
    });
    connect(down, &QPushButton::clicked, this, [this] {
        m_table.moveDown();
        showList();
    });
    connect(ok, &QPushButton::clicked, this, &ManageClassesWindow::commit);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this,
            [this, &help] { help.open(helpPage(), this); });
    ui::bindHelpKey(this, help, helpPage());

    m_table.readClassList();
    showList();
}

QPushButton *ManageClassesWindow::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName);
}

void ManageClassesWindow::showList()
{
    m_showing = true;
    const QStringList names = m_table.names();
    ui::showNames(m_list, names);
    m_list->setCurrentRow(m_table.selected());
    m_showing = false;
    showBoxes();
}

void ManageClassesWindow::showBoxes()
{
    const bool selected = m_table.selected() >= 0;
    ui::setTextKeepingCursor(m_name, m_table.nameText());
    ui::setTextKeepingCursor(m_count, m_table.countText());
    ui::setTextKeepingCursor(m_first, m_table.firstText());
    ui::setTextKeepingCursor(m_last, m_table.lastText());
    m_count->setEnabled(selected);
    m_first->setEnabled(selected);
    m_last->setEnabled(selected);
}

void ManageClassesWindow::checkLast()
{
    if (m_table.leaveLast() == ClassTable::LastCheck::TooSmall) {
        // The click that took the focus away must not go on to save or close.
        m_lastRefused = true;
        QTimer::singleShot(0, this, [this] { m_lastRefused = false; });
        showBoxes();
        m_last->setFocus();
        m_last->selectAll();
        return;
    }
    showBoxes();
}

void ManageClassesWindow::commit()
{
    if (m_lastRefused)
        return;
    // Enter in the last box reaches OK without the box losing the focus.
    if (m_last->hasFocus() && m_table.leaveLast() == ClassTable::LastCheck::TooSmall) {
        showBoxes();
        m_last->selectAll();
        return;
    }
    if (m_table.writeClassList())
        accept();
}

bool ManageClassesWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::FocusIn) {
        showList();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace teacher
