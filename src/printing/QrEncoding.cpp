#include "QrEncoding.h"

#include <qrencode.h>

#include <memory>

namespace arc::QrEncoding {

std::optional<QrMatrix> of(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    if (bytes.isEmpty())
        return std::nullopt;
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(int(bytes.size()), reinterpret_cast<const unsigned char *>(bytes.constData()), 0, QR_ECLEVEL_M),
        &QRcode_free);
    if (!code || code->width <= 0)
        return std::nullopt;
    QList<bool> modules;
    modules.reserve(qsizetype(code->width) * code->width);
    for (qsizetype i = 0; i < qsizetype(code->width) * code->width; ++i)
        modules << ((code->data[i] & 1) != 0);
    return QrMatrix(code->width, std::move(modules));
}

} // namespace arc::QrEncoding
