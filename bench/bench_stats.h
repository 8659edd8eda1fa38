// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// What the benchmarks make of repeated rounds.
#pragma once

#include <algorithm>
#include <vector>

// The middle value of the rounds (the upper one of an even count); a single
// slow or fast round does not move it.
inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
