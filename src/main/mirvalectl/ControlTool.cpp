#include "main/mirvalectl/ControlTool.h"

#include "main/mirvalectl/ControlCommands.h"
#include "platform/FileAccess.h"
#include "rules/DecodingError.h"
#include "rules/FileError.h"
#include "rules/RuleValidator.h"
#include "rules/RulesFormat.h"
#include "rules/RulesStore.h"
#include "support/LogLine.h"
#include "support/StreamLogger.h"
#include "targets/TargetResolver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <nlohmann/json.hpp>

namespace {

const char *const kUsage = QT_TRANSLATE_NOOP("ControlTool",
    "usage: mirvalectl COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  validate FILE                      check a rules file (rules.json or an export)\n"
    "  resolve --rules FILE [--name NAME] CARD_DIR\n"
    "                                     show what Mirvale would open for a card\n"
    "\n"
    "Run 'mirvalectl COMMAND --help' for the details of a command.\n");

const char *const kValidateHelp = QT_TRANSLATE_NOOP("ControlTool",
    "usage: mirvalectl validate FILE\n"
    "\n"
    "Decodes FILE as a Mirvale rules file and checks the rules as the settings window does.\n"
    "Prints one line per finding, in order, as 'error: MESSAGE' or 'warning: MESSAGE'.\n"
    "\n"
    "Exit status: 0 no errors (warnings allowed), 1 at least one error,\n"
    "2 the file cannot be read or is not a rules file.\n");

const char *const kResolveHelp = QT_TRANSLATE_NOOP("ControlTool",
    "usage: mirvalectl resolve --rules FILE [--name VOLUME_NAME] CARD_DIR\n"
    "\n"
    "Treats CARD_DIR as a mounted card named VOLUME_NAME (default: the last component of\n"
    "CARD_DIR), chooses the first matching rule of FILE and resolves the folder to open.\n"
    "Prints one JSON object: rule, ruleId, folder, relativePath, usedFallbackToRoot,\n"
    "newestFolderName, newestFile, note and call (the org.freedesktop.FileManager1 method\n"
    "Mirvale calls for it, with its URIs, startup id and the window placement it then\n"
    "applies; try it with dbus-send).\n"
    "Diagnostics go to standard error in the log's line format.\n"
    "\n"
    "Exit status: 0 a rule matched, 3 no rule matched, 2 unreadable or undecodable FILE,\n"
    "or CARD_DIR is not a directory.\n");

QString text(const char *source)
{
    return QCoreApplication::translate("ControlTool", source);
}

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

/// One line of text from files or arguments: a newline in a rule name or a match kind must
/// not start a line of its own that reads like a finding.
QString oneLine(const QString &text)
{
    return LogLine::escaped(text);
}

int usageError(std::FILE *err, const QString &problem)
{
    print(err, QStringLiteral("mirvalectl: ") + oneLine(problem) + QLatin1Char('\n'));
    print(err, text(kUsage));
    return ControlTool::Usage;
}

int failure(std::FILE *err, const QString &reason)
{
    print(err, QStringLiteral("mirvalectl: ") + oneLine(reason) + QLatin1Char('\n'));
    return ControlTool::Unreadable;
}

/// Reads and decodes a rules file; on failure prints the reason and returns nothing.
std::optional<RuleList> loadRules(const QString &path, FileAccess &files, std::FILE *err)
{
    try {
        const QByteArray data = files.read(path, RulesStore::kMaxFileBytes);
        return RulesFormat::decodeRules(data);
    } catch (const DecodingError &error) {
        //: %1 is the file's path, %2 what is wrong with it.
        failure(err, text(QT_TRANSLATE_NOOP("ControlTool", "%1: %2")).arg(path, error.description()));
    } catch (const DescribedError &error) {
        failure(err, error.description());
    }
    return std::nullopt;
}

bool wantsHelp(const QStringList &arguments)
{
    return arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"));
}

int validate(const QStringList &arguments, FileAccess &files, std::FILE *out, std::FILE *err)
{
    if (wantsHelp(arguments)) {
        print(out, text(kValidateHelp));
        return ControlTool::Success;
    }
    if (arguments.size() != 1)
        return usageError(err, text(QT_TRANSLATE_NOOP("ControlTool", "validate takes exactly one FILE")));
    if (arguments[0].startsWith(QLatin1Char('-')) && arguments[0] != QStringLiteral("-"))
        return usageError(err, text(QT_TRANSLATE_NOOP("ControlTool", "unknown option %1")).arg(arguments[0]));
    if (arguments[0].isEmpty())
        return usageError(err, text(QT_TRANSLATE_NOOP("ControlTool", "validate needs a FILE")));
    const std::optional<RuleList> rules = loadRules(arguments[0], files, err);
    if (!rules)
        return ControlTool::Unreadable;
    bool hasErrors = false;
    for (const RuleIssue &issue : RuleValidator::validate(*rules)) {
        hasErrors = hasErrors || issue.isError;
        print(out,
            //: A finding of `mirvalectl validate`; %1 is its message.
            (issue.isError ? text(QT_TRANSLATE_NOOP("ControlTool", "error: %1"))
                           : text(QT_TRANSLATE_NOOP("ControlTool", "warning: %1")))
                    .arg(oneLine(issue.message))
                + QLatin1Char('\n'));
    }
    return hasErrors ? ControlTool::HasErrors : ControlTool::Success;
}

nlohmann::json optionalString(const std::optional<QString> &value)
{
    return value ? nlohmann::json(value->toStdString()) : nlohmann::json(nullptr);
}

/// The file manager call that shows `target`: the newest file selected, else the folder. The
/// startup id is left empty here; Mirvale fills in the display's time when it makes the call.
nlohmann::ordered_json fileManagerCall(
    const ResolvedTarget &target, const std::optional<Placement> &placement)
{
    const QUrl shown = target.newestFile ? *target.newestFile : target.folder;
    nlohmann::ordered_json call;
    call["service"] = "org.freedesktop.FileManager1";
    call["method"] = target.newestFile ? "ShowItems" : "ShowFolders";
    call["uris"] = nlohmann::json::array({ shown.toString(QUrl::FullyEncoded).toStdString() });
    call["startupId"] = "";
    call["placement"] = placement ? nlohmann::ordered_json { { "left", placement->left },
        { "top", placement->top }, { "width", placement->width }, { "height", placement->height } }
                                  : nlohmann::ordered_json(nullptr);
    return call;
}

int resolve(const QStringList &arguments, FileAccess &files, const EntryAttributeSource &cards,
    std::FILE *out, std::FILE *err)
{
    if (wantsHelp(arguments)) {
        print(out, text(kResolveHelp));
        return ControlTool::Success;
    }
    QString rulesPath;
    std::optional<QString> name;
    QString cardDir;
    bool optionsEnded = false;
    bool hasCardDir = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool isOption
            = !optionsEnded && argument.startsWith(QLatin1Char('-')) && argument != QStringLiteral("-");
        if (isOption && (argument == QStringLiteral("--rules") || argument == QStringLiteral("--name"))) {
            if (i + 1 >= arguments.size())
                return usageError(
                    err, text(QT_TRANSLATE_NOOP("ControlTool", "%1 needs a value")).arg(argument));
            (argument == QStringLiteral("--rules") ? rulesPath : name.emplace()) = arguments[++i];
        } else if (isOption && argument == QStringLiteral("--")) {
            optionsEnded = true; // a card folder whose name begins with "-" follows
        } else if (isOption) {
            return usageError(err, text(QT_TRANSLATE_NOOP("ControlTool", "unknown option %1")).arg(argument));
        } else if (!hasCardDir) {
            cardDir = argument;
            hasCardDir = true;
        } else {
            return usageError(err, text(QT_TRANSLATE_NOOP("ControlTool", "resolve takes one CARD_DIR")));
        }
    }
    if (rulesPath.isEmpty())
        return usageError(err, text(QT_TRANSLATE_NOOP("ControlTool", "resolve needs --rules FILE")));
    if (cardDir.isEmpty())
        return usageError(err, text(QT_TRANSLATE_NOOP("ControlTool", "resolve needs a CARD_DIR")));

