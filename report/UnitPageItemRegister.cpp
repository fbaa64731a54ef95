// Every page item class of the program, by the class names stored in report files.
#include "UnitPageItemChart.h"
#include "UnitPageItemMemo.h"
#include "UnitPageItemShape.h"

namespace {
template <class T> void Register(const char *name)
{
    RegisterPageItemClass(QString::fromLatin1(name), [](TPage *page) -> TPageItem * { return new T(page); });
}
} // namespace

void RegisterPageItemClasses()
{
    static const bool done = [] {
        Register<TPageItemShape>("TPageItemShape");
        Register<TPageItemGraphic>("TPageItemGraphic");
        Register<TPageItemMemo>("TPageItemMemo");
        Register<TPageItemChartRun>("TPageItemChartRun");
        Register<TPageItemChartHistogram>("TPageItemChartHistogram");
        Register<TPageItemChartOverview>("TPageItemChartOverview");
        Register<TPageItemChartCombinedOverview>("TPageItemChartCombinedOverview");
        Register<TPageItemChartCumulative>("TPageItemChartCumulative");
        Register<TPageItemChartDifference>("TPageItemChartDifference");
        Register<TPageItemChartContour>("TPageItemChartContour");
        return true;
    }();
    (void)done;
}
