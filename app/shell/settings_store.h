// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The per-user settings store: an INI file with sections, integers and
// strings, whose section and key names are compared without regard to case
// (reading "category" finds a value written as "Category", whatever spelling
// the file holds). Every write reaches the file at once. Safe to use from
// several threads.
//
// A damaged or unreadable file is not trusted: every read gives its default,
// a warning goes to standard error, and before the first write the file is
// moved aside as "<name>.damaged" so that nothing it held is lost.
#pragma once

#include <QString>

#include <memory>
#include <mutex>

class QSettings;

namespace quillora {

class SettingsStore {
public:
    explicit SettingsStore(const QString& filePath);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // $XDG_CONFIG_HOME (or ~/.config) / <company short name> / Quillora.conf
    static QString defaultFilePath(const QString& companyShortName);

    int readInt(const QString& section, const QString& key, int defaultValue) const;
    QString readString(const QString& section, const QString& key, const QString& defaultValue) const;
    // False when the file could not be written (a warning has gone out).
    bool writeInt(const QString& section, const QString& key, int value);
    bool writeString(const QString& section, const QString& key, const QString& value);

    QString filePath() const { return path_; }
    bool damaged() const;

private:
    QString storedKey(const QString& section, const QString& key) const;
    bool write(const QString& section, const QString& key, const QString& value);
    void setDamagedFileAside();

    mutable std::mutex lock_;
    QString path_;
    std::unique_ptr<QSettings> settings_;
    bool damaged_ = false;
};

} // namespace quillora
