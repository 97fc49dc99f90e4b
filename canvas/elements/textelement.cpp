#include "elements/textelement.h"

#include "elements/elementlimits.h"
#include "elements/elementreader.h"

#include <QJsonArray>
#include <QJsonObject>

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

TextElement::TextElement(QPoint position, const QString &text, int fontSize, const QColor &color,
                         int penWidth, double opacity)
    : DrawingElement(ElementKind::Text, color, penWidth, opacity), m_position(position),
      m_text(text), m_fontSize(fontSize)
{
}

namespace {

std::shared_ptr<DrawingElement> read(ElementReader &reader, const PenStyle &pen)
{
    QPoint position;
    QString text;
    int fontSize = 0;
    if (!reader.point("position", &position) || !reader.text(&text) ||
        !reader.integer("fontSize", 0, ElementLimits::MaxFontSize, &fontSize))
        return nullptr;
    return std::make_shared<TextElement>(position, text, fontSize, pen.color, pen.width,
                                         pen.opacity);
}

} // namespace

const ElementType TextElement::Type{ElementKind::Text, "text", nullptr, nullptr, &read};

void TextElement::write(QJsonObject &object) const
{
    object.insert(QStringLiteral("position"), pointJson(m_position));
    object.insert(QStringLiteral("text"), m_text);
    object.insert(QStringLiteral("fontSize"), m_fontSize);
}

double TextElement::ink() const
{
    const double size = std::max(m_fontSize, 1);
    return std::min(double(m_text.size()) * size, DesktopSide) * size;
}

void TextElement::moveBy(QPoint offset)
{
    if (offset.isNull())
        return;
    m_position += offset;
    m_bounds.translate(offset);
    touch();
}

std::shared_ptr<DrawingElement> TextElement::clone() const
{
    return std::make_shared<TextElement>(m_position, m_text, m_fontSize, color(), penWidth(),
                                         opacity());
}

void TextElement::setSize(int size)
{
    const int points = std::clamp(size, 1, ElementLimits::MaxFontSize);
    if (points == m_fontSize)
        return;
    m_fontSize = points;
    m_boundsKnown = false;
    touch();
}

QFont TextElement::font() const
{
    QFont f(QStringLiteral("Arial"));
    if (m_fontSize > 0)
        f.setPointSize(m_fontSize);
    return f;
}

void TextElement::draw(QPainter *painter) const
{
    if (m_text.isEmpty())
        return;
    // Text keeps its colour as chosen: the element's opacity is not applied.
    QPen pen;
    pen.setColor(color());
    painter->setPen(pen);
    painter->setFont(font());
    painter->drawText(m_position, m_text);
}

QRect TextElement::textRect() const
{
    // The metrics' rectangle is relative to the baseline origin, so it is shifted, not
    // moved, to the position: the text lies above its baseline.
    return QFontMetrics(font()).boundingRect(m_text).translated(m_position);
}

bool TextElement::hitTest(const QPoint &p, int tolerance) const
{
    if (m_text.isEmpty())
        return false;
    const QRect area = textRect().adjusted(-tolerance, -tolerance, tolerance, tolerance);
    return area.contains(p);
}

QRect TextElement::boundingRect() const
{
    if (!m_boundsKnown) {
        m_bounds = computeBounds();
        m_boundsKnown = true;
    }
    return m_bounds;
}

QRect TextElement::computeBounds() const
{
    if (m_text.isEmpty())
        return QRect();
    // Room for glyphs that overhang their advance and for antialiasing.
    const int m = std::max(font().pointSize(), 0) / 4 + 4;
    return textRect().adjusted(-m, -m, m, m);
}
