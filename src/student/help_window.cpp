// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace student {

HelpWindow::HelpWindow(const QString &text, QWidget *parent)
    : QDialog(parent)
    , m_label(new QLabel(text, this))
{
    setObjectName(QStringLiteral("帮助"));
    setWindowTitle(tr("Help"));
    setAccessibleName(tr("Help"));
    setModal(true);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setToolTip(tr("Click to return"));
    m_label->setAccessibleName(text);
    m_label->setWordWrap(true);
    m_label->setMargin(12);
    m_label->installEventFilter(this);
    auto *back = new QPushButton(tr("Return"), this);
    back->setObjectName(QStringLiteral("Command1"));
    back->setAccessibleName(tr("Return"));
    back->setDefault(true);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(back, 0, Qt::AlignHCenter);
    setMinimumWidth(560);
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label && event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void HelpWindow::keyPressEvent(QKeyEvent *)
{
    accept();
}

} // namespace student
