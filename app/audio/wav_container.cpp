// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "wav_container.h"

#include <algorithm>
#include <cstring>

namespace quillora::audio {

namespace {

constexpr std::uint32_t kUnknownSize = 0x80000000u; // a chunk size with the top bit set ends a walk

// Little-endian fields read byte by byte, never past the bytes at hand.
struct FieldReader {
    std::span<const std::uint8_t> bytes;
    std::size_t pos = 0;
    bool ok = true;

    std::uint32_t take(std::size_t width)
    {
        if (!ok || pos + width > bytes.size()) {
            ok = false;
            return 0;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < width; ++i)
            value |= static_cast<std::uint32_t>(bytes[pos + i]) << (8 * i);
        pos += width;
        return value;
    }
    std::uint16_t u16() { return static_cast<std::uint16_t>(take(2)); }
    std::uint32_t u32() { return take(4); }

    // A chunk identifier: at most four bytes; a zero byte or a line feed
    // stops it and is not counted, so the next field starts there.
    std::string_view identifier()
    {
        std::size_t count = 0;
        while (count < 4) {
            if (pos + count >= bytes.size()) {
                ok = false;
                return {};
            }
            const std::uint8_t c = bytes[pos + count];
            if (c == 0 || c == '\n')
                break;
            ++count;
        }
        const std::string_view id(reinterpret_cast<const char *>(bytes.data() + pos), count);
        pos += count;
        return id;
    }
};

struct LE {
    std::uint8_t *out;
    std::size_t pos = 0;
    void bytes(std::string_view text)
    {
        std::memcpy(out + pos, text.data(), text.size());
        pos += text.size();
    }
    void put(std::uint32_t value, std::size_t width)
    {
        for (std::size_t i = 0; i < width; ++i)
            out[pos++] = static_cast<std::uint8_t>(value >> (8 * i));
    }
};

bool inRange(std::uint32_t rate)
{
    static constexpr std::uint32_t kRanges[][2] = {{7920, 8080}, {10945, 11105}, {15920, 16080}, {21970, 22130}};
    return std::any_of(std::begin(kRanges), std::end(kRanges),
                       [rate](const auto &r) { return rate >= r[0] && rate <= r[1]; });
}

bool bitsFit(const WavFormat &f)
{
    switch (f.formatTag) {
    case WavFormatTag::Pcm: return f.bitsPerSample == 16 || f.bitsPerSample == 8;
    case WavFormatTag::MsAdpcm: return f.bitsPerSample == 4;
    case WavFormatTag::ALaw:
    case WavFormatTag::MuLaw: return f.bitsPerSample == 8;
    case WavFormatTag::ImaAdpcm:
    case WavFormatTag::PhoneAdpcm: return f.bitsPerSample == 4 && f.extraSize >= 2;
    case WavFormatTag::Gsm610: return f.sampleRate >= 7920 && f.sampleRate <= 8080;
    }
    return false;
}

std::int32_t walkLength(std::uint64_t length)
{
    return static_cast<std::int32_t>(std::min<std::uint64_t>(length, INT32_MAX));
}

// A chunk as the stated walk finds it, or else (a file whose writer padded
// an odd-sized chunk, as RIFF says to) with pad bytes skipped; files the
// first walk accepts are read exactly as before.
std::uint32_t findChunk(std::span<const std::uint8_t> bytes, std::size_t start, std::string_view id,
                        std::int32_t length, std::uint32_t &offset)
{
    const std::uint32_t size = FindRiffChunk(bytes, start, id, length, offset, false);
    return size != 0 ? size : FindRiffChunk(bytes, start, id, length, offset, true);
}

AudioResult readCodecFields(FieldReader &in, WavFormat &f)
{
    switch (f.formatTag) {
    case WavFormatTag::ImaAdpcm:
        f.samplesPerBlock = in.u16();
        f.blockBytes = ((f.samplesPerBlock + 14u) >> 3 << 2) * f.channels;
        break;
    case WavFormatTag::Pcm:
    case WavFormatTag::ALaw:
    case WavFormatTag::MuLaw:
        f.blockBytes = 320;
        f.bytesPerSample = (f.bitsPerSample + 7u) >> 3;
        if (f.bytesPerSample == 0)
            return AudioResult::Unsupported; // 0 bits per sample: no samples at all
        f.samplesPerBlock = static_cast<std::uint16_t>(320 / f.bytesPerSample);
        break;
    case WavFormatTag::Gsm610:
        f.samplesPerBlock = in.u16();
        f.blockBytes = 65;
        f.bytesPerSample = 2;
        if (f.blockAlign != 65 || f.samplesPerBlock != 320)
            return AudioResult::Unsupported;
        break;
    case WavFormatTag::PhoneAdpcm:
        f.samplesPerBlock = in.u16();
        f.extWord = in.u16();
        f.extLong = in.u32();
        f.blockBytes = ((f.samplesPerBlock + 14u) >> 3 << 2) * f.channels;
        break;
    default: return AudioResult::Unsupported;
    }
    if (f.formatTag != WavFormatTag::PhoneAdpcm)
        f.extLong = f.extWord = 0;
    return in.ok ? AudioResult::Ok : AudioResult::Unsupported;
}

} // namespace

std::uint32_t FindRiffChunk(std::span<const std::uint8_t> bytes, std::size_t start, std::string_view id,
                            std::int32_t length, std::uint32_t &offset, bool skipPadBytes)
{
    FieldReader in{bytes, start};
    std::int64_t left = length;
    std::uint64_t at = 0;
    do {
        const std::size_t before = in.pos;
        const std::string_view found = in.identifier();
        const std::uint32_t size = in.u32();
        if (!in.ok || (size & kUnknownSize) != 0)
            return 0;
        at += in.pos - before;
        if (found == id.substr(0, std::min<std::size_t>(id.size(), 4))) {
            if (left < 1 || at > UINT32_MAX)
                return 0;
            offset = static_cast<std::uint32_t>(at);
            return size;
        }
        const std::uint64_t skip = size + (skipPadBytes && (size & 1) ? 1u : 0u);
        if (in.pos + skip > bytes.size())
            return 0; // the next chunk header would lie outside the image
        in.pos += skip;
        at += skip;
        left -= static_cast<std::int64_t>(skip);
    } while (left > 0);
    return 0;
}

AudioResult ParseWavHeader(const WavImage &image, WavFormat &f)
{
    f.extraSize = 0;
    FieldReader in{image.bytes};
    if (in.identifier() != "RIFF")
        return AudioResult::Unsupported;
    f.riffSize = in.u32();
    if (in.identifier() != "WAVE" || !in.ok)
        return AudioResult::Unsupported;
    std::uint32_t offset = 0;
    f.fmtSize = findChunk(image.bytes, in.pos, "fmt ", walkLength(image.length), offset);
    if (f.fmtSize < 16)
        return AudioResult::Unsupported;
    in.pos += offset;
    f.formatTag = static_cast<WavFormatTag>(in.u16());
    f.channels = in.u16();
    f.sampleRate = in.u32();
    f.avgBytesPerSec = in.u32();
    f.blockAlign = in.u16();
    f.bitsPerSample = in.u16();
    std::uint32_t remaining = f.fmtSize - 16;
    if (f.formatTag != WavFormatTag::Pcm) {
        if (remaining < 2)
            return AudioResult::Unsupported;
        f.extraSize = in.u16();
        remaining -= 2;
    }
    if (!in.ok || f.extraSize > remaining)
        return AudioResult::Unsupported;
    return readCodecFields(in, f);
}

AudioResult CheckWavFormat(const WavImage &image, WavFormat &f)
{
    if (std::uint64_t{f.riffSize} + 8 > image.length || !bitsFit(f) || f.channels != 1 || !inRange(f.sampleRate))
        return AudioResult::Unsupported;
    if (image.length < 12)
        return AudioResult::Unsupported;
    std::uint32_t offset = 0;
    f.dataBytes = findChunk(image.bytes, 12, "data", walkLength(image.length - 12u), offset);
    if (f.dataBytes == 0)
        return AudioResult::Unsupported;
    f.dataOffset = offset + 12;
    // A data chunk that claims more than the file holds would make the
    // decoders read past the image.
    if (std::uint64_t{f.dataOffset} + f.dataBytes > image.length)
        return AudioResult::Unsupported;
    return AudioResult::Ok;
}

std::uint16_t WavFormatTagOf(std::span<const std::uint8_t> image)
{
    WavFormat format;
    if (ParseWavHeader({image, 44}, format) != AudioResult::Ok)
        return 0;
    return static_cast<std::uint16_t>(format.formatTag);
}

std::size_t WriteWavHeader(std::span<std::uint8_t> out, WavFormat &f)
{
    const bool pcm = f.formatTag == WavFormatTag::Pcm;
    std::uint64_t dataBytes = 0;
    if (f.formatTag == WavFormatTag::PhoneAdpcm) {
        if (f.channels == 0 || f.channels > 2)
            return 0;
        if (f.blockAlign == 0)
            f.blockAlign = static_cast<std::uint16_t>(f.channels * 160);
        if (f.blockAlign < 4u * f.channels)
            return 0;
        f.bitsPerSample = 4;
        f.extraSize = 12;
        f.samplesPerBlock = static_cast<std::uint16_t>((f.blockAlign - 4 * f.channels) / (4 * f.channels) * 8 + 1);
        dataBytes = (std::uint64_t{f.sampleCount} + f.samplesPerBlock - 1) / f.samplesPerBlock * f.blockAlign;
    } else if (pcm) {
        dataBytes = std::uint64_t{f.sampleCount} * f.bytesPerSample;
    } else {
        return 0;
    }
    const std::uint64_t fmtSize = f.fmtSize + (pcm ? 0u : f.extraSize + 2u);
    const std::uint64_t riffSize = fmtSize + dataBytes + 20 + (pcm ? 0u : f.factSize + 8u);
    const std::size_t headerBytes = pcm ? kPcmHeaderBytes : kPhoneAdpcmHeaderBytes;
    if (riffSize > UINT32_MAX || f.samplesPerBlock == 0 || out.size() < headerBytes)
        return 0;
    f.dataBytes = static_cast<std::uint32_t>(dataBytes);
    f.fmtSize = static_cast<std::uint32_t>(fmtSize);
    f.riffSize = static_cast<std::uint32_t>(riffSize);
    f.avgBytesPerSec = static_cast<std::uint32_t>(f.blockAlign) * f.sampleRate / f.samplesPerBlock;

    LE w{out.data()};
    w.bytes("RIFF");
    w.put(f.riffSize, 4);
    w.bytes("WAVEfmt ");
    w.put(pcm ? 16 : 30, 4);
    w.put(static_cast<std::uint16_t>(f.formatTag), 2);
    w.put(f.channels, 2);
    w.put(f.sampleRate, 4);
    w.put(f.avgBytesPerSec, 4);
    if (pcm) {
        w.put(2, 2);
        w.put(f.bitsPerSample, 2);
    } else {
        w.put(f.blockAlign, 2);
        w.put(4, 2);
        w.put(12, 2);
        w.put(f.samplesPerBlock, 2);
        w.put(f.extWord, 2);
        w.put(f.extLong, 4);
        w.put(0, 4);
        w.bytes("fact");
        w.put(4, 4);
        w.put(f.factSamples, 4);
    }
    w.bytes("data");
    w.put(f.dataBytes, 4);
    return w.pos;
}

} // namespace quillora::audio
