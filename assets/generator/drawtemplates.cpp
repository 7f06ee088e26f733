// The designer's six template pictures: our own cartoons, drawn from ellipses, paths and lines.
// Each figure is drawn in a 100 × 100 design box that the caller scales and places, so that
// template "e" can show the figures of "C" and "d" side by side.
#include "drawings.h"
#include "painting.h"

#include <QPainter>
#include <QPainterPath>

namespace zanvik::assets {

namespace {

const QColor ink(30, 30, 30);
const QColor skin(246, 214, 178);
const QColor blush(240, 130, 140, 150);

QPen outline(qreal width = 2.2) {
    return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A human face drawn inside the given oval: eyes, brows and a mouth of the given mood.
enum class Mood { StrainedGrin, Smug, Stern, Laughing, Shy };

void drawFace(QPainter& p, const QRectF& oval, Mood mood) {
    const qreal w = oval.width();
    const qreal h = oval.height();
    const QPointF c = oval.center();
    p.setPen(outline(w * 0.035));
    p.setBrush(ink);
    const qreal eyeY = c.y() - h * 0.08;
    const qreal eyeDx = w * 0.18;
    if (mood == Mood::Laughing || mood == Mood::Shy) { // closed, curved eyes
        p.setBrush(Qt::NoBrush);
        for (const qreal side : {-1.0, 1.0}) {
            QPainterPath eye;
            eye.moveTo(c.x() + side * eyeDx - w * 0.07, eyeY);
            eye.quadTo(c.x() + side * eyeDx, eyeY - h * 0.08, c.x() + side * eyeDx + w * 0.07,
                       eyeY);
            p.drawPath(eye);
        }
    } else {
        p.drawEllipse(QPointF(c.x() - eyeDx, eyeY), w * 0.045, h * 0.05);
        p.drawEllipse(QPointF(c.x() + eyeDx, eyeY), w * 0.045, h * 0.05);
        const qreal tilt = mood == Mood::Stern ? h * 0.05 : (mood == Mood::Smug ? -h * 0.03 : 0.0);
        p.drawLine(QPointF(c.x() - eyeDx - w * 0.08, eyeY - h * 0.11 - tilt),
                   QPointF(c.x() - eyeDx + w * 0.07, eyeY - h * 0.11 + tilt));
        p.drawLine(QPointF(c.x() + eyeDx - w * 0.07, eyeY - h * 0.11 + tilt),
                   QPointF(c.x() + eyeDx + w * 0.08, eyeY - h * 0.11 - tilt));
    }
    const QRectF mouth(c.x() - w * 0.2, c.y() + h * 0.1, w * 0.4, h * 0.2);
    switch (mood) {
    case Mood::StrainedGrin: { // a wide, tight row of teeth
        p.setBrush(Qt::white);
        p.drawRoundedRect(mouth.adjusted(-w * 0.04, h * 0.02, w * 0.04, -h * 0.04), 4, 4);
        for (int i = 1; i < 6; ++i) {
            const qreal x = mouth.left() - w * 0.04 + (mouth.width() + w * 0.08) * i / 6;
            p.drawLine(QPointF(x, mouth.top() + h * 0.02), QPointF(x, mouth.bottom() - h * 0.04));
        }
        p.drawLine(QPointF(mouth.left() - w * 0.04, mouth.center().y() - h * 0.01),
                   QPointF(mouth.right() + w * 0.04, mouth.center().y() - h * 0.01));
        break;
    }
    case Mood::Laughing:
        p.setBrush(QColor(170, 40, 50));
        p.drawChord(mouth.adjusted(0, -h * 0.1, 0, h * 0.05), 0, -180 * 16);
        break;
    case Mood::Smug:
    case Mood::Shy:
        p.setBrush(Qt::NoBrush);
        p.drawArc(mouth.adjusted(w * 0.05, -h * 0.08, -w * 0.05, -h * 0.02), -20 * 16, -140 * 16);
        break;
    case Mood::Stern:
        p.drawLine(QPointF(mouth.left() + w * 0.04, mouth.center().y()),
                   QPointF(mouth.right() - w * 0.04, mouth.center().y() - h * 0.02));
        break;
    }
}

// Maps the 100 × 100 design box onto the target rectangle.
void enterBox(QPainter& p, const QRectF& target) {
    p.translate(target.topLeft());
    p.scale(target.width() / 100.0, target.height() / 100.0);
}

void drawPanda(QPainter& p, const QRectF& target) {
    p.save();
    enterBox(p, target);
    p.setPen(outline(2));
    p.setBrush(ink);
    p.drawEllipse(QPointF(18, 20), 14, 14); // ears
    p.drawEllipse(QPointF(82, 20), 14, 14);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(6, 10, 88, 86)); // head
    p.setBrush(ink);
    p.save();
    p.translate(32, 46);
    p.rotate(-25);
    p.drawEllipse(QPointF(0, 0), 13, 9); // eye patches
    p.restore();
    p.save();
    p.translate(68, 46);
    p.rotate(25);
    p.drawEllipse(QPointF(0, 0), 13, 9);
    p.restore();
    p.setBrush(skin); // the human face in the middle of the panda head
    p.drawEllipse(QRectF(30, 36, 40, 48));
    drawFace(p, QRectF(30, 36, 40, 48), Mood::StrainedGrin);
    p.setPen(outline(1.2)); // a bead of sweat
    p.setBrush(QColor(150, 200, 255));
    p.drawEllipse(QRectF(74, 32, 6, 9));
    p.restore();
}

void drawPointingFigure(QPainter& p, const QRectF& target) {
    p.save();
    enterBox(p, target);
    p.setPen(outline(1.6));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(30, 58, 40, 36), 10, 10); // body
    QPainterPath arm;                                  // arm pointing to the right
    arm.moveTo(66, 66);
    arm.lineTo(94, 58);
    arm.lineTo(95, 64);
    arm.lineTo(68, 74);
    p.drawPath(arm);
    p.drawEllipse(QPointF(96, 60), 3.5, 3.5);
    p.drawLine(QPointF(34, 70), QPointF(22, 86)); // the other arm hangs down
    p.drawEllipse(QRectF(14, 6, 72, 60));         // round head
    p.setBrush(skin);
    p.drawEllipse(QRectF(30, 18, 40, 40));
    drawFace(p, QRectF(30, 18, 40, 40), Mood::Smug);
    p.restore();
}

void drawBrushFigure(QPainter& p, const QRectF& target) {
    p.save();
    enterBox(p, target);
    p.setPen(outline(1.6));
    p.setBrush(QColor(70, 110, 170));
    p.drawRoundedRect(QRectF(28, 60, 44, 38), 8, 8); // robe
    p.setBrush(skin);
    p.drawEllipse(QRectF(30, 18, 40, 46)); // face
    drawFace(p, QRectF(30, 22, 40, 42), Mood::Stern);
    p.setBrush(QColor(40, 60, 90)); // wrapped cap with its tail
    QPainterPath cap;
    cap.moveTo(28, 36);
    cap.cubicTo(26, 8, 74, 8, 72, 36);
    cap.lineTo(28, 36);
    p.drawPath(cap);
    p.drawLine(QPointF(32, 30), QPointF(68, 30));
    QPainterPath tail;
    tail.moveTo(70, 28);
    tail.quadTo(84, 34, 80, 46);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    p.setPen(QPen(QColor(120, 80, 40), 5, Qt::SolidLine, Qt::RoundCap)); // the large ink brush
    p.drawLine(QPointF(66, 74), QPointF(94, 16));
    p.setPen(outline(1.2));
    p.setBrush(ink);
    QPainterPath tip;
    tip.moveTo(92, 20);
    tip.quadTo(104, 2, 97, 0);
    tip.quadTo(90, 6, 92, 20);
    p.drawPath(tip);
    p.setBrush(skin);
    p.drawEllipse(QPointF(68, 72), 5, 5); // the hand holding it
    p.restore();
}

void drawRadishFigure(QPainter& p, const QRectF& target) {
    p.save();
    enterBox(p, target);
    p.setPen(outline(1.6));
    p.setBrush(QColor(80, 160, 70)); // leaves
    for (const qreal angle : {-30.0, 0.0, 30.0}) {
        p.save();
        p.translate(46, 22);
        p.rotate(angle);
        p.drawEllipse(QRectF(-5, -20, 10, 22));
        p.restore();
    }
    QPainterPath radish; // a round top narrowing to a point
    radish.moveTo(46, 98);
    radish.cubicTo(20, 70, 10, 22, 46, 20);
    radish.cubicTo(82, 22, 72, 70, 46, 98);
    p.setBrush(QColor(250, 250, 245));
    p.drawPath(radish);
    p.setBrush(skin);
    p.drawEllipse(QRectF(28, 32, 36, 36));
    drawFace(p, QRectF(28, 32, 36, 36), Mood::Laughing);
    p.setPen(Qt::NoPen); // the exclamation mark
    p.setBrush(QColor(220, 40, 40));
    QPainterPath bar;
    bar.moveTo(80, 14);
    bar.lineTo(92, 14);
    bar.lineTo(88, 50);
    bar.lineTo(84, 50);
    p.drawPath(bar);
    p.drawEllipse(QPointF(86, 59), 4.5, 4.5);
    p.restore();
}

void drawSwordFace(QPainter& p, const QRectF& target) {
    p.save();
    enterBox(p, target);
    p.setPen(QPen(QColor(150, 150, 160), 4, Qt::SolidLine, Qt::FlatCap)); // the sword blade
    p.drawLine(QPointF(78, 80), QPointF(96, 4));
    p.setPen(outline(1.4));
    p.drawLine(QPointF(70, 76), QPointF(88, 80)); // guard
    p.setPen(QPen(QColor(110, 70, 30), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(79, 78), QPointF(76, 92)); // grip
    p.setPen(outline(1.6));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(14, 14, 64, 76)); // round white face
    drawFace(p, QRectF(22, 24, 48, 56), Mood::Shy);
    p.setPen(Qt::NoPen);
    p.setBrush(blush);
    p.drawEllipse(QPointF(30, 60), 7, 4.5);
    p.drawEllipse(QPointF(62, 60), 7, 4.5);
    p.setPen(outline(1.4));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(76, 86), 6, 6); // the hand on the grip
    p.restore();
}

