// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "phone_commands.h"

#include "app_settings.h"
#include "capabilities.h"
#include "capability_text.h"
#include "file_names.h"
#include "interrupt.h"
#include "message_format.h"
#include "mime_file_types.h"
#include "phone_connection.h"
#include "port_listing.h"
#include "settings_quirks_store.h"
#include "terminal_progress.h"
#include "terminal_prompt.h"
#include "text_source.h"
#include "transfer.h"
#include "trelvix.h"
#include "ui_strings.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <optional>

namespace quillora::cli {

namespace {

namespace text_id {
inline constexpr std::uint32_t kLinkLost = 106;
inline constexpr std::uint32_t kSendReceive = 301;
inline constexpr std::uint32_t kSendOnly = 302;
inline constexpr std::uint32_t kUnknownFormat = 606;
inline constexpr std::uint32_t kNothingStored = 706;
inline constexpr std::uint32_t kTitle = 801;
inline constexpr std::uint32_t kSize = 802;
inline constexpr std::uint32_t kType = 804;
inline constexpr std::uint32_t kStopping = 211;
} // namespace text_id

constexpr const char *kGroupKeys[kListingGroups] = {"pictures", "animations", "sounds", "vcards", "vcalendars"};

std::string named(const char *id)
{
    return WithoutAccelerator(LoadUiText(id).toStdString());
}

std::string utf8(const QString &text)
{
    return text.toStdString();
}

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

void printJson(Console &console, const QJsonObject &object)
{
    const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Indented);
    console.out(json.trimmed().toStdString());
}

// " %d bps" and the like, from the window's own texts.
std::string speedText(const FoundPhone &found, int speed)
{
    if (found.usb)
        return utf8(LoadUiText("main.usb").trimmed());
    return utf8(fillNumbers(LoadUiText("main.speed").trimmed(), {speed}));
}

// 201 -> "2.01"; -1, the phone's error reply, -> "error".
std::string versionText(int version)
{
    if (version < 0)
        return "error";
    const int minor = version % 100;
    return std::to_string(version / 100) + "." + (minor < 10 ? "0" : "") + std::to_string(minor);
}

int exitCodeOf(TransferResult result, const TransferProgress &progress)
{
    if (progress.cancelled())
        return exit_code::kCancelled;
    switch (result) {
    case TransferResult::Succeeded: return exit_code::kSuccess;
    case TransferResult::Cancelled: return exit_code::kCancelled;
    case TransferResult::Failed:
    case TransferResult::NoPhone: return exit_code::kFailed;
    }
    return exit_code::kFailed;
}

// --- ports ---

int listPorts(const CliOptions &options, Console &console)
{
    const std::vector<CandidatePort> ports = ListCandidatePorts(PortListingFromEnvironment());
    if (options.json) {
        QJsonArray list;
        for (const CandidatePort &p : ports)
            list.append(QJsonObject{{"path", qt(p.path)},
                                    {"kind", QString::fromLatin1(KindName(p.kind))},
                                    {"stableName", qt(p.stableName)},
                                    {"source", QString::fromLatin1(SourceName(p.source))}});
        printJson(console, QJsonObject{{"ports", list}});
        return exit_code::kSuccess;
    }
    for (const CandidatePort &p : ports) {
        std::string line = p.path + "\t" + KindName(p.kind) + "\t" + SourceName(p.source);
        if (!p.stableName.empty())
            line += "\t" + p.stableName;
        console.out(line);
    }
    if (ports.empty())
        console.err("quillora-cli: no port to probe (set TRELVIX_PORTS or TRELVIX_EXTRA_PORTS to add some)");
    return exit_code::kSuccess;
}

// --- the phone and its details ---

QJsonObject phoneJson(PhoneConnection &phone)
{
    const PhoneInfo info = phone.connection().phone();
    const FoundPhone &found = phone.found();
    return QJsonObject{{"model", qt(info.modelName)},
                       {"imei", qt(info.imei)},
                       {"port", qt(info.portName)},
                       {"devicePath", qt(found.devicePath)},
                       {"stableName", qt(found.stableName)},
                       {"manufacturer", qt(found.manufacturer)},
                       {"speed", info.speed},
                       {"usb", found.usb},
                       {"protocolVersion", info.protocolVersion}};
}

void printPhone(PhoneConnection &phone, Console &console)
{
    const PhoneInfo info = phone.connection().phone();
    const FoundPhone &found = phone.found();
    console.out(named("dlg102.1006") + " " + info.modelName);
    console.out("IMEI: " + info.imei);
    console.out(named("dlg102.1010") + " " + info.portName +
                (found.devicePath.empty() || found.devicePath == info.portName ? "" : " (" + found.devicePath + ")"));
    console.out(named("dlg102.1014") + " " + speedText(found, info.speed));
}

int showInfo(const CliOptions &options, PhoneConnection &phone, const CommandEnvironment &env)
{
    const PhoneInfo info = phone.connection().phone();
    const bool both = phone.connection().phoneCapabilities.load() & capability::kObjectProtocol;
    const std::string transfers = env.texts.text(both ? text_id::kSendReceive : text_id::kSendOnly);
    MimeFileTypeNames typeNames;
    const CapabilityQuery query{phone.session(), phone.connection(), env.texts, &typeNames};
    const std::optional<CapabilityReport> report = QueryCapabilities(query, {});
    const auto parts = report ? ParseReport(report->argument) : std::vector<std::vector<TableRow>>{};

    const std::array<const char *, 3> partKeys{"pictures", "animations", "sounds"};
    const std::array<const char *, 3> partTitles{"html165.pictures", "html165.animations", "html165.sounds"};
    if (options.json) {
        QJsonObject object = phoneJson(phone);
        object["transfers"] = qt(transfers);
        if (report) {
            QJsonObject formats;
            for (size_t part = 0; part < parts.size(); ++part) {
                // Pictures and animations have a dimensions column, sounds not.
                const std::vector<const char *> columns =
                    part < 2 ? std::vector<const char *>{"format", "max", "dimensions", "limitations"}
                             : std::vector<const char *>{"format", "max", "limitations"};
                QJsonArray rows;
                for (const TableRow &row : parts[part]) {
                    QJsonObject cells;
                    for (size_t i = 0; i < row.size() && i < columns.size(); ++i) {
                        QJsonArray lines;
                        for (const std::string &line : row[i])
                            lines.append(qt(line));
                        cells[QLatin1String(columns[i])] = lines;
                    }
                    rows.append(cells);
                }
                formats[QLatin1String(partKeys[part])] = rows;
            }
            object["formats"] = formats;
        }
        printJson(env.console, object);
    } else {
        printPhone(phone, env.console);
        env.console.out("Protocol version: " + versionText(info.protocolVersion));
        env.console.out(named("dlg102.1041") + " " + transfers);
        for (size_t part = 0; part < parts.size(); ++part) {
            std::vector<std::string> headers{named("html165.format"), named("html165.max")};
            if (part < 2)
                headers.push_back(named("html165.dimensions"));
            headers.push_back(named("html165.limitations"));
            env.console.out("\n" + named(partTitles[part]));
            std::string table = FormatTable(headers, parts[part], "  ");
            table.pop_back();
            env.console.out(table);
        }
    }
    if (!report)
        env.console.err("quillora-cli: the phone gave no formats report");
    return exit_code::kSuccess;
}

// --- listing ---

// Lists the groups with the phone lock held; false after an error (shown).
bool listGroups(PhoneConnection &phone, OperationContext &context, const std::vector<int> &groups, bool hidden,
                std::vector<ListedObject> &objects)
{
    ConnectionState &connection = phone.connection();
    if (!connection.takePhoneLock([&] { return Interrupted() || !connection.connected(); }))
        return false;
    PhoneLockHold hold(connection);
    ListCollector collector(objects);
    for (int group : groups) {
        collector.startGroup(group);
        if (!ListPhoneObjects(context, group, hidden, collector))
            return false;
    }
    return true;
}

std::vector<int> allGroups()
{
    std::vector<int> groups;
    for (int g = 0; g < kListingGroups; ++g)
        groups.push_back(g);
    return groups;
}

std::string typeDescription(const ListedObject &o, const FileTypeNames &names, const TextSource &texts)
{
    if (o.object.objectType == kNoObjectType && o.extension.empty())
        return FileTypeDescription(&names, texts, "." + o.object.typeName, o.object.objectType);
    return FileTypeDescription(&names, texts, o.extension, o.object.objectType);
}

int listObjects(const CliOptions &options, PhoneConnection &phone, OperationContext &context,
                const CommandEnvironment &env)
{
    std::vector<int> groups;
    if (options.arguments.isEmpty()) {
        groups = allGroups();
    } else {
        for (int g = 0; g < kListingGroups; ++g)
            if (options.arguments[0] == QLatin1String(kGroupKeys[g]))
                groups.push_back(g);
    }
    std::vector<ListedObject> objects;
    if (!listGroups(phone, context, groups, options.hidden, objects))
        return Interrupted() ? exit_code::kCancelled : exit_code::kFailed;

    MimeFileTypeNames names;
    if (options.json) {
        QJsonArray list;
        for (const ListedObject &o : objects)
            list.append(QJsonObject{{"category", QLatin1String(kGroupKeys[o.group])},
                                    {"file", qt(o.fileName)},
                                    {"title", qt(o.title)},
                                    {"extension", qt(o.extension)},
                                    {"type", qt(typeDescription(o, names, env.texts))},
                                    {"typeName", qt(o.object.typeName)},
                                    {"objectType", static_cast<qint64>(o.object.objectType)},
                                    {"size", static_cast<qint64>(o.object.size)},
                                    {"phoneName", qt(o.object.phoneName)}});
        printJson(env.console, QJsonObject{{"objects", list}});
        return exit_code::kSuccess;
    }
    if (objects.empty()) {
        env.console.err(env.texts.text(text_id::kNothingStored));
        return exit_code::kSuccess;
    }
    const std::vector<std::string> headers{env.texts.text(text_id::kTitle), env.texts.text(text_id::kType),
                                           env.texts.text(text_id::kSize), "Phone name"};
    for (int group : groups) {
        std::vector<TableRow> rows;
        for (const ListedObject &o : objects)
            if (o.group == group)
                rows.push_back({{o.fileName}, {typeDescription(o, names, env.texts)}, {std::to_string(o.object.size)},
                                {o.object.phoneName}});
        if (rows.empty())
            continue;
        const ObjectCategoryInfo &info = CategoryInfo(static_cast<ObjectCategory>(group));
        std::string table = FormatTable(headers, rows, "  ");
        table.pop_back();
        env.console.out(env.texts.text(info.captionId) + " (" + kGroupKeys[group] + ")");
        env.console.out(table);
    }
    return exit_code::kSuccess;
}

// The objects the names stand for, in the order named; none when a name
// matches nothing or more than one object (said on standard error).
std::optional<std::vector<ListedObject>> resolveNames(const QStringList &names,
                                                      const std::vector<ListedObject> &objects, Console &console)
{
    std::vector<ListedObject> chosen;
    bool ok = true;
    for (const QString &name : names) {
        const auto found = FindObjects(objects, utf8(name));
        if (found.empty()) {
            console.err("quillora-cli: no object named '" + utf8(name) + "' on the phone");
            ok = false;
        } else if (found.size() > 1) {
            std::string which;
            for (const ListedObject *o : found)
                which += " " + o->fileName + " (" + kGroupKeys[o->group] + ")";
            console.err("quillora-cli: '" + utf8(name) + "' names several objects:" + which);
            ok = false;
        } else {
            chosen.push_back(*found.front());
        }
    }
    if (!ok)
        return std::nullopt;
    return chosen;
}

// --- get ---


PcmChoice pcmFromSetting(const SettingsStore &settings, const IntSetting &setting)
{
    switch (readAskSetting(settings, setting)) {
    case AskChoice::Never: return PcmChoice::Never;
    case AskChoice::Always: return PcmChoice::Always;
    case AskChoice::Ask: break;
    }
    return PcmChoice::Ask;
}

int runTransfer(TerminalProgress &progress, PhoneConnection &phone, const PhoneOperation &operation,
                const TextSource &texts, Prompt &prompt)
{
    TransferResult result;
    {
        CancelOnInterrupt cancel(progress.cancelRequested);
        result = RunPhoneOperation(progress, phone.connection(), operation);
    }
    progress.finish();
    if (result == TransferResult::NoPhone)
        prompt.showMessage(MessageIcon::Warning, texts.text(text_id::kLinkLost));
    return exitCodeOf(result, progress);
}

int getObjects(const CliOptions &options, PhoneConnection &phone, OperationContext &context,
               CommandEnvironment &env, TransferQuestions &questions, Prompt &prompt)
{
    std::vector<ListedObject> objects;
    if (!listGroups(phone, context, allGroups(), options.hidden, objects))
        return Interrupted() ? exit_code::kCancelled : exit_code::kFailed;
    const auto chosen = resolveNames(options.arguments, objects, env.console);
    if (!chosen)
        return exit_code::kFailed;
    const QString folder = QDir::cleanPath(QDir(options.outputDir).absolutePath());
    if (!QDir().mkpath(folder)) {
        env.console.err("quillora-cli: cannot make the folder " + utf8(folder));
        return exit_code::kFailed;
    }
    ReceiveSource source(*chosen, utf8(folder), questions);
    TerminalProgress progress(env.console);
    progress.mode = TransferMode::Receive;
    progress.options = transfer_option::kManyItems;
    progress.filePath = utf8(folder);
    progress.itemSource = &source;
    return runTransfer(progress, phone, [&](TransferProgress &p) { return ReceiveObjects(context, p); }, env.texts,
                       prompt);
}

// --- send ---

class FileListSource final : public ItemSource {
public:
    FileListSource(const QStringList &files, const TextSource &texts, Prompt &prompt)
        : files_(files), texts_(texts), prompt_(prompt)
    {
    }
    int restart(TransferProgress &) override { return static_cast<int>(files_.size()); }
    bool fetch(TransferProgress &progress, int index, TransferItem &item) override
    {
        if (index < 1 || index > files_.size())
            return false;
        const QFileInfo file(files_[index - 1]);
        item.path = utf8(file.absoluteFilePath());
        item.name = utf8(file.completeBaseName());
        item.types[0] = TypeOfFile(file.fileName());
        if (item.types[0] == kNoObjectType) {
            progress.setObjectName(utf8(file.fileName()));
            prompt_.showMessage(MessageIcon::Error, utf8(file.fileName()) + ": " + texts_.text(text_id::kUnknownFormat));
            ++skipped;
            return false;
        }
        return true;
    }
    void done(TransferProgress &, int) override {}

