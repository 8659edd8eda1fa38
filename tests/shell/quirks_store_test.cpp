// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// A phone's quirk flags survive the program: set during one run, found
// under the same IMEI by the next run's store, and only there.

#include "connection_state.h"
#include "settings_quirks_store.h"
#include "settings_store.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using quillora::ConnectionState;
using quillora::PhoneInfo;

PhoneInfo phone(const std::string &imei)
{
    PhoneInfo info;
    info.imei = imei;
    info.modelName = "QP-200";
    return info;
}

TEST(QuirksStore, FlagsPersistPerImeiAcrossRuns)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quillora.conf"));
    {
        quillora::SettingsStore settings(path);
        quillora::SettingsQuirksStore store(settings);
        ConnectionState state;
        ASSERT_TRUE(state.TryAccept(phone("351234567890123"), &store));
        EXPECT_EQ(state.quirks(), 0u) << "nothing stored yet";
        state.SavePhoneQuirks(0x2 | 0x10, &store);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[IMEI]")) << text.constData();
    EXPECT_TRUE(text.contains("351234567890123=12")) << "kept as hexadecimal: " << text.constData();

    quillora::SettingsStore settings(path); // the next run
    quillora::SettingsQuirksStore store(settings);
    ConnectionState same;
    ASSERT_TRUE(same.TryAccept(phone("351234567890123"), &store));
    EXPECT_EQ(same.quirks(), 0x12u);
    ConnectionState other;
    ASSERT_TRUE(other.TryAccept(phone("359999999999999"), &store));
    EXPECT_EQ(other.quirks(), 0u);
}

} // namespace
