// The wheel's pictures: an image, an SVG file and a PDF file of a drawing,
// for the wheel window's "Export…" and for WriteWheelFile (wheel/WheelFile.h),
// which quaeryn-cli calls.
#pragma once

#include <QImage>
#include <QString>

#include "wheel/WheelDrawing.h"
#include "wheel/WheelFile.h"

namespace quaeryn::ui {

// The drawing on an image `widthPixels` wide and of the drawing's shape.
QImage RenderWheelImage(const WheelDrawing& drawing, int widthPixels, const QString& family);
// An opaque image as the bytes of a PNG file: RGB rows without filtering,
// deflated as runs (a wheel is mostly plain background, and this is several
// times faster than the general encoder, and smaller), at 96 pixels an inch.
// Empty when it cannot be encoded.
QByteArray EncodeWheelPng(const QImage& image);
// The drawing as a PNG file of that width. False when the file cannot be
// written.
bool SaveWheelPng(const WheelDrawing& drawing, const QString& path, int widthPixels, const QString& family);
// The drawing as an SVG file of that width (in pixels, 96 an inch); its
// texts stay texts. False when the file cannot be written.
bool SaveWheelSvg(const WheelDrawing& drawing, const QString& path, int widthPixels, const QString& family);
// The drawing as a one-page PDF file whose page has the picture's shape and
// size at 96 pixels an inch. False when the file cannot be written.
bool SaveWheelPdf(const WheelDrawing& drawing, const QString& path, int widthPixels, const QString& family);
// The picture in the given format. False when the file cannot be written.
bool SaveWheelPicture(const WheelDrawing& drawing, const QString& path, WheelFileFormat format, int widthPixels,
                      const QString& family);

}  // namespace quaeryn::ui
