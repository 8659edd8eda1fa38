// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "adpcm_codec.h"

#include <algorithm>
#include <new>

namespace quillora::audio {

namespace {

constexpr std::uint32_t kHeaderBytesPerChannel = 4;
constexpr std::uint32_t kGroupBytes = 4; // 8 codes of one channel
constexpr std::uint32_t kCodesPerGroup = 8;

// IMA next step index for a step index and a code's magnitude, so the
// 0x0011 decoder does one lookup instead of an add and a clamp.
constexpr auto kImaNextIndex = [] {
    std::array<std::array<std::uint8_t, 8>, kMaxStepIndex + 1> table{};
    for (int index = 0; index <= kMaxStepIndex; ++index)
        for (int magnitude = 0; magnitude < 8; ++magnitude)
            table[index][magnitude] =
                static_cast<std::uint8_t>(std::clamp(index + kImaIndexTable[magnitude], 0, int{kMaxStepIndex}));
    return table;
}();

std::int32_t clampSample(std::int32_t value)
{
    return std::clamp<std::int32_t>(value, INT16_MIN, INT16_MAX);
}

bool isAdpcm(WavFormatTag tag)
{
    return tag == WavFormatTag::ImaAdpcm || tag == WavFormatTag::PhoneAdpcm;
}

// Where the code for sample `sample` (1..) of `channel` lies in a block: the
// channels' headers first, then 4-byte groups of 8 codes, channel by channel.
std::size_t codeByte(std::uint32_t sample, std::uint32_t channel, std::uint32_t channels)
{
    const std::uint32_t code = sample - 1;
    return std::size_t{kHeaderBytesPerChannel} * channels +
           std::size_t{code / kCodesPerGroup} * kGroupBytes * channels + std::size_t{kGroupBytes} * channel +
           (code % kCodesPerGroup) / 2;
}

// A block of data in the layout shared by both ADPCM forms, decoded into
// `out` (interleaved, `samples` per channel). `samples` never exceeds what
// `block` holds, so no code byte is read past it.
void decodeImaBlock(std::span<const std::uint8_t> block, std::uint32_t samples, std::uint32_t channels,
                    std::int16_t *out)
{
    for (std::uint32_t c = 0; c < channels; ++c) {
        const std::uint8_t *header = block.data() + kHeaderBytesPerChannel * c;
        std::int32_t predictor = static_cast<std::int16_t>(header[0] | header[1] << 8);
        std::uint32_t index = header[2];
        if (index > kMaxStepIndex)
            continue; // a corrupt header: the channel keeps what it held rather than inventing a step
        out[c] = static_cast<std::int16_t>(predictor);
        for (std::uint32_t i = 1; i < samples; ++i) {
            const std::uint8_t byte = block[codeByte(i, c, channels)];
            const std::uint32_t code = (i & 1) ? byte & 0x0F : byte >> 4; // earlier sample in the low nibble
            const std::int32_t step = kImaStepTable[index];
            index = kImaNextIndex[index][code & 7];
            // The multiplying form: for the same codes it can differ in the
            // last bits from the shift-and-add one below, and it is what the
            // tools that write 0x0011 files decode with.
            const std::int32_t diff = (static_cast<std::int32_t>(2 * (code & 7) + 1) * step) >> 3;
            predictor = clampSample((code & 8) ? predictor - diff : predictor + diff);
            out[std::size_t{i} * channels + c] = static_cast<std::int16_t>(predictor);
        }
    }
}

void decodePhoneBlock(std::span<const std::uint8_t> block, std::uint32_t samples, std::uint32_t channels,
                      std::int16_t *out)
{
    for (std::uint32_t c = 0; c < channels; ++c) {
        const std::uint8_t *header = block.data() + kHeaderBytesPerChannel * c;
        std::int32_t predictor = static_cast<std::int16_t>(header[0] | header[1] << 8);
        // The phone writes 0..88; a larger index from a damaged file is taken
        // as the largest rather than refusing the whole sound.
        std::int32_t index = std::min<std::int32_t>(header[2], kMaxStepIndex);
        std::int32_t step = kImaStepTable[index];
        out[c] = static_cast<std::int16_t>(predictor);
        for (std::uint32_t i = 1; i < samples; ++i) {
            const std::uint8_t byte = block[codeByte(i, c, channels)];
            const std::uint32_t code = (i & 1) ? byte >> 4 : byte & 0x0F; // earlier sample in the high nibble
            index = std::clamp(index + kImaIndexTable[code], 0, int{kMaxStepIndex});
            std::int32_t diff = step >> 3;
            if (code & 4)
                diff += step;
            if (code & 2)
                diff += step >> 1;
            if (code & 1)
                diff += step >> 2;
            predictor = clampSample((code & 8) ? predictor - diff : predictor + diff);
            step = kImaStepTable[index];
            out[std::size_t{i} * channels + c] = static_cast<std::int16_t>(predictor);
        }
    }
}

// One block of the sample buffer (channels x samplesPerBlock, interleaved)
// encoded into the block byte buffer. The step index goes on from the
// channel's previous block; the predictor starts again from the header.
void encodePhoneBlock(WavFormat &f)
{
    const std::uint32_t channels = f.channels;
    const std::int16_t *in = f.codec.blockSamples.data();
    std::uint8_t *out = f.codec.blockBytes.data();
    for (std::uint32_t c = 0; c < channels; ++c) {
        std::int32_t index = f.codec.stepIndex[c];
        const std::int16_t first = in[c];
        std::uint8_t *header = out + kHeaderBytesPerChannel * c;
        header[0] = static_cast<std::uint8_t>(first);
        header[1] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(first) >> 8);
        header[2] = static_cast<std::uint8_t>(index);
        header[3] = 1; // the phone marks its blocks so
        std::int32_t predictor = first;
        std::int32_t step = kImaStepTable[index];
        for (std::uint32_t i = 1; i < f.samplesPerBlock; ++i) {
            std::int32_t d = in[std::size_t{i} * channels + c] - predictor;
            const std::uint32_t sign = d < 0 ? 8 : 0;
            if (sign)
                d = -d;
            std::int32_t diff = step >> 3;
            std::uint32_t code = 0;
            if (d >= step) {
                code = 4;
                d -= step;
                diff += step;
            }
            if (d >= step >> 1) {
                code |= 2;
                d -= step >> 1;
                diff += step >> 1;
            }
            if (d >= (step >> 1) >> 1) {
                code |= 1;
                diff += (step >> 1) >> 1;
            }
            predictor = clampSample(sign ? predictor - diff : predictor + diff);
            code |= sign;
            index = std::clamp(index + kImaIndexTable[code], 0, int{kMaxStepIndex});
            step = kImaStepTable[index];
            std::uint8_t &byte = out[codeByte(i, c, channels)];
            byte = (i & 1) ? static_cast<std::uint8_t>(code << 4) : static_cast<std::uint8_t>(byte | code);
        }
        f.codec.stepIndex[c] = index;
    }
}

// Samples per channel that a block of `blockAlign` bytes has room for.
std::uint32_t blockCapacity(std::uint32_t blockAlign, std::uint32_t channels)
{
    const std::uint32_t header = kHeaderBytesPerChannel * channels;
    return (blockAlign - header) / header * kCodesPerGroup + 1; // blockAlign >= header, checked by the caller
}

std::uint32_t readLinear(std::span<const std::uint8_t> &data, WavFormat &f, std::int16_t *out, std::uint32_t wanted)
{
    const std::uint32_t width = f.bytesPerSample;
    const std::uint32_t n = static_cast<std::uint32_t>(
        std::min<std::uint64_t>({wanted, f.sampleCount, data.size() / width}));
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint8_t *at = data.data() + std::size_t{i} * width;
        switch (f.formatTag) {
        case WavFormatTag::ALaw: out[i] = ALawToLinear(*at); break;
        case WavFormatTag::MuLaw: out[i] = MuLawToLinear(*at); break;
        default:
            out[i] = width == 2 ? static_cast<std::int16_t>(at[0] | at[1] << 8)
                                : static_cast<std::int16_t>((at[0] ^ 0x80) << 8); // unsigned 8-bit
        }
    }
    data = data.subspan(std::size_t{n} * width);
    f.sampleCount -= n;
    return n;
}

