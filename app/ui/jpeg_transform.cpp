// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "jpeg_transform.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace quillora {
namespace {

// How long a killed tool may take to go.
constexpr int kKillWaitMs = 5000;

int remainingMs(const QDeadlineTimer& deadline)
{
    return static_cast<int>(std::max<qint64>(0, deadline.remainingTime()));
}

// The check the picture's own loader would make, with no other format
// guessed from the content.
bool isReadableJpeg(const QString& path)
{
    if (QFileInfo(path).size() <= 0)
        return false;
    QImageReader reader(path, "jpeg");
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    return !reader.read().isNull();
}

std::filesystem::path nativePath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// rename(2) swaps the file in one step: readers see the old picture or the
// new one, never a part.
JpegTransformer::Outcome replace(QTemporaryFile& result, const QString& picture, QString* reason)
{
    result.setPermissions(QFile::permissions(picture));
    std::error_code error;
    std::filesystem::rename(nativePath(result.fileName()), nativePath(picture), error);
    if (error) {
        if (reason)
            *reason = QString::fromLocal8Bit(error.message());
        return JpegTransformer::Outcome::ReplaceFailed;
    }
    result.setAutoRemove(false);
    return JpegTransformer::Outcome::Done;
}

} // namespace

QStringList jpegtranSwitches(JpegOperation operation)
{
    switch (operation) {
    case JpegOperation::FlipHorizontal: return {QStringLiteral("-flip"), QStringLiteral("horizontal")};
    case JpegOperation::RotateCounterClockwise: return {QStringLiteral("-rotate"), QStringLiteral("270")};
    case JpegOperation::RotateClockwise: return {QStringLiteral("-rotate"), QStringLiteral("90")};
    case JpegOperation::FlipVertical: return {QStringLiteral("-flip"), QStringLiteral("vertical")};
    case JpegOperation::Greyscale: return {QStringLiteral("-grayscale")};
    }
    return {};
}

QString findJpegtran()
{
    const QString name = QStringLiteral("jpegtran");
    const QString own = QStandardPaths::findExecutable(name, {QCoreApplication::applicationDirPath()});
    return own.isEmpty() ? QStandardPaths::findExecutable(name) : own;
}

JpegTransformer::JpegTransformer() : tool_(findJpegtran()) {}

JpegTransformer::JpegTransformer(QString toolPath) : tool_(std::move(toolPath)) {}

bool JpegTransformer::hasTool() const
{
    const QFileInfo tool(tool_);
    return !tool_.isEmpty() && tool.isFile() && tool.isExecutable();
}

JpegTransformer::Outcome JpegTransformer::apply(const QString& picturePath, JpegOperation operation,
                                                QString* reason) const
{
    if (!hasTool())
        return Outcome::ToolMissing;
    // The real file behind a link, so that the link stays one.
    const QFileInfo info(picturePath);
    const QString picture = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    // Beside the picture, so that the final rename stays on one file system.
    QTemporaryFile result(QFileInfo(picture).absolutePath() + QStringLiteral("/.quillora-XXXXXX.jpg"));
    if (!result.open()) {
        if (reason)
            *reason = result.errorString();
        return Outcome::ReplaceFailed;
    }
    result.close();
    // Absolute paths: a name starting with '-' can never pass for a switch.
    const Outcome ran = run(jpegtranSwitches(operation) << QStringLiteral("-outfile") << result.fileName() << picture);
    if (ran != Outcome::Done)
        return ran;
    if (!isReadableJpeg(result.fileName()))
        return Outcome::BadOutput;
    return replace(result, picture, reason);
}

JpegTransformer::Outcome JpegTransformer::run(const QStringList& arguments) const
{
    QProcess process;
    process.setProgram(tool_);
    process.setArguments(arguments);
    // Nothing to read, and no pipe that a talkative tool could fill up.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    const QDeadlineTimer deadline(limit_);
    process.start();
    if (!process.waitForStarted(remainingMs(deadline)))
        return Outcome::ToolMissing;
    if (!process.waitForFinished(remainingMs(deadline))) {
        process.kill();
        process.waitForFinished(kKillWaitMs);
        return Outcome::ToolFailed;
    }
    const bool succeeded = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return succeeded ? Outcome::Done : Outcome::ToolFailed;
}

} // namespace quillora
