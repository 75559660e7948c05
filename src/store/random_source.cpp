// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_source.h"

#include <QRandomGenerator>

namespace store {

double SystemRandom::uniform()
{
    return QRandomGenerator::global()->generateDouble();
}

} // namespace store
