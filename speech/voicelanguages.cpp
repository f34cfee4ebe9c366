// SPDX-License-Identifier: MIT
#include "voicelanguages.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <optional>

namespace {

// The data's priority of a code a language file names without one.
constexpr int usualPriority = 5;

QString primaryOf(const QString &tag)
{
    return tag.section(QLatin1Char('-'), 0, 0).toLower();
}

bool isAll(const QString &s, bool (QChar::*test)() const)
{
    return std::all_of(s.begin(), s.end(), [test](QChar c) { return (c.*test)(); });
}

// The territory a code names ("gb" of "en-gb-scotland", "419" of
// "es-419"): the subtag after the language and an optional script.
QString territoryOf(const QString &code)
{
    const QStringList parts = code.split(QLatin1Char('-'));
    qsizetype i = 1;
    if (i < parts.size() && parts.at(i).size() == 4)
        ++i;
    if (i >= parts.size())
        return {};
    const QString &t = parts.at(i);
    if ((t.size() == 2 && isAll(t, &QChar::isLetter)) ||
        (t.size() == 3 && isAll(t, &QChar::isDigit)))
        return t;
    return {};
}

// The language's own name, where Qt knows the language (and the territory
// the code names): "Deutsch", "British English", "español latinoamericano".
QString ownName(const QString &code)
{
    const QLocale::Language language = QLocale::codeToLanguage(primaryOf(code));
    if (language == QLocale::AnyLanguage || language == QLocale::C)
        return {};
    const QLocale locale(code);
    const QString territory = territoryOf(code);
    if (locale.language() != language ||
        (!territory.isEmpty() && locale.territory() != QLocale::codeToTerritory(territory)))
        return {};
    return locale.nativeLanguageName();
}

struct Read {
    VoiceLanguage language;
    QString dataName; // in English: "French (Belgium)"
    bool ownNamed = false;
};

std::optional<Read> readLanguageFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    Read r;
    r.language.tag = QFileInfo(path).fileName();
    // The names come first; a file is a few dozen short lines.
    for (int lines = 0; lines < 200 && !file.atEnd(); ++lines) {
        QByteArray line = file.readLine(1024);
        if (const qsizetype comment = line.indexOf("//"); comment >= 0)
            line.truncate(comment);
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() >= 2 && words.first() == "name") {
            r.dataName = QString::fromUtf8(line.simplified().mid(5))
                             .replace(QLatin1Char('_'), QLatin1Char(' '));
        } else if (words.size() >= 2 && words.first() == "language") {
            bool ok = false;
            const int priority = words.size() > 2 ? words.at(2).toInt(&ok) : 0;
            r.language.codes.append(
                {QString::fromLatin1(words.at(1)).toLower(), ok ? priority : usualPriority});
        }
    }
    if (r.language.codes.isEmpty())
        return std::nullopt;
    // Where the file names a territory, that is the language it speaks
    // ("pt-pt", not the "pt" it also answers to).
    QStringList codes, withTerritory;
    for (const auto &code : std::as_const(r.language.codes))
        (territoryOf(code.first).isEmpty() ? codes : withTerritory).append(code.first);
    for (const QString &code : withTerritory.isEmpty() ? codes : withTerritory) {
        r.language.name = ownName(code);
        if (!r.language.name.isEmpty())
            break;
    }
    r.ownNamed = !r.language.name.isEmpty();
    if (!r.ownNamed)
        r.language.name = r.dataName.isEmpty() ? r.language.tag : r.dataName;
    return r;
}

// "Belgium" of "French (Belgium)".
QString qualifierOf(const QString &dataName)
{
    const qsizetype open = dataName.indexOf(QLatin1Char('('));
    return open < 0 || !dataName.endsWith(QLatin1Char(')'))
               ? QString()
               : dataName.mid(open + 1, dataName.size() - open - 2).trimmed();
}

// The priority with which `language` speaks `code`, or -1.
int priorityOf(const VoiceLanguage &language, const QString &code)
{
    for (const auto &c : language.codes) {
        if (c.first == code)
            return c.second;
    }
    return -1;
}

} // namespace

