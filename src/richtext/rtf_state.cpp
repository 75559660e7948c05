// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_state.h"

namespace richtext {

const RtfFont *RtfTables::font(int index) const
{
    const auto it = fonts.constFind(index < 0 ? defaultFont : index);
    return it == fonts.cend() ? nullptr : &*it;
}

QColor RtfTables::color(int index) const
{
    return index > 0 && size_t(index) < colors.size() ? colors[size_t(index)] : QColor();
}

} // namespace richtext
