// k27sim: a Ventrax K27 covermeter on a pseudo-terminal, for trying the program without a gauge.
#include "UnitEnumComPort.h"
#include "UnitException.h"
#include "UnitK27SimBatches.h"
#include "UnitK27Simulator.h"
#include "UnitStorage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <atomic>
#include <csignal>
#include <cstdio>

namespace {

std::atomic<bool> StopRequested{false};

void OnSignal(int) { StopRequested = true; }

const char *const Description =
    "A Ventrax K27 covermeter on a pseudo-terminal.\n"
    "\n"
    "k27sim opens a pty, prints the path of its slave side on the first line of its output and\n"
    "then answers the gauge protocol there until it is interrupted (Ctrl+C). Point the program at\n"
    "that path, or give --register N to enter it in the per-user port table as COM<N> (the entry\n"
    "is removed again on exit). The gauge serves the batches of --batches (batch files .vcb/.vch)\n"
    "or a built-in demo set of grid and linear, cover and half-cell batches; it accepts template\n"
    "definitions and deletes and keeps them for the run.\n"
    "\n"
    "Faults to order: --baud, --nak, --bell, --silent, --noise, --cut, --hang-up, --memory-full,\n"
    "--batch-exists, and another identity with --model-id, --model, --version, --no-bar-grades.\n"
    "Framed packets are counted for --cut from the start of the run (the identification reply\n"
    "is one). --at aims --nak, --bell, --silent, --noise, --cut and --hang-up at some exchanges\n"
    "only (\"--at C --cut 2\" cuts the second packet of readings); packets and bytes are then\n"
    "counted within those exchanges.\n"
    "\n"
    "Model letters: B and H are the basic model, S the standard one, any other letter the full\n"
    "one; a lower-case letter also takes half-cell templates, h and m take no cover templates,\n"
    "and C (either case) is a model the program refuses.\n"
    "\n"
    "Example: k27sim --register 3   then choose the port ending in (COM3) in the preferences.";

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("k27sim"));
    InitConfigurationStore();

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(Description));
    parser.addHelpOption();
    const QCommandLineOption registerOpt(QStringLiteral("register"), QStringLiteral("Register the pty as COM<n> in the per-user port table."), QStringLiteral("n"));
    const QCommandLineOption batchesOpt(QStringLiteral("batches"), QStringLiteral("Serve the batch files (.vcb, .vch) of this folder instead of the demo set."), QStringLiteral("folder"));
    const QCommandLineOption emptyOpt(QStringLiteral("empty"), QStringLiteral("Start with no batches at all."));
    const QCommandLineOption baudOpt(QStringLiteral("baud"), QStringLiteral("Answer only at this line speed (9600, 19200, 14400, 4800, 2400, 1200)."), QStringLiteral("rate"));
    const QCommandLineOption nakOpt(QStringLiteral("nak"), QStringLiteral("Answer every command with NAK n times before answering it."), QStringLiteral("n"));
    const QCommandLineOption bellOpt(QStringLiteral("bell"), QStringLiteral("Answer BEL (not supported) to the command letters given, \"*\" for all."), QStringLiteral("letters"));
    const QCommandLineOption silentOpt(QStringLiteral("silent"), QStringLiteral("Never answer."));
    const QCommandLineOption noiseOpt(QStringLiteral("noise"), QStringLiteral("Send n noise bytes before every framed packet."), QStringLiteral("n"));
    const QCommandLineOption cutOpt(QStringLiteral("cut"), QStringLiteral("Cut the n-th framed packet halfway with DC4 (or with the byte given as n:XX in hexadecimal)."), QStringLiteral("n[:XX]"));
    const QCommandLineOption atOpt(QStringLiteral("at"), QStringLiteral("Aim the faults at these exchanges only: \"*\" the identification, letters the commands (A list, B header, C readings, D and E template, F delete)."), QStringLiteral("letters"));
    const QCommandLineOption hangUpOpt(QStringLiteral("hang-up"), QStringLiteral("Close the line and end after sending n bytes (of the exchanges of --at)."), QStringLiteral("n"));
    const QCommandLineOption fullOpt(QStringLiteral("memory-full"), QStringLiteral("Refuse every template: gauge memory full."));
    const QCommandLineOption existsOpt(QStringLiteral("batch-exists"), QStringLiteral("Refuse every template: batch already exists."));
    const QCommandLineOption capacityOpt(QStringLiteral("capacity"), QStringLiteral("Number of batches the memory holds (default 500)."), QStringLiteral("n"));
    const QCommandLineOption modelIdOpt(QStringLiteral("model-id"), QStringLiteral("First four characters of the identification (default PK27)."), QStringLiteral("text"));
    const QCommandLineOption modelOpt(QStringLiteral("model"), QStringLiteral("Model letter: s (default), S, h, H, m, M, B, C ..."), QStringLiteral("letter"));
    const QCommandLineOption versionOpt(QStringLiteral("version"), QStringLiteral("Three-character firmware version (default 210)."), QStringLiteral("text"));
    const QCommandLineOption serialOpt(QStringLiteral("serial"), QStringLiteral("Gauge serial number."), QStringLiteral("text"));
    const QCommandLineOption noGradesOpt(QStringLiteral("no-bar-grades"), QStringLiteral("Do not take bar grades in templates."));
    const QCommandLineOption noPaceOpt(QStringLiteral("no-pace"), QStringLiteral("Send as fast as possible instead of at the line's byte rate (10 bits per byte)."));
    const QCommandLineOption verboseOpt(QStringLiteral("verbose"), QStringLiteral("Print every command received on standard error."));
    const QCommandLineOption itemsOpt(QStringLiteral("items"), QStringLiteral("Readings per data packet (default 16)."), QStringLiteral("n"));
    for (const QCommandLineOption *o : {&registerOpt, &batchesOpt, &emptyOpt, &baudOpt, &nakOpt, &bellOpt, &silentOpt, &noiseOpt, &cutOpt, &atOpt, &hangUpOpt, &fullOpt,
                                        &existsOpt, &capacityOpt, &modelIdOpt, &modelOpt, &versionOpt, &serialOpt, &noGradesOpt, &noPaceOpt, &itemsOpt, &verboseOpt})
        parser.addOption(*o);
    parser.process(app);

    auto number = [&](const QCommandLineOption &o, int fallback) {
        if (!parser.isSet(o))
            return fallback;
        bool ok = false;
        const int value = parser.value(o).toInt(&ok);
        if (!ok || value < 0) {
            std::fprintf(stderr, "k27sim: --%s needs a number\n", qPrintable(o.names().first()));
            std::exit(2);
        }
        return value;
    };

    TSimOptions options;
    options.OnlyBaud = number(baudOpt, 0);
    options.NakCount = number(nakOpt, 0);
    options.BellLetters = parser.value(bellOpt).toLatin1();
    options.Silent = parser.isSet(silentOpt);
    options.NoiseBytes = number(noiseOpt, 0);
    if (parser.isSet(cutOpt)) {
        const QStringList parts = parser.value(cutOpt).split(QLatin1Char(':'));
        bool ok = false;
        options.CutPacket = parts.value(0).toInt(&ok);
        if (ok && parts.size() > 1)
            options.CutByte = static_cast<char>(parts[1].toInt(&ok, 16));
        if (!ok) {
            std::fprintf(stderr, "k27sim: --cut needs n or n:XX\n");
            return 2;
        }
    }
    options.FaultScope = parser.value(atOpt).toLatin1();
    options.HangUpAfter = number(hangUpOpt, -1);
    options.MemoryFull = parser.isSet(fullOpt);
    options.BatchExists = parser.isSet(existsOpt);
    options.Capacity = number(capacityOpt, options.Capacity);
    if (parser.isSet(modelIdOpt))
        options.ModelId = parser.value(modelIdOpt).toLatin1();
    if (parser.isSet(modelOpt))
        options.ModelLetter = parser.value(modelOpt).toLatin1();
    if (parser.isSet(versionOpt))
        options.Version = parser.value(versionOpt).toLatin1();
    if (parser.isSet(serialOpt))
        options.SerialNumber = parser.value(serialOpt).toLatin1();
    options.BarGrades = !parser.isSet(noGradesOpt);
    options.Pace = !parser.isSet(noPaceOpt);
    options.ItemsPerPacket = std::max(1, number(itemsOpt, options.ItemsPerPacket));

    TK27Simulator sim;
    if (parser.isSet(verboseOpt))
        sim.OnCommand = [](const QString &text) { std::fprintf(stderr, "%s\n", qPrintable(text)); };
    try {
        QList<TSimBatch> batches;
        if (parser.isSet(batchesOpt))
            batches = LoadSimBatches(parser.value(batchesOpt));
        else if (!parser.isSet(emptyOpt))
            batches = TK27Simulator::DemoBatches();
        sim.SetBatches(batches);
        sim.SetOptions(options);
        sim.OpenPty();
    } catch (const Exception &e) {
        std::fprintf(stderr, "k27sim: %s\n", qPrintable(e.Message()));
        return 1;
    }

    const int portNumber = number(registerOpt, 0);
    if (portNumber > 0) {
        try {
            RegisterComPort(portNumber, sim.SlavePath());
        } catch (const Exception &e) {
            std::fprintf(stderr, "k27sim: %s\n", qPrintable(e.Message()));
            return 1;
        }
    }
    std::printf("%s\n", qPrintable(sim.SlavePath()));
    if (portNumber > 0)
        std::printf("registered as COM%d\n", portNumber);
    std::fflush(stdout);

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    sim.Run(StopRequested);

    if (portNumber > 0)
        UnregisterComPort(portNumber, sim.SlavePath());
    return 0;
}
