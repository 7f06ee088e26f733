#pragma once

#include "foundation/pictures/bitmap.h"
#include "foundation/values/bytebuffer.h"

#include <QImage>

namespace zanvik {

// Puts the picture that the bytes hold (any format decodePicture knows, told by its first bytes)
// on the system clipboard as an image; other programs can paste it (on X11 they read it as
// image/png or image/bmp while the program runs). Bytes that do not decode, the empty buffer
// included, empty the clipboard. Reports nothing. UI thread only.
void copyPictureToClipboard(const ByteBuffer& pictureBytes);

// The bitmap as a QImage (32-bit ARGB, a copy that shares nothing with the bitmap).
QImage imageFromBitmap(const Bitmap& bitmap);

} // namespace zanvik
