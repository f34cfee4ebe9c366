// Draws all of the program's artwork: the main window's mascot picture, the window and tray
// icon in every size, the loudspeaker icon and the frames of the default speaking character.
//
//   draw-artwork <resources-dir> [--preview <file.png>]
//
// Everything is drawn with QPainter from the shapes below, so the pictures can be changed and
// drawn again at any time; the build itself uses the committed outputs and never runs this.
// With --preview it also writes the mascot picture with a sample note and clock on it, as the
// main window shows them, to check that the text reads well.

#include <QByteArray>
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// Colours

namespace Ink {
const QColor outline(0x3b, 0x27, 0x72);
const QColor body(0x7e, 0x5b, 0xd0);
const QColor bodyLight(0xa4, 0x88, 0xe8);
const QColor bodyDark(0x65, 0x44, 0xb8);
const QColor belly(0xee, 0xe6, 0xff);
const QColor feather(0xc4, 0xb2, 0xf0);
const QColor faceDisc(0xf6, 0xf1, 0xff);
const QColor eyeWhite(0xff, 0xff, 0xff);
const QColor iris(0xf6, 0xb9, 0x3b);
const QColor pupil(0x1b, 0x1f, 0x3f);
const QColor beak(0xf5, 0x9a, 0x2a);
const QColor beakDark(0xb8, 0x62, 0x10);
const QColor beakLower(0xe0, 0x80, 0x1c);
const QColor mouthInside(0x6a, 0x1f, 0x2a);
const QColor tongue(0xff, 0x7f, 0x8e);
const QColor cheek(0xff, 0x86, 0xae, 150);
const QColor sparkle(0xff, 0xd5, 0x4a);
} // namespace Ink

// ---------------------------------------------------------------------------------------------
// Quornel, the mascot: a round little owl. Drawn in a design box 100 wide and 130 high, its
// feet resting on y = 128; callers place and scale the box with the painter's transform.

enum class Mouth { Closed, Half, Wide, Round };
enum class Wing { Down, Waving };

struct Pose {
    Mouth mouth = Mouth::Closed;
    bool eyesClosed = false;
    Wing rightWing = Wing::Down;
    qreal gazeX = 0.0; // pupils look left (<0) or right (>0), in design units
    qreal gazeY = 0.0;
};

