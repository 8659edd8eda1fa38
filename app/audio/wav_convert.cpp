// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "wav_convert.h"

#include "adpcm_codec.h"

#include <algorithm>
#include <new>

namespace quillora::audio {

namespace {

// The compressor runs in the sending thread and keeps to three buffers of
// this size whatever the sound's length.
constexpr std::size_t kWorkSize = 4096;
// The converter parses the header from this much of the file, its caller's
// pre-check from a little more; a header that does not fit is left alone.
constexpr std::size_t kHeaderWindow = 128;
constexpr std::size_t kPreCheckWindow = 200;
constexpr std::size_t kCopyPiece = 4000;
// The phone's two block sizes: 321 samples in 164 bytes, 81 in 44. The long
// block is used when it wastes little padding at the end.
constexpr std::uint32_t kLongBlockSamples = 321;
constexpr std::uint32_t kLongBlockMinimumRest = 200;
constexpr std::uint16_t kLongBlockBytes = 164;
constexpr std::uint16_t kShortBlockBytes = 44;

bool parseAndCheck(const WavImage &image, WavFormat &format)
{
    return ParseWavHeader(image, format) == AudioResult::Ok && CheckWavFormat(image, format) == AudioResult::Ok;
}

bool isPcmLike(WavFormatTag tag)
{
    return tag == WavFormatTag::Pcm || tag == WavFormatTag::ALaw || tag == WavFormatTag::MuLaw;
}

// Samples the reader can deliver from what it holds and the bytes at hand,
// without a further read from the source.
std::uint32_t samplesAtHand(const WavFormat &in, std::span<const std::uint8_t> pending)
{
    if (isPcmLike(in.formatTag))
        return static_cast<std::uint32_t>(pending.size() / in.bytesPerSample);
    const CodecState &codec = in.codec;
    if (codec.samplesLeftInBlock > 0)
        return static_cast<std::uint32_t>(std::size_t{codec.samplesLeftInBlock} * in.channels -
                                          codec.cursor % in.channels);
    const std::size_t block = std::min<std::size_t>(in.blockAlign, pending.size());
    return static_cast<std::uint32_t>(SamplesInAdpcmBytes(block, in.channels, in.blockAlign, in.samplesPerBlock) *
                                      in.channels);
}

AudioResult copyUnchanged(MemoryStream &source, MemoryStream &sink, std::span<std::uint8_t> buffer)
{
    source.position = 0;
    for (std::size_t left = source.size; left > 0;) {
        const std::size_t piece = std::min({left, kCopyPiece, buffer.size()});
        if (source.Read(buffer.first(piece)) != piece)
            return AudioResult::Unsupported;
        if (sink.Write(buffer.first(piece)) != piece)
            return AudioResult::WriteFailed;
        left -= piece;
    }
    return AudioResult::Ok;
}

// The output block for the input: for PCM-like input one of the phone's two
// sizes; for IMA input the block that holds the input block's samples in
// the same bytes (for the usual 8k+1 samples the very same block size).
bool chooseBlock(const WavFormat &in, WavFormat &out)
{
    if (isPcmLike(in.formatTag)) {
        out.blockAlign = in.sampleCount % kLongBlockSamples >= kLongBlockMinimumRest ? kLongBlockBytes
                                                                                      : kShortBlockBytes;
        return true;
    }
    if (in.formatTag != WavFormatTag::ImaAdpcm)
        return false;
    // Blocks that do not fit the working buffers are not compressed.
    if (in.blockAlign >= kWorkSize || in.samplesPerBlock > kWorkSize)
        return false;
    const std::int32_t channels = in.channels;
    out.blockAlign = static_cast<std::uint16_t>((in.samplesPerBlock - 1) * channels / 2 + 4 * channels);
    return true;
}

} // namespace

std::size_t MemoryStream::Read(std::span<std::uint8_t> to)
{
    const std::size_t end = std::min(size, source.size());
    const std::size_t n = position < end ? std::min(to.size(), end - position) : 0;
    if (n == 0)
        return 0;
    std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(position), n, to.begin());
    position += n;
    return n;
}

