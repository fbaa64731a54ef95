#include "UnitDemoGauge.h"

#include "UnitException.h"
#include "UnitStorage.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

constexpr int StartLimitMs = 10000;
constexpr int StopLimitMs = 5000;

bool IsProgram(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

QString DemoGaugeSerialNumber() { return QStringLiteral("DEMO-K27"); }

QString DemoGaugeProgram(const QString &programFolder)
{
    const QString name = QStringLiteral("k27sim");
    QStringList candidates;
    if (!programFolder.isEmpty())
        candidates << IncludeTrailingSlash(programFolder) + name;
    if (const QString build = BuildTreeFolder(); !build.isEmpty())
        candidates << IncludeTrailingSlash(build) + QStringLiteral("tools/k27sim/") + name;
    for (const QString &path : candidates)
        if (IsProgram(path))
            return path;
    return QString();
}

QString DemoGaugeProgram() { return DemoGaugeProgram(QCoreApplication::applicationDirPath()); }

QString DemoGaugeBatchFolder()
{
    const QString shared = SharedTemplateFolder();
    if (shared.isEmpty())
        return QString();
    const QString folder = shared + QStringLiteral("Local/");
    return QFileInfo(folder).isDir() ? folder : QString();
}

TDemoGauge::TDemoGauge(QObject *parent) : QObject(parent) {}

TDemoGauge::~TDemoGauge() { Stop(); }

bool TDemoGauge::Running() const { return FProcess && FProcess->state() == QProcess::Running; }

qint64 TDemoGauge::ProcessId() const { return Running() ? FProcess->processId() : 0; }

QString TDemoGauge::Start()
{
    if (Running())
        return FDevice;
    Stop();
    const QString program = DemoGaugeProgram();
    if (program.isEmpty())
        throw Exception(Tr("The demonstration gauge is not installed."));

    // The full model, taking cover and half-cell templates, so that every command can be tried.
    QStringList arguments{QStringLiteral("--serial"), DemoGaugeSerialNumber(), QStringLiteral("--model"), QStringLiteral("t")};
    if (const QString batches = DemoGaugeBatchFolder(); !batches.isEmpty())
        arguments << QStringLiteral("--batches") << batches;

    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setArguments(arguments);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    // Should this program die without stopping it, the simulator ends with it instead of being
    // left behind holding its pty.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process->start();

    // The first line of its output is the path of the pty; it prints it once the pty is open.
    const QDeadlineTimer deadline(StartLimitMs);
    QString failure;
    if (!process->waitForStarted(StartLimitMs)) {
        failure = process->errorString();
    } else {
        while (!process->canReadLine() && process->state() == QProcess::Running && !deadline.hasExpired())
            process->waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
        const QString device = QString::fromLocal8Bit(process->readLine()).trimmed();
        if (process->state() == QProcess::Running && device.startsWith(QLatin1Char('/'))) {
            FProcess = std::move(process);
            FDevice = device;
            return FDevice;
        }
        failure = process->state() == QProcess::Running ? Tr("No answer") : Tr("The simulator ended at once");
    }
    // Nothing half-started is left running.
    process->kill();
    process->waitForFinished(StopLimitMs);
    throw Exception(Tr("The demonstration gauge could not be started: %1").arg(failure));
}

void TDemoGauge::Stop()
{
    FDevice.clear();
    if (!FProcess)
        return;
    std::unique_ptr<QProcess> process = std::move(FProcess);
    if (process->state() != QProcess::NotRunning) {
        // Asked politely first, so it can close its pty and tidy up; killed when it does not end.
        process->terminate();
        if (!process->waitForFinished(StopLimitMs)) {
            process->kill();
            process->waitForFinished(StopLimitMs);
        }
    }
}
