#pragma once
// How the program's lists lay out their columns, and the line an empty list shows on how to
// fill it. Every list uses these, so they all look and behave alike.
#include <QList>
#include <QString>

class QAbstractItemView;
class QLabel;
class QTreeView;
class QTreeWidgetItem;

// Numbers sit right-aligned under right-aligned headings. The last column keeps the width it is
// given instead of stretching to the view's edge, so a number there stays by its heading; the
// space left over stays empty after it. A QTreeWidget's headings are aligned here; a view on its
// own model gives the alignment from the model's header data (see NumberAlignment).
void ArrangeNumberColumns(QTreeView *view, const QList<int> &numberColumns);
// The alignment of a number and of its heading.
int NumberAlignment();
// Aligns the number cells of a QTreeWidget row.
void AlignNumberCells(QTreeWidgetItem *row, const QList<int> &numberColumns);

// Shows `text` in the middle of the view while its model has no rows; an empty text shows
// nothing. Called again, it changes the text. The label is the viewport's child named
// "LabelEmptyHint".
QLabel *SetEmptyListHint(QAbstractItemView *view, const QString &text);
// The hint's label of a view, nullptr when it has none.
QLabel *EmptyListHint(QAbstractItemView *view);
