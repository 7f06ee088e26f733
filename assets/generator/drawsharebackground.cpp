// The share window's background: a paper plane climbing over soft hills on a pale dawn sky, its
// dashed trail looping behind it, and a stack of photos at the foot of the trail. Drawn here
// from shapes; 602 × 747, stretched over the window's client area.
#include "drawings.h"
#include "painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace zanvik::assets {
namespace {

constexpr int width = 602;
constexpr int height = 747;

void drawSky(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(214, 232, 248));
    sky.setColorAt(0.55, QColor(246, 236, 222));
    sky.setColorAt(1.0, QColor(250, 246, 238));
    painter.fillRect(QRect(0, 0, width, height), sky);
    painter.setPen(Qt::NoPen);
    // a low sun
    painter.setBrush(QColor(255, 222, 170, 150));
    painter.drawEllipse(QPointF(470, 520), 70, 70);
    // clouds: overlapping circles
    const struct {
        QPointF centre;
        double scale;
    } clouds[] = {{{110, 110}, 1.0}, {{430, 70}, 0.8}, {{300, 220}, 0.6}};
    for (const auto& cloud : clouds) {
        painter.setBrush(QColor(255, 255, 255, 210));
        const double s = cloud.scale;
        painter.drawEllipse(cloud.centre, 60 * s, 26 * s);
        painter.drawEllipse(cloud.centre + QPointF(-35 * s, -12 * s), 32 * s, 26 * s);
        painter.drawEllipse(cloud.centre + QPointF(25 * s, -20 * s), 36 * s, 30 * s);
    }
}

void drawHills(QPainter& painter) {
    const QColor colours[] = {QColor(176, 206, 172), QColor(140, 184, 146), QColor(112, 160, 124)};
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath hill;
        const double base = 560 + layer * 60;
        hill.moveTo(0, base);
        for (int x = 0; x <= width; x += 40) {
            const double lift = ((x / 40 + layer * 3) % 5) * 9.0;
            hill.quadTo(x + 20, base - 40 - lift, x + 40, base - lift / 2);
        }
        hill.lineTo(width, height);
        hill.lineTo(0, height);
        hill.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours[layer]);
        painter.drawPath(hill);
    }
}

void drawTrail(QPainter& painter) {
    QPainterPath trail;
    trail.moveTo(140, 640);
    trail.cubicTo(60, 520, 260, 430, 230, 520);
    trail.cubicTo(200, 610, 90, 470, 250, 380);
    trail.cubicTo(330, 335, 380, 330, 420, 300);
    QPen pen(QColor(90, 110, 150, 170), 2.5, Qt::DashLine, Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(trail);
}

void drawPlane(QPainter& painter) {
    const QPointF nose(520, 230), tail(410, 300), wingTip(440, 250), fold(455, 290), keel(445, 320);
    painter.setPen(QPen(QColor(60, 72, 100), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawPolygon(QPolygonF{{nose, wingTip, tail, fold}});
    painter.setBrush(QColor(222, 228, 240));
    painter.drawPolygon(QPolygonF{{nose, fold, keel}});
    painter.drawLine(nose, tail);
}

void drawPhotoStack(QPainter& painter) {
    const double angles[] = {-14.0, 6.0, -3.0};
    const QColor fills[] = {QColor(250, 200, 120), QColor(150, 200, 240), QColor(240, 150, 160)};
    for (int i = 0; i < 3; ++i) {
        painter.save();
        painter.translate(140, 660);
        painter.rotate(angles[i]);
        painter.setPen(QPen(QColor(120, 110, 100), 1.2));
        painter.setBrush(QColor(255, 253, 248));
        painter.drawRect(QRectF(-48, -40, 96, 80));
        painter.setPen(Qt::NoPen);
        painter.setBrush(fills[i]);
        painter.drawRect(QRectF(-40, -32, 80, 56));
        // a tiny mountain and sun inside each photo
        painter.setBrush(QColor(255, 255, 255, 170));
        painter.drawEllipse(QPointF(22, -18), 7, 7);
        painter.setBrush(QColor(90, 120, 90, 190));
        painter.drawPolygon(QPolygonF{{{-40, 24}, {-12, -8}, {14, 24}}});
        painter.restore();
    }
}

} // namespace

void drawShareBackground(const QDir& out) {
    QImage image = canvas(width, height);
    QPainter painter(&image);
    enableSmoothPainting(painter);
    drawSky(painter);
    drawHills(painter);
    drawTrail(painter);
    drawPlane(painter);
    drawPhotoStack(painter);
    painter.end();
    save(image, out.filePath("share.jpg"));
}

} // namespace zanvik::assets
