// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/publish/publishcommand.h"

#include "buildinfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translation catalogues.
struct PublishCommandText {
    Q_DECLARE_TR_FUNCTIONS(PublishCommandText)
};

QString description() {
    return PublishCommandText::tr(
        "Publishes the built site in the folder SITE to DESTINATION, sending only what\n"
        "changed since the last publish there, and removing only files that an earlier\n"
        "publish sent.\n"
        "\n"
        "DESTINATION is an address, sftp://[user@]host[:port]/path,\n"
        "ftps://user@host[:port]/path, ftp://user@host[:port]/path (with\n"
        "--allow-plain-ftp), git+ssh://..., git+https://... or git+file:///... (with\n"
        "--branch), or the path of a folder.\n"
        "\n"
        "A password is taken from QUILLSITE_PASSWORD, the desktop keyring (service\n"
        "\"Quillsite\", key the destination as written) or asked on the terminal; never\n"
        "from an option.\n"
        "\n"
        "Exit status: 0 published or nothing to do; 1 failed, with the server\n"
        "consistent; 2 bad usage or a site that can't be read; 3 can't connect,\n"
        "authenticate or trust the server; 4 stopped for safety (the deletion limit,\n"
        "or files we did not write); 5 published, but --verify found differences.");
}

struct Options {
    QCommandLineOption dryRun{
        u"dry-run"_s,
        PublishCommandText::tr(
            "Print the plan (what is new, changed, removed and unchanged) and change nothing.")};
    QCommandLineOption check{
        u"check"_s,
        PublishCommandText::tr("Connect, check that files can be written and renamed there, "
                               "report what the server holds, and change nothing.")};
    QCommandLineOption checkFiles{
        u"check-files"_s,
        PublishCommandText::tr(
            "Also read the files on the server and send again those deleted or changed by hand.")};
    QCommandLineOption identity{{u"i"_s, u"identity"_s},
                                PublishCommandText::tr("Use the SSH private key FILE."),
                                PublishCommandText::tr("FILE")};
    QCommandLineOption knownHosts{
        u"known-hosts"_s,
        PublishCommandText::tr("Check SSH host keys against FILE instead of ~/.ssh/known_hosts."),
        PublishCommandText::tr("FILE")};
    QCommandLineOption acceptHostKey{
        u"accept-host-key"_s,
        PublishCommandText::tr(
            "Trust the SSH host key with this fingerprint and record it in known_hosts."),
        PublishCommandText::tr("SHA256:...")};
    QCommandLineOption caCert{
        u"cacert"_s, PublishCommandText::tr("Trust the certificate authorities in FILE for FTPS."),
        PublishCommandText::tr("FILE")};
    QCommandLineOption pin{
        u"pin"_s,
        PublishCommandText::tr("Trust the FTPS server certificate with this fingerprint."),
        PublishCommandText::tr("SHA256:...")};
    QCommandLineOption allowPlainFtp{
        u"allow-plain-ftp"_s,
        PublishCommandText::tr("Allow ftp://, where the password crosses the network readable.")};
    QCommandLineOption branch{
        u"branch"_s, PublishCommandText::tr("The Git branch to publish to. Default: gh-pages."),
        PublishCommandText::tr("NAME")};
    QCommandLineOption maxDeletes{
        u"max-deletes"_s,
        PublishCommandText::tr("Stop before removing more than N files. Default: 20."),
        PublishCommandText::tr("N")};
    QCommandLineOption yes{
        {u"y"_s, u"yes"_s},
        PublishCommandText::tr("Go on without asking: remove more than --max-deletes files, or "
                               "replace files we did not write.")};
    QCommandLineOption verify{
        u"verify"_s,
        PublishCommandText::tr("After publishing, fetch every page and picture sent from URL and "
                               "compare it byte for byte."),
        PublishCommandText::tr("URL")};
    QCommandLineOption rollback{
        u"rollback"_s,
        PublishCommandText::tr("Publish again the version before the last one published to "
                               "DESTINATION; SITE may be left out.")};
    QCommandLineOption jobs{
        u"jobs"_s,
        PublishCommandText::tr("Send over at most N connections at once, fewer when there are few "
                               "files. Default: 4 (1 for Git)."),
        PublishCommandText::tr("N")};
    QCommandLineOption quiet{{u"q"_s, u"quiet"_s},
                             PublishCommandText::tr("Print only warnings and errors.")};
};

PublishCommand failure(const QString &error) {
    PublishCommand command;
    command.mode = PublishMode::Fail;
    command.error = error;
    return command;
}

std::optional<int> count(const QCommandLineParser &parser, const QCommandLineOption &option,
                         int fallback, int least) {
    if (!parser.isSet(option))
        return fallback;
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    return ok && value >= least ? std::optional<int>(value) : std::nullopt;
}

} // namespace

