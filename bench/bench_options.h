// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The benchmarks' "--name=N" options.
#pragma once

#include <cstdlib>
#include <cstring>

// The number after `name` ("--runs=") in the arguments, else `fallback`.
inline int argValue(int argc, char** argv, const char* name, int fallback)
{
    const size_t n = std::strlen(name);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], name, n) == 0)
            return std::atoi(argv[i] + n);
    return fallback;
}
