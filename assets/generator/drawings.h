#pragma once

#include <QDir>

// Each set of pictures is drawn by its own function into the given folder. The pictures are
// this project's own drawings, made with QPainter from shapes and text.
namespace zanvik::assets {

void drawLauncherSet(const QDir& out);   // launcher background, tiles, decoration, icon
void drawTemplateSet(const QDir& out);   // the designer's six template pictures
void drawSampleSet(const QDir& out);     // the image server's sample memes
void drawBackgroundSet(const QDir& out); // the gallery and share windows' backgrounds
void drawGalleryBackground(const QDir& out);
void drawShareBackground(const QDir& out);

} // namespace zanvik::assets