    int skipped = 0;

private:
    QStringList files_;
    const TextSource &texts_;
    Prompt &prompt_;
};

int sendFiles(const CliOptions &options, PhoneConnection &phone, OperationContext &context,
              CommandEnvironment &env, Prompt &prompt)
{
    const PhoneInfo info = phone.connection().phone();
    const bool legacy = info.detectionFlags & TRELVIX_FLAG_LEGACY_DOWNLOAD;
    TerminalProgress progress(env.console);
    if (options.arguments.size() == 1 && !options.batch && legacy) {
        const QFileInfo file(options.arguments[0]);
        const ObjectType type = TypeOfFile(file.fileName());
        if (type == kNoObjectType) {
            prompt.showMessage(MessageIcon::Error, env.texts.text(text_id::kUnknownFormat));
            return exit_code::kFailed;
        }
        progress.mode = TransferMode::SendOne;
        progress.objectType = type;
        progress.objectName = utf8(file.completeBaseName());
        progress.filePath = utf8(file.absoluteFilePath());
        return runTransfer(progress, phone, [&](TransferProgress &p) { return SendSingleObject(context, p); },
                           env.texts, prompt);
    }
    FileListSource source(options.arguments, env.texts, prompt);
    progress.mode = TransferMode::SendMany;
    progress.options = transfer_option::kManyItems;
    progress.itemSource = &source;
    const int code = runTransfer(progress, phone, [&](TransferProgress &p) { return SendObjectBatch(context, p); },
                                 env.texts, prompt);
    return code == exit_code::kSuccess && source.skipped > 0 ? exit_code::kFailed : code;
}

// --- delete ---

int deleteObjects(const CliOptions &options, PhoneConnection &phone, OperationContext &context,
                  CommandEnvironment &env, Prompt &prompt)
{
    std::vector<ListedObject> objects;
    if (!listGroups(phone, context, allGroups(), options.hidden, objects))
        return Interrupted() ? exit_code::kCancelled : exit_code::kFailed;
    const auto chosen = resolveNames(options.arguments, objects, env.console);
    if (!chosen)
        return exit_code::kFailed;
    DeleteSource source(*chosen);
    TerminalProgress progress(env.console);
    progress.mode = TransferMode::Delete;
    progress.objectType = 0;
    progress.itemSource = &source;
    return runTransfer(progress, phone, [&](TransferProgress &p) { return DeleteObjects(context, p); }, env.texts,
                       prompt);
}

} // namespace

