# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# The small dialogs: question, welcome, settings, replace and formats report.
target_sources(quillora_dialogs PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ask_setting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/capabilities_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/delete_confirm_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language_combo_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/question_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/replace_confirm_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/welcome_dialog.cpp
)
# The received photo's preview and its lossless transforms.
target_sources(quillora_dialogs PRIVATE ${CMAKE_CURRENT_LIST_DIR}/jpeg_transform.cpp ${CMAKE_CURRENT_LIST_DIR}/picture_preview_dialog.cpp)
