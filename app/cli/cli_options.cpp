// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "cli_options.h"

#include <array>
#include <climits>

namespace quillora::cli {

namespace {

enum Option : unsigned {
    kPort = 1u << 0,
    kTimeout = 1u << 1,
    kJson = 1u << 2,
    kHidden = 1u << 3,
    kOutput = 1u << 4,
    kBatch = 1u << 5,
    kOverwrite = 1u << 6,
    kPcm = 1u << 7,
    kAnswer = 1u << 8,
    kVerbose = 1u << 9,
};

constexpr unsigned kDetection = kPort | kTimeout | kVerbose;

struct CommandEntry {
    Command command;
    const char *name;
    unsigned options;
    int minArguments;
    int maxArguments; // -1: any number
    const char *usage;
    const char *summary;
};

const CommandEntry kCommands[] = {
    {Command::Ports, "ports", kJson, 0, 0, "ports [--json]", "the ports detection would probe"},
    {Command::Detect, "detect", kDetection | kJson, 0, 0, "detect [--port PATH] [--timeout S] [--json]",
     "find the phone: model, IMEI, port, speed"},
    {Command::Info, "info", kDetection | kJson, 0, 0, "info [--port PATH] [--timeout S] [--json]",
     "the phone, its protocol version and the formats it accepts"},
    {Command::List, "list", kDetection | kJson | kHidden, 0, 1, "list [CATEGORY] [--hidden] [--json]",
     "the objects stored on the phone"},
    {Command::Get, "get", kDetection | kHidden | kOutput | kOverwrite | kPcm | kAnswer, 1, -1,
     "get NAME... [-o DIR] [--overwrite=ask|all|skip] [--pcm=ask|always|never]", "copy objects into files"},
    {Command::Send, "send", kDetection | kBatch | kAnswer, 1, -1, "send FILE... [--batch]", "send files to the phone"},
    {Command::Delete, "delete", kDetection | kHidden, 1, -1, "delete NAME... [--hidden]",
     "delete objects on the phone"},
};

const CommandEntry *findCommand(const QString &name)
{
    for (const CommandEntry &entry : kCommands)
        if (name == QLatin1String(entry.name))
            return &entry;
    return nullptr;
}

const CommandEntry &entryOf(Command command)
{
    for (const CommandEntry &entry : kCommands)
        if (entry.command == command)
            return entry;
    return kCommands[0];
}

struct OptionName {
    const char *longName;
    Option option;
    bool takesValue;
};

constexpr OptionName kOptionNames[] = {
    {"port", kPort, true},         {"timeout", kTimeout, true}, {"json", kJson, false},
    {"hidden", kHidden, false},    {"output", kOutput, true},   {"batch", kBatch, false},
    {"overwrite", kOverwrite, true}, {"pcm", kPcm, true},       {"answer", kAnswer, true},
    {"verbose", kVerbose, false},
};

const OptionName *findOption(const QString &name)
{
    for (const OptionName &o : kOptionNames)
        if (name == QLatin1String(o.longName))
            return &o;
    return nullptr;
}

template <typename T, size_t N>
std::optional<T> choice(const QString &value, const std::array<std::pair<const char *, T>, N> &names)
{
    for (const auto &[name, result] : names)
        if (value == QLatin1String(name))
            return result;
    return std::nullopt;
}

// Applies one option's value; an error text when the value is not one the
// option takes.
QString apply(CliOptions &o, Option option, const QString &value)
{
    switch (option) {
    case kPort:
        if (value.isEmpty())
            return QStringLiteral("--port needs a path");
        o.port = value;
        break;
    case kTimeout: {
        bool ok = false;
        const int seconds = value.toInt(&ok);
        // Detection waits in milliseconds on 32 bits.
        if (!ok || seconds < 1 || seconds > INT_MAX / 1000)
            return QStringLiteral("--timeout wants a whole number of seconds, not '%1'").arg(value);
        o.timeoutSeconds = seconds;
        break;
    }
    case kOutput:
        if (value.isEmpty())
            return QStringLiteral("-o needs a folder");
        o.outputDir = value;
        break;
    case kOverwrite: {
        constexpr std::array<std::pair<const char *, OverwriteChoice>, 3> names{
            {{"ask", OverwriteChoice::Ask}, {"all", OverwriteChoice::All}, {"skip", OverwriteChoice::Skip}}};
        const auto c = choice(value, names);
        if (!c)
            return QStringLiteral("--overwrite is ask, all or skip");
        o.overwrite = *c;
        break;
    }
    case kPcm: {
        constexpr std::array<std::pair<const char *, PcmChoice>, 3> names{
            {{"ask", PcmChoice::Ask}, {"always", PcmChoice::Always}, {"never", PcmChoice::Never}}};
        const auto c = choice(value, names);
        if (!c)
            return QStringLiteral("--pcm is ask, always or never");
        o.pcm = *c;
        break;
    }
    case kAnswer: {
        constexpr std::array<std::pair<const char *, AnswerChoice>, 3> names{
            {{"ask", AnswerChoice::Ask}, {"yes", AnswerChoice::Yes}, {"no", AnswerChoice::No}}};
        const auto c = choice(value, names);
        if (!c)
            return QStringLiteral("--answer is ask, yes or no");
        o.answer = *c;
        break;
    }
    case kJson: o.json = true; break;
    case kHidden: o.hidden = true; break;
    case kBatch: o.batch = true; break;
    case kVerbose: o.verbose = true; break;
    }
    return {};
}

constexpr const char *kCategories[] = {"pictures", "animations", "sounds", "vcards", "vcalendars"};

bool knownCategory(const QString &name)
{
    for (const char *c : kCategories)
        if (name == QLatin1String(c))
            return true;
    return false;
}

} // namespace

bool isPhoneCommand(const QString &name)
{
    return findCommand(name) != nullptr;
}

QString commandName(Command command)
{
    return QString::fromLatin1(entryOf(command).name);
}

ParseResult parseCommandLine(const QStringList &args)
{
    ParseResult result;
    const CommandEntry *entry = args.isEmpty() ? nullptr : findCommand(args.first());
    if (!entry) {
        result.error = args.isEmpty() ? QStringLiteral("no command given")
                                      : QStringLiteral("unknown command '%1'").arg(args.first());
        return result;
    }
    CliOptions o;
    o.command = entry->command;
    const QString name = QString::fromLatin1(entry->name);
    bool optionsEnded = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (optionsEnded || !arg.startsWith(u'-') || arg == QLatin1String("-")) {
            o.arguments << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            o.help = true;
            continue;
        }
        QString optionName;
        std::optional<QString> value;
        if (arg == QLatin1String("-o")) {
            optionName = QStringLiteral("output");
        } else if (arg.startsWith(QLatin1String("--"))) {
            const qsizetype equals = arg.indexOf(u'=');
            optionName = arg.mid(2, equals < 0 ? -1 : equals - 2);
            if (equals >= 0)
                value = arg.mid(equals + 1);
        } else {
            result.error = QStringLiteral("unknown option '%1'").arg(arg);
            return result;
        }
        const OptionName *option = findOption(optionName);
        if (!option || !(entry->options & option->option)) {
            result.error = QStringLiteral("%1 takes no option '%2'").arg(name, arg);
            return result;
        }
        if (!option->takesValue && value) {
            result.error = QStringLiteral("--%1 takes no value").arg(optionName);
            return result;
        }
        if (option->takesValue && !value) {
            if (i + 1 >= args.size()) {
                result.error = QStringLiteral("%1 needs a value").arg(arg);
                return result;
            }
            value = args[++i];
        }
        if (QString error = apply(o, option->option, value.value_or(QString())); !error.isEmpty()) {
            result.error = error;
            return result;
        }
    }
    if (o.help) {
        result.options = o;
        return result;
    }
    const int count = static_cast<int>(o.arguments.size());
    if (count < entry->minArguments || (entry->maxArguments >= 0 && count > entry->maxArguments)) {
        result.error = entry->minArguments > 0 && count < entry->minArguments
                           ? QStringLiteral("%1 needs at least %2 argument(s)").arg(name).arg(entry->minArguments)
                           : QStringLiteral("%1 takes at most %2 argument(s)").arg(name).arg(entry->maxArguments);
        return result;
    }
    if (o.command == Command::List && count == 1 && !knownCategory(o.arguments[0])) {
        result.error = QStringLiteral("unknown category '%1' (pictures, animations, sounds, vcards or vcalendars)")
                           .arg(o.arguments[0]);
        return result;
    }
    result.options = o;
    return result;
}

