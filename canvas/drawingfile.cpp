#include "drawingfile.h"

#include "elements/arrowelement.h"
#include "elements/circleelement.h"
#include "elements/freehandelement.h"
#include "elements/lineelement.h"
#include "elements/numberedcircleelement.h"
#include "elements/rectangleelement.h"
#include "elements/textelement.h"
#include "safefile.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <cctype>
#include <cmath>
#include <limits>
#include <utility>

namespace {

const QString FormatName = QStringLiteral("quillmark-drawing");

QString kindName(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Freehand:
        return QStringLiteral("freehand");
    case ElementKind::Line:
        return QStringLiteral("line");
    case ElementKind::Circle:
        return QStringLiteral("circle");
    case ElementKind::Rectangle:
        return QStringLiteral("rectangle");
    case ElementKind::Arrow:
        return QStringLiteral("arrow");
    case ElementKind::Text:
        return QStringLiteral("text");
    case ElementKind::NumberedCircle:
        return QStringLiteral("numberedCircle");
    }
    return QString();
}

std::optional<ElementKind> kindFromName(const QString &name)
{
    for (int k = int(ElementKind::Freehand); k <= int(ElementKind::NumberedCircle); ++k) {
        if (kindName(ElementKind(k)) == name)
            return ElementKind(k);
    }
    return std::nullopt;
}

QJsonArray pointJson(QPoint p)
{
    return QJsonArray{p.x(), p.y()};
}

// Why a value was refused; empty while everything is fine.
struct Reason
{
    QString text;
    explicit operator bool() const { return !text.isEmpty(); }
};

bool wholeNumber(const QJsonValue &v, qint64 min, qint64 max, qint64 *out)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < double(min) || d > double(max))
        return false;
    *out = qint64(d);
    return true;
}

// Reads and checks the fields of one element. The element is only built once every field
// passed, so nothing half-made escapes.
class ElementReader
{
public:
    // Pressure is read from files of the version that has it; older files may hold the key
    // but never meant it.
    ElementReader(const QJsonObject &object, qint64 *pointBudget, bool withPressure)
        : m_object(object), m_pointBudget(pointBudget), m_withPressure(withPressure)
    {
    }

    std::shared_ptr<DrawingElement> read(QString *reason);

private:
    bool integer(const char *key, qint64 min, qint64 max, int *out);
    bool point(const char *key, QPoint *out);
    bool points(QList<QPoint> *out);
    bool pressures(qsizetype count, QList<quint8> *out);
    bool color(QColor *out);
    bool opacity(double *out);
    bool text(QString *out);
    void fail(const QString &text)
    {
        if (m_reason.isEmpty())
            m_reason = text;
    }

    const QJsonObject &m_object;
    qint64 *m_pointBudget;
    bool m_withPressure;
    QString m_reason;
};

bool ElementReader::integer(const char *key, qint64 min, qint64 max, int *out)
{
    const QJsonValue v = m_object.value(QLatin1String(key));
    qint64 n = 0;
    if (v.isUndefined()) {
        fail(DrawingFile::tr("缺少“%1”").arg(QLatin1String(key)));
        return false;
    }
    if (!wholeNumber(v, min, max, &n)) {
        fail(DrawingFile::tr("“%1”应为 %2 到 %3 之间的整数")
                 .arg(QLatin1String(key))
                 .arg(min)
                 .arg(max));
        return false;
    }
    *out = int(n);
    return true;
}

bool ElementReader::point(const char *key, QPoint *out)
{
    const QJsonValue v = m_object.value(QLatin1String(key));
    const QJsonArray a = v.toArray();
    qint64 x = 0, y = 0;
    if (!v.isArray() || a.size() != 2 ||
        !wholeNumber(a.at(0), -DrawingFile::MaxCoordinate, DrawingFile::MaxCoordinate, &x) ||
        !wholeNumber(a.at(1), -DrawingFile::MaxCoordinate, DrawingFile::MaxCoordinate, &y)) {
        fail(DrawingFile::tr("“%1”应为两个 %2 到 %3 之间的整数坐标")
                 .arg(QLatin1String(key))
                 .arg(-DrawingFile::MaxCoordinate)
                 .arg(DrawingFile::MaxCoordinate));
        return false;
    }
    *out = QPoint(int(x), int(y));
    return true;
}

