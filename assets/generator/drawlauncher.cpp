// The launcher set: the shared background of MainWindow and AboutWindow, the four tile
// pictures, the decoration and the program icon. Every picture is drawn here from shapes and
// text; the sizes are those the windows expect.
#include "drawings.h"
#include "painting.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace zanvik::assets {
namespace {

QFont chineseFont(int pixels, bool bold = false) {
    QFont font("WenQuanYi Micro Hei");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A pencil sketch of a folded-paper fox head: facets outlined in graphite with light hatching,
// on off-white paper, a small signature in the lower right corner.
QImage drawBackground() {
    QImage image = canvas(430, 417, QColor(246, 244, 238));
    QPainter painter(&image);
    enableSmoothPainting(painter);
    // paper grain
    for (int i = 0; i < 3000; ++i) {
        const int x = (i * 7919) % 430;
        const int y = (i * 104729) % 417;
        painter.setPen(QColor(225, 222, 214));
        painter.drawPoint(x, y);
    }
    const QPointF ear1(120, 60), ear2(310, 60), top(215, 130), left(95, 190), right(335, 190),
        cheekL(150, 250), cheekR(280, 250), nose(215, 345), eyeL(170, 205), eyeR(260, 205),
        earBaseL(165, 140), earBaseR(265, 140);
    const QPolygonF facets[] = {
        {{ear1, earBaseL, left}}, {{ear1, top, earBaseL}},  {{ear2, earBaseR, right}},
        {{ear2, top, earBaseR}},  {{earBaseL, top, eyeL}},  {{earBaseR, top, eyeR}},
        {{top, eyeL, eyeR}},      {{left, earBaseL, eyeL}}, {{right, earBaseR, eyeR}},
        {{left, eyeL, cheekL}},   {{right, eyeR, cheekR}},  {{eyeL, eyeR, nose}},
        {{eyeL, cheekL, nose}},   {{eyeR, cheekR, nose}},
    };
    int shade = 0;
    for (const QPolygonF& facet : facets) {
        const int grey = 150 + (shade * 37) % 90;
        painter.setBrush(QBrush(QColor(grey, grey, grey - 6, 60),
                                shade % 3 == 0
                                    ? Qt::BDiagPattern
                                    : (shade % 3 == 1 ? Qt::FDiagPattern : Qt::Dense6Pattern)));
        painter.setPen(QPen(QColor(70, 70, 72), 1.6));
        painter.drawPolygon(facet);
        ++shade;
    }
    // second, lighter stroke slightly offset, as a sketch has
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(120, 120, 125, 120), 0.8));
    for (const QPolygonF& facet : facets) {
        painter.drawPolygon(facet.translated(1.5, -1.0));
    }
    painter.setBrush(QColor(60, 60, 64));
    painter.drawEllipse(eyeL + QPointF(0, 8), 7, 4);
    painter.drawEllipse(eyeR + QPointF(0, 8), 7, 4);
    painter.drawEllipse(nose + QPointF(0, -6), 9, 6);
    painter.setPen(QColor(80, 80, 85));
    QFont signature("DejaVu Serif");
    signature.setPixelSize(13);
    signature.setItalic(true);
    painter.setFont(signature);
    painter.drawText(QRect(300, 385, 120, 24), Qt::AlignRight | Qt::AlignVCenter, "zanvik '26");
    return image;
}