void ListCollector::startGroup(int group)
{
    group_ = group;
    inGroup_ = 0;
}

bool ListCollector::containsTitle(const std::string &title)
{
    for (const ListedObject &o : objects_)
        if (o.group == group_ && SameTitle(o.title, title))
            return true;
    return false;
}

void ListCollector::addObject(const PhoneObject &object, const std::string &title, const std::string &extension)
{
    ListedObject o;
    o.group = group_;
    o.object = object;
    o.title = title;
    o.extension = extension;
    o.fileName = FileNameFor(title, extension);
    ++inGroup_;
    if (o.fileName.empty())
        o.fileName = FileNameFor(DefaultStem(static_cast<ObjectCategory>(group_), inGroup_), extension);
    objects_.push_back(std::move(o));
}

std::vector<const ListedObject *> FindObjects(const std::vector<ListedObject> &objects, const std::string &name)
{
    std::vector<const ListedObject *> found;
    // The exact names first: a title that happens to be another object's
    // file name must not make the name ambiguous.
    for (const ListedObject &o : objects)
        if (SameTitle(o.fileName, name) || o.object.phoneName == name)
            found.push_back(&o);
    if (!found.empty())
        return found;
    for (const ListedObject &o : objects)
        if (SameTitle(o.title, name))
            found.push_back(&o);
    return found;
}