QPen outlinePen(qreal width)
{
    QPen pen(Ink::outline, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPainterPath bodyPath()
{
    // An egg, a little narrower at the top, with two ear tufts.
    QPainterPath p;
    p.moveTo(50, 20);
    p.cubicTo(78, 20, 92, 48, 91, 78);
    p.cubicTo(90, 108, 72, 124, 50, 124);
    p.cubicTo(28, 124, 10, 108, 9, 78);
    p.cubicTo(8, 48, 22, 20, 50, 20);

    QPainterPath tufts;
    tufts.moveTo(18, 40);
    tufts.cubicTo(14, 26, 12, 16, 10, 6);
    tufts.cubicTo(22, 12, 32, 18, 40, 24);
    tufts.closeSubpath();
    tufts.moveTo(82, 40);
    tufts.cubicTo(86, 26, 88, 16, 90, 6);
    tufts.cubicTo(78, 12, 68, 18, 60, 24);
    tufts.closeSubpath();
    return p.united(tufts).simplified();
}

QPainterPath wingPath(bool right, Wing wing)
{
    QPainterPath p;
    if (wing == Wing::Down) {
        // Folded against the side.
        p.moveTo(12, 62);
        p.cubicTo(0, 74, 0, 96, 12, 106);
        p.cubicTo(18, 98, 20, 78, 12, 62);
    } else {
        // Raised and waving, the tip up and outwards, with two feather tips.
        p.moveTo(14, 80);
        p.cubicTo(4, 70, -2, 48, 0, 24);
        p.quadTo(5, 27, 7, 32);
        p.quadTo(11, 32, 13, 38);
        p.quadTo(17, 40, 18, 46);
        p.cubicTo(22, 56, 22, 68, 20, 74);
        p.closeSubpath();
    }
    if (right) {
        QTransform mirror(-1, 0, 0, 1, 100, 0);
        p = mirror.map(p);
    }
    return p;
}

void drawFoot(QPainter &painter, qreal x)
{
    QPainterPath foot;
    foot.moveTo(x - 8, 128);
    foot.cubicTo(x - 8, 122, x - 4, 119, x, 119);
    foot.cubicTo(x + 4, 119, x + 8, 122, x + 8, 128);
    foot.cubicTo(x + 5, 129.5, x - 5, 129.5, x - 8, 128);
    painter.setPen(outlinePen(1.6));
    painter.setBrush(Ink::beak);
    painter.drawPath(foot);
    painter.setPen(QPen(Ink::beakDark, 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x - 2.7, 124.5), QPointF(x - 2.7, 128.5));
    painter.drawLine(QPointF(x + 2.7, 124.5), QPointF(x + 2.7, 128.5));
}

void drawEye(QPainter &painter, QPointF centre, const Pose &pose)
{
    painter.setPen(outlinePen(1.6));
    painter.setBrush(Ink::eyeWhite);
    painter.drawEllipse(centre, 12.5, 12.5);
    if (pose.eyesClosed) {
        // A happy closed eye: a lid over the eye and a curved lash line.
        painter.setBrush(Ink::faceDisc);
        painter.drawEllipse(centre, 12.5, 12.5);
        QPainterPath lash;
        lash.moveTo(centre + QPointF(-8, 0));
        lash.quadTo(centre + QPointF(0, 6), centre + QPointF(8, 0));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(outlinePen(2.2));
        painter.drawPath(lash);
        return;
    }
    const QPointF look = centre + QPointF(pose.gazeX, pose.gazeY);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink::iris);
    painter.drawEllipse(look, 8.5, 8.5);
    painter.setBrush(Ink::pupil);
    painter.drawEllipse(look, 5.2, 5.2);
    painter.setBrush(Qt::white);
    painter.drawEllipse(look + QPointF(-2.6, -2.8), 2.2, 2.2);
    painter.drawEllipse(look + QPointF(2.4, 2.6), 1.0, 1.0);
}

void drawBeak(QPainter &painter, Mouth mouth)
{
    painter.setPen(outlinePen(1.4));
    switch (mouth) {
    case Mouth::Closed: {
        QPainterPath beak;
        beak.moveTo(43, 62);
        beak.cubicTo(45, 60, 55, 60, 57, 62);
        beak.cubicTo(56, 67, 53, 71, 50, 74);
        beak.cubicTo(47, 71, 44, 67, 43, 62);
        painter.setBrush(Ink::beak);
        painter.drawPath(beak);
        break;
    }
    case Mouth::Half:
    case Mouth::Wide: {
        const bool wide = mouth == Mouth::Wide;
        const qreal half = wide ? 8.0 : 6.0;     // half the opening's width
        const qreal bottom = wide ? 79.0 : 74.0; // the opening's lowest point
        // The opening below the lifted upper beak; a cubic with both control points at c dips
        // to three quarters of the way from its ends to c.
        const qreal c = 64 + (bottom - 64) / 0.75;
        QPainterPath inside;
        inside.moveTo(50 - half, 64);
        inside.cubicTo(50 - half, c, 50 + half, c, 50 + half, 64);
        inside.closeSubpath();
        painter.setBrush(Ink::mouthInside);
        painter.drawPath(inside);
        if (wide) {
            painter.save();
            painter.setClipPath(inside);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Ink::tongue);
            painter.drawEllipse(QPointF(50, bottom - 1), 5.5, 4.0);
            painter.restore();
        }
        // The lower beak, dropped open, round the opening's lower edge.
        QPainterPath lower;
        lower.moveTo(50 - half * 0.75, bottom - 3.5);
        lower.quadTo(50, bottom + 0.5, 50 + half * 0.75, bottom - 3.5);
        lower.quadTo(50 + half * 0.45, bottom + 3.5, 50, bottom + 4);
        lower.quadTo(50 - half * 0.45, bottom + 3.5, 50 - half * 0.75, bottom - 3.5);
        painter.setBrush(Ink::beakLower);
        painter.drawPath(lower);
        // The upper beak, shorter than when closed.
        const qreal tip = wide ? 68.0 : 69.0;
        QPainterPath upper;
        upper.moveTo(43, 62);
        upper.cubicTo(45, 60, 55, 60, 57, 62);
        upper.cubicTo(56.5, 65, 54, tip - 2, 50, tip);
        upper.cubicTo(46, tip - 2, 43.5, 65, 43, 62);
        painter.setBrush(Ink::beak);
        painter.drawPath(upper);
        break;
    }
    case Mouth::Round: {
        // An "o": the beak parts round an oval opening.
        painter.setBrush(Ink::beak);
        painter.drawEllipse(QPointF(50, 69), 7.5, 9.0);
        painter.setBrush(Ink::mouthInside);
        painter.drawEllipse(QPointF(50, 70), 3.8, 5.2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 140));
        painter.drawEllipse(QPointF(47.2, 63.8), 1.8, 1.2);
        break;
    }
    }
}

