#pragma once

#include "elements/drawingelement.h"

#include <QFont>

// A small circle with a number in it, used to mark steps.
class NumberedCircleElement : public DrawingElement
{
public:
    NumberedCircleElement(QPoint center, int number, const QColor &color, int penWidth,
                          double opacity);

    void draw(QPainter *painter) const override;
    bool hitTest(const QPoint &p, int tolerance) const override;
    QRect boundingRect() const override;

    QPoint center() const { return m_center; }
    int number() const { return m_number; }

    static constexpr int Radius = 12;

private:
    QRect computeBounds() const;
    QRect circleRect() const;
    static QFont numberFont();

    QPoint m_center;
    int m_number;
    // The element never changes, and measuring text is not cheap.
    mutable QRect m_bounds;
    mutable bool m_boundsKnown = false;
};
