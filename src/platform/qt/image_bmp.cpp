#include "platform/qt/image_bmp.h"

#include <QImage>

#include "platform/bmp_writer.h"

namespace sprig {

Result writeImageBmp(const std::string& path, const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    return writeBmp(path, RgbRows{rgb.constBits(), rgb.width(), rgb.height(), rgb.bytesPerLine()});
}

}  // namespace sprig
