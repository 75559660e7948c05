// The student program starts only on a data root that holds the roster.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/root_locator.h"
#include "ui/prompts.h"

#include <QTextStream>

namespace student {

/// Whether the located root holds the roster. When it does not, says which folder
/// was looked in (a message, and the same line on `err`) and gives false; nothing
/// is written anywhere.
bool admitRoot(const store::RootLocation &location, ui::Prompts &prompts, QTextStream &err);

} // namespace student