namespace {

const char kCommonHelp[] =
    "\n"
    "  --port PATH      probe this port alone (sets TRELVIX_PORTS for detection)\n"
    "  --timeout S      give detection S seconds to find the phone (30)\n"
    "  --verbose        print every detection status line\n";

const char kExitCodes[] = "\nexit codes: 0 success, 1 a phone or transfer error, 2 bad usage,\n"
                          "            3 no phone found, 4 cancelled (Ctrl-C)\n";

const char *detailOf(Command command)
{
    switch (command) {
    case Command::Ports:
        return "Lists the ports detection would probe: TRELVIX_PORTS when set, else the\n"
               "machine's serial ports (/sys/class/tty, /dev/serial/by-id), then\n"
               "TRELVIX_EXTRA_PORTS. Nothing is opened.\n"
               "  --json           one JSON document\n";
    case Command::Detect:
        return "Runs the phone detection and takes over the first ready phone.\n"
               "  --json           one JSON document\n";
    case Command::Info:
        return "The phone, its object protocol version and the format tables it reports.\n"
               "  --json           one JSON document\n";
    case Command::List:
        return "The objects in CATEGORY (pictures, animations, sounds, vcards,\n"
               "vcalendars), or in every category. Columns: file name, type, size in\n"
               "bytes, the phone's name of the object.\n"
               "  --hidden         hidden objects too\n"
               "  --json           one JSON document\n";
    case Command::Get:
        return "Copies objects into files in DIR (default: the current folder). NAME is\n"
               "a listed file name, its title without the extension, or the phone's name.\n"
               "  -o, --output DIR where the files go\n"
               "  --overwrite=ask|all|skip   an existing file (ask: skip when stdin is\n"
               "                   no terminal)\n"
               "  --pcm=ask|always|never     a PCM copy of ADPCM and AMR sounds (default:\n"
               "                   the settings; ask: never when stdin is no terminal)\n"
               "  --answer=ask|yes|no        other yes/no questions\n"
               "  --hidden         names from a listing with hidden objects\n";
    case Command::Send:
        return "Sends files; the type comes from each file's extension. One file goes with\n"
               "the single-object download, several as a batch.\n"
               "  --batch          send one file the batch way too\n"
               "  --answer=ask|yes|no        yes/no questions such as the low-speed retry\n"
               "                   (ask: no when stdin is no terminal)\n";
    case Command::Delete:
        return "Deletes objects, named as for get.\n"
               "  --hidden         names from a listing with hidden objects\n";
    }
    return "";
}

} // namespace

