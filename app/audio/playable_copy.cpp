// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "playable_copy.h"

#include "amr_convert.h"
#include "wav_container.h"
#include "wav_convert.h"

namespace quillora::audio {

SoundKind KindOfSound(std::span<const std::uint8_t> image)
{
    if (HasAmrMagic(image))
        return SoundKind::Amr;
    if (WavFormatTagOf(image) == static_cast<std::uint16_t>(WavFormatTag::PhoneAdpcm))
        return SoundKind::PhoneAdpcm;
    return SoundKind::Other;
}

PlayableCopy MakePlayableCopy(std::span<const std::uint8_t> image)
{
    PlayableCopy copy{KindOfSound(image), {}};
    if (copy.kind == SoundKind::Amr)
        copy.wav = AmrToPcmWav(image);
    else if (copy.kind == SoundKind::PhoneAdpcm)
        copy.wav = WavToPcmWav(image);
    return copy;
}

std::string PlayableCopyName(std::string_view stem, SoundKind kind)
{
    return std::string(stem) + (kind == SoundKind::PhoneAdpcm ? " (PCM).wav" : ".wav");
}

} // namespace quillora::audio
