// The main menu's seven picture buttons: which one is highlighted under the pointer.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace teacher {

class MainMenuModel
{
public:
    static constexpr int buttonCount = 7;

    /// What each button does, by its position 1..7.
    enum class Action {
        ManagePaper = 1,
        ManageTest,
        ManageClasses,
        ViewAchievement,
        SetPassword,
        Help,
        Exit
    };
    static Action actionOf(int button) { return Action(button); }

    /// A button shows its normal picture in state 1 and its highlighted one in state 2.
    enum class State { Normal = 1, Highlighted = 2 };

    /// The pointer moved over button k (1..7): it alone is highlighted.
    void pointerOverButton(int button);
    /// The pointer moved over the background (or left the window): nothing is highlighted.
    void pointerOverBackground();

    State state(int button) const;
    /// The highlighted button, or 0.
    int highlighted() const;

private:
    std::array<State, buttonCount> m_states{State::Normal, State::Normal, State::Normal,
                                            State::Normal, State::Normal, State::Normal,
                                            State::Normal};
};

} // namespace teacher
