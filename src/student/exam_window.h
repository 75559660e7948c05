// The "Student end" window: one question at a time, the answer boxes, the
// navigation, the question selector and the countdown.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exam_screen.h"

#include <QDialog>
#include <QList>
#include <QTimer>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace ui {
class RichTextPane;
}

namespace student {

class OptionBox;

/// Draws an ExamScreen and turns clicks, keys and its two timers into its calls.
class ExamWindow : public QDialog
{
    Q_OBJECT

public:
    /// Manual ticks leave both timers stopped, so that tests drive the countdown
    /// and the autosave through countdownTick() and autosaveTick().
    enum class Ticks { Timers, Manual };

    ExamWindow(
        store::DataRoot root, const store::Clock &clock, store::RandomSource &random,
        ui::Prompts &prompts, std::function<void()> quit, Ticks ticks = Ticks::Timers,
        QString localFolder = store::DataRoot::localFolder(store::DataRoot::LocalUse::Student),
        QWidget *parent = nullptr);
    ~ExamWindow() override;

    /// Starts the attempt and the timers. False when the attempt could not start
    /// (the testee was told why); then no timer runs.
    bool open(const TesteeIdentity &identity);

    const ExamScreen &model() const { return m_model; }
    /// Whether the countdown is meant to run (the answer display stops it).
    bool countdownActive() const { return m_countdownActive; }
    bool autosaveActive() const { return m_autosaveActive; }

public Q_SLOTS:
    void countdownTick();
    void autosaveTick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void build();
    void draw();
    void drawOptions();
    void drawSelector();
    void setCountdown(bool on);
    void stopTimers();
    void drawSaveWarning();
    std::array<bool, 7> tickedOptions() const;
    void showHelp();

    ExamScreen m_model;
    Ticks m_ticks;
    QTimer m_countdown;
    QTimer m_autosave;
    bool m_countdownActive = false;
    bool m_autosaveActive = false;
    int m_drawnShown = -1;

    QGroupBox *m_questionFrame = nullptr;
    ui::RichTextPane *m_questionPane = nullptr;
    QGroupBox *m_explanationFrame = nullptr;
    ui::RichTextPane *m_explanationPane = nullptr;
    QList<OptionBox *> m_options;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_answer = nullptr;
    QPushButton *m_help = nullptr;
    QPushButton *m_finish = nullptr;
    QCheckBox *m_autoPageDown = nullptr;
    QGroupBox *m_selectorFrame = nullptr;
    QList<QPushButton *> m_selectorButtons;
    QScrollBar *m_selectorBar = nullptr;
    QLabel *m_time = nullptr;
    QLabel *m_saveWarning = nullptr;
};

} // namespace student
