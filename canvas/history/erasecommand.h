#pragma once

#include "history/deletecommand.h"

// An element the eraser took away. The eraser group below the erase entries of a stroke
// undoes and redoes them together (see EraserGroupCommand).
class EraseCommand : public DeleteCommand
{
public:
    explicit EraseCommand(const ElementPtr &element) : DeleteCommand({element}) {}

    QString name() const override { return QStringLiteral("erase"); }
};
