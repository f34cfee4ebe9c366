// SPDX-License-Identifier: MIT
#include "testcharacter.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QPainter>

QByteArray pngOf(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QByteArray testPng(QSize size, QColor color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setBrush(color);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRect(QPoint(0, 0), size).adjusted(1, 1, -1, -1));
    painter.end();
    return pngOf(image);
}

CharacterSource testCharacterSource(QSize size)
{
    CharacterSource s;
    s.name = QStringLiteral("Tiny");
    s.voice = {QStringLiteral("en-us"), 260, 50};
    const QColor colors[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan};
    for (const QColor &c : colors)
        s.pngs.append(testPng(size, c));
    s.appear = {{0, 30}, {1, 30}};
    s.idle = {{2, 400}};
    s.mouths = {
        {QStringLiteral("closed"), 2}, {QStringLiteral("half"), 3}, {QStringLiteral("open"), 4}};
    return s;
}

QByteArray testCharacterFile(const CharacterSource &source)
{
    QString reason;
    const std::optional<QByteArray> bytes = characterfile::write(source, &reason);
    if (!bytes)
        qFatal("test file not written: %s", qPrintable(reason));
    return *bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
