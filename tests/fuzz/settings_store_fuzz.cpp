// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Arbitrary bytes as the settings file: every key and every setting the
// program reads stay within their rules, and a value written after the
// garbage reads back as written, also from a new store.

#include "fuzz_check.h"
#include "app_settings.h"
#include "settings_quirks_store.h"
#include "settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// Qt is built without frame pointers, so ASan's fast unwinding of Qt's
// allocations gives junk frames past the second, and storing each new junk
// stack grew the process by kilobytes a run, past libFuzzer's memory limit
// in a long run.
extern "C" const char *__asan_default_options()
{
    return "malloc_context_size=2";
}

namespace {

using namespace quillora;

constexpr const IntSetting *kIntSettings[] = {
    &setting::ShowSplash,        &setting::ShowHidden, &setting::DisableSounds, &setting::AllowVCardsVCals,
    &setting::AllowMultipleSend, &setting::AMR2PCM,    &setting::ADPCM2PCM,     &setting::Category,
    &setting::DelayFactor,
};
const std::string kImei = "351234567890123";

// What the program reads at start and for a phone, checked against each
// key's rules; a damaged file gives every default.
void readAll(SettingsStore &store)
{
    const bool damaged = store.damaged();
    for (const IntSetting *s : kIntSettings)
        check(!damaged || readSetting(store, *s) == s->defaultValue);
    for (const IntSetting *s : {&setting::AMR2PCM, &setting::ADPCM2PCM}) {
        const int choice = static_cast<int>(readAskSetting(store, *s));
        check(choice >= 0 && choice <= 2);
    }
    check(readDelayFactor(store) >= 1);
    const LocaleId language = readLanguageSetting(store, kEnglishUs);
    check(language != 0 && language != 1 && (!damaged || language == kEnglishUs));
    check(!damaged || readPathSetting(store).isEmpty());
    SettingsQuirksStore quirks(store);
    check(!damaged || quirks.loadQuirks(kImei) == 0);
}

// Every key of the file as the store names it: a section and a key.
void readEveryKey(SettingsStore &store, const QString &path)
{
    const QSettings file(path, QSettings::IniFormat);
    for (const QString &name : file.allKeys()) {
        const qsizetype slash = name.indexOf(u'/');
        const QString section = slash < 0 ? QString() : name.left(slash);
        const QString key = name.mid(slash + 1);
        // Each read lists the sections and keys again: one read a key.
        if (section.compare(QLatin1String(setting::kPhoneSection), Qt::CaseInsensitive) == 0)
            (void)readPhoneQuirks(store, key);
        else
            store.readString(section, key, QString());
    }
}

struct Folder {
    Folder()
    {
        // In memory where there is one: every write syncs the file.
        const QString base = ::access("/dev/shm", W_OK) == 0 ? QStringLiteral("/dev/shm") : QDir::tempPath();
        dir = std::make_unique<QTemporaryDir>(base + QStringLiteral("/quillora-settings-fuzz-XXXXXX"));
        check(dir->isValid());
        path = dir->filePath(QStringLiteral("folk/Quillora.conf"));
        native = path.toStdString();
        check(QDir().mkpath(QFileInfo(path).absolutePath()));
    }
    // QSettings keeps every file it parsed, by name, and parses it again only
    // when its size or time changed: one name for all runs (a new one each
    // run would pile up), and a time no earlier run gave it. Null content
    // keeps what the file holds.
    void put(const QByteArray *content)
    {
        const int fd = ::open(native.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (content ? O_TRUNC : 0), 0644);
        check(fd >= 0);
        if (content)
            check(::write(fd, content->data(), static_cast<size_t>(content->size())) == content->size());
        const timespec times[2] = {{0, UTIME_OMIT}, {1'000'000'000 + ++stamps, 0}};
        check(::futimens(fd, times) == 0 && ::close(fd) == 0);
    }
    std::unique_ptr<QTemporaryDir> dir;
    QString path;
    std::string native;
    time_t stamps = 0;
};

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes one value of the kind `what` picks and reads it back.
void writeAndRead(SettingsStore &store, int what, const IntSetting &intSetting, int value, const QString &text)
{
    SettingsQuirksStore quirks(store);
    switch (what) {
    case 0:
        check(writeSetting(store, intSetting, value) && readSetting(store, intSetting) == value);
        break;
    case 1:
        check(writePathSetting(store, text) && readPathSetting(store) == text);
        break;
    default:
        quirks.saveQuirks(kImei, static_cast<std::uint32_t>(value));
        check(quirks.loadQuirks(kImei) == static_cast<std::uint32_t>(value));
    }
    check(!store.damaged());
}

void readBack(const SettingsStore &store, int what, const IntSetting &intSetting, int value, const QString &text)
{
    check(!store.damaged());
    switch (what) {
    case 0: check(readSetting(store, intSetting) == value); break;
    case 1: check(readPathSetting(store) == text); break;
    default: check(readPhoneQuirks(store, QString::fromStdString(kImei)) == static_cast<std::uint32_t>(value));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 5)
        return 0;
    static Folder folder;
    const QByteArray garbage(reinterpret_cast<const char *>(data + 5), static_cast<qsizetype>(size - 5));
    ::unlink((folder.native + ".damaged").c_str());
    folder.put(&garbage);

    // A write syncs the file, which costs twice the rest of a run, so one
    // run in eight writes: picked by a hash of the whole input, or the
    // inputs kept for the coverage a write adds would make most runs write.
    std::uint32_t hash = 2166136261u;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    const int what = (data[0] >> 4) % 3; // an int setting, the path or a phone's flags
    const IntSetting &intSetting = *kIntSettings[data[0] % std::size(kIntSettings)];
    const int value = static_cast<int>(data[1] | data[2] << 8 | data[3] << 16 | static_cast<unsigned>(data[4]) << 24);
    const QString text = QString::fromUtf8(garbage.left(data[1] % 64));
    bool damaged = false;
    {
        SettingsStore store(folder.path);
        damaged = store.damaged();
        readAll(store);
        readEveryKey(store, folder.path);
        if (hash % 8 != 0)
            return 0;
        writeAndRead(store, what, intSetting, value, text);
    }
    // A damaged file is kept as it was beside the new one.
    check(!damaged || readFile(folder.path + QStringLiteral(".damaged")) == garbage);
    folder.put(nullptr); // the new store reads the file, not what QSettings kept of it
    readBack(SettingsStore(folder.path), what, intSetting, value, text);
    return 0;
}
