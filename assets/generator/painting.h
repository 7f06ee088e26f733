#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class QPainter;

// Small drawing helpers shared by the sets.
namespace zanvik::assets {

// A white canvas of the given size in 32-bit RGB, ready for antialiased painting.
QImage canvas(int width, int height, QColor background = Qt::white);
void enableSmoothPainting(QPainter& painter);
// Saves in the format the suffix names (".jpg" at the given quality, ".bmp" as 24-bit).
// Exits the generator with a message when the file cannot be written.
void save(const QImage& image, const QString& path, int jpegQuality = 88);

} // namespace zanvik::assets
