#include "elementfactory.h"

#include "elements/arrowelement.h"
#include "elements/circleelement.h"
#include "elements/freehandelement.h"
#include "elements/lineelement.h"
#include "elements/rectangleelement.h"

#include <array>

namespace {

using Factory = std::shared_ptr<DrawingElement> (*)(const Stroke &, const PenStyle &);

template <typename Shape>
std::shared_ptr<DrawingElement> twoPoint(const Stroke &s, const PenStyle &p)
{
    return std::make_shared<Shape>(s.start, s.start, p.color, p.width, p.opacity);
}

std::shared_ptr<DrawingElement> freehand(const Stroke &s, const PenStyle &p)
{
    return std::make_shared<FreehandElement>(s.points, p.color, p.width, p.opacity);
}

std::shared_ptr<DrawingElement> circle(const Stroke &s, const PenStyle &p)
{
    return std::make_shared<CircleElement>(s.start, 0, p.color, p.width, p.opacity);
}

// One entry per mode, in the order of ElementKind.
constexpr std::array<Factory, 7> Factories = {freehand,
                                              twoPoint<LineElement>,
                                              circle,
                                              twoPoint<RectangleElement>,
                                              twoPoint<ArrowElement>,
                                              nullptr,
                                              nullptr};

} // namespace

std::shared_ptr<DrawingElement> ElementFactory::create(ElementKind mode, const Stroke &stroke,
                                                       const PenStyle &pen)
{
    const int index = int(mode);
    if (index < 0 || index >= int(Factories.size()) || !Factories.at(index))
        return nullptr;
    return Factories.at(index)(stroke, pen);
}
