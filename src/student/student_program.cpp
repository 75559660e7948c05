// SPDX-License-Identifier: GPL-3.0-or-later
#include "student_program.h"

#include "about_test_window.h"

#include <QDir>

namespace student {

StudentProgram::StudentProgram(store::DataRoot root, const store::Clock &clock,
                               store::RandomSource &random, ui::Prompts &prompts,
                               std::function<void()> quit, ExamWindow::Ticks ticks,
                               LoginWindow::UrlOpener openUrl)
    : m_root(std::move(root))
    , m_clock(clock)
    , m_random(random)
    , m_prompts(prompts)
    , m_quit(std::move(quit))
    , m_ticks(ticks)
    , m_login(std::make_unique<LoginWindow>(m_root, prompts, m_quit, std::move(openUrl)))
{
    connect(m_login.get(), &LoginWindow::admitted, this, &StudentProgram::showAboutTest);
}

StudentProgram::~StudentProgram() = default;

bool StudentProgram::start()
{
    if (!m_login->start())
        return false;
    m_login->show();
    return true;
}

void StudentProgram::showAboutTest(const TesteeIdentity &identity)
{
    m_about = std::make_unique<AboutTestWindow>(m_root, identity, m_quit);
    connect(m_about.get(), &AboutTestWindow::startRequested, this, &StudentProgram::showExam);
    m_about->show();
}

void StudentProgram::showExam(const TesteeIdentity &identity)
{
    m_exam = std::make_unique<ExamWindow>(m_root, m_clock, m_random, m_prompts, m_quit, m_ticks);
    if (!m_exam->open(identity)) {
        // The testee was told that the test cannot be saved; nothing was started.
        if (m_quit)
            m_quit();
        return;
    }
    m_exam->showMaximized();
}

} // namespace student
