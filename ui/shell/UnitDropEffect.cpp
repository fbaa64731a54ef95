#include "UnitDropEffect.h"
#include "UnitStorage.h"

#include <QStorageInfo>

Qt::DropAction ChooseDropAction(const QString &dropFolder, const QString &sourceFolder,
                                Qt::KeyboardModifiers modifiers, Qt::DropActions offered)
{
    if (dropFolder.isEmpty() ||
        (!sourceFolder.isEmpty() && IncludeTrailingSlash(dropFolder) == IncludeTrailingSlash(sourceFolder)))
        return Qt::IgnoreAction;
    const bool ctrl = modifiers & Qt::ControlModifier, shift = modifiers & Qt::ShiftModifier;
    if (ctrl && shift && (offered & Qt::LinkAction))
        return Qt::IgnoreAction; // links are never made
    if (shift && (offered & Qt::MoveAction))
        return Qt::MoveAction;
    if (ctrl && (offered & Qt::CopyAction))
        return Qt::CopyAction;
    if (!sourceFolder.isEmpty() && (offered & Qt::MoveAction) &&
        QStorageInfo(sourceFolder).device() == QStorageInfo(dropFolder).device())
        return Qt::MoveAction;
    if (offered & Qt::CopyAction)
        return Qt::CopyAction;
    if (offered & Qt::MoveAction)
        return Qt::MoveAction;
    return Qt::IgnoreAction; // a link alone is offered: nothing to do
}
