// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The 16 × 16 pictures of the photo preview's transform buttons.
#pragma once

#include <QIcon>

namespace quillora {

enum class TransformIcon { FlipHorizontal, RotateLeft, RotateRight, FlipVertical, Greyscale };

// Null only when the picture is missing from the resources.
QIcon transformIcon(TransformIcon which);

} // namespace quillora
