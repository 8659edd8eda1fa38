// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

#include <cstdlib>

// A broken invariant ends the run like a crash, so libFuzzer keeps the input.
inline void check(bool condition)
{
    if (!condition)
        std::abort();
}