void drawSpeech(QPainter& painter, const QRectF& box, const QString& text, QColor colour,
                int pixels) {
    painter.setFont(chineseFont(pixels, true));
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void drawFace(QPainter& painter, QPointF centre, double radius, QColor skin) {
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(skin);
    painter.drawEllipse(centre, radius, radius * 1.1);
    painter.setBrush(Qt::black);
    painter.drawEllipse(centre + QPointF(-radius * 0.35, -radius * 0.15), radius * 0.1,
                        radius * 0.12);
    painter.drawEllipse(centre + QPointF(radius * 0.35, -radius * 0.15), radius * 0.1,
                        radius * 0.12);
}

// Tile 1: a cartoon soldier in a peaked cap with a pasted face and a two-line caption.
QImage drawSoldierTile() {
    QImage image = canvas(304, 190);
    QPainter painter(&image);
    enableSmoothPainting(painter);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(QColor(86, 120, 70));
    painter.drawRoundedRect(QRectF(110, 95, 84, 50), 18, 18); // body
    drawFace(painter, {152, 70}, 26, QColor(236, 200, 170));
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawArc(QRectF(140, 74, 24, 12), 200 * 16, 140 * 16);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(QColor(70, 100, 60));
    QPainterPath cap;
    cap.moveTo(118, 52);
    cap.cubicTo(125, 18, 180, 18, 188, 52);
    cap.closeSubpath();
    painter.drawPath(cap);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(112, 50, 82, 6)); // peak
    painter.setBrush(QColor(220, 30, 30));
    painter.drawEllipse(QPointF(153, 36), 5, 5); // star
    drawSpeech(painter, QRectF(0, 150, 304, 20), "报告！", Qt::black, 16);
    drawSpeech(painter, QRectF(0, 168, 304, 20), "前方发现表情包", Qt::black, 16);
    return image;
}

// Tile 3: a laughing figure in a red robe and a tall crown, clapping, with speech text.
QImage drawKingTile() {
    QImage image = canvas(276, 262);
    QPainter painter(&image);
    enableSmoothPainting(painter);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(QColor(200, 30, 40));
    QPainterPath robe;
    robe.moveTo(138, 120);
    robe.lineTo(70, 240);
    robe.lineTo(206, 240);
    robe.closeSubpath();
    painter.drawPath(robe);
    drawFace(painter, {138, 100}, 32, QColor(240, 205, 175));
    painter.setBrush(Qt::white);
    painter.drawChord(QRectF(120, 104, 36, 26), 180 * 16, 180 * 16); // laughing mouth
    painter.setBrush(QColor(240, 200, 40));
    painter.drawPolygon(
        QPolygonF{{108, 72}, {112, 20}, {126, 50}, {138, 10}, {150, 50}, {164, 20}, {168, 72}});
    painter.setBrush(QColor(240, 205, 175));
    painter.drawEllipse(QPointF(124, 168), 12, 10); // clapping hands
    painter.drawEllipse(QPointF(150, 166), 12, 10);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(QPointF(118, 150), QPointF(110, 144));
    painter.drawLine(QPointF(158, 148), QPointF(166, 142));
    drawSpeech(painter, QRectF(150, 20, 126, 60), "哈哈哈\n朕准了", Qt::black, 18);
    return image;
}

// Tile 2: two figures, one pressing the other's face, with red speech text.
QImage drawPressTile() {
    QImage image = canvas(180, 160);
    QPainter painter(&image);
    enableSmoothPainting(painter);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(120, 150, 220));
    painter.drawRoundedRect(QRectF(20, 90, 50, 60), 12, 12);
    painter.setBrush(QColor(240, 170, 80));
    painter.drawRoundedRect(QRectF(112, 95, 50, 55), 12, 12);
    drawFace(painter, {45, 70}, 22, QColor(240, 210, 180));
    drawFace(painter, {135, 78}, 20, QColor(240, 210, 180));
    painter.setBrush(QColor(240, 210, 180));
    painter.drawLine(QPointF(66, 100), QPointF(112, 80)); // arm
    painter.drawEllipse(QPointF(116, 78), 9, 9);          // hand on the face
    drawSpeech(painter, QRectF(0, 4, 180, 34), "别说话！", QColor(220, 0, 0), 20);
    return image;
}

// Tile 4: a dog's head on a small blue body, with a one-line caption.
QImage drawDogTile() {
    QImage image = canvas(136, 154);
    QPainter painter(&image);
    enableSmoothPainting(painter);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(60, 110, 210));
    painter.drawRoundedRect(QRectF(46, 84, 44, 40), 10, 10);
    painter.setBrush(QColor(200, 150, 90));
    painter.drawEllipse(QPointF(68, 58), 32, 30);
    painter.setBrush(QColor(130, 85, 45));
    painter.drawEllipse(QRectF(30, 30, 16, 34)); // ears
    painter.drawEllipse(QRectF(90, 30, 16, 34));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(57, 52), 3.5, 4);
    painter.drawEllipse(QPointF(79, 52), 3.5, 4);
    painter.drawEllipse(QPointF(68, 66), 6, 4);
    drawSpeech(painter, QRectF(0, 128, 136, 24), "来啊互相伤害", Qt::black, 15);
    return image;
}

