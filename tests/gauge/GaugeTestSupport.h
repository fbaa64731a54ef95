#pragma once
// A simulated gauge on a pty and a link opened on it, for the gauge tests.
#include "TestSupport.h"
#include "UnitK27Simulator.h"
#include "UnitBatchList.h"
#include "UnitTemplateList.h"
#include "UnitVentraxK27.h"

#include <QElapsedTimer>
#include <QThread>
#include <functional>

// A small cover (or half-cell) definition the simulator takes: 4 x 3 grid or a 1000-reading run.
inline void AddDefinition(TTemplateList &templ, const QString &id, std::uint8_t type = BatchTypeCover,
                          std::uint8_t format = BatchFormatGrid)
{
    TTemplateItem *d = templ.Add();
    d->ID = id;
    d->BatchType = type;
    d->BatchFormat = format;
    d->Columns = format == BatchFormatLinear ? 1 : 4;
    d->Rows = format == BatchFormatLinear ? 1000 : 3;
    d->Grid = 200;
    d->HighLimit = 60;
    d->LowLimit = 20;
    d->Site = QStringLiteral("Quay");
}

// Polls a condition until it holds or the limit passes; true when it held.
inline bool WaitUntil(const std::function<bool()> &condition, int limitMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > limitMs)
            return false;
        QThread::msleep(2);
    }
    return true;
}

class GaugeLinkTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        Path = Sim.OpenPty();
        Sim.SetBatches(TK27Simulator::DemoBatches());
        Sim.Start();
    }
    void TearDown() override { Sim.Stop(); }

    // Opens the link on the pty; the simulator serves with `options`.
    void Connect(const TSimOptions &options = TSimOptions(), bool trace = false)
    {
        Sim.SetOptions(options);
        Link.OpenDevice(Path, trace);
    }

    TK27Simulator Sim;
    QString Path;
    TVentraxK27Interface Link;
};
