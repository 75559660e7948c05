// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_test_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace student {

namespace {

QLabel *label(const QString &text, const QString &name, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    // The paper's texts are shown as typed: "Chapter <b>3</b>" is not markup here.
    l->setTextFormat(Qt::PlainText);
    l->setObjectName(name);
    l->setAccessibleName(text);
    return l;
}

} // namespace

AboutTestWindow::AboutTestWindow(const store::DataRoot &root, const TesteeIdentity &identity,
                                 std::function<void()> quit, QWidget *parent)
    : QDialog(parent)
    , m_model(root, identity.paper)
    , m_identity(identity)
    , m_quit(std::move(quit))
{
    setObjectName(QStringLiteral("考试说明"));
    setWindowTitle(tr("About Test"));
    setAccessibleName(tr("About Test"));

    auto *description = label(m_model.description(), QStringLiteral("Lab_about"), this);
    description->setWordWrap(true);
    description->setMinimumHeight(60);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *grid = new QGridLayout;
    grid->addWidget(label(tr("Full mark:"), QStringLiteral("Label1"), this), 0, 0);
    grid->addWidget(label(m_model.fullMark(), QStringLiteral("Lab_fullmark"), this), 0, 1);
    grid->addWidget(label(tr("Test time:"), QStringLiteral("Label2"), this), 1, 0);
    grid->addWidget(label(m_model.testTime(), QStringLiteral("Lab_testtime"), this), 1, 1);
    grid->addWidget(label(tr("minute"), QStringLiteral("Label3"), this), 1, 2);
    grid->addWidget(label(tr("Question Total:"), QStringLiteral("Label4"), this), 2, 0);
    grid->addWidget(label(m_model.questionTotal(), QStringLiteral("Lab_total"), this), 2, 1);
    grid->setColumnStretch(3, 1);

    auto *start = new QPushButton(tr("Click to start test"), this);
    start->setObjectName(QStringLiteral("Cmd_start"));
    start->setAccessibleName(start->text());
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, [this] {
        m_closeEndsProgram = false;
        emit startRequested(m_identity);
        close();
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(description, 1);
    layout->addLayout(grid);
    layout->addWidget(start, 0, Qt::AlignHCenter);
    setMinimumWidth(420);
}

void AboutTestWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_closeEndsProgram && m_quit) {
        m_closeEndsProgram = false;
        m_quit();
    }
}

void AboutTestWindow::reject()
{
    close();
}

} // namespace student