void drawQuornel(QPainter &painter, const Pose &pose)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    const QPainterPath body = bodyPath();

    // Wings behind the body.
    painter.setPen(outlinePen(2.0));
    painter.setBrush(Ink::bodyDark);
    painter.drawPath(wingPath(false, Wing::Down));
    painter.drawPath(wingPath(true, pose.rightWing));

    drawFoot(painter, 38);
    drawFoot(painter, 62);

    // Body with a soft light from the upper left.
    QRadialGradient shade(QPointF(36, 42), 80, QPointF(32, 36));
    shade.setColorAt(0.0, Ink::bodyLight);
    shade.setColorAt(0.55, Ink::body);
    shade.setColorAt(1.0, Ink::bodyDark);
    painter.setPen(outlinePen(2.4));
    painter.setBrush(shade);
    painter.drawPath(body);

    // Belly with a few feather scallops.
    painter.save();
    painter.setClipPath(body);
    QPainterPath belly;
    belly.addEllipse(QPointF(50, 96), 27, 30);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink::belly);
    painter.drawPath(belly);
    painter.setPen(QPen(Ink::feather, 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const std::array<QPointF, 7> scallops = {QPointF(42, 86), QPointF(58, 86), QPointF(34, 98),
                                             QPointF(50, 97), QPointF(66, 98), QPointF(42, 109),
                                             QPointF(58, 109)};
    for (const QPointF &s : scallops) {
        QPainterPath v;
        v.moveTo(s + QPointF(-4, 0));
        v.quadTo(s + QPointF(0, 4), s + QPointF(4, 0));
        painter.drawPath(v);
    }
    painter.restore();

    // Face: two pale discs round the eyes, joined over the beak.
    QPainterPath face;
    face.addEllipse(QPointF(35, 54), 17, 16);
    face.addEllipse(QPointF(65, 54), 17, 16);
    face.setFillRule(Qt::WindingFill);
    face = face.simplified();
    painter.setPen(QPen(Ink::feather, 1.4));
    painter.setBrush(Ink::faceDisc);
    painter.drawPath(face);

    // Rosy cheeks.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink::cheek);
    painter.drawEllipse(QPointF(22, 70), 5.5, 3.4);
    painter.drawEllipse(QPointF(78, 70), 5.5, 3.4);

    drawEye(painter, QPointF(35, 53), pose);
    drawEye(painter, QPointF(65, 53), pose);
    drawBeak(painter, pose.mouth);

    painter.restore();
}

// ---------------------------------------------------------------------------------------------
// Icon face: Quornel's head alone, in a 100 x 100 design box, simplified at small sizes.

void drawFace(QPainter &painter, int pixels, bool flat)
{
    const bool tiny = pixels <= 16;
    const bool small = pixels <= 32;
    const qreal scale = pixels / 100.0;
    // An outline of at least one pixel at every size.
    const qreal line = std::max(3.0, (tiny ? 1.3 : 1.1) / scale);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    QPainterPath head;
    head.addEllipse(QPointF(50, 57), 45, 40);
    QPainterPath tufts;
    tufts.moveTo(10, 42);
    tufts.cubicTo(8, 26, 6, 14, 3, 2);
    tufts.cubicTo(18, 8, 30, 16, 38, 22);
    tufts.closeSubpath();
    tufts.moveTo(90, 42);
    tufts.cubicTo(92, 26, 94, 14, 97, 2);
    tufts.cubicTo(82, 8, 70, 16, 62, 22);
    tufts.closeSubpath();
    head = head.united(tufts).simplified();

    // Keep the outline inside the picture.
    const qreal inset = line / 2;
    QTransform fit;
    fit.translate(50, 50);
    fit.scale((100 - 2 * inset) / 100, (100 - 2 * inset) / 100);
    fit.translate(-50, -50);
    painter.setTransform(fit, true);

    QRadialGradient shade(QPointF(34, 36), 80, QPointF(30, 30));
    shade.setColorAt(0.0, Ink::bodyLight);
    shade.setColorAt(0.6, Ink::body);
    shade.setColorAt(1.0, Ink::bodyDark);
    painter.setPen(outlinePen(line));
    painter.setBrush(flat ? QBrush(Ink::body) : QBrush(shade));
    painter.drawPath(head);

    // Small sizes leave out the thin rings, which would only blur.
    QPainterPath face;
    face.addEllipse(QPointF(32, 55), 21, 20);
    face.addEllipse(QPointF(68, 55), 21, 20);
    face = face.simplified();
    painter.setPen(small ? Qt::NoPen : QPen(Ink::feather, line * 0.5));
    painter.setBrush(Ink::faceDisc);
    painter.drawPath(face);

    for (qreal x : {32.0, 68.0}) {
        const QPointF c(x, 55);
        if (!tiny) {
            painter.setPen(small ? Qt::NoPen : outlinePen(line * 0.55));
            painter.setBrush(Ink::eyeWhite);
            painter.drawEllipse(c, 16, 16);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(Ink::iris);
        painter.drawEllipse(c, tiny ? 14 : 12, tiny ? 14 : 12);
        painter.setBrush(Ink::pupil);
        painter.drawEllipse(c, small ? 8 : 7, small ? 8 : 7);
        if (!tiny) {
            painter.setBrush(Qt::white);
            painter.drawEllipse(c + QPointF(-3.5, -3.8), 3.0, 3.0);
        }
    }

    QPainterPath beak;
    beak.moveTo(41, 72);
    beak.cubicTo(44, 69, 56, 69, 59, 72);
    beak.cubicTo(57, 79, 54, 84, 50, 88);
    beak.cubicTo(46, 84, 43, 79, 41, 72);
    painter.setPen(small ? Qt::NoPen : outlinePen(line * 0.45));
    painter.setBrush(Ink::beak);
    painter.drawPath(beak);

    painter.restore();
}

// The sixteen colours of the small icon: black for the transparent pixels, the face's flat
// colours and the halfway colours of those that meet along an edge.
std::vector<QRgb> facePalette()
{
    const auto mix = [](const QColor &a, const QColor &b) {
        return qRgb((a.red() + b.red()) / 2, (a.green() + b.green()) / 2,
                    (a.blue() + b.blue()) / 2);
    };
    return {qRgb(0, 0, 0),
            Ink::outline.rgb(),
            Ink::body.rgb(),
            Ink::faceDisc.rgb(),
            Ink::eyeWhite.rgb(),
            Ink::iris.rgb(),
            Ink::pupil.rgb(),
            Ink::beak.rgb(),
            mix(Ink::outline, Ink::body),
            mix(Ink::body, Ink::faceDisc),
            mix(Ink::eyeWhite, Ink::iris),
            mix(Ink::iris, Ink::pupil),
            mix(Ink::faceDisc, Ink::beak),
            mix(Ink::body, Ink::beak),
            mix(Ink::faceDisc, Ink::iris),
            Ink::bodyLight.rgb()};
}

QImage faceImage(int pixels, bool flat = false)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawFace(painter, pixels, flat);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// ---------------------------------------------------------------------------------------------
// Loudspeaker, 32 x 32.

void drawLoudspeaker(QPainter &painter, bool monochrome)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, !monochrome);
    painter.translate(-1.5, 0);
    const QColor ink = monochrome ? Qt::black : QColor(0x1e, 0x26, 0x3c);

    QPainterPath box;
    box.addRoundedRect(QRectF(3.5, 11.5, 7, 9), 1.5, 1.5);
    QPainterPath cone;
    cone.moveTo(10.5, 12);
    cone.lineTo(18, 5);
    cone.cubicTo(19.5, 4, 20.5, 4.6, 20.5, 6);
    cone.lineTo(20.5, 26);
    cone.cubicTo(20.5, 27.4, 19.5, 28, 18, 27);
    cone.lineTo(10.5, 20);
    cone.closeSubpath();

    QPen pen(ink, monochrome ? 1.0 : 1.2);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    if (monochrome) {
        painter.setBrush(Qt::black);
    } else {
        QLinearGradient metal(0, 5, 0, 27);
        metal.setColorAt(0.0, QColor(0x9d, 0xae, 0xc9));
        metal.setColorAt(1.0, QColor(0x4d, 0x5e, 0x80));
        painter.setBrush(metal);
    }
    painter.drawPath(cone);
    painter.setBrush(monochrome ? QBrush(Qt::black) : QBrush(QColor(0x3a, 0x47, 0x66)));
    painter.drawPath(box);

    // Sound waves.
    QPen wave(monochrome ? QColor(Qt::black) : QColor(0x2a, 0x7d, 0xe1), monochrome ? 2.0 : 2.2);
    wave.setCapStyle(Qt::RoundCap);
    painter.setPen(wave);
    painter.setBrush(Qt::NoBrush);
    const QPointF centre(19, 16);
    for (qreal r : {5.5, 9.0}) {
        painter.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
    if (!monochrome)
        wave.setColor(QColor(0x6c, 0xb4, 0xff));
    painter.setPen(wave);
    const qreal r = 12.5;
    painter.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    painter.restore();
}

QImage loudspeakerImage(bool monochrome)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawLoudspeaker(painter, monochrome);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// ---------------------------------------------------------------------------------------------
// Icon files: each image as a bottom-up device-independent bitmap of twice its height, the
// colour (XOR) rows followed by the 1-bit transparency (AND) mask.

struct IcoImage {
    QImage rgba;               // Format_ARGB32, the picture; alpha below 128 is transparent
    int bitsPerPixel;          // 1 or 4
    std::vector<QRgb> palette; // for 4 bits: the colours to use; empty to find them
};

int rowBytes(int width, int bits)
{
    return ((width * bits + 31) / 32) * 4;
}

// The palette: for 1 bit black and white; for 4 bits up to 16 colours found by median cut over
// the opaque pixels, black first so that transparent pixels have a black colour entry.
std::vector<QRgb> paletteFor(const QImage &image, int bits)
{
    if (bits == 1)
        return {qRgb(0, 0, 0), qRgb(255, 255, 255)};

    std::vector<QRgb> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) >= 128)
                pixels.push_back(p);
        }
    std::vector<std::vector<QRgb>> boxes{pixels};
    const int wanted = 15;
    while (int(boxes.size()) < wanted) {
        // Split the box with the widest channel range at its median.
        int best = -1, bestRange = 0, bestChannel = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].size() < 2)
                continue;
            for (int c = 0; c < 3; ++c) {
                int lo = 255, hi = 0;
                for (QRgb p : boxes[i]) {
                    const int v = c == 0 ? qRed(p) : c == 1 ? qGreen(p) : qBlue(p);
                    lo = std::min(lo, v);
                    hi = std::max(hi, v);
                }
                if (hi - lo > bestRange) {
                    bestRange = hi - lo;
                    best = i;
                    bestChannel = c;
                }
            }
        }
        if (best < 0)
            break;
        std::vector<QRgb> box = boxes[best];
        std::sort(box.begin(), box.end(), [bestChannel](QRgb a, QRgb b) {
            const auto v = [bestChannel](QRgb p) {
                return bestChannel == 0 ? qRed(p) : bestChannel == 1 ? qGreen(p) : qBlue(p);
            };
            return v(a) < v(b);
        });
        const auto middle = box.begin() + box.size() / 2;
        boxes[best] = std::vector<QRgb>(box.begin(), middle);
        boxes.emplace_back(middle, box.end());
    }
    std::vector<QRgb> palette{qRgb(0, 0, 0)};
    for (const auto &box : boxes) {
        if (box.empty())
            continue;
        long r = 0, g = 0, b = 0;
        for (QRgb p : box) {
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
        }
        const long n = long(box.size());
        palette.push_back(qRgb(int(r / n), int(g / n), int(b / n)));
    }
    palette.resize(16, qRgb(0, 0, 0));
    return palette;
}