int RunPhoneCommand(const CliOptions &options, CommandEnvironment &env)
{
    if (options.command == Command::Ports)
        return listPorts(options, env.console);

    InstallInterruptHandler(env.texts.text(text_id::kStopping));
    TerminalPrompt prompt(env.console, env.reader, env.interactive, options.answer);
    SettingsQuirksStore quirks(env.settings);
    PhoneConnection phone(env.texts, prompt, env.console, &quirks, readDelayFactor(env.settings));
    DetectionSettings detection;
    detection.port = utf8(options.port);
    detection.timeoutSeconds = options.timeoutSeconds;
    detection.verbose = options.verbose;
    detection.companyName = env.companyName;
    switch (phone.detect(detection)) {
    case DetectionEnd::Found: break;
    case DetectionEnd::Cancelled: return exit_code::kCancelled;
    case DetectionEnd::NoPorts:
        env.console.err("quillora-cli: no port to probe");
        return exit_code::kNoPhone;
    case DetectionEnd::NotFound:
        env.console.err("quillora-cli: no phone found within " + std::to_string(options.timeoutSeconds) + " s");
        return exit_code::kNoPhone;
    }

    const PcmChoice adpcm = options.pcm.value_or(pcmFromSetting(env.settings, setting::ADPCM2PCM));
    const PcmChoice amr = options.pcm.value_or(pcmFromSetting(env.settings, setting::AMR2PCM));
    CliQuestions questions(env.console, env.reader, env.interactive, options.overwrite, adpcm, amr);
    OperationContext context = phone.context(&questions);

    int code = exit_code::kFailed;
    switch (options.command) {
    case Command::Ports: break;
    case Command::Detect:
        if (options.json)
            printJson(env.console, phoneJson(phone));
        else
            printPhone(phone, env.console);
        code = exit_code::kSuccess;
        break;
    case Command::Info: code = showInfo(options, phone, env); break;
    case Command::List: code = listObjects(options, phone, context, env); break;
    case Command::Get: code = getObjects(options, phone, context, env, questions, prompt); break;
    case Command::Send: code = sendFiles(options, phone, context, env, prompt); break;
    case Command::Delete: code = deleteObjects(options, phone, context, env, prompt); break;
    }
    // A transfer that shows no error of its own may still have failed on
    // one item only (a batch stops there): an error shown is a failure.
    if (code == exit_code::kSuccess && prompt.errorCount() > 0)
        code = exit_code::kFailed;
    return code;
}

