#pragma once
// The two plain page items: a rectangle or line, and a picture.
#include "UnitPage.h"

class TPageItemShape : public TPageItem {
public:
    explicit TPageItemShape(TPage *page);
    QString ClassName() const override { return QStringLiteral("TPageItemShape"); }
    void Draw() override;
};

class TPageItemGraphic : public TPageItem {
public:
    explicit TPageItemGraphic(TPage *page);
    QString ClassName() const override { return QStringLiteral("TPageItemGraphic"); }
    void Draw() override;
    // Where the picture goes in the item rectangle by "AspectRatio" and "Alignment".
    QRect PictureRect(const QSize &picture) const;
};
