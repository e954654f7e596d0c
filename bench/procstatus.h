// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Quandrel developers

#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

// A size from /proc/self/status, in KiB: `field` is "VmRSS:", "VmHWM:" and the like.
// -1 where there is none.
inline long statusKiB(const char *field)
{
    long kib = -1;
    if (FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        const std::size_t length = std::strlen(field);
        while (std::fgets(line, sizeof line, status))
            if (std::strncmp(line, field, length) == 0)
                kib = std::atol(line + length);
        std::fclose(status);
    }
    return kib;
}
