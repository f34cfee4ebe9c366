// SPDX-License-Identifier: MIT
#include "framesfolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QRegularExpression>
#include <QTextStream>

namespace {

class FramesReader {
public:
    FramesReader(const QString &folder) : m_folder(folder) {}

    std::optional<CharacterSource> read(QString *error)
    {
        QFile file(m_folder.filePath(QStringLiteral("frames.txt")));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            *error = QStringLiteral("%1: cannot be read (%2)")
                         .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
            return std::nullopt;
        }
        m_manifest = QDir::toNativeSeparators(file.fileName());
        QTextStream in(&file);
        int number = 0;
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            ++number;
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            QString why;
            if (!readLine(line, &why)) {
                *error = QStringLiteral("%1 line %2: %3").arg(m_manifest).arg(number).arg(why);
                return std::nullopt;
            }
        }
        if (m_source.name.isEmpty()) {
            *error = QStringLiteral("%1: no \"name\" line").arg(m_manifest);
            return std::nullopt;
        }
        // Double-size pictures come for every frame or for none.
        const qsizetype doubles = m_source.doublePngs.size() - m_source.doublePngs.count({});
        if (doubles == 0) {
            m_source.doublePngs.clear();
        } else if (doubles != m_source.pngs.size()) {
            const int missing = int(m_source.doublePngs.indexOf({}));
            *error = QStringLiteral("%1: \"%2\" is missing; a double-size picture is needed "
                                    "beside every frame or none")
                         .arg(m_manifest, doubleName(m_names.at(missing)));
            return std::nullopt;
        }
        return m_source;
    }

private:
    bool readLine(const QString &line, QString *why)
    {
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        const QStringList words = line.split(blanks);
        const QString &keyword = words.constFirst();
        if (keyword == QLatin1String("name")) {
            m_source.name = line.mid(keyword.size()).trimmed();
            return true;
        }
        if (keyword == QLatin1String("voice")) {
            if (words.size() != 4) {
                *why = QStringLiteral("expected \"voice <name> <rate> <pitch>\"");
                return false;
            }
            m_source.voice.name = words.at(1);
            return number(words.at(2), &m_source.voice.rate, why) &&
                   number(words.at(3), &m_source.voice.pitch, why);
        }
        if (keyword == QLatin1String("appear") || keyword == QLatin1String("idle") ||
            keyword == QLatin1String("blink")) {
            if (words.size() != 3) {
                *why = QStringLiteral("expected \"%1 <file> <milliseconds>\"").arg(keyword);
                return false;
            }
            CharacterFrame frame;
            if (!image(words.at(1), &frame.image, why) || !number(words.at(2), &frame.ms, why))
                return false;
            if (keyword == QLatin1String("appear")) {
                m_source.appear.append(frame);
            } else {
                // The idle loop: the pose, held, and whatever interrupts it.
                if (keyword == QLatin1String("idle") && frame.ms == 0)
                    frame.ms = heldIdleMs;
                m_source.idle.append(frame);
            }
            return true;
        }
        if (keyword == QLatin1String("mouth")) {
            if (words.size() != 3) {
                *why = QStringLiteral("expected \"mouth <shape> <file>\"");
                return false;
            }
            CharacterMouth mouth;
            mouth.shape = words.at(1);
            if (!image(words.at(2), &mouth.image, why))
                return false;
            m_source.mouths.append(mouth);
            return true;
        }
        *why = QStringLiteral("unknown keyword \"%1\"").arg(keyword);
        return false;
    }

    static bool number(const QString &text, int *value, QString *why)
    {
        bool ok = false;
        *value = text.toInt(&ok);
        if (!ok)
            *why = QStringLiteral("\"%1\" is not a whole number").arg(text);
        return ok;
    }

    // "idle.png" has its double-size picture in "idle@2x.png".
    static QString doubleName(const QString &name)
    {
        const QString base =
            name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? name.chopped(4) : name;
        return base + QStringLiteral("@2x.png");
    }

    bool readPng(const QString &name, QByteArray *png, QString *why)
    {
        const QFileInfo info(m_folder, name);
        if (!info.isFile()) {
            *why = QStringLiteral("the file \"%1\" does not exist").arg(name);
            return false;
        }
        if (info.size() > characterfile::maxFileBytes) {
            *why = QStringLiteral("the file \"%1\" is too large").arg(name);
            return false;
        }
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly)) {
            *why =
                QStringLiteral("the file \"%1\" cannot be read (%2)").arg(name, file.errorString());
            return false;
        }
        *png = file.readAll();
        return true;
    }

    static QSize pngSize(const QByteArray &png)
    {
        QBuffer buffer;
        buffer.setData(png);
        buffer.open(QIODevice::ReadOnly);
        return QImageReader(&buffer, "png").size();
    }

    bool image(const QString &name, int *index, QString *why)
    {
        QByteArray png;
        if (!readPng(name, &png, why))
            return false;
        // The same picture under two names is stored once.
        if (const auto it = m_indexOf.constFind(png); it != m_indexOf.constEnd()) {
            *index = *it;
            return true;
        }
        QByteArray doublePng;
        const QString twice = doubleName(name);
        if (QFileInfo(m_folder, twice).exists()) {
            if (!readPng(twice, &doublePng, why))
                return false;
            const QSize size = pngSize(png);
            const QSize doubleSize = pngSize(doublePng);
            if (size.isValid() && doubleSize != 2 * size) {
                *why = QStringLiteral("\"%1\" is %2 x %3 pixels; it must be twice \"%4\", "
                                      "%5 x %6")
                           .arg(twice)
                           .arg(doubleSize.width())
                           .arg(doubleSize.height())
                           .arg(name)
                           .arg(2 * size.width())
                           .arg(2 * size.height());
                return false;
            }
        }
        *index = int(m_source.pngs.size());
        m_source.pngs.append(png);
        m_source.doublePngs.append(doublePng);
        m_names.append(name);
        m_indexOf.insert(png, *index);
        return true;
    }

    QDir m_folder;
    QString m_manifest;
    CharacterSource m_source;
    QHash<QByteArray, int> m_indexOf;
    QStringList m_names; // of each picture, as frames.txt first gives it
};

} // namespace

std::optional<CharacterSource> readFramesFolder(const QString &folder, QString *error)
{
    return FramesReader(folder).read(error);
}
