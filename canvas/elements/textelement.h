#pragma once

#include "elements/drawingelement.h"
#include "elements/elementtype.h"

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
    void moveBy(QPoint offset) override;
    std::shared_ptr<DrawingElement> clone() const override;
    bool drawsText() const override { return true; }
    // "position", "text" and "fontSize".
    void write(QJsonObject &object) const override;
    // The area of its one line of glyphs on the desktop rather than a pen's.
    double ink() const override;

    // Placed with its text, not dragged.
    static const ElementType Type;
    // The point size.
    int size() const override { return m_fontSize; }
    bool sizeIsPenWidth() const override { return false; }

    QPoint position() const { return m_position; }
    const QString &text() const { return m_text; }
    int fontSize() const { return m_fontSize; }

    QFont font() const;
    // Where the text lies on the canvas, from the font's metrics.
    QRect textRect() const;

protected:
    void setSize(int size) override;

private:
    QRect computeBounds() const;

    QPoint m_position;
    QString m_text;
    int m_fontSize;
    // Measuring text is not cheap; kept until the font size changes.
    mutable QRect m_bounds;
    mutable bool m_boundsKnown = false;
};
