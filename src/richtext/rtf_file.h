// Loading and saving RTF document files.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/atomic_file.h"

#include <QString>

class QTextDocument;

namespace richtext {

/// Reads the RTF file at `path` into `document`. A file that is missing, unreadable or
/// larger than RtfReader::maxInputSize leaves the document empty and gives false; a damaged
/// file gives what could be read and true.
bool loadFile(const QString &path, QTextDocument &document);

/// Writes `document` to `path` as RTF, atomically: the old file stays whole until the new
/// one is complete, and a failed write leaves it byte for byte.
store::WriteOutcome saveFile(const QString &path, const QTextDocument &document);

} // namespace richtext
