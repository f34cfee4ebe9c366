// SPDX-License-Identifier: MIT
// qchar-pack: makes a character file from a folder of frames, or checks one.

#include "framesfolder.h"

#include "speech/characterfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cstdio>

namespace {

void say(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
}

int check(const QStringList &files)
{
    int failures = 0;
    for (const QString &path : files) {
        QString error;
        std::optional<CharacterData> c;
        if (characterfile::check(path, &error))
            c = characterfile::load(path, &error, 2);
        if (!c) {
            say(stderr, error);
            ++failures;
            continue;
        }
        const bool doubles = c->images.constFirst().devicePixelRatio() == 2;
        say(stdout, QStringLiteral("%1: \"%2\", voice %3 (rate %4, pitch %5), %6 pictures of at "
                                   "most %7 x %8%12, %9 appearing frames, %10 idle frames, %11 "
                                   "mouth shapes")
                        .arg(QDir::toNativeSeparators(path), c->name, c->voice.name)
                        .arg(c->voice.rate)
                        .arg(c->voice.pitch)
                        .arg(c->images.size())
                        .arg(c->size().width())
                        .arg(c->size().height())
                        .arg(c->appear.size())
                        .arg(c->idle.size())
                        .arg(c->mouths.size())
                        .arg(doubles ? QStringLiteral(" (and double size)") : QString()));
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qchar-pack"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Packs a folder of PNG frames described by its frames.txt into a "
                       "character file (*.qchar), or checks character files."));
    parser.addHelpOption();
    const QCommandLineOption checkOption(QStringLiteral("check"),
                                         QStringLiteral("Check the given character files."));
    const QCommandLineOption voiceOption(QStringLiteral("voice"),
                                         QStringLiteral("Voice name (default: frames.txt, "
                                                        "else en-us)."),
                                         QStringLiteral("name"));
    const QCommandLineOption rateOption(QStringLiteral("rate"), QStringLiteral("Words per minute."),
                                        QStringLiteral("n"));
    const QCommandLineOption pitchOption(QStringLiteral("pitch"), QStringLiteral("Pitch, 0-99."),
                                         QStringLiteral("n"));
    parser.addOptions({checkOption, voiceOption, rateOption, pitchOption});
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Folder of frames."));
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("Character file."));
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (parser.isSet(checkOption)) {
        if (args.isEmpty()) {
            say(stderr, QStringLiteral("qchar-pack: --check needs at least one file"));
            return 2;
        }
        return check(args);
    }
    if (args.size() != 2) {
        say(stderr, QStringLiteral("usage: qchar-pack [--voice NAME] [--rate N] [--pitch N] "
                                   "FOLDER OUTPUT | qchar-pack --check FILE..."));
        return 2;
    }

    QString error;
    std::optional<CharacterSource> source = readFramesFolder(args.at(0), &error);
    if (!source) {
        say(stderr, error);
        return 1;
    }
    if (source->voice.name.isEmpty())
        source->voice.name = QStringLiteral("en-us");
    if (parser.isSet(voiceOption))
        source->voice.name = parser.value(voiceOption);
    bool ok = true;
    if (parser.isSet(rateOption))
        source->voice.rate = parser.value(rateOption).toInt(&ok);
    if (ok && parser.isSet(pitchOption))
        source->voice.pitch = parser.value(pitchOption).toInt(&ok);
    if (!ok) {
        say(stderr, QStringLiteral("qchar-pack: --rate and --pitch take whole numbers"));
        return 2;
    }

    std::optional<QByteArray> bytes = characterfile::write(*source, &error);
    // The writer does not look inside the pictures; the reader does, at
    // both sizes.
    QString reason;
    if (bytes && (!characterfile::parse(*bytes, &reason, 1) ||
                  (!source->doublePngs.isEmpty() && !characterfile::parse(*bytes, &reason, 2)))) {
        error = reason;
        bytes.reset();
    }
    if (!bytes) {
        say(stderr, QStringLiteral("qchar-pack: %1: %2").arg(args.at(0), error));
        return 1;
    }
    QSaveFile out(args.at(1));
    if (!out.open(QIODevice::WriteOnly) || out.write(*bytes) != bytes->size() || !out.commit()) {
        say(stderr, QStringLiteral("qchar-pack: %1: %2").arg(args.at(1), out.errorString()));
        return 1;
    }
    return 0;
}
