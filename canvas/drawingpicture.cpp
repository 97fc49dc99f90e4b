#include "drawingpicture.h"

#include "drawingfile.h"
#include "elements/elementreader.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <cctype>
#include <cmath>
#include <cstring>

namespace {

// Far enough for the bounds of any element a file holds, pen included.
constexpr qint64 Far = 8LL * ElementLimits::MaxCoordinate;

// The picture goes last into the file's object, after this text; what comes before it and
// the closing brace are the file it was painted from. Outside strings a quote is never
// escaped, so the last such text in a file is the picture's own.
const QByteArray PictureStart = QByteArrayLiteral(",\"picture\":");

// Names the file before the picture and where the picture lies.
QByteArray digest(QByteArrayView head, const QRect &area)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(head);
    hash.addData(QByteArray::number(area.x()) + ',' + QByteArray::number(area.y()) + ',' +
                 QByteArray::number(area.width()) + ',' + QByteArray::number(area.height()));
    return hash.result().toHex();
}

} // namespace

QByteArray DrawingPicture::stamped(const QByteArray &json, const QRect &desktop, qreal ratio,
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
    if (desktop.isValid())
        bounds &= desktop;
    if (!json.endsWith('}'))
        return none(QStringLiteral("not a file as written"));
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
    // A middle zlib level: a dense drawing's picture packs to about 5 MB at 1080p, and it
    // unpacks beside the elements while they are read.
    writer.setQuality(50);
    if (!writer.write(image))
        return none(writer.errorString());

    const QByteArray head = json.chopped(1);
    const QByteArray out = head + PictureStart + "{\"digest\":\"" + digest(head, bounds) +
                           "\",\"x\":" + QByteArray::number(bounds.x()) +
                           ",\"y\":" + QByteArray::number(bounds.y()) +
                           ",\"width\":" + QByteArray::number(bounds.width()) +
                           ",\"height\":" + QByteArray::number(bounds.height()) +
                           ",\"png\":\"" + png.toBase64() + "\"}}";
    if (out.size() > DrawingFile::MaxFileSize)
        return none(QStringLiteral("the file would grow past its size limit"));
    return out;
}

std::optional<DrawingPicture::Found> DrawingPicture::find(const QByteArray &file, QString *why)
{
    const qsizetype start = file.lastIndexOf(PictureStart);
    if (start < 0)
        return std::nullopt;
    const auto unusable = [why] {
        if (why)
            *why = QStringLiteral("it is not in the form this version writes");
        return std::nullopt;
    };
    // The form stamped() writes, exactly: a file written otherwise is read without it.
    QByteArrayView rest = QByteArrayView(file).sliced(start + PictureStart.size());
    const auto take = [&rest](QByteArrayView text) {
        if (!rest.startsWith(text))
            return false;
        rest = rest.sliced(text.size());
        return true;
    };
    const auto number = [&rest](qint64 low, qint64 high, qint64 *out) {
        qsizetype n = rest.startsWith('-') ? 1 : 0;
        while (n < rest.size() && n < 12 && std::isdigit(static_cast<unsigned char>(rest[n])))
            ++n;
        bool ok = false;
        *out = rest.first(n).toByteArray().toLongLong(&ok);
        rest = rest.sliced(n);
        return ok && *out >= low && *out <= high;
    };
    // Up to the next quote, which base64 and hex never hold.
    const auto quoted = [&rest](QByteArrayView *out) {
        const auto *end = static_cast<const char *>(std::memchr(rest.data(), '"', rest.size()));
        if (!end)
            return false;
        *out = rest.first(end - rest.data());
        rest = rest.sliced(out->size() + 1);
        return true;
    };
    Found found;
    found.start = start;
    qint64 x = 0, y = 0, width = 0, height = 0;
    QByteArrayView digestText;
    if (!take("{\"digest\":\"") || !quoted(&digestText) || digestText.size() != 64 ||
        !take(",\"x\":") || !number(-Far, Far, &x) || !take(",\"y\":") ||
        !number(-Far, Far, &y) || !take(",\"width\":") || !number(1, Far, &width) ||
        !take(",\"height\":") || !number(1, Far, &height) || !take(",\"png\":\"") ||
        !quoted(&found.png) || !take("}}") || !rest.trimmed().isEmpty())
        return unusable();
    found.digest = digestText.toByteArray();
    found.area = QRect(int(x), int(y), int(width), int(height));
    return found;
}

std::optional<DrawingPicture> DrawingPicture::decode(const QByteArray &file, const Found &found,
                                                     QString *why)
{
    const auto unusable = [why](const QString &reason) {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (found.digest != digest(QByteArrayView(file).first(found.start), found.area))
        return unusable(QStringLiteral("it was painted from another file"));
    QByteArray::FromBase64Result png = QByteArray::fromBase64Encoding(
        QByteArray::fromRawData(found.png.data(), found.png.size()),
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
    const double scale = double(size.width()) / double(found.area.width());
    if (std::abs(double(size.height()) - double(found.area.height()) * scale) > 2.0)
        return unusable(QStringLiteral("it does not fit its area"));
    QImage image;
    if (!reader.read(&image) || image.size() != size)
        return unusable(QStringLiteral("it cannot be read: %1").arg(reader.errorString()));
    return DrawingPicture{image.convertToFormat(QImage::Format_ARGB32_Premultiplied), found.area};
}