std::size_t MemoryStream::Write(std::span<const std::uint8_t> from)
{
    const std::size_t n = position < sink.size() ? std::min(from.size(), sink.size() - position) : 0;
    if (n == 0)
        return 0;
    std::copy_n(from.begin(), n, sink.begin() + static_cast<std::ptrdiff_t>(position));
    position += n;
    size = std::max(size, position);
    return n;
}

AudioResult ConvertToPhoneAdpcm(MemoryStream &source, MemoryStream &sink, std::uint16_t optionWord)
{
    std::vector<std::uint8_t> inBytes;
    std::vector<std::int16_t> samples;
    std::vector<std::uint8_t> outBytes;
    try {
        inBytes.assign(kWorkSize, 0);
        samples.assign(kWorkSize, 0);
        outBytes.assign(kWorkSize, 0);
    } catch (const std::bad_alloc &) {
        return AudioResult::OutOfMemory;
    }
    sink.size = 0;
    sink.position = 0;
    if (source.size == 0)
        return AudioResult::HeaderUnreadable;
    if (source.size > UINT32_MAX)
        return AudioResult::Unsupported;

    source.position = 0;
    const std::size_t window = std::min(source.size, kHeaderWindow);
    if (source.Read(std::span(inBytes).first(window)) != window)
        return AudioResult::HeaderUnreadable;
    WavFormat in;
    const WavImage header{std::span(inBytes).first(window), static_cast<std::uint32_t>(source.size)};
    if (!parseAndCheck(header, in) || BeginSampleRead(in) != AudioResult::Ok)
        return AudioResult::Unsupported;
    if (in.formatTag == WavFormatTag::PhoneAdpcm) {
        EndSampleRead(in);
        return copyUnchanged(source, sink, inBytes);
    }

    // No whole sample (a 16-bit sound of one data byte): the image would
    // have an empty "data" chunk, which readers, ours too, refuse.
    if (in.sampleCount == 0)
        return AudioResult::Unsupported;
    WavFormat out{.sampleCount = in.sampleCount, .formatTag = WavFormatTag::PhoneAdpcm, .fmtSize = 16,
                  .factSize = 4, .channels = in.channels, .sampleRate = in.sampleRate, .bitsPerSample = 4,
                  .factSamples = in.sampleCount, .extLong = 0, .extWord = optionWord};
    if (!chooseBlock(in, out))
        return AudioResult::Unsupported;
    std::span<std::uint8_t> outSpan(outBytes);
    const std::size_t headerBytes = BeginSampleWrite(outSpan, out);
    if (headerBytes == 0 || sink.Write(std::span(outBytes).first(headerBytes)) != headerBytes)
        return AudioResult::Unsupported;

    // Pieces of whole output blocks, so that only the very last block is
    // padded and the header's counts stay exact even where the input's
    // blocks hold more samples than the output's (IMA blocks not of 8k+1
    // samples). The input is read in whole input blocks (or samples) as the
    // reader asks for them.
    const std::uint32_t blocksPerPiece =
        std::max<std::uint32_t>(1, static_cast<std::uint32_t>(std::min<std::size_t>(
                                       kWorkSize / out.samplesPerBlock, kWorkSize / out.blockAlign)));
    const std::uint32_t pieceSamples = blocksPerPiece * out.samplesPerBlock;
    const std::size_t inputUnit = isPcmLike(in.formatTag) ? in.bytesPerSample : in.blockAlign;
    const std::size_t refill = kWorkSize / inputUnit * inputUnit;
    const std::uint64_t expected = out.sampleCount;
    std::uint64_t delivered = 0;
    std::size_t dataLeft = in.dataBytes;
    source.position = in.dataOffset;
    std::span<const std::uint8_t> pending;
    bool ended = false;
    while (!ended && in.sampleCount > 0) {
        std::uint32_t got = 0;
        while (got < pieceSamples && in.sampleCount > 0) {
            if (samplesAtHand(in, pending) == 0 && pending.empty() && dataLeft > 0) {
                const std::size_t n = std::min(refill, dataLeft);
                if (source.Read(std::span(inBytes).first(n)) != n)
                    return AudioResult::Unsupported;
                dataLeft -= n;
                pending = std::span<const std::uint8_t>(inBytes).first(n);
            }
            const std::uint32_t ask = std::min(pieceSamples - got, samplesAtHand(in, pending));
            const std::uint32_t read = ask == 0 ? 0 : ReadSamples(pending, in, samples.data() + got, ask);
            if (read == 0) {
                ended = true;
                break;
            }
            got += read;
        }
        if (got == 0)
            break;
        outSpan = outBytes;
        if (WriteSamples(samples.data(), got, outSpan, out) != got)
            return AudioResult::Unsupported;
        const std::size_t bytes = outBytes.size() - outSpan.size();
        if (sink.Write(std::span(outBytes).first(bytes)) != bytes)
            return AudioResult::WriteFailed;
        delivered += got;
    }
    EndSampleWrite(out);
    EndSampleRead(in);
    // The header promised `expected` samples; a sound that ended early would
    // make it wrong.
    return delivered == expected ? AudioResult::Ok : AudioResult::Unsupported;
}

