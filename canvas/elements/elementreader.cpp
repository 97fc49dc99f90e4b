#include "elements/elementreader.h"

#include "elements/elementlimits.h"
#include "elements/freehandelement.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonValue>

#include <cctype>
#include <cmath>

bool ElementReader::wholeNumber(const QJsonValue &v, qint64 min, qint64 max, qint64 *out)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < double(min) || d > double(max))
        return false;
    *out = qint64(d);
    return true;
}

bool ElementReader::integer(const char *key, qint64 min, qint64 max, int *out)
{
    const QJsonValue v = m_object.value(QLatin1String(key));
    qint64 n = 0;
    if (v.isUndefined()) {
        fail(QCoreApplication::translate("DrawingFile", "缺少“%1”").arg(QLatin1String(key)));
        return false;
    }
    if (!wholeNumber(v, min, max, &n)) {
        fail(QCoreApplication::translate("DrawingFile", "“%1”应为 %2 到 %3 之间的整数")
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
        !wholeNumber(a.at(0), -ElementLimits::MaxCoordinate, ElementLimits::MaxCoordinate, &x) ||
        !wholeNumber(a.at(1), -ElementLimits::MaxCoordinate, ElementLimits::MaxCoordinate, &y)) {
        fail(QCoreApplication::translate("DrawingFile", "“%1”应为两个 %2 到 %3 之间的整数坐标")
                 .arg(QLatin1String(key))
                 .arg(-ElementLimits::MaxCoordinate)
                 .arg(ElementLimits::MaxCoordinate));
        return false;
    }
    *out = QPoint(int(x), int(y));
    return true;
}

bool ElementReader::points(QList<QPoint> *out)
{
    const QJsonValue v = m_object.value(QLatin1String("points"));
    if (!v.isArray()) {
        fail(QCoreApplication::translate("DrawingFile", "“points”应为坐标列表"));
        return false;
    }
    const QJsonArray a = v.toArray();
    const qsizetype count = a.size() / 2;
    if (a.isEmpty() || a.size() % 2 != 0) {
        fail(QCoreApplication::translate("DrawingFile", "“points”应为成对的坐标，至少一个点"));
        return false;
    }
    if (count > ElementLimits::MaxPointsPerStroke || count > *m_pointBudget) {
        fail(QCoreApplication::translate("DrawingFile",
                                         "笔画的点过多（最多 %1 个，整幅绘图最多 %2 个）")
                 .arg(ElementLimits::MaxPointsPerStroke)
                 .arg(ElementLimits::MaxPoints));
        return false;
    }
    *m_pointBudget -= count;
    out->reserve(count);
    for (qsizetype i = 0; i < a.size(); i += 2) {
        qint64 x = 0, y = 0;
        if (!wholeNumber(a.at(i), -ElementLimits::MaxCoordinate, ElementLimits::MaxCoordinate,
                         &x) ||
            !wholeNumber(a.at(i + 1), -ElementLimits::MaxCoordinate, ElementLimits::MaxCoordinate,
                         &y)) {
            fail(QCoreApplication::translate("DrawingFile",
                                             "“points”的第 %1 个点应为两个 %2 到 %3 之间的整数坐标")
                     .arg(i / 2 + 1)
                     .arg(-ElementLimits::MaxCoordinate)
                     .arg(ElementLimits::MaxCoordinate));
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
        fail(QCoreApplication::translate("DrawingFile",
                                         "“pressures”应为每个点一个 0 到 %1 之间的整数")
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
        fail(QCoreApplication::translate("DrawingFile",
                                         "“color”应为 #rrggbb 或 #aarrggbb 形式的颜色"));
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
        fail(QCoreApplication::translate("DrawingFile", "“opacity”应为 0 到 1 之间的数"));
        return false;
    }
    *out = d;
    return true;
}

bool ElementReader::text(QString *out)
{
    const QJsonValue v = m_object.value(QLatin1String("text"));
    if (!v.isString() || v.toString().size() > ElementLimits::MaxTextLength) {
        fail(QCoreApplication::translate("DrawingFile", "“text”应为不超过 %1 个字符的文字")
                 .arg(ElementLimits::MaxTextLength));
        return false;
    }
    *out = v.toString();
    return true;
}