std::uint32_t readAdpcm(std::span<const std::uint8_t> &data, WavFormat &f, std::int16_t *out, std::uint32_t wanted)
{
    CodecState &codec = f.codec;
    const std::uint32_t channels = f.channels;
    const std::uint32_t limit =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(wanted, std::uint64_t{f.sampleCount} * channels));
    std::uint32_t delivered = 0;
    while (delivered < limit) {
        if (codec.samplesLeftInBlock == 0) {
            const std::span<const std::uint8_t> block = data.first(std::min<std::size_t>(f.blockAlign, data.size()));
            const auto held = static_cast<std::uint32_t>(
                SamplesInAdpcmBytes(block.size(), channels, f.blockAlign, f.samplesPerBlock));
            if (held == 0) {
                f.sampleCount = 0; // no whole block header left: the sound ends here
                return delivered;
            }
            if (f.formatTag == WavFormatTag::ImaAdpcm)
                decodeImaBlock(block, held, channels, codec.blockSamples.data());
            else
                decodePhoneBlock(block, held, channels, codec.blockSamples.data());
            data = data.subspan(block.size());
            codec.samplesLeftInBlock = static_cast<std::uint16_t>(held);
            codec.cursor = 0;
        }
        // Samples left in the block; a frame may have been taken in part.
        const std::size_t left = std::size_t{codec.samplesLeftInBlock} * channels - codec.cursor % channels;
        const std::size_t n = std::min<std::size_t>(limit - delivered, left);
        std::copy_n(codec.blockSamples.begin() + static_cast<std::ptrdiff_t>(codec.cursor), n, out + delivered);
        codec.cursor += n;
        delivered += static_cast<std::uint32_t>(n);
        codec.samplesLeftInBlock = static_cast<std::uint16_t>((left - n + channels - 1) / channels);
    }
    f.sampleCount -= delivered / channels;
    return delivered;
}

