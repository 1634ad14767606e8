// Draws the wheel's drawing description with a QPainter, the same way on
// the window, the printer, an image, an SVG and a PDF: the scale's square
// units fitted into the target and centred, the vertical axis turned to
// point up, lines and circles antialiased, every text in the glyph font.
// Needs QtGui only (no widgets), so that quaeryn-cli can link it.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>

#include "wheel/WheelDrawing.h"

namespace quaeryn::ui {

// Every character the glyph font must have: the bodies' and the signs'
// symbols, the circled cross of the Part of Fortune and the degree and
// minute marks.
QString WheelSymbols();

// The installed font families; replaceable, so that a test can stand for a
// machine without the font.
std::function<QStringList()>& InstalledFontFamilies();

// The family the wheel draws with: "DejaVu Sans" when it is among the
// families and has every symbol, otherwise the first family that has them
// all; empty when none has.
QString ChooseGlyphFamily(const QStringList& families);
// ChooseGlyphFamily of the installed families.
QString WheelGlyphFamily();

// Where the drawing's scale goes in a target: the largest rectangle of the
// scale's shape, centred in it.
class WheelMapping {
public:
    WheelMapping(const WheelDrawing& drawing, const QRectF& target);
    QPointF ToDevice(double x, double y) const;
    QPointF ToDevice(WheelPoint p) const { return ToDevice(p.x, p.y); }
    double Length(double units) const { return units * unit_; }  // scale units in device units
    QRectF viewport() const { return viewport_; }

private:
    QRectF viewport_;
    double xMin_ = 0, yMax_ = 0, unit_ = 1;
};

// Paints the drawing: the background over the whole target, then the
// items in order. An empty family leaves the painter's font family.
void PaintWheel(QPainter& painter, const WheelDrawing& drawing, const QRectF& target, const QString& family);

}  // namespace quaeryn::ui