int nearest(const std::vector<QRgb> &palette, QRgb p)
{
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < int(palette.size()); ++i) {
        const long dr = qRed(p) - qRed(palette[i]);
        const long dg = qGreen(p) - qGreen(palette[i]);
        const long db = qBlue(p) - qBlue(palette[i]);
        // Weighted towards green, as the eye is.
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

QByteArray dibFor(const IcoImage &ico, QImage *quantised)
{
    const QImage &image = ico.rgba;
    const int w = image.width(), h = image.height(), bits = ico.bitsPerPixel;
    std::vector<QRgb> palette = ico.palette.empty() ? paletteFor(image, bits) : ico.palette;
    palette.resize(size_t(1) << bits, qRgb(0, 0, 0));

    QByteArray dib;
    QDataStream out(&dib, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const int xorBytes = rowBytes(w, bits) * h;
    const int andBytes = rowBytes(w, 1) * h;
    out << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(bits) << quint32(0)
        << quint32(xorBytes + andBytes) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (QRgb c : palette)
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);

    *quantised = QImage(w, h, QImage::Format_ARGB32);
    std::vector<std::vector<int>> index(h, std::vector<int>(w, 0));
    std::vector<std::vector<bool>> clear(h, std::vector<bool>(w, false));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = image.pixel(x, y);
            clear[y][x] = qAlpha(p) < 128;
            if (clear[y][x]) {
                index[y][x] = 0;
            } else if (bits == 1) {
                index[y][x] = qGray(p) < 128 ? 0 : 1;
            } else {
                index[y][x] = nearest(palette, p);
            }
            quantised->setPixel(x, y, clear[y][x] ? qRgba(0, 0, 0, 0) : palette[index[y][x]]);
        }

    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(rowBytes(w, bits), '\0');
        for (int x = 0; x < w; ++x) {
            const int i = index[y][x];
            if (bits == 4)
                row[x / 2] = char(uchar(row[x / 2]) | (x % 2 ? i : i << 4));
            else if (i)
                row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        }
        out.writeRawData(row.constData(), row.size());
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(rowBytes(w, 1), '\0');
        for (int x = 0; x < w; ++x)
            if (clear[y][x])
                row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        out.writeRawData(row.constData(), row.size());
    }
    return dib;
}

