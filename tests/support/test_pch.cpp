// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Nothing of its own: the target builds the GoogleTest header that every
// test reuses.
