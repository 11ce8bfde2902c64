#include "platform/qt/image_png.h"

#include <QIODevice>
#include <QImage>
#include <QImageWriter>

#include "platform/byte_file.h"

namespace sprig {

namespace {

// A write-only device that hands every byte to an OutFile.
class OutFileDevice final : public QIODevice {
public:
    explicit OutFileDevice(OutFile& file) : file_(file) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        file_.write(std::string_view(data, static_cast<std::size_t>(size)));
        return file_.failed() ? -1 : size;
    }

private:
    OutFile& file_;
};

}  // namespace

Result writeImagePng(const std::string& path, const QImage& image)
{
    if (image.isNull()) return kIoError;
    OutFile file(path);
    if (!file.isOpen()) return {kIoError, file.failure()};
    {
        OutFileDevice device(file);
        QImageWriter writer(&device, "png");
        if (!writer.write(image))
            return {kIoError, file.failure().value_or(FileFailure{path, writer.errorString().toStdString()})};
    }
    return closed(file);
}

Result writeRowsPng(const std::string& path, const RgbRows& picture)
{
    if (picture.width <= 0 || picture.height <= 0) return kIoError;
    const QImage image(picture.top, picture.width, picture.height, static_cast<qsizetype>(picture.stride),
                       QImage::Format_RGB888);
    return writeImagePng(path, image);
}

}  // namespace sprig
