#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

class QPainter;

namespace paintertest {

// Pixels per inch of the screen and of a printer.
inline constexpr int kScreenDpi = 96;
inline constexpr int kPrinterDpi = 600;

// What stands in the image before the view is drawn, so that any pixel the
// view touched shows.
inline const QColor kUntouched(255, 0, 255);

// An image of the given resolution, filled with kUntouched, with area drawn
// by draw and a margin of margin pixels all round it; also written to the
// build folder's rendered/ as name.png.
QImage renderArea(const QString& name, QSize areaSize, int dpi, int margin,
                  const std::function<void(QPainter&, const QRect&)>& draw, QRect* area = nullptr);

// Pixels outside area whose colour is no longer kUntouched.
int touchedOutside(const QImage& image, const QRect& area);

// Pixels of exactly this colour inside rect (the whole image by default).
int countColour(const QImage& image, const QColor& colour, const QRect& rect = QRect());

// Pixels near a pure colour: each channel within tolerance of colour's, for
// text whose glyph edges are blended.
int countNear(const QImage& image, const QColor& colour, int tolerance, const QRect& rect = QRect());

}  // namespace paintertest
