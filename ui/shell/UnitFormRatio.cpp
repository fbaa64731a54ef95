#include "UnitFormRatio.h"

#include "UnitSettings.h"
#include "UnitUnits.h"

#include <QSignalBlocker>
#include <QSplitter>

#include <algorithm>

namespace {
const QString FormRatioSetting = QStringLiteral("FormRatio");
constexpr double DefaultRatio = 0.3;
} // namespace

void SplitAtFormRatio(QSplitter *splitter, int windowHeight, TSettings *settings, int minimumPart)
{
    const int total = splitter->height() - splitter->handleWidth();
    if (total < 2 * minimumPart)
        return;
    double ratio = settings ? (*settings)[FormRatioSetting].AsFloat() : DefaultRatio;
    if (!(ratio > 0 && ratio < 1))
        ratio = DefaultRatio;
    const int top = std::clamp(RoundHalfUp(ratio * windowHeight), minimumPart, total - minimumPart);
    // Our own split is no move of the user's.
    const QSignalBlocker blocker(splitter);
    splitter->setSizes({top, total - top});
}

void StoreFormRatio(int upperHeight, int windowHeight, TSettings *settings)
{
    if (!settings || windowHeight <= 0)
        return;
    (*settings)[FormRatioSetting].SetAsFloat(double(upperHeight) / windowHeight);
}
