#include "shell/png_icon.h"

#include <QImage>
#include <QImageReader>
#include <QPixmap>

QIcon pngIcon(const QString& path)
{
    QImageReader reader(path, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}