std::vector<std::uint8_t> CompressWavForPhone(std::span<const std::uint8_t> image, std::uint8_t option)
{
    if (image.empty() || image.size() > UINT32_MAX - kWorkSize)
        return {};
    // A cheap look at the header before the output buffer is allocated.
    WavFormat format;
    const WavImage preCheck{image.first(std::min(image.size(), kPreCheckWindow)),
                            static_cast<std::uint32_t>(image.size())};
    if (!parseAndCheck(preCheck, format))
        return {};
    try {
        std::vector<std::uint8_t> out(image.size() + kWorkSize, 0);
        MemoryStream source = MemoryStream::Source(image);
        MemoryStream sink = MemoryStream::Sink(out);
        if (ConvertToPhoneAdpcm(source, sink, option) != AudioResult::Ok || sink.size == 0 ||
            sink.size == image.size())
            return {}; // also a file already in the phone's form, which came back unchanged
        out.resize(sink.size);
        out.shrink_to_fit();
        return out;
    } catch (const std::bad_alloc &) {
        return {};
    }
}

std::vector<std::uint8_t> WavToPcmWav(std::span<const std::uint8_t> image)
{
    if (image.size() > UINT32_MAX)
        return {};
    WavFormat in;
    const WavImage whole = WavImage::of(image);
    if (!parseAndCheck(whole, in) || BeginSampleRead(in) != AudioResult::Ok)
        return {};
    // The checked mono input: sampleCount is also the count of all samples.
    const std::uint64_t count = in.sampleCount;
    if (count > (UINT32_MAX - kPcmHeaderBytes) / 2)
        return {}; // the RIFF size could not say how long it is
    std::vector<std::uint8_t> out;
    std::vector<std::int16_t> samples;
    try {
        out.assign(kPcmHeaderBytes + 2 * count, 0);
        samples.assign(kWorkSize, 0);
    } catch (const std::bad_alloc &) {
        return {};
    }
    WavFormat pcm{.formatTag = WavFormatTag::Pcm, .samplesPerBlock = 1, .blockAlign = 2, .fmtSize = 16,
                  .factSize = 4, .channels = in.channels, .sampleRate = in.sampleRate, .bytesPerSample = 2,
                  .bitsPerSample = 16};
    std::span<const std::uint8_t> data = image.subspan(in.dataOffset, in.dataBytes);
    std::span<std::uint8_t> body = std::span(out).subspan(kPcmHeaderBytes);
    std::uint32_t decoded = 0;
    while (std::uint32_t n = ReadSamples(data, in, samples.data(), kWorkSize)) {
        WriteSamples(samples.data(), n, body, pcm); // room for all `count`
        decoded += n;
    }
    EndSampleRead(in);
    // The header goes last, with what was decoded, so it always matches.
    pcm.sampleCount = pcm.factSamples = decoded;
    std::span<std::uint8_t> header(out);
    if (BeginSampleWrite(header, pcm) != kPcmHeaderBytes)
        return {};
    EndSampleWrite(pcm);
    out.resize(kPcmHeaderBytes + 2 * std::size_t{decoded});
    return out;
}

} // namespace quillora::audio
