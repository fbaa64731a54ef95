#pragma once
// The demonstration gauge: the gauge simulator (k27sim) run by the program on a pseudo-terminal
// of its own, serving the shipped sample batches, so that a user without a gauge can try the
// gauge window. The link talks to its pty exactly as to a gauge.
#include <QObject>
#include <QString>
#include <memory>

class QProcess;

// The value of the "ComPort" setting that chooses the demonstration gauge. No port number of the
// port table is negative, so it never names a real port.
inline constexpr int DemoGaugePort = -1;

// The serial number the demonstration gauge reports; it goes into every batch downloaded from it,
// so those batches say they are demonstration data.
QString DemoGaugeSerialNumber();

// The simulator program: beside the program (an installed tree), else in the build tree's tools
// output (an uninstalled build). Empty when there is none: the demonstration gauge is then not
// offered.
QString DemoGaugeProgram(const QString &programFolder);
QString DemoGaugeProgram();

// The folder of sample batches it serves: the shared template's "Local/"; empty when none is
// shipped (the simulator then serves its own demo set).
QString DemoGaugeBatchFolder();

class TDemoGauge : public QObject {
    Q_OBJECT
public:
    explicit TDemoGauge(QObject *parent = nullptr);
    // Stops the simulator.
    ~TDemoGauge() override;

    // Starts the simulator unless it runs already and returns the path of its pty. Raises an
    // Exception carrying the reason when it cannot be started.
    QString Start();
    // Ends the simulator and reaps it; nothing is left running afterwards.
    void Stop();
    bool Running() const;
    QString Device() const { return FDevice; }
    // The simulator's process id while it runs, else 0.
    qint64 ProcessId() const;

private:
    std::unique_ptr<QProcess> FProcess;
    QString FDevice;
};
