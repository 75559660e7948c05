// One of the seven answer boxes of the exam window.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>

namespace student {

/// A check box that tells when it receives the focus and when the left button is
/// released over it after its tick changed: the two moments an answer is rebuilt.
/// A tick by the space bar alone changes no answer.
class OptionBox : public QCheckBox
{
    Q_OBJECT

public:
    OptionBox(int index, const QString &caption, QWidget *parent = nullptr);
    int index() const { return m_index; }
    void setColour(const QColor &colour);
    QColor colour() const;

Q_SIGNALS:
    void focused();
    void leftReleased();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    int m_index;
};

} // namespace student
