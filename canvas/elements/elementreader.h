#pragma once

#include <QColor>
#include <QJsonObject>
#include <QList>
#include <QPoint>
#include <QString>

class QJsonValue;

// Reads and checks the fields of one element of a drawing file. Each check that fails keeps
// the first reason; the kinds build their element only once every field passed, so nothing
// half-made escapes.
class ElementReader
{
public:
    // Pressure is read from files of the version that has it; older files may hold the key
    // but never meant it. pointBudget is what the rest of the file may still hold.
    ElementReader(const QJsonObject &object, qint64 *pointBudget, bool withPressure)
        : m_object(object), m_pointBudget(pointBudget), m_withPressure(withPressure)
    {
    }

    bool has(const char *key) const { return m_object.contains(QLatin1String(key)); }
    bool integer(const char *key, qint64 min, qint64 max, int *out);
    bool point(const char *key, QPoint *out);
    // The "points" of a stroke, within the file's budget.
    bool points(QList<QPoint> *out);
    // The "pressures" of a stroke of count points; none is fine.
    bool pressures(qsizetype count, QList<quint8> *out);
    bool color(QColor *out);
    bool opacity(double *out);
    bool text(QString *out);
    // Why the element was refused; empty while all is fine.
    const QString &reason() const { return m_reason; }

    // Whether v is a whole number within min..max (then in *out).
    static bool wholeNumber(const QJsonValue &v, qint64 min, qint64 max, qint64 *out);

private:
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
