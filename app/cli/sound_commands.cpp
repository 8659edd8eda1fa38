// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "sound_commands.h"

#include "playable_copy.h"
#include "wav_convert.h"

#include <QFile>
#include <QSaveFile>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

namespace quillora {

namespace {

// Sound images are handled whole in memory, with 32-bit lengths.
constexpr qint64 kMaxSoundBytes = 0xFFFFFFFFll;

std::optional<QByteArray> readSound(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "quillora-cli: cannot read %s: %s\n", qUtf8Printable(path),
                     qUtf8Printable(file.errorString()));
        return std::nullopt;
    }
    if (file.size() > kMaxSoundBytes) {
        std::fprintf(stderr, "quillora-cli: %s is too large for a sound\n", qUtf8Printable(path));
        return std::nullopt;
    }
    return file.readAll();
}

bool writeSound(const QString &path, const std::vector<std::uint8_t> &bytes)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size())) ==
                             qint64(bytes.size()) &&
                         file.commit();
    if (!written)
        std::fprintf(stderr, "quillora-cli: cannot write %s: %s\n", qUtf8Printable(path),
                     qUtf8Printable(file.errorString()));
    return written;
}

std::span<const std::uint8_t> bytesOf(const QByteArray &data)
{
    return {reinterpret_cast<const std::uint8_t *>(data.constData()), static_cast<std::size_t>(data.size())};
}

} // namespace

int convertSound(const QStringList &args)
{
    if (args.size() != 2)
        return 2;
    const auto input = readSound(args[0]);
    if (!input)
        return 1;
    const audio::PlayableCopy copy = audio::MakePlayableCopy(bytesOf(*input));
    if (copy.kind == audio::SoundKind::Other) {
        std::fprintf(stderr, "quillora-cli: %s is neither AMR nor the phone's ADPCM; it plays as it is\n",
                     qUtf8Printable(args[0]));
        return 1;
    }
    if (copy.wav.empty()) {
        std::fprintf(stderr, "quillora-cli: %s could not be converted\n", qUtf8Printable(args[0]));
        return 1;
    }
    return writeSound(args[1], copy.wav) ? 0 : 1;
}

int compressSound(const QStringList &args)
{
    if (args.size() != 2)
        return 2;
    const auto input = readSound(args[0]);
    if (!input)
        return 1;
    const std::vector<std::uint8_t> compressed = audio::CompressWavForPhone(bytesOf(*input), 0);
    if (compressed.empty()) {
        std::fprintf(stderr, "quillora-cli: %s is not compressed; it would be sent as it is\n",
                     qUtf8Printable(args[0]));
        return 1;
    }
    return writeSound(args[1], compressed) ? 0 : 1;
}

} // namespace quillora
