// The exam window's small "Help" window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;

namespace student {

/// One label with the help text and a "Return" button. A click on the label, the
/// button, Enter, or any key pressed while the window has the focus closes it.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(const QString &text, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *m_label;
};

} // namespace student