PublishCommand interpretPublishCommandLine(const QStringList &arguments) {
    const Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions({options.dryRun, options.check, options.checkFiles, options.identity,
                       options.knownHosts, options.acceptHostKey, options.caCert, options.pin,
                       options.allowPlainFtp, options.branch, options.maxDeletes, options.yes,
                       options.verify, options.rollback, options.jobs, options.quiet});
    parser.addPositionalArgument(u"SITE"_s,
                                 PublishCommandText::tr("The folder of the built site."));
    parser.addPositionalArgument(u"DESTINATION"_s, PublishCommandText::tr("Where to publish it."));

    if (!parser.parse(arguments))
        return failure(parser.errorText() + u'\n' +
                       PublishCommandText::tr("See --help for the options."));
    PublishCommand command;
    if (parser.isSet(help) || parser.isSet(u"help-all"_s)) {
        command.mode = PublishMode::ShowText;
        command.text = parser.helpText();
        return command;
    }
    if (parser.isSet(version)) {
        command.mode = PublishMode::ShowText;
        command.text = u"quillsite-publish "_s + QLatin1StringView(QUILLSITE_VERSION) + u'\n';
        return command;
    }
    command.rollback = parser.isSet(options.rollback);
    QStringList positional = parser.positionalArguments();
    if (command.rollback && positional.size() == 1)
        positional.prepend(QString());
    if (positional.size() != 2)
        return failure(PublishCommandText::tr(
            "Give the site's folder and the destination: quillsite-publish SITE "
            "DESTINATION. See --help."));
    QString error;
    const std::optional<DestinationAddress> address = parseDestination(positional.at(1), &error);
    if (!address)
        return failure(error);
    command.address = *address;
    if (parser.isSet(options.branch)) {
        if (command.address.kind != DestinationAddress::Kind::Git)
            return failure(PublishCommandText::tr("--branch is for git+ destinations only."));
        command.address.branch = parser.value(options.branch);
    }
    if (command.address.kind == DestinationAddress::Kind::Ftp &&
        !parser.isSet(options.allowPlainFtp))
        return failure(PublishCommandText::tr(
            "Over ftp:// the password and the files cross the network readable by "
            "anyone on the way. Use ftps:// or sftp://, or give --allow-plain-ftp."));
    command.site =
        positional.at(0).isEmpty() ? QString() : QDir::current().absoluteFilePath(positional.at(0));
    const bool isGit = command.address.kind == DestinationAddress::Kind::Git;
    const std::optional<int> jobs = count(parser, options.jobs, isGit ? 1 : 4, 1);
    const std::optional<int> maxDeletes = count(parser, options.maxDeletes, 20, 0);
    if (!jobs || *jobs > 16)
        return failure(PublishCommandText::tr("--jobs needs a number from 1 to 16."));
    if (!maxDeletes)
        return failure(PublishCommandText::tr("--max-deletes needs a number, 0 or more."));
    // One work copy serves a Git branch; more connections would share it.
    command.settings.jobs = isGit ? 1 : *jobs;
    command.settings.maxDeletes = *maxDeletes;
    command.settings.yes = parser.isSet(options.yes);
    command.settings.checkFiles = parser.isSet(options.checkFiles);
    command.settings.version = QLatin1StringView(QUILLSITE_VERSION);
    if (parser.isSet(options.verify)) {
        command.verify = QUrl(parser.value(options.verify), QUrl::StrictMode);
        const QString scheme = command.verify.scheme();
        if (!command.verify.isValid() || command.verify.host().isEmpty() ||
            (scheme != u"http"_s && scheme != u"https"_s))
            return failure(PublishCommandText::tr(
                "--verify needs the site's web address, starting with http:// or "
                "https://."));
    }
    ConnectionOptions &connection = command.connection;
    connection.identityFile = parser.value(options.identity);
    connection.knownHostsFile = parser.isSet(options.knownHosts)
                                    ? parser.value(options.knownHosts)
                                    : QDir::homePath() + u"/.ssh/known_hosts"_s;
    connection.acceptHostKey = parser.value(options.acceptHostKey);
    connection.caCertFile = parser.value(options.caCert);
    connection.pin = parser.value(options.pin);
    connection.allowPlainFtp = parser.isSet(options.allowPlainFtp);
    command.quiet = parser.isSet(options.quiet);
    if (parser.isSet(options.dryRun) && parser.isSet(options.check))
        return failure(PublishCommandText::tr("Give --dry-run or --check, not both."));
    command.mode = parser.isSet(options.dryRun)  ? PublishMode::DryRun
                   : parser.isSet(options.check) ? PublishMode::Check
                                                 : PublishMode::Publish;
    return command;
}

} // namespace quillsite
