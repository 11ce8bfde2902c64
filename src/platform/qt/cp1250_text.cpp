#include "platform/qt/cp1250_text.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

namespace sprig {

namespace {

constexpr const char* kCodePage = "windows-1250";

}  // namespace

QString decodeCp1250(std::string_view bytes)
{
    QStringDecoder decoder(kCodePage);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string encodeCp1250(const QString& text)
{
    QStringEncoder encoder(kCodePage);
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace sprig
