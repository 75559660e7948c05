// What the RTF parser tells the one building a document (or only its text) from it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rtf_state.h"

namespace richtext {

struct Picture;

class RtfSink
{
public:
    virtual ~RtfSink() = default;

    /// Called once before any other call; the tables stay valid and are filled as the
    /// parser goes on.
    virtual void begin(const RtfTables &tables) = 0;
    /// Visible text: never control characters other than tab and U+2028 (line break).
    virtual void text(const QString &text, const RtfCharState &chars, const RtfParaState &para) = 0;
    /// \par: the paragraph ends with these properties.
    virtual void paragraphEnd(const RtfCharState &chars, const RtfParaState &para) = 0;
    /// \cell: the table cell and its last paragraph end.
    virtual void cellEnd(const RtfParaState &para) = 0;
    /// \row
    virtual void rowEnd() = 0;
    virtual void picture(const Picture &picture, const RtfParaState &para) = 0;
    /// Whether pictures are wanted at all; when not, their data is stepped over unread.
    virtual bool wantsPictures() const = 0;
    /// The end of the document; a paragraph that no \par ended gets these properties.
    virtual void end(const RtfParaState &para) = 0;
};

} // namespace richtext
