#pragma once
// A simulated gauge on a pty and a link opened on it, for the gauge tests.
#include "TestSupport.h"
#include "UnitK27Simulator.h"
#include "UnitVentraxK27.h"

#include <QElapsedTimer>
#include <QThread>
#include <functional>

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
