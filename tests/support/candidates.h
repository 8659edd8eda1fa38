// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

#include "detect.h"

#include <string>
#include <vector>

namespace testing_support {

// Points detection at these device paths instead of the machine's ports.
inline void useCandidatePaths(const std::vector<std::string> &paths)
{
    trelvix::setCandidateSource([paths](bool) {
        std::vector<trelvix::PortCandidate> list;
        for (const auto &p : paths)
            list.push_back({p, 0, ""});
        return list;
    });
}

} // namespace testing_support
