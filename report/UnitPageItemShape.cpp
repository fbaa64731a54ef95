#include "UnitPageItemShape.h"

#include "UnitException.h"
#include "UnitUnits.h"

#include <QPainter>

TPageItemShape::TPageItemShape(TPage *page) : TPageItem(page)
{
    Properties.Add(QStringLiteral("LineColor"), pkColour, 0x000000);
    Properties.Add(QStringLiteral("FillColor"), pkColour, 0xFFFFFF);
    Properties.Add(QStringLiteral("LineStyle"), pkPenStyle, 0);
    Properties.Add(QStringLiteral("FillStyle"), pkBrushStyle, 0);
    Properties.Add(QStringLiteral("LineWidth"), pkInteger, 1);
    Properties.Add(QStringLiteral("Shape"), pkChoice, 0,
                   {Tr("Rectangle"), Tr("Horizontal Line"), Tr("Vertical Line")});
    FinishCreate(QStringLiteral("Shape"));
}

void TPageItemShape::Draw()
{
    TPageItem::Draw();
    if (!Page->Canvas)
        return;
    QPainter &c = *Page->Canvas;
    c.save(); // pen and brush come back however drawing ends
    struct TRestore {
        QPainter &C;
        ~TRestore() { C.restore(); }
    } restore{c};
    QPen pen(ColourFromInt(Properties["LineColor"].AsColour()));
    pen.setStyle(ToQtPenStyle(Properties["LineStyle"].AsPenStyle()));
    pen.setWidth(std::max(0, Properties["LineWidth"].AsInteger()));
    pen.setJoinStyle(Qt::MiterJoin);
    c.setPen(pen);
    QBrush brush(ColourFromInt(Properties["FillColor"].AsColour()), ToQtBrushStyle(Properties["FillStyle"].AsBrushStyle()));
    c.setBrush(brush);
    const QRect r = PixelRect();
    switch (Properties["Shape"].AsInteger()) {
    case 1: {
        const int y = Page->ToPixelY(Top() + Height() / 2);
        c.drawLine(r.left(), y, r.left() + r.width(), y);
        break;
    }
    case 2: {
        const int x = Page->ToPixelX(Left() + Width() / 2);
        c.drawLine(x, r.top(), x, r.top() + r.height());
        break;
    }
    default:
        c.drawRect(r.adjusted(0, 0, -1, -1));
        break;
    }
}

TPageItemGraphic::TPageItemGraphic(TPage *page) : TPageItem(page)
{
    Properties.Add(QStringLiteral("Graphic"), pkPicture, QVariant());
    Properties.Add(QStringLiteral("AspectRatio"), pkChoice, 0, {Tr("True"), Tr("False")});
    Properties.Add(QStringLiteral("Alignment"), pkChoice, 0, AlignmentChoices());
    FinishCreate(QStringLiteral("Graphic"));
}

QRect TPageItemGraphic::PictureRect(const QSize &picture) const
{
    const QRect r = PixelRect();
    if (Properties["AspectRatio"].AsInteger() != 0 || picture.width() <= 0 || picture.height() <= 0)
        return r;
    const double pw = picture.width(), ph = picture.height();
    const int rw = r.width(), rh = r.height();
    const int h1 = RoundHalfUp(ph * rw / pw);
    const int w2 = RoundHalfUp(pw * rh / ph);
    const QSize size = h1 < rh ? QSize(rw, h1) : QSize(w2, rh);
    return PlaceRect(r, size.width(), size.height(), Properties["Alignment"].AsInteger());
}

void TPageItemGraphic::Draw()
{
    TPageItem::Draw();
    if (!Page->Canvas)
        return;
    const TVentraxGraphic &g = Properties["Graphic"].GetGraphic();
    if (g.IsEmpty())
        return;
    const QRect target = PictureRect(g.Size());
    QPainter &c = *Page->Canvas;
    c.save();
    c.setRenderHint(QPainter::SmoothPixmapTransform);
    g.Draw(c, QRectF(target));
    c.restore();
}