bool ElementReader::points(QList<QPoint> *out)
{
    const QJsonValue v = m_object.value(QLatin1String("points"));
    if (!v.isArray()) {
        fail(DrawingFile::tr("“points”应为坐标列表"));
        return false;
    }
    const QJsonArray a = v.toArray();
    const qsizetype count = a.size() / 2;
    if (a.isEmpty() || a.size() % 2 != 0) {
        fail(DrawingFile::tr("“points”应为成对的坐标，至少一个点"));
        return false;
    }
    if (count > DrawingFile::MaxPointsPerStroke || count > *m_pointBudget) {
        fail(DrawingFile::tr("笔画的点过多（最多 %1 个，整幅绘图最多 %2 个）")
                 .arg(DrawingFile::MaxPointsPerStroke)
                 .arg(DrawingFile::MaxPoints));
        return false;
    }
    *m_pointBudget -= count;
    out->reserve(count);
    for (qsizetype i = 0; i < a.size(); i += 2) {
        qint64 x = 0, y = 0;
        if (!wholeNumber(a.at(i), -DrawingFile::MaxCoordinate, DrawingFile::MaxCoordinate, &x) ||
            !wholeNumber(a.at(i + 1), -DrawingFile::MaxCoordinate, DrawingFile::MaxCoordinate,
                         &y)) {
            fail(DrawingFile::tr("“points”的第 %1 个点应为两个 %2 到 %3 之间的整数坐标")
                     .arg(i / 2 + 1)
                     .arg(-DrawingFile::MaxCoordinate)
                     .arg(DrawingFile::MaxCoordinate));
            return false;
        }
        out->append(QPoint(int(x), int(y)));
    }
    return true;
}

bool ElementReader::pressures(qsizetype count, QList<quint8> *out)
{
    const QJsonValue v = m_object.value(QLatin1String("pressures"));
    if (!m_withPressure || v.isUndefined())
        return true;
    const QJsonArray a = v.toArray();
    const auto refuse = [this] {
        fail(DrawingFile::tr("“pressures”应为每个点一个 0 到 %1 之间的整数")
                 .arg(FreehandElement::FullPressure));
        return false;
    };
    if (!v.isArray() || a.size() != count)
        return refuse();
    out->reserve(count);
    for (const QJsonValue &level : a) {
        qint64 n = 0;
        if (!wholeNumber(level, 0, FreehandElement::FullPressure, &n))
            return refuse();
        out->append(quint8(n));
    }
    return true;
}

bool ElementReader::color(QColor *out)
{
    const QString name = m_object.value(QLatin1String("color")).toString();
    // Only the two forms a saved drawing uses: #rrggbb and #aarrggbb.
    bool hex = (name.size() == 7 || name.size() == 9) && name.startsWith(QLatin1Char('#'));
    for (qsizetype i = 1; hex && i < name.size(); ++i)
        hex = isxdigit(name.at(i).unicode()) != 0 && name.at(i).unicode() < 128;
    if (!hex) {
        fail(DrawingFile::tr("“color”应为 #rrggbb 或 #aarrggbb 形式的颜色"));
        return false;
    }
    *out = QColor(name);
    return out->isValid();
}

bool ElementReader::opacity(double *out)
{
    const QJsonValue v = m_object.value(QLatin1String("opacity"));
    const double d = v.toDouble(-1.0);
    if (!v.isDouble() || !std::isfinite(d) || d < 0.0 || d > 1.0) {
        fail(DrawingFile::tr("“opacity”应为 0 到 1 之间的数"));
        return false;
    }
    *out = d;
    return true;
}

bool ElementReader::text(QString *out)
{
    const QJsonValue v = m_object.value(QLatin1String("text"));
    if (!v.isString() || v.toString().size() > DrawingFile::MaxTextLength) {
        fail(DrawingFile::tr("“text”应为不超过 %1 个字符的文字").arg(DrawingFile::MaxTextLength));
        return false;
    }
    *out = v.toString();
    return true;
}

