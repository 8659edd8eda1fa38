// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// Internal hooks of the serial channel (the Comm_* exports).

#include "trelvix.h"

namespace trelvix {

// Puts another receive callback in place while the channel runs and returns
// the previous one (null when no channel is open). The still check uses it to
// read the phone's answer itself.
TrelvixReceiveFn exchangeReceiveCallback(TrelvixReceiveFn receive);

} // namespace trelvix
