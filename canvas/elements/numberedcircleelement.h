#pragma once

#include "elements/drawingelement.h"
#include "elements/elementtype.h"

#include <QFont>

// A small circle with a number in it, used to mark steps. Its size is its radius; the number
// grows with it.
class NumberedCircleElement : public DrawingElement
{
public:
    NumberedCircleElement(QPoint center, int number, const QColor &color, int penWidth,
                          double opacity, int radius = Radius);

    void draw(QPainter *painter) const override;
    bool hitTest(const QPoint &p, int tolerance) const override;
    QRect boundingRect() const override;
    void moveBy(QPoint offset) override;
    std::shared_ptr<DrawingElement> clone() const override;
    int size() const override { return m_radius; }
    bool sizeIsPenWidth() const override { return false; }
    bool drawsText() const override { return true; }
    // "center", "number", and "radius" when it is not the usual one.
    void write(QJsonObject &object) const override;
    // The square around the circle.
    double ink() const override;

    QPoint center() const { return m_center; }
    int number() const { return m_number; }
    int radius() const { return m_radius; }

    // The radius of a new circle, and the range a restyle keeps to.
    static constexpr int Radius = 12;
    static constexpr int MinRadius = 6;
    static constexpr int MaxRadius = 200;

    // Complete on the press, numbered by the drawing's count.
    static const ElementType Type;

protected:
    void setSize(int size) override;

private:
    QRect computeBounds() const;
    QRect circleRect() const;
    QFont numberFont() const;

    QPoint m_center;
    int m_number;
    int m_radius;
    // Measuring text is not cheap; kept until the radius changes.
    mutable QRect m_bounds;
    mutable bool m_boundsKnown = false;
};