bool DeleteSource::fetch(TransferProgress &, int index, TransferItem &item)
{
    if (index < 1 || index > static_cast<int>(objects_.size()))
        return false;
    const ListedObject &o = objects_[static_cast<size_t>(index - 1)];
    item.name = o.title;
    item.third = o.object.phoneName;
    item.types[0] = o.object.size; // the deletion's time-out grows with it
    if (reached_)
        reached_->insert(o.fileName);
    return true;
}

ReceiveSource::ReceiveSource(const std::vector<ListedObject> &objects, std::string folder,
                             TransferQuestions &questions)
    : objects_(objects), folder_(std::move(folder)), questions_(questions)
{
}

bool ReceiveSource::fetch(TransferProgress &progress, int index, TransferItem &item)
{
    if (progress.cancelled() || index < 1 || index > static_cast<int>(objects_.size()))
        return false;
    const ListedObject &o = objects_[static_cast<size_t>(index - 1)];
    item.name = o.fileName;
    item.path = JoinInFolder(folder_, o.fileName);
    item.third = o.object.phoneName;
    item.types[0] = o.object.objectType;
    if (!replaceAll_ && QFileInfo::exists(qt(item.path))) {
        progress.setObjectName(item.name);
        std::string renamed;
        switch (questions_.confirmReplace(item.path, renamed)) {
        case ReplaceAnswer::All: replaceAll_ = true; break;
        case ReplaceAnswer::Yes: break;
        case ReplaceAnswer::Rename:
            item.path = renamed;
            item.name = utf8(QFileInfo(qt(renamed)).fileName());
            break;
        case ReplaceAnswer::Skip: return false;
        case ReplaceAnswer::Cancel: progress.cancelRequested = true; return false;
        }
    }
    return true;
}

} // namespace quillora::cli
