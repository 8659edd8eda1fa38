# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Every window rendered in English and French with no text cut off, and the
# clipping measurement on controls made to fit or not.
quillora_test(screenshots_test QT
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/screenshots_test.cpp
  LIBS quillora_screenshots_core
  LABELS ui)
# The command line is run as the script runs it.
target_compile_definitions(screenshots_test PRIVATE QUILLORA_SCREENSHOTS="$<TARGET_FILE:quillora-screenshots>")
add_dependencies(screenshots_test quillora-screenshots)
