// SPDX-License-Identifier: GPL-3.0-or-later
#include "manage_test_window.h"

#include "ui/form_widgets.h"
#include "ui/help.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>

namespace teacher {

namespace {

QString nameTip()
{
    return QCoreApplication::translate("ManageTestWindow", "Dblclick to change ");
}

QString flagTip()
{
    return QCoreApplication::translate("ManageTestWindow", "Click to change");
}

QTreeWidget *flagList(const QString &name, const QString &accessibleName, const QString &nameHeader,
                      const QString &flagHeader, QWidget *parent)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setColumnCount(2);
    list->setHeaderLabels({nameHeader, flagHeader});
    list->headerItem()->setToolTip(0, nameTip());
    list->headerItem()->setToolTip(1, flagTip());
    list->headerItem()->setTextAlignment(1, Qt::AlignCenter);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setExpandsOnDoubleClick(false);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setSectionResizeMode(1, QHeaderView::Fixed);
    list->header()->resizeSection(1, 64);
    list->setMinimumSize(240, 260);
    return list;
}

// Brings a list to the table's rows: names and flags, the tooltips of each column.
void fill(QTreeWidget *list, int rows, const std::function<QString(int)> &name,
          const std::function<QString(int)> &flag)
{
    while (list->topLevelItemCount() > rows)
        delete list->takeTopLevelItem(list->topLevelItemCount() - 1);
    for (int row = 0; row < rows; ++row) {
        QTreeWidgetItem *item = list->topLevelItem(row);
        if (!item) {
            item = new QTreeWidgetItem(list);
            item->setToolTip(0, nameTip());
            item->setToolTip(1, flagTip());
            item->setTextAlignment(1, Qt::AlignCenter);
        }
        if (item->text(0) != name(row))
            item->setText(0, name(row));
        if (item->text(1) != flag(row))
            item->setText(1, flag(row));
    }
}

void selectRow(QTreeWidget *list, int row)
{
    QTreeWidgetItem *item = list->topLevelItem(row);
    if (item) {
        list->setCurrentItem(item);
    } else {
        list->setCurrentItem(nullptr);
        list->clearSelection();
    }
}

} // namespace

ManageTestWindow::ManageTestWindow(store::DataRoot root, ui::Prompts &prompts, ui::Help &help,
                                   QWidget *parent)
    : QDialog(parent)
    , m_table(std::move(root), prompts)
    , m_papers(
          flagList(QStringLiteral("List1"), tr("Paper list"), tr("Paper list"), tr("Yes/No"), this))
    , m_classes(
          flagList(QStringLiteral("List2"), tr("Class list"), tr("Class"), tr("Yes/NO"), this))
{
    setObjectName(QStringLiteral("考场管理"));
    setWindowTitle(TestRoomTable::title());
    setAccessibleName(TestRoomTable::title());

    QPushButton *all = ui::makeButton(this, tr("Select all"), QStringLiteral("Cmd_all"),
                                      tr("Allow all class to test"));
    QPushButton *none = ui::makeButton(this, tr("Forbid all"), QStringLiteral("Cmd_none"),
                                       tr("prohibit all class to test"));
    QPushButton *ok = ui::makeButton(this, tr("OK"), QStringLiteral("Cmd_ok"),
                                     tr("Save and return to main menu"));
    ok->setDefault(true);
    QPushButton *cancel =
        ui::makeButton(this, tr("Cancel"), QStringLiteral("Cmd_cancel"), tr("return to main menu"));
    QPushButton *helpButton =
        ui::makeButton(this, tr("Help"), QStringLiteral("Cmd_help"), tr("How to manage test room"));

    auto *offer = new QGroupBox(tr("Offer or forbid test:"), this);
    offer->setObjectName(QStringLiteral("Frame1"));
    auto *offerLayout = new QVBoxLayout(offer);
    offerLayout->addWidget(m_papers);
    auto *join = new QGroupBox(tr("Set class which joins the test"), this);
    join->setObjectName(QStringLiteral("Frame2"));
    auto *joinLayout = new QVBoxLayout(join);
    joinLayout->addWidget(m_classes);
    auto *joinButtons = new QHBoxLayout;
    joinButtons->addWidget(all);
    joinButtons->addWidget(none);
    joinLayout->addLayout(joinButtons);

    auto *frames = new QHBoxLayout;
    frames->addWidget(offer);
    frames->addWidget(join);
    auto *closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(ok);
    closing->addWidget(cancel);
    closing->addWidget(helpButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(closing);

    connect(m_papers, &QTreeWidget::itemPressed, this, &ManageTestWindow::paperPressed);
    connect(m_papers, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item, int column) {
                if (column == 0) {
                    m_table.togglePaper(m_papers->indexOfTopLevelItem(item));
                    showPapers();
                }
            });
    connect(m_papers, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (m_showing)
            return;
        m_table.selectPaper(m_papers->indexOfTopLevelItem(item));
        showClasses();
    });
    connect(m_classes, &QTreeWidget::itemPressed, this, &ManageTestWindow::classPressed);
    connect(m_classes, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item, int column) {
                if (column == 0) {
                    m_table.toggleClass(m_classes->indexOfTopLevelItem(item));
                    showClasses();
                }
            });
    connect(m_classes, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (!m_showing)
            m_table.selectClass(m_classes->indexOfTopLevelItem(item));
    });
    m_papers->installEventFilter(this);
    m_classes->installEventFilter(this);

    connect(all, &QPushButton::clicked, this, [this] {
        m_table.selectAll();
        showClasses();
    });
    connect(none, &QPushButton::clicked, this, [this] {
        m_table.forbidAll();
        showClasses();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (m_table.writeTestRoom())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this,
            [this, &help] { help.open(helpPage(), this); });
    ui::bindHelpKey(this, help, helpPage());

    m_table.readTestRoom();
    showPapers();
}

QPushButton *ManageTestWindow::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName);
}

void ManageTestWindow::showPapers()
{
    m_showing = true;
    fill(
        m_papers, m_table.paperCount(), [this](int row) { return m_table.paperName(row); },
        [this](int row) { return m_table.paperFlag(row); });
    selectRow(m_papers, m_table.selectedPaper());
    m_showing = false;
    showClasses();
}

void ManageTestWindow::showClasses()
{
    m_showing = true;
    fill(
        m_classes, m_table.classCount(), [this](int row) { return m_table.className(row); },
        [this](int row) { return m_table.classFlag(row); });
    selectRow(m_classes, m_table.selectedClass());
    m_showing = false;
}

void ManageTestWindow::paperPressed(QTreeWidgetItem *item, int column)
{
    const int row = m_papers->indexOfTopLevelItem(item);
    if (column == 1)
        m_table.togglePaper(row);
    else
        m_table.selectPaper(row);
    showPapers();
}

void ManageTestWindow::classPressed(QTreeWidgetItem *item, int column)
{
    const int row = m_classes->indexOfTopLevelItem(item);
    if (column == 1)
        m_table.toggleClass(row);
    else
        m_table.selectClass(row);
    showClasses();
}

bool ManageTestWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Space turns the current row's flag over, for those who work from the keyboard.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        if (watched == m_papers && m_papers->currentItem()) {
            m_table.togglePaper(m_papers->indexOfTopLevelItem(m_papers->currentItem()));
            showPapers();
            return true;
        }
        if (watched == m_classes && m_classes->currentItem()) {
            m_table.toggleClass(m_classes->indexOfTopLevelItem(m_classes->currentItem()));
            showClasses();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace teacher
