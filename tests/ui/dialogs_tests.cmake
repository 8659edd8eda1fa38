# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# The small dialogs and the ask setting.
quillora_test(dialogs_test QT
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ask_setting_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/language_combo_box_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_texts_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/replace_capabilities_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/welcome_settings_test.cpp
  LIBS quillora_dialogs Qt6::Test
  LABELS dialogs)
