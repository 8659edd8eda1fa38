// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace quillora {
namespace {

void warn(const QString& text) { std::fprintf(stderr, "quillora: %s\n", qUtf8Printable(text)); }

// The stored spelling of a name among the given ones, or the name itself.
QString findName(const QStringList& names, const QString& wanted)
{
    for (const QString& n : names)
        if (n.compare(wanted, Qt::CaseInsensitive) == 0)
            return n;
    return wanted;
}

} // namespace

SettingsStore::SettingsStore(const QString& filePath)
    : path_(filePath), settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
    const bool exists = QFileInfo::exists(filePath);
    const QStringList keys = settings_->allKeys(); // QSettings parses on first use; the status comes with it
    // A key with an empty name ("=x" in a section) is none of ours, and
    // QSettings writes some back in a form it cannot read ("=x" under
    // "[a/b]" becomes "b\=x" under "[a]"): after our next write the next
    // start would find the whole file damaged.
    const bool emptyName = std::any_of(keys.begin(), keys.end(), [](const QString& k) { return k.endsWith(u'/'); });
    if (exists && (settings_->status() != QSettings::NoError || emptyName || !QFileInfo(filePath).isReadable())) {
        damaged_ = true;
        warn(QStringLiteral("the settings file %1 cannot be read; the defaults are used").arg(filePath));
    }
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::defaultFilePath(const QString& companyShortName)
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + u'/' + companyShortName + QStringLiteral("/Quillora.conf");
}

bool SettingsStore::damaged() const
{
    std::lock_guard guard(lock_);
    return damaged_;
}

QString SettingsStore::storedKey(const QString& section, const QString& key) const
{
    const QString group = findName(settings_->childGroups(), section);
    settings_->beginGroup(group);
    const QString name = findName(settings_->childKeys(), key);
    settings_->endGroup();
    return group + u'/' + name;
}

int SettingsStore::readInt(const QString& section, const QString& key, int defaultValue) const
{
    std::lock_guard guard(lock_);
    if (damaged_)
        return defaultValue;
    bool ok = false;
    const int v = settings_->value(storedKey(section, key)).toString().trimmed().toInt(&ok, 10);
    return ok ? v : defaultValue;
}

QString SettingsStore::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    std::lock_guard guard(lock_);
    if (damaged_)
        return defaultValue;
    const QVariant v = settings_->value(storedKey(section, key));
    return v.isValid() ? v.toString() : defaultValue;
}

bool SettingsStore::writeInt(const QString& section, const QString& key, int value)
{
    return write(section, key, QString::number(value));
}

bool SettingsStore::writeString(const QString& section, const QString& key, const QString& value)
{
    return write(section, key, value);
}

void SettingsStore::setDamagedFileAside()
{
    QString aside = path_ + QStringLiteral(".damaged");
    for (int n = 1; QFileInfo::exists(aside); ++n)
        aside = path_ + QStringLiteral(".damaged.%1").arg(n);
    if (QFile::rename(path_, aside))
        warn(QStringLiteral("the unreadable settings file was kept as %1").arg(aside));
    else
        warn(QStringLiteral("the unreadable settings file %1 could not be moved aside").arg(path_));
}

bool SettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    std::lock_guard guard(lock_);
    if (damaged_) {
        setDamagedFileAside();
        if (QFileInfo::exists(path_))
            return false; // never write over what could not be read
        settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
        damaged_ = false;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    settings_->setValue(storedKey(section, key), value);
    settings_->sync();
    if (settings_->status() != QSettings::NoError) {
        warn(QStringLiteral("the settings file %1 could not be written").arg(path_));
        return false;
    }
    return true;
}

} // namespace quillora