    const QFileInfo cardInfo(cardDir);
    if (!cardInfo.isDir())
        return failure(err, text(QT_TRANSLATE_NOOP("ControlTool", "%1 is not a directory")).arg(cardDir));
    const std::optional<RuleList> rules = loadRules(rulesPath, files, err);
    if (!rules)
        return ControlTool::Unreadable;

    MountedCard card;
    const QString root = QDir::cleanPath(cardInfo.absoluteFilePath());
    card.url = QUrl::fromLocalFile(root);
    card.name = name ? *name : QFileInfo(root).fileName();

    StreamLogger log(err);
    nlohmann::ordered_json result;
    const std::optional<Rule> rule = TargetResolver::firstMatch(*rules, card, cards, &log);
    ResolvedTarget target;
    if (rule) {
        target = TargetResolver::resolve(*rule, card, log, cards);
    } else {
        target.card = card;
        target.folder = card.url;
    }
    result["rule"] = rule ? nlohmann::json(rule->name.toStdString()) : nlohmann::json(nullptr);
    result["ruleId"] = rule ? nlohmann::json(rule->idString().toStdString()) : nlohmann::json(nullptr);
    result["folder"] = target.folder.toLocalFile().toStdString();
    result["relativePath"] = target.relativePath.toStdString();
    result["usedFallbackToRoot"] = target.usedFallbackToRoot;
    result["newestFolderName"] = optionalString(target.newestFolderName);
    result["newestFile"] = target.newestFile ? nlohmann::json(target.newestFile->toLocalFile().toStdString())
                                             : nlohmann::json(nullptr);
    result["note"] = optionalString(target.englishNote);
    result["call"] = rule ? fileManagerCall(target, rule->placement) : nlohmann::ordered_json(nullptr);
    print(out, QString::fromStdString(result.dump(2)) + QLatin1Char('\n'));
    return rule ? ControlTool::Success : ControlTool::NoMatchingRule;
}

