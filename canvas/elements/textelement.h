#pragma once

#include "elements/drawingelement.h"

#include <QFont>

// A line of text whose baseline starts at its position.
class TextElement : public DrawingElement
{
public:
    TextElement(QPoint position, const QString &text, int fontSize, const QColor &color,
                int penWidth, double opacity);

    void draw(QPainter *painter) const override;
    bool hitTest(const QPoint &p, int tolerance) const override;
    QRect boundingRect() const override;

    QPoint position() const { return m_position; }
    const QString &text() const { return m_text; }
    int fontSize() const { return m_fontSize; }

    QFont font() const;
    // Where the text lies on the canvas, from the font's metrics.
    QRect textRect() const;

private:
    QRect computeBounds() const;

    QPoint m_position;
    QString m_text;
    int m_fontSize;
    // The element never changes, and measuring text is not cheap.
    mutable QRect m_bounds;
    mutable bool m_boundsKnown = false;
};
