# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# The received photo's preview and its jpegtran transforms.
quillora_test(picture_preview_test QT
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/picture_preview_test.cpp
  LIBS quillora_dialogs Qt6::Test
  LABELS dialogs)