namespace voicelanguages {

QString dataPath()
{
    QStringList candidates;
#ifdef QUORNEL_ESPEAK_DATA_DIR
    candidates << QStringLiteral(QUORNEL_ESPEAK_DATA_DIR);
#endif
    candidates << QStringLiteral("/usr/lib/x86_64-linux-gnu/espeak-ng-data")
               << QStringLiteral("/usr/lib/aarch64-linux-gnu/espeak-ng-data")
               << QStringLiteral("/usr/lib/espeak-ng-data")
               << QStringLiteral("/usr/share/espeak-ng-data")
               << QStringLiteral("/usr/local/share/espeak-ng-data");
    for (const QString &dir : candidates) {
        if (QFileInfo::exists(dir + QStringLiteral("/phontab")))
            return QDir(dir).absolutePath();
    }
    return {};
}

const QList<VoiceLanguage> &installed()
{
    static const QList<VoiceLanguage> languages = read(dataPath());
    return languages;
}

QList<VoiceLanguage> read(const QString &dataPath)
{
    if (dataPath.isEmpty())
        return {};
    QList<Read> all;
    QDirIterator it(dataPath + QStringLiteral("/lang"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        if (std::optional<Read> r = readLanguageFile(it.next()))
            all.append(std::move(*r));
    }
    // Several voices of one language ("British English" of England and of
    // Scotland): the one with the shortest tag keeps the plain name, the
    // others add what the data says sets them apart.
    std::sort(all.begin(), all.end(), [](const Read &a, const Read &b) {
        const qsizetype as = a.language.tag.count(QLatin1Char('-'));
        const qsizetype bs = b.language.tag.count(QLatin1Char('-'));
        return as != bs ? as < bs : a.language.tag < b.language.tag;
    });
    QSet<QString> named;
    for (Read &r : all) {
        const QString qualifier = qualifierOf(r.dataName);
        if (named.contains(r.language.name) && r.ownNamed && !qualifier.isEmpty())
            r.language.name += QStringLiteral(" (%1)").arg(qualifier);
        if (named.contains(r.language.name))
            r.language.name += QStringLiteral(" [%1]").arg(r.language.tag);
        named.insert(r.language.name);
    }
    QList<VoiceLanguage> languages;
    for (Read &r : all)
        languages.append(std::move(r.language));
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(languages.begin(), languages.end(),
              [&collator](const VoiceLanguage &a, const VoiceLanguage &b) {
                  return collator.compare(a.name, b.name) < 0;
              });
    return languages;
}

QString firstProvided(const QStringList &wanted, const QList<VoiceLanguage> &languages)
{
    for (const QString &tag : wanted) {
        for (QString code = tag.toLower(); !code.isEmpty();
             code = code.left(qMax(qsizetype(0), code.lastIndexOf(QLatin1Char('-'))))) {
            const VoiceLanguage *best = nullptr;
            int bestPriority = 0;
            for (const VoiceLanguage &language : languages) {
                const int priority = priorityOf(language, code);
                if (priority >= 0 && (!best || priority < bestPriority ||
                                      (priority == bestPriority && language.tag < best->tag))) {
                    best = &language;
                    bestPriority = priority;
                }
            }
            if (best)
                return best->tag;
        }
    }
    return {};
}

CharacterVoice readingVoice(const CharacterVoice &own, const QString &language, int speed,
                            const QStringList &interfaceLanguages)
{
    CharacterVoice voice = own;
    const qsizetype plus = own.name.indexOf(QLatin1Char('+'));
    const QString variant = plus < 0 ? QString() : own.name.mid(plus);
    const QList<VoiceLanguage> &languages = installed();
    const auto provided = std::find_if(languages.begin(), languages.end(),
                                       [&](const VoiceLanguage &l) { return l.tag == language; });
    QString tag;
    if (!language.isEmpty() && provided != languages.end()) {
        tag = language;
    } else if (const QString interface = firstProvided(interfaceLanguages, languages);
               !interface.isEmpty()) {
        // A character that speaks the interface's language already keeps
        // its own accent.
        const QString ownPrimary = primaryOf(own.name.left(plus).section(QLatin1Char('/'), -1));
        const auto it = std::find_if(languages.begin(), languages.end(),
                                     [&](const VoiceLanguage &l) { return l.tag == interface; });
        const bool speaksIt = std::any_of(it->codes.begin(), it->codes.end(), [&](const auto &c) {
            return primaryOf(c.first) == ownPrimary;
        });
        if (!speaksIt)
            tag = interface;
    }
    if (!tag.isEmpty())
        voice.name = tag + variant;
    voice.rate = qBound(characterfile::minRate, own.rate * qBound(50, speed, 200) / 100,
                        characterfile::maxRate);
    return voice;
}

} // namespace voicelanguages
