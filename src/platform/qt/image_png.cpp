#include "platform/qt/image_png.h"

#include <QIODevice>
#include <QImage>
#include <QImageWriter>

#include "platform/byte_file.h"
#include "platform/file_failure.h"

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

bool writeImagePng(const std::string& path, const QImage& image)
{
    if (image.isNull()) return false;
    OutFile file(path);
    if (!file.isOpen()) return false;
    bool written = false;
    {
        OutFileDevice device(file);
        QImageWriter writer(&device, "png");
        written = writer.write(image);
        if (!written && !file.failed()) noteFileFailure(path, writer.errorString().toStdString());
    }
    return written && file.close();
}

bool writeRowsPng(const std::string& path, const RgbRows& picture)
{
    if (picture.width <= 0 || picture.height <= 0) return false;
    const QImage image(picture.top, picture.width, picture.height, static_cast<qsizetype>(picture.stride),
                       QImage::Format_RGB888);
    return writeImagePng(path, image);
}

}  // namespace sprig
