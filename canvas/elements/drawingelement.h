#pragma once

#include <QColor>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QString>

#include <initializer_list>

class QPainter;

// Base of everything the canvas keeps: identity, kind and the pen it was drawn with.
class DrawingElement
{
public:
    DrawingElement(int type, const QColor &color, int penWidth, double opacity);
    virtual ~DrawingElement();
    DrawingElement(const DrawingElement &) = delete;
    DrawingElement &operator=(const DrawingElement &) = delete;

    virtual void draw(QPainter *painter) const = 0;
    virtual bool hitTest(const QPoint &p, int tolerance) const = 0;
    // Every pixel draw() can touch lies inside this rectangle.
    virtual QRect boundingRect() const = 0;
    // Builds what a draw() would have cached and the hit test relies on.
    virtual void prepareHitTest() const {}

    const QString &id() const { return m_id; }
    int type() const { return m_type; }
    QColor color() const { return m_color; }
    int penWidth() const { return m_penWidth; }
    double opacity() const { return m_opacity; }
    void setOpacity(double opacity);

    // Bumped on every change that alters the drawing, so cached renderings can tell
    // whether they are still current.
    quint64 revision() const { return m_revision; }
    // Unique among all elements ever made in this process (an id without string compares).
    quint64 serial() const { return m_serial; }

protected:
    // The round pen of every kind but text; the opacity replaces the colour's alpha
    // unless it is practically 1.
    QPen elementPen() const;
    QColor penColor() const;
    // Grows a geometric rectangle by the pen and the antialiasing fringe.
    QRect grownByPen(const QRect &rect) const;
    // The smallest rectangle holding all the points.
    static QRect spanning(std::initializer_list<QPoint> points);
    void touch() { ++m_revision; }

private:
    const QString m_id;
    const quint64 m_serial;
    const int m_type;
    const QColor m_color;
    const int m_penWidth;
    double m_opacity;
    quint64 m_revision = 0;
};
