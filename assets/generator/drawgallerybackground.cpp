// The gallery window's background: a wall of pinned instant photos under a warm evening sky,
// drawn from shapes only. 640 × 640; the window stretches it over its client area, so nothing
// in it depends on the window's aspect ratio. The left half stays calm behind the list, the
// buttons and the red note.
#include "drawings.h"
#include "painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace zanvik::assets {
namespace {

constexpr int side = 640;

void drawSky(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, side);
    sky.setColorAt(0.0, QColor(255, 214, 170));
    sky.setColorAt(0.55, QColor(250, 180, 160));
    sky.setColorAt(1.0, QColor(170, 150, 200));
    painter.fillRect(0, 0, side, side, sky);
    QRadialGradient sun(QPointF(470, 150), 140);
    sun.setColorAt(0.0, QColor(255, 250, 220, 230));
    sun.setColorAt(1.0, QColor(255, 250, 220, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(470, 150), 140, 140);
}

// One instant photo: white frame, a little scene inside (hills and a face), a pin on top.
void drawPhoto(QPainter& painter, QPointF centre, qreal angle, QColor scene, int face) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawRect(QRectF(-52, -58, 110, 128)); // shadow
    painter.setBrush(QColor(252, 250, 245));
    painter.drawRect(QRectF(-56, -62, 110, 128));
    const QRectF picture(-48, -54, 94, 86);
    painter.setBrush(scene);
    painter.drawRect(picture);
    painter.setClipRect(picture);
    painter.setBrush(scene.darker(140));
    painter.drawEllipse(QPointF(-20, 40), 50, 28);
    painter.drawEllipse(QPointF(30, 44), 46, 24);
    painter.setClipping(false);
    // a round face with one of three expressions
    painter.setBrush(QColor(255, 226, 120));
    painter.setPen(QPen(QColor(90, 70, 40), 2));
    painter.drawEllipse(QPointF(0, -14), 20, 20);
    painter.setBrush(QColor(90, 70, 40));
    painter.drawEllipse(QPointF(-7, -19), 2.5, 2.5);
    painter.drawEllipse(QPointF(7, -19), 2.5, 2.5);
    painter.setBrush(Qt::NoBrush);
    if (face == 0) {
        painter.drawArc(QRectF(-10, -16, 20, 14), 200 * 16, 140 * 16); // grin
    } else if (face == 1) {
        painter.drawLine(QPointF(-8, -4), QPointF(8, -4)); // deadpan
    } else {
        painter.drawEllipse(QPointF(0, -4), 4, 5); // surprise
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 60, 60));
    painter.drawEllipse(QPointF(-1, -58), 6, 6);
    painter.restore();
}

void drawString(QPainter& painter) {
    painter.setPen(QPen(QColor(120, 90, 70), 2));
    painter.setBrush(Qt::NoBrush);
    QPainterPath upper(QPointF(0, 70));
    upper.quadTo(QPointF(side / 2.0, 140), QPointF(side, 60));
    painter.drawPath(upper);
    QPainterPath lower(QPointF(0, 380));
    lower.quadTo(QPointF(side / 2.0, 450), QPointF(side, 370));
    painter.drawPath(lower);
}

} // namespace

void drawGalleryBackground(const QDir& out) {
    QImage image = canvas(side, side);
    QPainter painter(&image);
    enableSmoothPainting(painter);
    drawSky(painter);
    drawString(painter);
    struct Photo {
        QPointF centre;
        qreal angle;
        QColor scene;
        int face;
    };
    const std::array photos{
        Photo{{400, 170}, -6, QColor(140, 200, 230), 0},
        Photo{{545, 150}, 5, QColor(160, 220, 150), 1},
        Photo{{395, 470}, 4, QColor(230, 170, 200), 2},
        Photo{{540, 480}, -5, QColor(200, 190, 240), 0},
    };
    for (const Photo& photo : photos) {
        drawPhoto(painter, photo.centre, photo.angle, photo.scene, photo.face);
    }
    painter.end();
    save(image, out.filePath("gallery.jpg"));
}

} // namespace zanvik::assets