/// The bytes of an argument that is not UTF-8, readable: ASCII as it is, the rest as "\\xHH".
QString shownBytes(const QByteArray &bytes)
{
    QString shown;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value >= 0x20 && value < 0x7F)
            shown += QLatin1Char(byte);
        else
            shown += QStringLiteral("\\x")
                + QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    }
    return shown;
}

} // namespace

int ControlTool::run(const QByteArrayList &rawArguments, FileAccess &files, const EntryAttributeSource &cards,
    std::FILE *out, std::FILE *err)
{
    // Names are UTF-8 throughout Mirvale; a name in another encoding could only be misread
    // as some other path, and then reported as missing or as no folder.
    QStringList arguments;
    for (const QByteArray &raw : rawArguments) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString argument = decoder(raw);
        if (decoder.hasError()) {
            return failure(err,
                text(QT_TRANSLATE_NOOP("ControlTool",
                         "the argument \"%1\" is not UTF-8; Mirvale reads only names in UTF-8"))
                    .arg(shownBytes(raw)));
        }
        arguments.append(std::move(argument));
    }
    if (arguments.isEmpty())
        return usageError(err, text(QT_TRANSLATE_NOOP("ControlTool", "no command given")));
    const QString &command = arguments[0];
    const QStringList rest = arguments.mid(1);
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h")
        || command == QStringLiteral("help")) {
        print(out, text(kUsage));
        print(out, QStringLiteral("\n") + ControlCommands::usage());
        return Success;
    }
    if (ControlCommands::handles(command))
        return ControlCommands::run(command, rest, out, err);
    if (command == QStringLiteral("validate"))
        return validate(rest, files, out, err);
    if (command == QStringLiteral("resolve"))
        return resolve(rest, files, cards, out, err);
    return usageError(err, text(QT_TRANSLATE_NOOP("ControlTool", "unknown command %1")).arg(command));
}
