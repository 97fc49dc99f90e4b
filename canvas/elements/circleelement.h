#pragma once

#include "elements/drawingelement.h"
#include "elements/elementtype.h"

// An unfilled circle.
class CircleElement : public DrawingElement
{
public:
    CircleElement(QPoint center, int radius, const QColor &color, int penWidth, double opacity);

    void draw(QPainter *painter) const override;
    bool hitTest(const QPoint &p, int tolerance) const override;
    QRect boundingRect() const override;
    // The radius reaches from the press to pos (truncated); Shift changes nothing.
    void dragTo(const Stroke &stroke, QPoint pos, bool shiftPressed) override;
    void moveBy(QPoint offset) override;
    std::shared_ptr<DrawingElement> clone() const override;
    // "center" and "radius".
    void write(QJsonObject &object) const override;
    double ink() const override;

    static const ElementType Type;

    QPoint center() const { return m_center; }
    int radius() const { return m_radius; }
    void setRadius(int radius);

private:
    QPoint m_center;
    int m_radius;
};
