// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Lossless turns, flips and greyscale of a JPEG file by the jpegtran tool
// (libjpeg-turbo-progs). The tool writes beside the picture and its result
// replaces the picture only when it is complete and readable, so a failed
// run never leaves the picture damaged or a stray file behind.
#pragma once

#include <QString>
#include <QStringList>

#include <chrono>

namespace quillora {

enum class JpegOperation { FlipHorizontal, RotateCounterClockwise, RotateClockwise, FlipVertical, Greyscale };

// The tool's switches for an operation, one word per argument.
QStringList jpegtranSwitches(JpegOperation operation);

// jpegtran beside the program, else on the PATH; empty when neither has it.
QString findJpegtran();

class JpegTransformer {
public:
    enum class Outcome {
        Done,
        ToolMissing,   // no tool, or it could not be started
        ToolFailed,    // it crashed, ended with an error or ran out of time
        BadOutput,     // it wrote nothing, or no JPEG
        ReplaceFailed, // its result could not take the picture's place
    };
    static constexpr std::chrono::milliseconds kDefaultTimeLimit{30000};

    // With the tool findJpegtran() finds.
    JpegTransformer();
    explicit JpegTransformer(QString toolPath);

    QString toolPath() const { return tool_; }
    // The tool is an executable file.
    bool hasTool() const;
    void setTimeLimit(std::chrono::milliseconds limit) { limit_ = limit; }

    // Runs the tool on the picture, blocking for at most the time limit.
    // On ReplaceFailed, `reason` (when given) receives the system's words.
    Outcome apply(const QString& picturePath, JpegOperation operation, QString* reason = nullptr) const;

private:
    Outcome run(const QStringList& arguments) const;

    QString tool_;
    std::chrono::milliseconds limit_ = kDefaultTimeLimit;
};

} // namespace quillora
