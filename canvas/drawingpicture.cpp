#include "drawingpicture.h"

#include "drawingfile.h"
#include "elements/elementreader.h"

#include <QCryptographicHash>
#include <QPainter>
#include <QtEndian>

#include <array>
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

// Standard base64 with its padding and nothing else, or none. Qt's decoder takes every
// variant, a character at a time; a picture of megabytes needs only this one, four at a time.
std::optional<QByteArray> fromBase64(QByteArrayView text)
{
    static const auto values = [] {
        std::array<qint8, 256> table;
        table.fill(-1);
        const char *alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        for (int i = 0; i < 64; ++i)
            table[static_cast<unsigned char>(alphabet[i])] = qint8(i);
        return table;
    }();
    if (text.size() % 4 != 0)
        return std::nullopt;
    const qsizetype padding = text.endsWith("==") ? 2 : text.endsWith('=') ? 1 : 0;
    QByteArray out(text.size() / 4 * 3 - padding, Qt::Uninitialized);
    const auto *in = reinterpret_cast<const unsigned char *>(text.data());
    char *to = out.data();
    const qsizetype whole = (text.size() - (padding ? 4 : 0)) / 4;
    for (qsizetype i = 0; i < whole; ++i, in += 4) {
        const int a = values[in[0]], b = values[in[1]], c = values[in[2]], d = values[in[3]];
        if ((a | b | c | d) < 0)
            return std::nullopt;
        const quint32 bits = quint32(a) << 18 | quint32(b) << 12 | quint32(c) << 6 | quint32(d);
        *to++ = char(bits >> 16);
        *to++ = char(bits >> 8);
        *to++ = char(bits);
    }
    if (padding) {
        const int a = values[in[0]], b = values[in[1]];
        const int c = padding == 1 ? values[in[2]] : 0;
        if ((a | b | c) < 0)
            return std::nullopt;
        const quint32 bits = quint32(a) << 18 | quint32(b) << 12 | quint32(c) << 6;
        *to++ = char(bits >> 16);
        if (padding == 1)
            *to++ = char(bits >> 8);
    }
    return out;
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
    double scale = std::min(
        double(ratio), std::sqrt(double(MaxPixels) / (double(bounds.width()) * bounds.height())));
    const auto sizeAt = [&bounds](double scale) {
        return QSize(int(std::ceil(bounds.width() * scale)),
                     int(std::ceil(bounds.height() * scale)));
    };
    // Rounded up, the pixels may come out a row or a column past the limit.
    while (qint64(sizeAt(scale).width()) * sizeAt(scale).height() > MaxPixels)
        scale *= 0.999;
    if (scale < ratio / 4)
        return none(QStringLiteral("spread too wide for a sharp picture"));
    QImage image(sizeAt(scale), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return none(QStringLiteral("no memory for a picture"));
    image.fill(Qt::transparent);
    // Painted as the canvas paints its layers, so that the picture and the layers that take
    // its place hold the same pixels.
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.setTransform(QTransform(scale, 0, 0, scale, -bounds.x() * scale, -bounds.y() * scale));
    qsizetype drawn = 0;
    for (const std::shared_ptr<DrawingElement> &element : loaded->elements) {
        if (++drawn % 64 == 0 && cancelled())
            return none(QStringLiteral("cancelled"));
        painter.setBrush(QBrush(Qt::transparent));
        element->draw(&painter);
    }
    painter.end();

    // The premultiplied pixels themselves, little-endian, packed by zlib: they unpack in a
    // third of the time a PNG takes to read, and pack smaller.
    QByteArray raw(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    if constexpr (Q_BYTE_ORDER == Q_BIG_ENDIAN)
        qToLittleEndian<quint32>(raw.constData(), raw.size() / 4, raw.data());
    const QByteArray pixels = qCompress(raw, 3);

    const QByteArray head = json.chopped(1);
    const QByteArray out = head + PictureStart + "{\"digest\":\"" + digest(head, bounds) +
                           "\",\"x\":" + QByteArray::number(bounds.x()) +
                           ",\"y\":" + QByteArray::number(bounds.y()) +
                           ",\"width\":" + QByteArray::number(bounds.width()) +
                           ",\"height\":" + QByteArray::number(bounds.height()) +
                           ",\"columns\":" + QByteArray::number(image.width()) +
                           ",\"rows\":" + QByteArray::number(image.height()) + ",\"pixels\":\"" +
                           pixels.toBase64() + "\"}}";
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
    qint64 x = 0, y = 0, width = 0, height = 0, columns = 0, rows = 0;
    QByteArrayView digestText;
    if (!take("{\"digest\":\"") || !quoted(&digestText) || digestText.size() != 64 ||
        !take(",\"x\":") || !number(-Far, Far, &x) || !take(",\"y\":") || !number(-Far, Far, &y) ||
        !take(",\"width\":") || !number(1, Far, &width) || !take(",\"height\":") ||
        !number(1, Far, &height) || !take(",\"columns\":") || !number(1, MaxPixels, &columns) ||
        !take(",\"rows\":") || !number(1, MaxPixels, &rows) || !take(",\"pixels\":\"") ||
        !quoted(&found.pixels) || !take("}}") || !rest.trimmed().isEmpty())
        return unusable();
    found.digest = digestText.toByteArray();
    found.area = QRect(int(x), int(y), int(width), int(height));
    found.size = QSize(int(columns), int(rows));
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
    const QSize size = found.size;
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    if (bytes > MaxPixels * 4)
        return unusable(QStringLiteral("its size is not valid"));
    const double scale = double(size.width()) / double(found.area.width());
    if (std::abs(double(size.height()) - double(found.area.height()) * scale) > 2.0)
        return unusable(QStringLiteral("it does not fit its area"));
    const std::optional<QByteArray> packed = fromBase64(found.pixels);
    if (!packed)
        return unusable(QStringLiteral("its data is not base64"));
    // zlib's stream starts with the size it unpacks to: checked before anything is unpacked.
    if (packed->size() < 4 || qFromBigEndian<quint32>(packed->constData()) != quint64(bytes))
        return unusable(QStringLiteral("its pixels do not fit its size"));
    const QByteArray raw = qUncompress(*packed);
    if (raw.size() != bytes)
        return unusable(QStringLiteral("its pixels cannot be unpacked"));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return unusable(QStringLiteral("no memory for it"));
    if constexpr (Q_BYTE_ORDER == Q_BIG_ENDIAN)
        qFromLittleEndian<quint32>(raw.constData(), raw.size() / 4, image.bits());
    else
        std::memcpy(image.bits(), raw.constData(), size_t(bytes));
    return DrawingPicture{image, found.area};
}
