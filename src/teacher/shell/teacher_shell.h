// How the teacher program starts: splash, login when a password is stored, main menu.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/data_root.h"
#include "working_windows.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace ui {
class Help;
class Prompts;
} // namespace ui

namespace teacher {

class LoginWindow;
class MainMenuWindow;
class SplashWindow;

class TeacherShell : public QObject
{
    Q_OBJECT

public:
    TeacherShell(store::DataRoot root, ui::Prompts &prompts, ui::Help &help, WorkingWindows windows,
                 std::function<void()> quit);
    ~TeacherShell() override;

    /// Shows the splash; the rest follows from the windows. A data folder that does
    /// not exist is reported and the program asked to end.
    void start();

    SplashWindow *splash() const;
    LoginWindow *login() const;
    MainMenuWindow *mainMenu() const;

private:
    void afterSplash();
    void showMenu();
    void quit();

    store::DataRoot m_root;
    ui::Prompts &m_prompts;
    ui::Help &m_help;
    WorkingWindows m_windows;
    std::function<void()> m_quit;
    QPointer<SplashWindow> m_splash;
    QPointer<LoginWindow> m_login;
    QPointer<MainMenuWindow> m_menu;
};

} // namespace teacher