// Writes an icon file; returns the images as they are stored, for looking at.
std::vector<QImage> writeIco(const QString &path, const std::vector<IcoImage> &images)
{
    std::vector<QByteArray> dibs;
    std::vector<QImage> stored(images.size());
    for (size_t i = 0; i < images.size(); ++i)
        dibs.push_back(dibFor(images[i], &stored[i]));

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * quint32(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const QImage &image = images[i].rgba;
        const int bits = images[i].bitsPerPixel;
        out << quint8(image.width() & 0xff) << quint8(image.height() & 0xff) << quint8(1 << bits)
            << quint8(0) << quint16(1) << quint16(bits) << quint32(dibs[i].size())
            << quint32(offset);
        offset += quint32(dibs[i].size());
    }
    for (const QByteArray &dib : dibs)
        out.writeRawData(dib.constData(), dib.size());

    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(file) != file.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    return stored;
}

// ---------------------------------------------------------------------------------------------
// The main window's picture, 215 x 157. The window shows the clock at (8, 8, 57 x 25), the note
// at (80, 8, 129 x 121) and opens its menu from a click on (0, 64, 81 x 97).

const QRectF noteCard(76.5, 3.5, 134, 130);

QImage mascotPicture()
{
    QImage image(215, 157, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Sky: light and even where the clock is.
    QLinearGradient sky(0, 0, 0, 157);
    sky.setColorAt(0.0, QColor(0xd2, 0xea, 0xfb));
    sky.setColorAt(0.7, QColor(0xe9, 0xf5, 0xfd));
    sky.setColorAt(1.0, QColor(0xf4, 0xfa, 0xfe));
    painter.fillRect(image.rect(), sky);

    // A small cloud below the clock, behind Quornel's tuft.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawEllipse(QPointF(14, 46), 10, 6);
    painter.drawEllipse(QPointF(24, 42), 9, 7);
    painter.drawEllipse(QPointF(32, 47), 8, 5);

    // Grass hills.
    QPainterPath back;
    back.moveTo(0, 132);
    back.cubicTo(50, 118, 110, 128, 215, 138);
    back.lineTo(215, 157);
    back.lineTo(0, 157);
    back.closeSubpath();
    painter.setBrush(QColor(0xa9, 0xdc, 0x86));
    painter.drawPath(back);
    QPainterPath front;
    front.moveTo(0, 146);
    front.cubicTo(60, 138, 140, 150, 215, 144);
    front.lineTo(215, 157);
    front.lineTo(0, 157);
    front.closeSubpath();
    painter.setBrush(QColor(0x84, 0xc8, 0x63));
    painter.drawPath(front);

    // Flowers in the grass.
    const std::array<QPointF, 4> flowers = {QPointF(96, 146), QPointF(128, 150), QPointF(176, 147),
                                            QPointF(203, 151)};
    const std::array<QColor, 4> petals = {QColor(0xff, 0xff, 0xff), QColor(0xff, 0xd5, 0x4a),
                                          QColor(0xff, 0x9e, 0xc4), QColor(0xff, 0xff, 0xff)};
    for (size_t i = 0; i < flowers.size(); ++i) {
        painter.setBrush(petals[i]);
        for (int k = 0; k < 5; ++k) {
            const qreal a = k * 2 * M_PI / 5;
            painter.drawEllipse(flowers[i] + QPointF(2.2 * std::cos(a), 2.2 * std::sin(a)), 1.7,
                                1.7);
        }
        painter.setBrush(QColor(0xf0, 0x9a, 0x2a));
        painter.drawEllipse(flowers[i], 1.2, 1.2);
    }

    // The note: a sheet of paper with a soft shadow and a strip of tape.
    QPainterPath sheet;
    sheet.addRoundedRect(noteCard, 5, 5);
    painter.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        painter.setBrush(QColor(0x20, 0x30, 0x50, 14));
        painter.drawPath(sheet.translated(i * 0.7, i * 0.9));
    }
    painter.setPen(QPen(QColor(0xc9, 0xbf, 0x9a), 1.0));
    painter.setBrush(QColor(0xff, 0xfc, 0xec));
    painter.drawPath(sheet);

    painter.save();
    painter.translate(noteCard.center().x(), 3.5);
    painter.rotate(-4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xe0, 0x7a, 190));
    painter.drawRect(QRectF(-14, -3.5, 28, 8));
    painter.restore();

    // Quornel, waving at the note.
    painter.save();
    painter.translate(3, 41);
    painter.scale(0.72, 0.83);
    Pose pose;
    pose.rightWing = Wing::Waving;
    pose.gazeX = 1.6;
    pose.gazeY = -0.6;
    drawQuornel(painter, pose);
    painter.restore();

    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

