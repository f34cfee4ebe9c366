// SPDX-License-Identifier: MIT
#include "languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPair>
#include <QTranslator>

namespace {

// Where the program's catalogues are, built into it, and their names.
const QString catalogues = QStringLiteral(":/i18n");
const QString prefix = QStringLiteral("quornel_");

// The language a catalogue translates the program into tells Qt which way
// its text runs: "RTL" in the catalogues of languages written right to left.
[[maybe_unused]] const char *const layoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// "pt-BR" and "pt", "zh-Hans-CN" and "zh_CN" and "zh": the catalogue names to
// try for one of the user's languages, the most precise first.
QStringList candidates(const QString &language)
{
    const QLocale locale(language);
    QStringList names{QString(language).replace(u'-', u'_'), locale.name()};
    names << locale.name().section(u'_', 0, 0);
    names.removeDuplicates();
    return names;
}

bool installOne(const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder)) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

} // namespace

namespace languages {

void followDirection()
{
    // Set at once, not when Qt hears of the new language: the windows are
    // made before it does.
    QGuiApplication::setLayoutDirection(
        QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION") ==
                QLatin1String("RTL")
            ? Qt::RightToLeft
            : Qt::LeftToRight);
}

QStringList shipped()
{
    QStringList names;
    for (const QString &file : QDir(catalogues).entryList({prefix + QStringLiteral("*.qm")}))
        names << file.mid(prefix.size()).chopped(3);
    return names;
}

// The catalogue of the first of the user's languages the program speaks, by
// its name; an empty name for English.
QPair<QString, QString> first()
{
    const QStringList ours = shipped();
    for (const QString &language : QLocale().uiLanguages()) {
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            return {language == QLatin1String("C") ? QStringLiteral("en") : language, {}};
        for (const QString &name : candidates(language)) {
            if (ours.contains(name))
                return {language, name};
        }
    }
    return {QStringLiteral("en"), {}};
}

QString shown()
{
    return first().first;
}

QString install()
{
    QString name = first().second;
    if (name.isEmpty())
        return {}; // the language the program is written in
    installOne(prefix + name, catalogues);
    // Qt's buttons and dialogs.
    const QString qt = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!installOne(QStringLiteral("qtbase_") + name, qt))
        installOne(QStringLiteral("qtbase_") + name.section(u'_', 0, 0), qt);
    followDirection();
    return name;
}

} // namespace languages