// Fills the rest of the sample buffer with silence, encodes it as one block
// and appends it to `out`, which the caller made sure has room.
void flushPhoneBlock(std::span<std::uint8_t> &out, WavFormat &f)
{
    CodecState &codec = f.codec;
    if (codec.cursor < f.channels)
        return;
    std::fill(codec.blockSamples.begin() + static_cast<std::ptrdiff_t>(codec.cursor), codec.blockSamples.end(), 0);
    encodePhoneBlock(f);
    std::copy(codec.blockBytes.begin(), codec.blockBytes.end(), out.begin());
    out = out.subspan(codec.blockBytes.size());
    codec.cursor = 0;
}

} // namespace

std::int16_t ALawToLinear(std::uint8_t code)
{
    const std::uint8_t a = code ^ 0x55; // even bits are stored inverted
    const int segment = (a & 0x70) >> 4;
    int magnitude = (a & 0x0F) << 4;
    if (segment == 0)
        magnitude += 8;
    else
        magnitude = (magnitude + 0x108) << (segment - 1);
    return static_cast<std::int16_t>((a & 0x80) ? magnitude : -magnitude);
}

std::int16_t MuLawToLinear(std::uint8_t code)
{
    const std::uint8_t u = static_cast<std::uint8_t>(~code);
    constexpr int kBias = 0x84;
    const int magnitude = (((u & 0x0F) << 3) + kBias) << ((u & 0x70) >> 4);
    return static_cast<std::int16_t>((u & 0x80) ? kBias - magnitude : magnitude - kBias);
}

std::uint64_t SamplesInAdpcmBytes(std::uint64_t bytes, std::uint32_t channels, std::uint32_t blockAlign,
                                  std::uint32_t samplesPerBlock)
{
    if (channels == 0 || blockAlign == 0)
        return 0;
    const std::uint64_t header = std::uint64_t{kHeaderBytesPerChannel} * channels;
    const std::uint64_t rest = bytes % blockAlign;
    std::uint64_t samples = bytes / blockAlign * samplesPerBlock;
    if (rest >= header)
        samples += std::min<std::uint64_t>(samplesPerBlock, (rest - header) / header * kCodesPerGroup + 1);
    return samples;
}