void writeMascotPreview(const QImage &picture, const QString &path)
{
    QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    const QColor navy(0x14, 0x28, 0x50);
    painter.setPen(navy);
    QFont font("DejaVu Sans");
    font.setPointSizeF(9.75);
    painter.setFont(font);
    painter.drawText(QRect(80, 8, 129, 121), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                     "Dentist on Tuesday at 10:30. Buy bread, milk and apples. Call Ada about "
                     "the garden party!");
    painter.setFont(QFont("DejaVu Sans", 8));
    painter.drawText(QRect(8, 8, 57, 25), Qt::AlignHCenter | Qt::AlignTop, "16:12:07");
    painter.end();
    // The window shows 213 x 156 of it.
    image = image.copy(0, 0, 213, 156);
    image.scaled(image.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(path);
}

// ---------------------------------------------------------------------------------------------
// The speaking character's frames, 128 x 160, transparent.

const QSize frameSize(128, 160);

// Quornel at a scale, its feet on the frame's bottom centre.
QImage characterFrame(const Pose &pose, qreal scale = 1.0, qreal opacity = 1.0,
                      qreal sparkles = 0.0, qreal sparkleTurn = 0.0)
{
    QImage image(frameSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal base = 1.05;
    painter.save();
    painter.setOpacity(opacity);
    painter.translate(frameSize.width() / 2.0, frameSize.height() - 4);
    painter.scale(base * scale, base * scale);
    painter.translate(-50, -129);
    drawQuornel(painter, pose);
    painter.restore();

    if (sparkles > 0.0) {
        // Four-pointed stars round the character, spreading out as they fade.
        const std::array<QPointF, 6> places = {QPointF(-0.8, -0.55), QPointF(0.85, -0.7),
                                               QPointF(-0.95, 0.15), QPointF(0.9, 0.05),
                                               QPointF(-0.35, -1.0), QPointF(0.4, -0.95)};
        const std::array<qreal, 6> sizes = {11, 9, 8, 11, 8, 9};
        const QPointF centre(frameSize.width() / 2.0, frameSize.height() * 0.52);
        for (size_t i = 0; i < places.size(); ++i) {
            const qreal spread = 48 + 14 * sparkleTurn;
            const QPointF c =
                centre + QPointF(places[i].x() * spread, places[i].y() * spread * 1.2);
            const qreal s = sizes[i] * (0.6 + 0.6 * sparkles);
            QPainterPath star;
            star.moveTo(c + QPointF(0, -s));
            star.quadTo(c, c + QPointF(s, 0));
            star.quadTo(c, c + QPointF(0, s));
            star.quadTo(c, c + QPointF(-s, 0));
            star.quadTo(c, c + QPointF(0, -s));
            QColor colour = i % 2 ? QColor(Qt::white) : Ink::sparkle;
            colour.setAlphaF(std::min(1.0, sparkles));
            painter.setPen(QPen(QColor(0xd0, 0x8a, 0x10, int(200 * std::min(1.0, sparkles))), 0.8));
            painter.setBrush(colour);
            painter.drawPath(star);
        }
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void save(const QImage &image, const QString &path)
{
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("wrote %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: draw-artwork <resources-dir> [--preview <file.png>]\n");
        return 2;
    }
    const QDir out(args.at(1));
    QString preview;
    const int previewAt = int(args.indexOf("--preview"));
    if (previewAt > 0 && previewAt + 1 < args.size())
        preview = args.at(previewAt + 1);

    // The main window's picture, saved as a 24-bit bitmap.
    const QImage picture = mascotPicture();
    save(picture, out.filePath("mascot.bmp"));
    if (!preview.isEmpty())
        writeMascotPreview(picture, preview);

    // The window and tray icon.
    for (int size : {16, 32, 48, 64, 128, 256})
        save(faceImage(size), out.filePath(QString("icon-%1.png").arg(size)));
    // Sixteen colours hold the flat colours and their antialiased edges, not a gradient.
    writeIco(out.filePath("icon.ico"), {{faceImage(32, true), 4, facePalette()}});
    std::printf("wrote %s\n", qPrintable(out.filePath("icon.ico")));

    // The loudspeaker.
    save(loudspeakerImage(false), out.filePath("loudspeaker.png"));
    writeIco(out.filePath("loudspeaker.ico"),
             {{loudspeakerImage(true), 1, {}}, {loudspeakerImage(false), 4, {}}});
    std::printf("wrote %s\n", qPrintable(out.filePath("loudspeaker.ico")));

    // The default speaking character.
    const QDir frames(out.filePath("characters/quornel"));
    if (!frames.exists() && !QDir().mkpath(frames.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(frames.path()));
        return 1;
    }
    QString manifest;
    QTextStream list(&manifest);
    list << "name Quornel\n";

    // Appearing: Quornel pops up out of a burst of sparkles, overshoots a little and settles.
    struct Step {
        qreal scale, opacity, sparkles;
        int ms;
    };
    const std::array<Step, 8> appear = {{{0.10, 0.3, 1.0, 70},
                                         {0.30, 0.7, 1.0, 70},
                                         {0.58, 1.0, 1.0, 70},
                                         {0.86, 1.0, 0.9, 70},
                                         {1.08, 1.0, 0.75, 80},
                                         {1.04, 1.0, 0.55, 80},
                                         {0.97, 1.0, 0.35, 90},
                                         {1.00, 1.0, 0.15, 100}}};
    for (size_t i = 0; i < appear.size(); ++i) {
        Pose pose;
        pose.eyesClosed = i < 3;
        pose.mouth = i >= 4 && i <= 5 ? Mouth::Half : Mouth::Closed;
        const QString name = QString("appear-%1.png").arg(int(i) + 1, 2, 10, QChar('0'));
        save(characterFrame(pose, appear[i].scale, appear[i].opacity, appear[i].sparkles,
                            qreal(i) / (appear.size() - 1)),
             frames.filePath(name));
        list << "appear " << name << ' ' << appear[i].ms << '\n';
    }

    save(characterFrame(Pose()), frames.filePath("idle.png"));
    list << "idle idle.png 0\n";
    Pose blink;
    blink.eyesClosed = true;
    save(characterFrame(blink), frames.filePath("blink.png"));
    list << "blink blink.png 150\n";

    const std::array<std::pair<Mouth, const char *>, 4> mouths = {{{Mouth::Closed, "closed"},
                                                                   {Mouth::Half, "half"},
                                                                   {Mouth::Wide, "wide"},
                                                                   {Mouth::Round, "round"}}};
    for (const auto &[mouth, name] : mouths) {
        Pose pose;
        pose.mouth = mouth;
        const QString file = QString("mouth-%1.png").arg(name);
        save(characterFrame(pose), frames.filePath(file));
        list << "mouth " << name << ' ' << file << '\n';
    }
    list.flush();

    QFile manifestFile(frames.filePath("frames.txt"));
    if (!manifestFile.open(QIODevice::WriteOnly | QIODevice::Text) ||
        manifestFile.write(manifest.toUtf8()) != manifest.toUtf8().size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(manifestFile.fileName()));
        return 1;
    }
    std::printf("wrote %s\n", qPrintable(manifestFile.fileName()));
    return 0;
}
