// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// A copy of a received sound that the computer's own players play: AMR and
// the phone's ADPCM become 16-bit PCM WAV; everything else needs none.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillora::audio {

enum class SoundKind {
    Other,      // nothing to convert
    Amr,        // "#!AMR\n" storage file; its copy is named with ".wav"
    PhoneAdpcm, // WAV with format tag 0x0101; its copy is named " (PCM).wav"
};

// What the first bytes of a sound show.
SoundKind KindOfSound(std::span<const std::uint8_t> image);

struct PlayableCopy {
    SoundKind kind = SoundKind::Other;
    std::vector<std::uint8_t> wav; // empty: no copy (nothing to convert, or the conversion failed)
};

PlayableCopy MakePlayableCopy(std::span<const std::uint8_t> image);

// The name of the copy beside a received file: "ring.amr" -> "ring.wav",
// "ring.wav" -> "ring (PCM).wav". `stem` is the file name without extension.
std::string PlayableCopyName(std::string_view stem, SoundKind kind);

} // namespace quillora::audio