std::shared_ptr<DrawingElement> ElementReader::read(QString *reason)
{
    const QJsonValue kindValue = m_object.value(QLatin1String("kind"));
    const std::optional<ElementKind> kind = kindFromName(kindValue.toString());
    if (!kindValue.isString() || !kind) {
        *reason = DrawingFile::tr("未知的元素种类“%1”")
                      .arg(kindValue.isString() ? kindValue.toString().left(40)
                                                : DrawingFile::tr("（无）"));
        return nullptr;
    }

    QColor c;
    int width = 0;
    double alpha = 1.0;
    // Every check runs only while the ones before passed; the first failure is the reason.
    const bool penOk =
        color(&c) && integer("width", 0, DrawingFile::MaxPenWidth, &width) && opacity(&alpha);
    std::shared_ptr<DrawingElement> element;
    if (penOk) {
        QPoint a, b;
        int n = 0;
        QString s;
        switch (*kind) {
        case ElementKind::Freehand: {
            QList<QPoint> stroke;
            QList<quint8> levels;
            if (points(&stroke) && pressures(stroke.size(), &levels))
                element = std::make_shared<FreehandElement>(stroke, c, width, alpha, levels);
            break;
        }
        case ElementKind::Line:
            if (point("start", &a) && point("end", &b))
                element = std::make_shared<LineElement>(a, b, c, width, alpha);
            break;
        case ElementKind::Circle:
            if (point("center", &a) && integer("radius", 0, 2 * DrawingFile::MaxCoordinate, &n))
                element = std::make_shared<CircleElement>(a, n, c, width, alpha);
            break;
        case ElementKind::Rectangle:
            if (point("start", &a) && point("end", &b))
                element = std::make_shared<RectangleElement>(a, b, c, width, alpha);
            break;
        case ElementKind::Arrow:
            if (point("start", &a) && point("end", &b))
                element = std::make_shared<ArrowElement>(a, b, c, width, alpha);
            break;
        case ElementKind::Text:
            if (point("position", &a) && text(&s) &&
                integer("fontSize", 0, DrawingFile::MaxFontSize, &n))
                element = std::make_shared<TextElement>(a, s, n, c, width, alpha);
            break;
        case ElementKind::NumberedCircle: {
            // Only a circle given another size than the usual holds its radius.
            int radius = NumberedCircleElement::Radius;
            if (point("center", &a) && integer("number", 0, DrawingFile::MaxNumber, &n) &&
                (!m_object.contains(QLatin1String("radius")) ||
                 integer("radius", NumberedCircleElement::MinRadius,
                         NumberedCircleElement::MaxRadius, &radius)))
                element = std::make_shared<NumberedCircleElement>(a, n, c, width, alpha, radius);
            break;
        }
        }
    }
    if (!element)
        *reason = m_reason.isEmpty() ? DrawingFile::tr("内容无效") : m_reason;
    return element;
}

// The desktop any drawing can show on lies within this square; ink beyond it never shows.
const QRectF Desktop(-16384, -16384, 32768, 32768);

// Length of the part of a-b that lies on the desktop.
double desktopLength(QPointF a, QPointF b)
{
    const QRectF &r = Desktop;
    // Liang-Barsky, as the elements clip when they draw.
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double from = 0.0, to = 1.0;
    for (const auto &[p, q] :
         {std::pair{-dx, a.x() - r.left()}, std::pair{dx, r.right() - a.x()},
          std::pair{-dy, a.y() - r.top()}, std::pair{dy, r.bottom() - a.y()}}) {
        if (p == 0.0) {
            if (q < 0.0)
                return 0.0;
            continue;
        }
        const double t = q / p;
        if (p < 0.0)
            from = std::max(from, t);
        else
            to = std::min(to, t);
    }
    return from < to ? std::sqrt(dx * dx + dy * dy) * (to - from) : 0.0;
}

} // namespace

double DrawingFile::ink(const DrawingElement &element)
{
    // Roughly the pixels the pen covers, which is what drawing costs: the length of what is
    // drawn on the desktop, plus a pen width at each end, times the pen width.
    const double pen = std::abs(element.penWidth()) + 2.0;
    double length = 0.0;
    switch (element.kind()) {
    case ElementKind::Freehand: {
        const QList<QPoint> &points = static_cast<const FreehandElement &>(element).points();
        for (qsizetype i = 1; i < points.size(); ++i)
            length += desktopLength(points.at(i - 1), points.at(i)) + 1.0;
        break;
    }
    case ElementKind::Line:
    case ElementKind::Arrow: {
        const auto &shape = static_cast<const TwoPointElement &>(element);
        length = desktopLength(shape.start(), shape.end()) + 4.0 * pen;
        break;
    }
    case ElementKind::Rectangle: {
        const auto &shape = static_cast<const TwoPointElement &>(element);
        const QPointF a = shape.start(), b = shape.end();
        const QPointF c(a.x(), b.y()), d(b.x(), a.y());
        length =
            desktopLength(a, c) + desktopLength(c, b) + desktopLength(b, d) + desktopLength(d, a);
        break;
    }
    case ElementKind::Circle:
        length = std::min(2.0 * M_PI * static_cast<const CircleElement &>(element).radius(),
                          4.0 * Desktop.width());
        break;
    case ElementKind::Text: {
        const auto &text = static_cast<const TextElement &>(element);
        // The area of its one line of glyphs on the desktop rather than a pen's.
        const double size = std::max(text.fontSize(), 1);
        return std::min(double(text.text().size()) * size, Desktop.width()) * size;
    }
    case ElementKind::NumberedCircle: {
        const double side = 2.0 * static_cast<const NumberedCircleElement &>(element).radius() + 16;
        return side * side;
    }
    }
    return (length + pen) * pen;
}

