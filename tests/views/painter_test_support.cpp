#include "painter_test_support.h"

#include <QDir>
#include <QPainter>
#include <cstdlib>

namespace paintertest {

QImage renderArea(const QString& name, QSize areaSize, int dpi, int margin,
                  const std::function<void(QPainter&, const QRect&)>& draw, QRect* area)
{
    QImage image(areaSize + QSize(2 * margin, 2 * margin), QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(kUntouched);
    const QRect drawn(QPoint(margin, margin), areaSize);
    {
        QPainter painter(&image);
        draw(painter, drawn);
    }
    if (area)
        *area = drawn;
    QDir().mkpath(QStringLiteral(ORV_RENDER_DIR));
    image.save(QStringLiteral(ORV_RENDER_DIR "/") + name + QStringLiteral(".png"));
    return image;
}

int touchedOutside(const QImage& image, const QRect& area)
{
    const QRgb untouched = kUntouched.rgb();
    int touched = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (!area.contains(x, y) && line[x] != untouched)
                ++touched;
    }
    return touched;
}

int countNear(const QImage& image, const QColor& colour, int tolerance, const QRect& rect)
{
    const QRect r = rect.isNull() ? image.rect() : rect.intersected(image.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = line[x];
            if (std::abs(qRed(p) - colour.red()) <= tolerance && std::abs(qGreen(p) - colour.green()) <= tolerance &&
                std::abs(qBlue(p) - colour.blue()) <= tolerance)
                ++n;
        }
    }
    return n;
}

int countColour(const QImage& image, const QColor& colour, const QRect& rect)
{
    return countNear(image, colour, 0, rect);
}

}  // namespace paintertest
