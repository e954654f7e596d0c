// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#include "dice/source.h"

namespace dice {

Source &processSource()
{
    static MersenneSource source;
    return source;
}

} // namespace dice
