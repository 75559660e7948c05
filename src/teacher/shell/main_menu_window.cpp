// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_menu_window.h"

#include "picture_button.h"
#include "shell_texts.h"
#include "ui/help.h"
#include "ui/prompts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace teacher {

MainMenuWindow::MainMenuWindow(WorkingWindows windows, ui::Prompts &prompts, ui::Help &help,
                               std::function<void()> quit, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_windows(std::move(windows))
    , m_prompts(prompts)
    , m_help(help)
    , m_quit(std::move(quit))
{
    setObjectName(QStringLiteral("考务管理"));
    setWindowTitle(texts::menuTitle());
    setAccessibleName(texts::menuTitle());
    setMouseTracking(true);

    for (int k = 1; k <= MainMenuModel::buttonCount; ++k) {
        auto *button = new PictureButton(k, this);
        connect(button, &PictureButton::pointerMoved, this, [this, k] {
            m_model.pointerOverButton(k);
            showModel();
        });
        connect(button, &PictureButton::clicked, this, [this, k] { press(k); });
        m_buttons.append(button);
    }

    // Four working windows on top, then password, help and exit.
    auto *top = new QHBoxLayout;
    auto *bottom = new QHBoxLayout;
    top->setSpacing(18);
    bottom->setSpacing(18);
    for (int k = 1; k <= 4; ++k)
        top->addWidget(m_buttons.at(k - 1));
    bottom->addStretch();
    for (int k = 5; k <= 7; ++k)
        bottom->addWidget(m_buttons.at(k - 1));
    bottom->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 84, 28, 28);
    layout->setSpacing(18);
    layout->addLayout(top);
    layout->addLayout(bottom);
    for (PictureButton *button : std::as_const(m_buttons))
        button->setFixedSize(button->sizeHint());
    setFixedSize(sizeHint());

    ui::bindHelpKey(this, m_help, helpPage());
}

PictureButton *MainMenuWindow::button(int position) const
{
    return m_buttons.value(position - 1);
}

void MainMenuWindow::showModel()
{
    for (PictureButton *button : std::as_const(m_buttons)) {
        button->setLook(m_model.state(button->position()) == MainMenuModel::State::Highlighted
                            ? MenuPicture::Look::Highlighted
                            : MenuPicture::Look::Normal);
    }
}

void MainMenuWindow::press(int position)
{
    switch (MainMenuModel::actionOf(position)) {
    case MainMenuModel::Action::ManagePaper:
        open(m_windows.managePaper, position);
        break;
    case MainMenuModel::Action::ManageTest:
        open(m_windows.manageTest, position);
        break;
    case MainMenuModel::Action::ManageClasses:
        open(m_windows.manageClasses, position);
        break;
    case MainMenuModel::Action::ViewAchievement:
        open(m_windows.viewAchievement, position);
        break;
    case MainMenuModel::Action::SetPassword:
        open(m_windows.setPassword, position);
        break;
    case MainMenuModel::Action::Help:
        m_help.open(helpPage(), this);
        break;
    case MainMenuModel::Action::Exit:
        close();
        break;
    }
}

void MainMenuWindow::open(const WorkingWindows::Opener &opener, int position)
{
    if (!opener) {
        m_prompts.message(tr("\"%1\" is not available in this build of the "
                             "teacher program.")
                              .arg(MenuPicture::caption(position)),
                          texts::menuTitle());
        return;
    }
    opener(this);
}

void MainMenuWindow::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (m_background.isNull() || m_background.deviceIndependentSize().toSize() != size() ||
        !qFuzzyCompare(m_background.devicePixelRatio(), ratio))
        m_background = MenuPicture::background(size(), ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

void MainMenuWindow::mouseMoveEvent(QMouseEvent *event)
{
    m_model.pointerOverBackground();
    showModel();
    QWidget::mouseMoveEvent(event);
}

void MainMenuWindow::leaveEvent(QEvent *event)
{
    // Leaving the window straight from a button would otherwise keep it lit.
    m_model.pointerOverBackground();
    showModel();
    QWidget::leaveEvent(event);
}

void MainMenuWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_quitting)
        return;
    m_quitting = true;
    if (m_quit)
        m_quit();
}

} // namespace teacher