// Draws one picture of the given size with a figure in the given part of it and saves it.
template <class Draw>
void makeTemplate(const QDir& out, const char* file, QSize size, QRectF figureBox, Draw draw) {
    QImage image = canvas(size.width(), size.height());
    QPainter painter(&image);
    enableSmoothPainting(painter);
    draw(painter, figureBox);
    painter.end();
    save(image, out.filePath(QString::fromLatin1(file)));
}

} // namespace

void drawTemplateSet(const QDir& out) {
    // "a" and "b" leave a blank band at the bottom where the captions go.
    makeTemplate(out, "a.jpg", {154, 175}, {10, 2, 134, 122}, drawPanda);
    makeTemplate(out, "b.bmp", {322, 441}, {20, 20, 282, 300}, drawPointingFigure);
    makeTemplate(out, "C.bmp", {308, 182}, {10, 8, 168, 168}, drawBrushFigure);
    makeTemplate(out, "d.bmp", {200, 233}, {8, 40, 184, 186}, drawRadishFigure);
    makeTemplate(out, "e.bmp", {505, 226}, {0, 0, 505, 226}, [](QPainter& p, const QRectF&) {
        drawBrushFigure(p, {10, 20, 220, 200});
        drawRadishFigure(p, {290, 24, 200, 196});
    });
    makeTemplate(out, "F.bmp", {284, 169}, {70, 4, 160, 162}, drawSwordFace);
}

} // namespace zanvik::assets
