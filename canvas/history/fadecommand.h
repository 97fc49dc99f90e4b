#pragma once

#include "history/deletecommand.h"

// The bottom element, taken away when its fade-out ended. Unlike the other changes it keeps
// what there is to redo: the fade runs on its own while the user undoes.
class FadeCommand : public DeleteCommand
{
public:
    explicit FadeCommand(const ElementPtr &element) : DeleteCommand({element}) {}

    QString name() const override { return QStringLiteral("fade"); }
};
