#pragma once

#include "elements/elementkind.h"
#include "elements/elementlimits.h"

#include <QColor>
#include <QList>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QString>

#include <initializer_list>
#include <memory>

class QJsonArray;
class QJsonObject;
class QPainter;

// The pen a new element takes: colour, width in pixels and opacity (0..1).
struct PenStyle
{
    QColor color;
    int width = 0;
    double opacity = 1.0;
};

// The gesture that shapes an element: the press position and every position since, with the
// pen's pressure at each (0 to 100; a mouse presses 100).
struct Stroke
{
    QPoint start;
    QList<QPoint> points;
    QList<quint8> pressures;

    // The bounds of the last count points.
    QRect tailBounds(qsizetype count) const;
};

// What a restyle changes: the colour, and the size as the element's kind means it (see
// DrawingElement::size()).
struct ElementStyle
{
    QColor color;
    int size = 0;
    bool operator==(const ElementStyle &other) const
    {
        return color == other.color && size == other.size;
    }
    bool operator!=(const ElementStyle &other) const { return !(*this == other); }
};

// Base of everything the canvas keeps: identity, kind and the pen it was drawn with.
class DrawingElement
{
public:
    DrawingElement(ElementKind kind, const QColor &color, int penWidth, double opacity);
    virtual ~DrawingElement();
    DrawingElement(const DrawingElement &) = delete;
    DrawingElement &operator=(const DrawingElement &) = delete;

    virtual void draw(QPainter *painter) const = 0;
    virtual bool hitTest(const QPoint &p, int tolerance) const = 0;
    // Every pixel draw() can touch lies inside this rectangle.
    virtual QRect boundingRect() const = 0;
    // Builds what a draw() would have cached and the hit test relies on.
    virtual void prepareHitTest() const {}
    // Whether it draws glyphs, which blend differently over ink than over transparency.
    virtual bool drawsText() const { return false; }
    // Follows the pointer of the gesture that shapes the element to pos; with Shift held
    // some kinds snap. Kinds that are complete when made ignore it.
    virtual void dragTo(const Stroke &stroke, QPoint pos, bool shiftPressed);
    // What a move of the gesture must repaint, given whole: the element's bounds before and
    // after it. tail is how many of the stroke's last points the move changed, earlier the
    // region of points it moved besides. Kinds that change all over keep whole.
    virtual QRect dragRegion(const Stroke &stroke, const QRect &whole, int tail,
                             const QRect &earlier) const;
    // Whether the gesture in progress goes on as a new element of the kind from here: a
    // stroke that long would cost too much to draw as one.
    virtual bool isFull(const Stroke &stroke) const;
    // Shifts the whole element by offset. Callers keep the element within
    // ElementLimits::MaxCoordinate.
    virtual void moveBy(QPoint offset) = 0;
    // A deep copy with an id of its own.
    virtual std::shared_ptr<DrawingElement> clone() const = 0;
    // What the toolbar's size sets: the pen width unless the kind says otherwise (a text's
    // point size, a numbered circle's radius).
    virtual int size() const { return m_penWidth; }
    // Whether size() is a pen width, which the toolbar's thickness means.
    virtual bool sizeIsPenWidth() const { return true; }
    ElementStyle style() const { return {m_color, size()}; }
    // Takes the colour and the size, the size kept to what the kind allows (and a drawing
    // file holds).
    void setStyle(const ElementStyle &style);

    // Writes the fields of its kind into its object in a drawing file; the kind's name, the
    // colour, the width and the opacity are the file's to write.
    virtual void write(QJsonObject &object) const = 0;
    // The lowest drawing file version that holds it.
    virtual int fileVersion() const { return ElementLimits::PlainVersion; }
    // Roughly the pixels its pen covers on any desktop: what drawing it costs.
    virtual double ink() const = 0;
    // How many of a drawing file's points it holds.
    virtual qsizetype filePoints() const { return 0; }
    // What an element read from a file opens as when it would cost too much to draw as one;
    // empty when it opens whole.
    virtual QList<std::shared_ptr<DrawingElement>> openedPieces() const { return {}; }

    const QString &id() const { return m_id; }
    ElementKind kind() const { return m_kind; }
    int type() const { return int(m_kind); }
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
    // Converts to int, clamped to its range (0 for NaN).
    static int clampToInt(double v);
    static QJsonArray pointJson(QPoint p);
    // Length of the part of a-b that lies where any desktop can show it.
    static double desktopLength(QPointF a, QPointF b);
    // The side of the square any desktop lies in.
    static constexpr double DesktopSide = 32768.0;
    // The ink of the pen drawn along length, a pen width beyond each end.
    double penInk(double length) const;
    void touch() { ++m_revision; }
    // Sets the size as size() means it, already kept within what the kind allows.
    virtual void setSize(int size);
    void setPenWidth(int width);

    // Geometry reaching farther than this (plus the pen) beyond what a painter can change is
    // cut before it is drawn: the rasterizer would spend seconds on parts nobody sees.
    static constexpr double FarMargin = 512.0;
    // What the painter can change, in the drawing's coordinates, grown by FarMargin and
    // the pen; invalid when that cannot be told (then nothing is cut).
    QRectF reachableArea(const QPainter *painter) const;
    // Cuts the segment a-b to the part inside rect; false when nothing is inside.
    static bool clipSegment(QPointF *a, QPointF *b, const QRectF &rect);

private:
    const QString m_id;
    const quint64 m_serial;
    const ElementKind m_kind;
    QColor m_color;
    int m_penWidth;
    double m_opacity;
    quint64 m_revision = 0;
};
