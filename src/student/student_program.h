// The run of the student program: login, then "About Test", then the exam window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exam_window.h"
#include "login_window.h"

#include <QObject>
#include <memory>

namespace student {

class AboutTestWindow;

/// Owns the windows of one run and hands the testee from one to the next.
class StudentProgram : public QObject
{
    Q_OBJECT

public:
    StudentProgram(store::DataRoot root, const store::Clock &clock, store::RandomSource &random,
                   ui::Prompts &prompts, std::function<void()> quit,
                   ExamWindow::Ticks ticks = ExamWindow::Ticks::Timers,
                   LoginWindow::UrlOpener openUrl = {});
    ~StudentProgram() override;

    /// Shows the login window; false when there is nothing to sit (the program ends).
    bool start();

    LoginWindow *loginWindow() const { return m_login.get(); }
    AboutTestWindow *aboutTestWindow() const { return m_about.get(); }
    ExamWindow *examWindow() const { return m_exam.get(); }

private:
    void showAboutTest(const TesteeIdentity &identity);
    void showExam(const TesteeIdentity &identity);

    store::DataRoot m_root;
    const store::Clock &m_clock;
    store::RandomSource &m_random;
    ui::Prompts &m_prompts;
    std::function<void()> m_quit;
    ExamWindow::Ticks m_ticks;
    std::unique_ptr<LoginWindow> m_login;
    std::unique_ptr<AboutTestWindow> m_about;
    std::unique_ptr<ExamWindow> m_exam;
};

} // namespace student
