#pragma once
// What a screen reader learns of a drawn report page: the page editor lists its items as children,
// each named by its item name and described by its kind, its place on the page and, for a chart,
// a summary of the batch it shows.
#include <QString>

class TPageItem;

// "Memo", "Run", "Histogram" ...: the kind of item as the design window's tool box names it.
QString PageItemKind(const TPageItem &item);
// "Run at 10 mm, 20 mm, 80 mm wide, 50 mm high. Batch D1 (Cover): 12 readings, ..."
QString PageItemDescription(const TPageItem &item);
// Registers the interfaces of the drawn views with Qt's accessibility (once).
void InstallPageAccessibility();
