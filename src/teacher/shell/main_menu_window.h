// The main menu "Teacher End": seven picture buttons over a background picture.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main_menu_model.h"
#include "working_windows.h"

#include <QList>
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace ui {
class Help;
class Prompts;
} // namespace ui

namespace teacher {

class PictureButton;

class MainMenuWindow : public QWidget
{
    Q_OBJECT

public:
    MainMenuWindow(WorkingWindows windows, ui::Prompts &prompts, ui::Help &help,
                   std::function<void()> quit, QWidget *parent = nullptr);

    static QString helpPage() { return QStringLiteral("main-menu"); }

    /// Button k, 1..7.
    PictureButton *button(int position) const;
    const MainMenuModel &model() const { return m_model; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void press(int position);
    void open(const WorkingWindows::Opener &opener, int position);
    void showModel();

    WorkingWindows m_windows;
    ui::Prompts &m_prompts;
    ui::Help &m_help;
    std::function<void()> m_quit;
    MainMenuModel m_model;
    QList<PictureButton *> m_buttons;
    QPixmap m_background;
    bool m_quitting = false;
};

} // namespace teacher
