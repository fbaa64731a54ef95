#include "UnitAccessiblePage.h"

#include "UnitChartSummary.h"
#include "UnitException.h"
#include "UnitPage.h"
#include "UnitPageDesigner.h"
#include "UnitUnits.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <vector>

namespace {
bool IsChart(const TPageItem &item) { return item.ClassName().startsWith(QLatin1String("TPageItemChart")); }
} // namespace

QString PageItemKind(const TPageItem &item)
{
    struct TKind {
        const char *ClassName;
        const char *Caption;
    };
    static const TKind kinds[] = {
        {"TPageItemShape", QT_TRID_NOOP("Shape")},
        {"TPageItemMemo", QT_TRID_NOOP("Memo")},
        {"TPageItemGraphic", QT_TRID_NOOP("Graphic")},
        {"TPageItemChartOverview", QT_TRID_NOOP("Overview")},
        {"TPageItemChartHistogram", QT_TRID_NOOP("Histogram")},
        {"TPageItemChartRun", QT_TRID_NOOP("Run")},
        {"TPageItemChartCombinedOverview", QT_TRID_NOOP("Combined Overview")},
        {"TPageItemChartCumulative", QT_TRID_NOOP("Cumulative Distribution")},
        {"TPageItemChartDifference", QT_TRID_NOOP("Difference Map")},
    };
    const QString name = item.ClassName();
    for (const TKind &k : kinds)
        if (name == QLatin1String(k.ClassName))
            return Tr(k.Caption);
    return name;
}

QString PageItemDescription(const TPageItem &item)
{
    const auto mm = [](double value) { return FormatDisplay("%.1f", value); };
    QString text = Tr("%1 at %2 mm, %3 mm, %4 mm wide, %5 mm high")
                       .arg(PageItemKind(item), mm(item.Left()), mm(item.Top()), mm(item.Width()), mm(item.Height()));
    // A chart says what it shows of each batch it draws.
    if (const auto *data = dynamic_cast<const TPageItemData *>(&item); data && item.Page && IsChart(item))
        for (int type = 0; type < 2; ++type)
            if (data->BatchTypes() & (1 << type))
                text += QStringLiteral(". ") + ChartSummary(item.Page->Batches[type]);
    return text;
}

namespace {

// One item of the page; found by its place in the page's list, so that it never points at an
// item the page has freed.
class TAccessiblePageItem : public QAccessibleInterface {
public:
    TAccessiblePageItem(TPageEditor *editor, int index) : FEditor(editor), FIndex(index) {}

    const TPageItem *Item() const
    {
        return FEditor && FIndex < FEditor->Page().Count() ? FEditor->Page().Item(FIndex) : nullptr;
    }
    bool isValid() const override { return Item() != nullptr; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return FEditor ? FEditor->window()->windowHandle() : nullptr; }
    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation = QAccessible::AllRelations) const override
    {
        return {};
    }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(FEditor.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        const TPageItem *item = Item();
        if (!item)
            return {};
        if (t == QAccessible::Name)
            return item->Name().isEmpty() ? PageItemKind(*item) : item->Name();
        if (t == QAccessible::Description)
            return PageItemDescription(*item);
        return {};
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        const TPageItem *item = Item();
        if (!item)
            return {};
        // The page maps millimetres onto the editor's page rectangle.
        const TPage &page = FEditor->Page();
        const QRect r = page.ItemRect(item->Left(), item->Top(), item->Width(), item->Height());
        return QRect(FEditor->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override
    {
        const TPageItem *item = Item();
        if (!item)
            return QAccessible::NoRole;
        if (IsChart(*item))
            return QAccessible::Chart;
        return item->ClassName() == QLatin1String("TPageItemMemo") ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        const TPageItem *item = Item();
        if (!item || !FEditor->isVisible()) {
            s.invisible = true;
            return s;
        }
        s.selectable = !FEditor->ReadOnly;
        s.selected = item->Selected;
        s.readOnly = FEditor->ReadOnly;
        return s;
    }

private:
    QPointer<TPageEditor> FEditor;
    int FIndex;
};

class TAccessiblePageEditor : public QAccessibleWidget {
public:
    explicit TAccessiblePageEditor(TPageEditor *editor) : QAccessibleWidget(editor, QAccessible::Canvas) {}
    ~TAccessiblePageEditor() override
    {
        for (QAccessible::Id id : FItems)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }
    TPageEditor *Editor() const { return static_cast<TPageEditor *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (s.isEmpty() && t == QAccessible::Name)
            return Tr("Page");
        if (s.isEmpty() && t == QAccessible::Description)
            return Tr("%1 items").arg(Editor()->Page().Count());
        return s;
    }
    int childCount() const override { return Editor()->Page().Count(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (size_t(index) >= FItems.size())
            FItems.resize(size_t(index) + 1, 0);
        QAccessible::Id &id = FItems[size_t(index)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new TAccessiblePageItem(Editor(), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (size_t i = 0; i < FItems.size(); ++i)
            if (FItems[i] && QAccessible::accessibleInterface(FItems[i]) == child)
                return int(i) < childCount() ? int(i) : -1;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        // The topmost item under the point, as a click would find it.
        const QPoint p = Editor()->mapFromGlobal(QPoint(x, y));
        const int index = Editor()->Page().ItemAt(p.x(), p.y());
        return index >= 0 ? child(index) : nullptr;
    }

private:
    mutable std::vector<QAccessible::Id> FItems;
};

QAccessibleInterface *PageAccessibleFactory(const QString &key, QObject *object)
{
    if (key == QLatin1String("TPageEditor"))
        if (auto *editor = qobject_cast<TPageEditor *>(object))
            return new TAccessiblePageEditor(editor);
    return nullptr;
}
} // namespace

void InstallPageAccessibility()
{
    static const bool done = [] {
        QAccessible::installFactory(PageAccessibleFactory);
        return true;
    }();
    (void)done;
}
