// The twenty numbered buttons and their scroll bar, without widgets.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace student {

/// Button i (1..20) stands for position i + offset. The offset is the scroll bar's
/// value: its arrows and page areas move it by ten, dragging sets any value.
class QuestionSelector
{
public:
    static constexpr int buttonCount = 20;
    static constexpr int step = 10;

    /// Offset 0; the maximum is N rounded down to tens (N = 25 gives 20).
    void reset(int questionCount);

    int questionCount() const { return m_count; }
    int maximum() const { return m_maximum; }
    int offset() const { return m_offset; }
    /// As the scroll bar sets it; held within 0..maximum.
    void setOffset(int offset);

    /// Moves the window in steps of ten until it holds the position: one step forward
    /// when the position has left it at the bottom, one step back when it lies at or
    /// above the offset, and further steps when the testee had scrolled far away.
    void follow(int position);

    int positionOf(int button) const { return button + m_offset; }
    bool isVisible(int button) const;
    /// The button that stands for a position, 0 when the window does not hold it.
    int buttonOf(int position) const;

private:
    int m_count = 0;
    int m_maximum = 0;
    int m_offset = 0;
};

} // namespace student
