// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// Internal seams of phone detection, for tests and the tools built here.

#include "enumerate.h"
#include "port.h"

#include <chrono>
#include <functional>
#include <string>

namespace trelvix {

// How detection opens a device path; tests put fake ports behind paths.
using PortOpener = std::function<OpenResult(const std::string &path)>;
// Replaces the opener (an empty function restores the POSIX one).
void setPortOpener(PortOpener opener);

// Where detection gets its candidate ports (an empty function restores the
// machine's enumeration); tests list fake or pty ports here.
using CandidateSource = std::function<std::vector<PortCandidate>(bool skipInfrared)>;
void setCandidateSource(CandidateSource source);

// Waits until every detection and still-check thread has ended; false when
// some are still running after the timeout.
bool waitForDetectionThreads(std::chrono::milliseconds timeout);

} // namespace trelvix
