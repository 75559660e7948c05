// The "Student login" window: paper, class, number and names.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "admission.h"

#include <QDialog>
#include <QUrl>
#include <functional>

class QComboBox;
class QLineEdit;

namespace student {

/// Draws an Admission. Its number box takes digits, Enter and Backspace only.
class LoginWindow : public QDialog
{
    Q_OBJECT

public:
    using UrlOpener = std::function<bool(const QUrl &)>;

    /// `openUrl` opens the help index (the desktop's browser by default).
    LoginWindow(store::DataRoot root, ui::Prompts &prompts, std::function<void()> quit,
                UrlOpener openUrl = {}, QWidget *parent = nullptr);

    /// Fills the lists. False when there is nothing to sit: the reason was shown and
    /// the program asked to end.
    bool start();

    const Admission &model() const { return m_model; }

    /// Whether a key typed into the number box is taken (digits, Enter, Backspace,
    /// and keys that type nothing, such as the arrows).
    static bool acceptsNumberKey(const QString &typed);

Q_SIGNALS:
    void admitted(const student::TesteeIdentity &identity);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void ok();
    void openHelp();
    void fillClasses();

    Admission m_model;
    store::DataRoot m_root;
    ui::Prompts &m_prompts;
    std::function<void()> m_quit;
    UrlOpener m_openUrl;
    bool m_closeEndsProgram = true;

    QComboBox *m_papers = nullptr;
    QComboBox *m_classes = nullptr;
    QLineEdit *m_number = nullptr;
    QLineEdit *m_firstName = nullptr;
    QLineEdit *m_lastName = nullptr;
};

} // namespace student
