// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// gtest's main with a QApplication around it, offscreen unless the caller
// chose a platform, so that widgets, sockets and timers work in tests.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
