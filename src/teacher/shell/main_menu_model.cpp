// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_menu_model.h"

namespace teacher {

void MainMenuModel::pointerOverButton(int button)
{
    if (button < 1 || button > buttonCount)
        return;
    for (int k = 1; k <= buttonCount; ++k)
        m_states[k - 1] = k == button ? State::Highlighted : State::Normal;
}

void MainMenuModel::pointerOverBackground()
{
    m_states.fill(State::Normal);
}

MainMenuModel::State MainMenuModel::state(int button) const
{
    if (button < 1 || button > buttonCount)
        return State::Normal;
    return m_states[button - 1];
}

int MainMenuModel::highlighted() const
{
    for (int k = 1; k <= buttonCount; ++k) {
        if (m_states[k - 1] == State::Highlighted)
            return k;
    }
    return 0;
}

} // namespace teacher
