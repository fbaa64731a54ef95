#pragma once
// The one rule for the effect of dropping files on a folder, shared by the folder tree and the
// folder view.
#include <QString>
#include <Qt>

// The effect of a drop of files from `sourceFolder` (empty when unknown) into `dropFolder`:
// never onto the source folder, never a link; Shift moves, Ctrl copies, otherwise a move on the
// same device and a copy across devices.
Qt::DropAction ChooseDropAction(const QString &dropFolder, const QString &sourceFolder,
                                Qt::KeyboardModifiers modifiers, Qt::DropActions offered);
