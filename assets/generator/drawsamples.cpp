#include "drawings.h"
#include "painting.h"

#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace zanvik::assets {
namespace {

constexpr int side = 200;         // each sample is a square picture of this many pixels
constexpr int captionHeight = 64; // the white band with the caption at the bottom
constexpr int jpegQuality = 72;   // keeps the whole set at a few hundred kilobytes

// The titles, one per line, UTF-8: the one list the server and the gallery share.
QStringList readTitles(const QDir& out) {
    QFile file(out.filePath("titles.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
    QStringList titles;
    for (const auto& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (!line.trimmed().isEmpty()) {
            titles << line.trimmed();
        }
    }
    return titles;
}

// A round cartoon face whose eyes, brows and mouth vary with the picture's number, so that
// every sample looks different.
void drawFace(QPainter& painter, int number) {
    const QRectF head(50, 10, 100, 100);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(QColor::fromHsv((number * 37) % 360, 60, 255));
    painter.drawEllipse(head);
    painter.setBrush(Qt::black);
    const int eyeStyle = number % 3;
    for (const int x : {80, 120}) {
        if (eyeStyle == 0) {
            painter.drawEllipse(QPointF(x, 50), 6, 6);
        } else if (eyeStyle == 1) {
            painter.drawLine(x - 9, 50, x + 9, 50);
        } else {
            painter.drawLine(x - 8, 44, x + 8, 56);
            painter.drawLine(x - 8, 56, x + 8, 44);
        }
        const int tilt = (number % 2 == 0) ? 5 : -5;
        painter.drawLine(x - 10, 36 + (x < 100 ? tilt : -tilt), x + 10,
                         36 - (x < 100 ? tilt : -tilt));
    }
    painter.setBrush(Qt::NoBrush);
    QPainterPath mouth;
    const int smile = (number % 4) * 8 - 12;
    mouth.moveTo(75, 82);
    mouth.quadTo(100, 82 + smile, 125, 82);
    painter.drawPath(mouth);
}

void drawCaption(QPainter& painter, const QString& title) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(0, side - captionHeight, side, captionHeight);
    QFont font("WenQuanYi Micro Hei");
    font.setPixelSize(title.size() > 12 ? 15 : 20);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(6, side - captionHeight, side - 12, captionHeight),
                     Qt::AlignCenter | Qt::TextWordWrap, title);
}

} // namespace

void drawSampleSet(const QDir& out) {
    const QStringList titles = readTitles(out);
    for (int i = 0; i < titles.size(); ++i) {
        const int number = i + 1;
        QImage image = canvas(side, side, QColor::fromHsv((number * 53) % 360, 40, 230));
        QPainter painter(&image);
        enableSmoothPainting(painter);
        drawFace(painter, number);
        drawCaption(painter, titles[i]);
        painter.end();
        save(image, out.filePath(QString("sample%1.jpg").arg(number, 2, 10, QChar('0'))),
             jpegQuality);
    }
}

} // namespace zanvik::assets