AudioResult BeginSampleRead(WavFormat &f)
{
    f.codec = CodecState{};
    if (f.channels == 0 || f.channels > kMaxChannels)
        return AudioResult::Unsupported;
    switch (f.formatTag) {
    case WavFormatTag::Pcm:
    case WavFormatTag::ALaw:
    case WavFormatTag::MuLaw: {
        const bool fits = f.formatTag == WavFormatTag::Pcm ? (f.bytesPerSample == 1 || f.bytesPerSample == 2)
                                                           : f.bytesPerSample == 1;
        if (!fits)
            return AudioResult::Unsupported;
        f.sampleCount = f.dataBytes / f.bytesPerSample;
        return AudioResult::Ok;
    }
    case WavFormatTag::ImaAdpcm:
    case WavFormatTag::PhoneAdpcm: {
        // A block must hold its channel headers and every sample it claims;
        // otherwise decoding it would read past it.
        if (f.blockAlign < kHeaderBytesPerChannel * f.channels || f.samplesPerBlock == 0 ||
            f.samplesPerBlock > blockCapacity(f.blockAlign, f.channels))
            return AudioResult::Unsupported;
        const std::uint64_t samples = SamplesInAdpcmBytes(f.dataBytes, f.channels, f.blockAlign, f.samplesPerBlock);
        if (samples > UINT32_MAX)
            return AudioResult::Unsupported;
        try {
            f.codec.blockSamples.assign(std::size_t{f.channels} * f.samplesPerBlock, 0);
        } catch (const std::bad_alloc &) {
            return AudioResult::Unsupported;
        }
        f.bytesPerSample = 2;
        f.sampleCount = static_cast<std::uint32_t>(samples);
        return AudioResult::Ok;
    }
    default: return AudioResult::Unsupported;
    }
}

std::uint32_t ReadSamples(std::span<const std::uint8_t> &data, WavFormat &f, std::int16_t *out, std::uint32_t wanted)
{
    if (isAdpcm(f.formatTag)) {
        if (f.codec.blockSamples.size() < std::size_t{f.channels} * f.samplesPerBlock || f.channels == 0)
            return 0; // not set up by BeginSampleRead
        return readAdpcm(data, f, out, wanted);
    }
    if (f.bytesPerSample == 0 || f.bytesPerSample > 2)
        return 0;
    return readLinear(data, f, out, wanted);
}

void EndSampleRead(WavFormat &f)
{
    f.codec = CodecState{};
}

std::size_t BeginSampleWrite(std::span<std::uint8_t> &out, WavFormat &f)
{
    f.codec = CodecState{};
    if (f.channels == 0 || f.channels > kMaxChannels)
        return 0;
    if (f.formatTag == WavFormatTag::Pcm && (f.bytesPerSample != 2 || f.bitsPerSample != 16))
        return 0; // WriteSamples writes 16-bit samples only
    if (f.formatTag != WavFormatTag::Pcm && f.formatTag != WavFormatTag::PhoneAdpcm)
        return 0;
    const std::size_t length = WriteWavHeader(out, f);
    if (length == 0)
        return 0;
    if (f.formatTag == WavFormatTag::PhoneAdpcm) {
        try {
            f.codec.blockBytes.assign(f.blockAlign, 0);
            f.codec.blockSamples.assign(std::size_t{f.channels} * f.samplesPerBlock, 0);
        } catch (const std::bad_alloc &) {
            f.codec = CodecState{};
            return 0;
        }
    }
    out = out.subspan(length);
    return length;
}

std::uint32_t WriteSamples(const std::int16_t *samples, std::uint32_t count, std::span<std::uint8_t> &out,
                           WavFormat &f)
{
    if (f.formatTag == WavFormatTag::Pcm) {
        const auto n = static_cast<std::uint32_t>(std::min<std::size_t>(count, out.size() / 2));
        for (std::uint32_t i = 0; i < n; ++i) {
            out[2 * std::size_t{i}] = static_cast<std::uint8_t>(samples[i]);
            out[2 * std::size_t{i} + 1] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(samples[i]) >> 8);
        }
        out = out.subspan(2 * std::size_t{n});
        return n;
    }
    CodecState &codec = f.codec;
    if (f.formatTag != WavFormatTag::PhoneAdpcm || codec.blockBytes.size() != f.blockAlign ||
        codec.blockSamples.empty() || codec.blockSamples.size() != std::size_t{f.channels} * f.samplesPerBlock)
        return 0; // not set up by BeginSampleWrite
    std::uint32_t consumed = 0;
    while (consumed < count && out.size() >= codec.blockBytes.size()) {
        const std::size_t n = std::min<std::size_t>(count - consumed, codec.blockSamples.size() - codec.cursor);
        std::copy_n(samples + consumed, n, codec.blockSamples.begin() + static_cast<std::ptrdiff_t>(codec.cursor));
        codec.cursor += n;
        consumed += static_cast<std::uint32_t>(n);
        flushPhoneBlock(out, f);
    }
    return consumed;
}

void EndSampleWrite(WavFormat &f)
{
    f.codec = CodecState{};
}

} // namespace quillora::audio