QByteArray DrawingFile::toJson(const DrawingDocument &doc)
{
    int version = PlainVersion;
    QJsonArray elements;
    for (const DrawingDocument::ElementPtr &element : doc.elements()) {
        QJsonObject o;
        o.insert(QStringLiteral("kind"), kindName(element->kind()));
        o.insert(QStringLiteral("color"), element->color().name(QColor::HexArgb));
        o.insert(QStringLiteral("width"), element->penWidth());
        // What the element shows when no fade or pulse is at work on it.
        o.insert(QStringLiteral("opacity"), doc.restingOpacity(element));
        switch (element->kind()) {
        case ElementKind::Freehand: {
            const auto &stroke = static_cast<const FreehandElement &>(*element);
            QJsonArray points;
            for (const QPoint &p : stroke.points()) {
                points.append(p.x());
                points.append(p.y());
            }
            o.insert(QStringLiteral("points"), points);
            if (stroke.hasPressure()) {
                QJsonArray levels;
                for (const quint8 level : stroke.pressures())
                    levels.append(int(level));
                o.insert(QStringLiteral("pressures"), levels);
                version = PressureVersion;
            }
            break;
        }
        case ElementKind::Line:
        case ElementKind::Rectangle:
        case ElementKind::Arrow: {
            const auto &shape = static_cast<const TwoPointElement &>(*element);
            o.insert(QStringLiteral("start"), pointJson(shape.start()));
            o.insert(QStringLiteral("end"), pointJson(shape.end()));
            break;
        }
        case ElementKind::Circle: {
            const auto &circle = static_cast<const CircleElement &>(*element);
            o.insert(QStringLiteral("center"), pointJson(circle.center()));
            o.insert(QStringLiteral("radius"), circle.radius());
            break;
        }
        case ElementKind::Text: {
            const auto &text = static_cast<const TextElement &>(*element);
            o.insert(QStringLiteral("position"), pointJson(text.position()));
            o.insert(QStringLiteral("text"), text.text());
            o.insert(QStringLiteral("fontSize"), text.fontSize());
            break;
        }
        case ElementKind::NumberedCircle: {
            const auto &circle = static_cast<const NumberedCircleElement &>(*element);
            o.insert(QStringLiteral("center"), pointJson(circle.center()));
            o.insert(QStringLiteral("number"), circle.number());
            if (circle.radius() != NumberedCircleElement::Radius)
                o.insert(QStringLiteral("radius"), circle.radius());
            break;
        }
        }
        elements.append(o);
    }
    QJsonObject root;
    root.insert(QStringLiteral("format"), FormatName);
    root.insert(QStringLiteral("version"), version);
    root.insert(QStringLiteral("circleCounter"), doc.circleCounter());
    root.insert(QStringLiteral("elements"), elements);
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<DrawingFile::Loaded> DrawingFile::fromJson(const QByteArray &data, QString *error,
                                                         const Progress &progress)
{
    const auto failed = [error](const QString &reason) {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    if (data.trimmed().isEmpty())
        return failed(tr("文件是空的"));
    if (data.size() > MaxFileSize)
        return failed(tr("文件过大（最大 %1 MB）").arg(MaxFileSize / (1024 * 1024)));

    const auto stopped = [&progress](double done) { return progress && !progress(done); };
    // Parsing takes about as long as checking and building the elements afterwards.
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(data, &parseError);
    if (stopped(0.5))
        return failed(tr("已取消"));
    if (parseError.error != QJsonParseError::NoError)
        return failed(tr("文件已损坏或不完整（第 %1 个字节处：%2）")
                          .arg(parseError.offset + 1)
                          .arg(parseError.errorString()));
    const QJsonObject root = json.object();
    if (!json.isObject() || root.value(QLatin1String("format")).toString() != FormatName)
        return failed(tr("这不是 Quillmark 绘图文件"));

    const QJsonValue versionValue = root.value(QLatin1String("version"));
    qint64 version = 0;
    if (!wholeNumber(versionValue, 1, std::numeric_limits<int>::max(), &version))
        return failed(tr("绘图文件的格式版本无效"));
    if (version > Version)
        return failed(tr("这个绘图来自较新的 Quillmark（格式版本 %1），本版本只能打开版本 %2 "
                         "及更早的绘图，请更新 Quillmark")
                          .arg(version)
                          .arg(Version));

    Loaded loaded;
    qint64 counter = 0;
    const QJsonValue counterValue = root.value(QLatin1String("circleCounter"));
    if (!counterValue.isUndefined() && !wholeNumber(counterValue, 0, MaxNumber, &counter))
        return failed(tr("“circleCounter”应为 0 到 %1 之间的整数").arg(MaxNumber));
    loaded.circleCounter = int(counter);

    const QJsonValue elementsValue = root.value(QLatin1String("elements"));
    if (!elementsValue.isArray())
        return failed(tr("绘图文件缺少元素列表"));
    const QJsonArray elements = elementsValue.toArray();
    if (elements.size() > MaxElements)
        return failed(
            tr("绘图的元素过多（%1 个，最多 %2 个）").arg(elements.size()).arg(MaxElements));

    loaded.elements.reserve(elements.size());
    qint64 pointBudget = MaxPoints;
    double inkSoFar = 0.0;
    for (qsizetype i = 0; i < elements.size(); ++i) {
        if (i % 256 == 0 && stopped(0.5 + 0.5 * double(i) / double(elements.size())))
            return failed(tr("已取消"));
        const QJsonValue value = elements.at(i);
        QString reason;
        std::shared_ptr<DrawingElement> element;
        if (value.isObject()) {
            const QJsonObject object = value.toObject();
            element = ElementReader(object, &pointBudget, version >= PressureVersion).read(&reason);
        } else {
            reason = tr("应为一个对象");
        }
        if (!element)
            return failed(tr("第 %1 个元素：%2").arg(i + 1).arg(reason));
        inkSoFar += ink(*element);
        if (inkSoFar > MaxInk)
            return failed(tr("绘图过于复杂，显示它要花太久（墨迹超过 %1 百万像素）")
                              .arg(qint64(MaxInk / 1e6)));
        const auto *stroke = element->kind() == ElementKind::Freehand
                                 ? static_cast<const FreehandElement *>(element.get())
                                 : nullptr;
        if (stroke && stroke->points().size() > FreehandElement::maxPoints(stroke->penWidth())) {
            qsizetype from = 0; // where the piece starts in the stroke, for its pressures
            for (const QList<QPoint> &piece :
                 FreehandElement::pieces(stroke->points(), stroke->penWidth())) {
                loaded.elements.append(std::make_shared<FreehandElement>(
                    piece, stroke->color(), stroke->penWidth(), stroke->opacity(),
                    stroke->pressures().mid(from, piece.size())));
                from += piece.size() - 1;
            }
            continue;
        }
        loaded.elements.append(std::move(element));
    }
    return loaded;
}

bool DrawingFile::save(const DrawingDocument &doc, const QString &path, QString *error)
{
    QString reason;
    if (!SafeFile::write(path, toJson(doc), SafeFile::Mode::Replace, &reason)) {
        qWarning() << "Failed to save drawing" << path << reason;
        if (error)
            *error = tr("无法保存绘图：%1").arg(reason);
        return false;
    }
    qDebug() << "Drawing saved to:" << path << doc.elements().size() << "elements";
    return true;
}

std::optional<DrawingFile::Loaded> DrawingFile::load(const QString &path, QString *error,
                                                     const Progress &progress)
{
    const auto failed = [&](const QString &reason) {
        qWarning() << "Failed to open drawing" << path << reason;
        if (error)
            *error = reason;
        return std::nullopt;
    };
    // Reading is the first tenth of the work; the size limit holds while reading too.
    const SafeFile::ReadResult read =
        SafeFile::read(path, MaxFileSize, [&progress](qint64 done, qint64 total) {
            return !progress || progress(total > 0 ? 0.1 * double(done) / double(total) : 0.0);
        });
    if (!read.ok()) {
        if (read.status == SafeFile::ReadStatus::Missing ||
            read.status == SafeFile::ReadStatus::Failed)
            return failed(tr("无法打开文件：%1").arg(read.error));
        return failed(read.error);
    }
    QString reason;
    std::optional<Loaded> loaded = fromJson(read.data, &reason, [&progress](double done) {
        return !progress || progress(0.1 + 0.9 * done);
    });
    if (!loaded)
        return failed(reason);
    qDebug() << "Drawing opened from:" << path << loaded->elements.size() << "elements";
    return loaded;
}
