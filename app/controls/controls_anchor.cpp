// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Keeps the library non-empty until its controls exist.
namespace quillora { void controlsAnchor() {} }