// The decoration: a round face holding a snack bag under a line of contact text.
QImage drawDecoration() {
    QImage image = canvas(109, 125);
    QPainter painter(&image);
    enableSmoothPainting(painter);
    painter.setFont(chineseFont(10));
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 2, 109, 14), Qt::AlignCenter, "zanvik.example");
    drawFace(painter, {54, 62}, 28, QColor(255, 236, 200));
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawArc(QRectF(42, 64, 24, 14), 200 * 16, 140 * 16);
    painter.setBrush(QColor(230, 60, 60));
    painter.drawRoundedRect(QRectF(36, 90, 36, 30), 4, 4);
    painter.setPen(Qt::white);
    painter.setFont(chineseFont(11, true));
    painter.drawText(QRectF(36, 90, 36, 30), Qt::AlignCenter, "薯片");
    return image;
}

// The program icon: a speech bubble with a grin.
QImage drawIcon() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    enableSmoothPainting(painter);
    painter.setPen(QPen(QColor(30, 30, 30), 1.5));
    painter.setBrush(QColor(255, 200, 40));
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(2, 2, 28, 22), 8, 8);
    bubble.moveTo(8, 23);
    bubble.lineTo(6, 30);
    bubble.lineTo(15, 23);
    painter.drawPath(bubble.simplified());
    painter.setBrush(QColor(30, 30, 30));
    painter.drawEllipse(QPointF(11, 10), 2, 2.5);
    painter.drawEllipse(QPointF(21, 10), 2, 2.5);
    painter.setBrush(Qt::white);
    painter.drawChord(QRectF(9, 10, 14, 10), 180 * 16, 180 * 16);
    return image;
}

void putLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// One 32 × 32 image of 32 bits a pixel in an icon file: directory, bitmap header of double
// height, BGRA rows bottom-up, then the 1-bit AND mask (all zero: the alpha decides).
void saveIcon(const QImage& icon, const QString& path) {
    QByteArray out;
    putLittleEndian(out, 0, 2);
    putLittleEndian(out, 1, 2); // icon
    putLittleEndian(out, 1, 2); // one image
    const std::uint32_t maskBytes = 32 * 4;
    const std::uint32_t dataBytes = 40 + 32 * 32 * 4 + maskBytes;
    out.append(char(32)).append(char(32)).append(char(0)).append(char(0));
    putLittleEndian(out, 1, 2);  // planes
    putLittleEndian(out, 32, 2); // bits a pixel
    putLittleEndian(out, dataBytes, 4);
    putLittleEndian(out, 6 + 16, 4);
    putLittleEndian(out, 40, 4);
    putLittleEndian(out, 32, 4);
    putLittleEndian(out, 64, 4); // colour and mask
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, 32, 2);
    for (int i = 0; i < 6; ++i) {
        putLittleEndian(out, 0, 4);
    }
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 31; y >= 0; --y) {
        for (int x = 0; x < 32; ++x) {
            putLittleEndian(out, argb.pixel(x, y), 4);
        }
    }
    out.append(QByteArray(static_cast<int>(maskBytes), '\0'));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

} // namespace

void drawLauncherSet(const QDir& out) {
    save(drawBackground(), out.filePath("background.jpg"));
    save(drawSoldierTile(), out.filePath("tile1.jpg"));
    save(drawPressTile(), out.filePath("tile2.jpg"));
    save(drawKingTile(), out.filePath("tile3.jpg"));
    save(drawDogTile(), out.filePath("tile4.jpg"));
    save(drawDecoration(), out.filePath("decoration.jpg"));
    saveIcon(drawIcon(), out.filePath("zanvik.ico"));
}

} // namespace zanvik::assets
