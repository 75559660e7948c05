// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher_shell.h"

#include "login_window.h"
#include "main_menu_window.h"
#include "splash_window.h"
#include "teacher_login.h"
#include "ui/prompts.h"

#include <QFileInfo>

namespace teacher {

TeacherShell::TeacherShell(store::DataRoot root, ui::Prompts &prompts, ui::Help &help,
                           WorkingWindows windows, std::function<void()> quit)
    : m_root(std::move(root))
    , m_prompts(prompts)
    , m_help(help)
    , m_windows(std::move(windows))
    , m_quit(std::move(quit))
{}

TeacherShell::~TeacherShell()
{
    delete m_splash.data();
    delete m_login.data();
    delete m_menu.data();
}

SplashWindow *TeacherShell::splash() const
{
    return m_splash;
}

LoginWindow *TeacherShell::login() const
{
    return m_login;
}

MainMenuWindow *TeacherShell::mainMenu() const
{
    return m_menu;
}

void TeacherShell::start()
{
    if (!m_root.isValid() || !QFileInfo(m_root.path()).isDir()) {
        m_prompts.message(tr("The data folder \"%1\" does not exist. Start the "
                             "teacher program from its installation folder or "
                             "name the folder with --data-root.")
                              .arg(m_root.path()),
                          tr("Teacher End"));
        quit();
        return;
    }
    m_splash = new SplashWindow;
    connect(m_splash, &SplashWindow::finished, this, &TeacherShell::afterSplash);
    m_splash->show();
}

void TeacherShell::afterSplash()
{
    TeacherLogin check(m_root, m_prompts);
    check.refresh();
    if (check.isPasswordSet()) {
        m_login = new LoginWindow(m_root, m_prompts, m_help);
        connect(m_login, &LoginWindow::passed, this, [this] {
            showMenu();
            m_login->hide();
            m_login->deleteLater();
        });
        connect(m_login, &LoginWindow::cancelled, this, &TeacherShell::quit);
        m_login->show();
    } else {
        showMenu();
    }
    // The next window is up before the splash goes, so the program never has none.
    m_splash->hide();
    m_splash->deleteLater();
}

void TeacherShell::showMenu()
{
    if (m_menu)
        return;
    m_menu = new MainMenuWindow(m_windows, m_prompts, m_help, [this] { quit(); });
    m_menu->show();
    m_menu->activateWindow();
}

void TeacherShell::quit()
{
    if (m_quit)
        m_quit();
}

} // namespace teacher
