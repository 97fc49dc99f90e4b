#include "elementfactory.h"

#include "elements/arrowelement.h"
#include "elements/circleelement.h"
#include "elements/freehandelement.h"
#include "elements/lineelement.h"
#include "elements/numberedcircleelement.h"
#include "elements/rectangleelement.h"
#include "elements/textelement.h"

#include <QString>

const QList<const ElementType *> &ElementFactory::types()
{
    // A new kind adds its class here, at the index of its ElementKind.
    static const QList<const ElementType *> all{
        &FreehandElement::Type,       &LineElement::Type,  &CircleElement::Type,
        &RectangleElement::Type,      &ArrowElement::Type, &TextElement::Type,
        &NumberedCircleElement::Type,
    };
    return all;
}

const ElementType *ElementFactory::type(ElementKind mode)
{
    const int index = int(mode);
    if (index < 0 || index >= types().size())
        return nullptr;
    return types().at(index);
}

const ElementType *ElementFactory::typeNamed(const QString &fileName)
{
    for (const ElementType *type : types()) {
        if (fileName == QLatin1String(type->fileName))
            return type;
    }
    return nullptr;
}

ElementKind ElementFactory::penMode()
{
    for (const ElementType *type : types()) {
        if (type->penMode)
            return type->kind;
    }
    return types().constFirst()->kind;
}

std::shared_ptr<DrawingElement> ElementFactory::create(ElementKind mode, const Stroke &stroke,
                                                       const PenStyle &pen)
{
    const ElementType *kind = type(mode);
    if (!kind || !kind->startDrag)
        return nullptr;
    return kind->startDrag(stroke, pen);
}
