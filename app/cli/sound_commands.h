// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// quillora-cli's sound conversions, for checking the audio layer by hand.
#pragma once

#include <QStringList>

namespace quillora {

// convert IN OUT: the playable PCM WAV copy a retrieval makes of an AMR or
// phone ADPCM sound. compress IN OUT: a WAV sound in the phone's ADPCM form,
// as it is sent. The output appears whole or not at all. 0 on success, 1
// when there is nothing to do or the conversion fails, 2 for bad arguments.
int convertSound(const QStringList &args);
int compressSound(const QStringList &args);

} // namespace quillora