QString commandHelp(Command command)
{
    const CommandEntry &entry = entryOf(command);
    QString text = QStringLiteral("usage: quillora-cli %1\n%2\n\n%3")
                       .arg(QLatin1String(entry.usage), QLatin1String(entry.summary), QLatin1String(detailOf(command)));
    if (entry.options & kPort)
        text += QLatin1String(kCommonHelp);
    text += QLatin1String(kExitCodes);
    return text;
}

QString generalHelp()
{
    QString text = QStringLiteral("usage: quillora-cli COMMAND [ARGUMENTS] [OPTIONS]\n\nphone commands:\n");
    for (const CommandEntry &entry : kCommands)
        text += QStringLiteral("  %1\n      %2\n").arg(QLatin1String(entry.usage), QLatin1String(entry.summary));
    text += QStringLiteral(
        "\nother commands:\n"
        "  string ID [--lang LOCALE]   a string-table text by id (4148, dlg112.caption)\n"
        "  languages                   the languages carried\n"
        "  version                     the program's version\n"
        "  convert IN OUT              AMR or the phone's ADPCM to a PCM WAV\n"
        "  compress IN OUT             a WAV sound to the phone's ADPCM form\n"
        "\n'quillora-cli COMMAND --help' tells more; see also quillora-cli(1).\n"
        "Ctrl-C cancels a transfer as the Cancel button does; a second one ends at once.\n");
    text += QLatin1String(kExitCodes);
    return text;
}

} // namespace quillora::cli
