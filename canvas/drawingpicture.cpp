#include "drawingpicture.h"

#include "drawingfile.h"
#include "elements/elementreader.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>
#include <QImageWriter>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>

#include <cmath>

namespace {

// Far enough for the bounds of any element a file holds, pen included.
constexpr qint64 Far = 8LL * ElementLimits::MaxCoordinate;

} // namespace

QByteArray DrawingPicture::digest(const QJsonArray &elements)
{
    // Qt writes a parsed value back the same way every time (keys sorted, numbers in their
    // shortest form), so the digest of a list read back from a file is the one written.
    return QCryptographicHash::hash(QJsonDocument(elements).toJson(QJsonDocument::Compact),
                                    QCryptographicHash::Sha256)
        .toHex();
}

QByteArray DrawingPicture::stamped(const QByteArray &json, qreal ratio,
                                   const std::atomic<bool> *cancel, QString *why)
{
    const auto none = [why](const QString &reason) {
        if (why)
            *why = reason;
        return QByteArray();
    };
    const auto cancelled = [cancel] { return cancel && cancel->load(); };
    QString reason;
    const std::optional<DrawingFile::Loaded> loaded =
        DrawingFile::fromJson(json, &reason, [&cancelled](double) { return !cancelled(); });
    if (!loaded)
        return none(reason);
    if (loaded->elements.size() < MinElements)
        return none(QStringLiteral("fewer than %1 elements").arg(MinElements));

    QRect bounds;
    for (const std::shared_ptr<DrawingElement> &element : loaded->elements)
        bounds |= element->boundingRect();
    if (bounds.isEmpty() || ratio <= 0)
        return none(QStringLiteral("nothing to show"));
    const double scale = std::min(
        double(ratio), std::sqrt(double(MaxPixels) / (double(bounds.width()) * bounds.height())));
    if (scale < ratio / 4)
        return none(QStringLiteral("spread too wide for a sharp picture"));
    QImage image(int(std::ceil(bounds.width() * scale)), int(std::ceil(bounds.height() * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return none(QStringLiteral("no memory for a picture"));
    image.fill(Qt::transparent);
    // Painted as the canvas paints its layers, so that the picture and the layers that take
    // its place hold the same pixels.
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.setTransform(
        QTransform(scale, 0, 0, scale, -bounds.x() * scale, -bounds.y() * scale));
    qsizetype drawn = 0;
    for (const std::shared_ptr<DrawingElement> &element : loaded->elements) {
        if (++drawn % 64 == 0 && cancelled())
            return none(QStringLiteral("cancelled"));
        painter.setBrush(QBrush(Qt::transparent));
        element->draw(&painter);
    }
    painter.end();

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // zlib's fastest level: a drawing is mostly transparent and packs well anyway.
    writer.setQuality(90);
    if (!writer.write(image))
        return none(writer.errorString());

    QJsonObject root = QJsonDocument::fromJson(json).object();
    QJsonObject picture;
    picture.insert(QStringLiteral("png"), QString::fromLatin1(png.toBase64()));
    picture.insert(QStringLiteral("x"), bounds.x());
    picture.insert(QStringLiteral("y"), bounds.y());
    picture.insert(QStringLiteral("width"), bounds.width());
    picture.insert(QStringLiteral("height"), bounds.height());
    picture.insert(QStringLiteral("elements"),
                   QString::fromLatin1(digest(root.value(QLatin1String("elements")).toArray())));
    root.insert(QStringLiteral("picture"), picture);
    const QByteArray out = QJsonDocument(root).toJson(QJsonDocument::Compact);
    if (out.size() > DrawingFile::MaxFileSize)
        return none(QStringLiteral("the file would grow past its size limit"));
    return out;
}

std::optional<DrawingPicture> DrawingPicture::read(const QJsonValue &value,
                                                   const QJsonArray &elements, QString *why)
{
    const auto unusable = [why](const QString &reason) {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (value.isUndefined())
        return std::nullopt;
    const QJsonObject o = value.toObject();
    qint64 x = 0, y = 0, width = 0, height = 0;
    if (!value.isObject() || !ElementReader::wholeNumber(o.value(QLatin1String("x")), -Far, Far, &x) ||
        !ElementReader::wholeNumber(o.value(QLatin1String("y")), -Far, Far, &y) ||
        !ElementReader::wholeNumber(o.value(QLatin1String("width")), 1, Far, &width) ||
        !ElementReader::wholeNumber(o.value(QLatin1String("height")), 1, Far, &height))
        return unusable(QStringLiteral("no valid area"));
    if (o.value(QLatin1String("elements")).toString().toLatin1() != digest(elements))
        return unusable(QStringLiteral("it shows other elements than the file holds"));
    QByteArray::FromBase64Result png =
        QByteArray::fromBase64Encoding(o.value(QLatin1String("png")).toString().toLatin1(),
                                       QByteArray::AbortOnBase64DecodingErrors);
    if (!png)
        return unusable(QStringLiteral("its data is not base64"));
    QBuffer buffer(&*png);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    // In megabytes: what MaxPixels take, and not a byte more for a picture that lies about
    // its size.
    reader.setAllocationLimit(int(MaxPixels * 4 / (1024 * 1024)) + 1);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > MaxPixels)
        return unusable(QStringLiteral("its size is not valid"));
    const double scale = double(size.width()) / double(width);
    if (std::abs(double(size.height()) - double(height) * scale) > 2.0)
        return unusable(QStringLiteral("it does not fit its area"));
    QImage image;
    if (!reader.read(&image) || image.size() != size)
        return unusable(QStringLiteral("it cannot be read: %1").arg(reader.errorString()));
    return DrawingPicture{image.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                          QRect(int(x), int(y), int(width), int(height))};
}
