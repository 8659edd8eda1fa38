// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// AMR narrow-band storage files ("#!AMR\n" and speech frames, RFC 4867
// section 5) as the phone sends them, turned into 16-bit mono PCM WAV at
// 8000 Hz so that the computer's players take them. The speech itself is
// decoded by opencore-amr; this is the frame scanner and the WAV writer
// around it. Nothing here throws; every read is bounded by the bytes given.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace quillora::audio {

// True when the image starts with the storage file's magic, "#!AMR\n".
bool HasAmrMagic(std::span<const std::uint8_t> image);

// Bytes of the frame whose header byte is `header`, the header included,
// judged by the frame type (bits 6-3) alone: 13 to 32 for the eight speech
// modes, 6 for SID, 1 for NO_DATA, 0 for the reserved types 9 to 14.
std::uint32_t AmrFrameSize(std::uint8_t header);

// 6 (the magic) plus the bytes of the frames the scan accepts, or 0 when the
// image does not start with "#!AMR\n". The scan ends at a header byte of 0,
// at a reserved frame type and at a frame longer than the bytes left; what
// follows is not part of the sound. Only the first 4 GiB - 1 bytes of a
// larger image are looked at.
std::uint32_t AmrFrameBytes(std::span<const std::uint8_t> image);

// The WAV image (a 44-byte PCM header, then 160 samples, 320 bytes, for
// every accepted frame), or an empty vector when the image is shorter than
// 7 bytes, lacks the magic, the decoder cannot be created, or the result
// would not fit in memory or in a WAV file.
std::vector<std::uint8_t> AmrToPcmWav(std::span<const std::uint8_t> image);

} // namespace quillora::audio
