// Every fault the simulated gauge can order against every stage of a connection, run through
// orvalis-cli as a script (or a user without a window) runs it. Each case ends in its message or
// is survived as the protocol allows, within the protocol's time limits; a download leaves either
// no batch file or the complete ones; and the next command on a healthy gauge works.
#include "GaugeTestSupport.h"
#include "UnitBatchList.h"
#include "UnitTemplateList.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace {

enum TStage { stIdentify, stList, stHeaders, stReadings, stTemplates, stDelete, StageCount };

struct TStageInfo {
    const char *Name;
    QByteArray Exchanges; // what the fault is aimed at: "*" the identification, command letters
};

const TStageInfo Stages[StageCount] = {
    {"identify", "*"}, {"list", "A"}, {"headers", "B"}, {"readings", "C"}, {"template write", "DE"}, {"delete", "F"},
};

constexpr int ConnectSeconds = 6;
// A stage ends within its protocol limits (3 s a byte, 5 s a packet, three attempts a command)
// long before this; a run still going is a hang.
constexpr int RunLimitMs = 40000;

// One fault: how it is ordered for a stage, and the outcome expected at each stage.
struct TFault {
    const char *Name;
    void (*Order)(TSimOptions &options, TStage stage);
    const char *Expected[StageCount];
};

const char *const Ok = "ok";
const char *const Polling = "keeps polling";
const char *const Refused = "refused";

const TFault Faults[] = {
    {"NAK twice", [](TSimOptions &o, TStage) { o.NakCount = 2; }, {Ok, Ok, Ok, Ok, Ok, Ok}},
    {"NAK three times",
     [](TSimOptions &o, TStage) { o.NakCount = 3; },
     {Ok, "Communications Error: (Invalid response to command)", "Communications Error: (Invalid response to command)",
      "Communications Error: (Invalid response to command)", "Communications Error: (Invalid response to command)",
      "Communications Error: (Invalid response to command)"}},
    {"bell",
     [](TSimOptions &o, TStage s) { o.BellLetters = Stages[s].Exchanges; },
     {Polling, "Communications Error: (Must support command)", "Communications Error: (Must support command)",
      "Communications Error: (Must support command)", "Communications Error: (Must support command)",
      "Communications Error: (Must support command)"}},
    {"silence",
     [](TSimOptions &o, TStage) { o.Silent = true; },
     {Polling, "Communications Error: (No response to command)", "Communications Error: (No response to command)",
      "Communications Error: (No response to command)", "Communications Error: (No response to command)",
      "Communications Error: (No response to command)"}},
    {"noise", [](TSimOptions &o, TStage) { o.NoiseBytes = 40; }, {Ok, Ok, Ok, Ok, Ok, Ok}},
    {"cut packet",
     // Lists and readings are cut in their second packet, the rest in their first.
     [](TSimOptions &o, TStage s) { o.CutPacket = s == stList || s == stReadings ? 2 : 1; },
     {Ok, "ok, list ends at the cut (1 of 4)", "Communications Error: (Unexpected packet type)",
      "Communications Error: (Batch readings incomplete)", "Communications Error: (Unexpected packet type)", Ok}},
    // A packet ended early by its own end byte: fields are missing rather than the packet.
    {"cut packet (ended early)",
     [](TSimOptions &o, TStage s) {
         o.CutPacket = s == stList || s == stReadings ? 2 : 1;
         o.CutByte = K27::ETB;
     },
     {Ok, "Communications Error: (Unknown Batch Type)", "Communications Error: (Unknown Batch Series)",
      "Communications Error: (Read data timeout)", "Communications Error: (Invalid slot number)", Ok}},
    {"memory full", [](TSimOptions &o, TStage) { o.MemoryFull = true; },
     {Ok, Ok, Ok, Ok, "Communications Error: (Gauge memory full)", Ok}},
    {"batch exists", [](TSimOptions &o, TStage) { o.BatchExists = true; },
     {Ok, Ok, Ok, Ok, "Communications Error: (Batch already exists)", Ok}},
    {"another model (PK28)", [](TSimOptions &o, TStage) { o.ModelId = "PK28"; },
     {Refused, Refused, Refused, Refused, Refused, Refused}},
    {"another model (refused C)", [](TSimOptions &o, TStage) { o.ModelLetter = "C"; },
     {Refused, Refused, Refused, Refused, Refused, Refused}},
    {"another model (basic B)", [](TSimOptions &o, TStage) { o.ModelLetter = "B"; },
     {"Basic model not supported.", "Basic model not supported.", "Basic model not supported.",
      "Basic model not supported.", "Basic model not supported.", "Basic model not supported."}},
    // Model code 1 takes cover templates in linear format only: the grid definition stays home.
    {"another model (standard S)", [](TSimOptions &o, TStage) { o.ModelLetter = "S"; },
     {Ok, Ok, Ok, Ok, "ok, 1 of 2 definitions sent", Ok}},
    {"one baud rate (2400)", [](TSimOptions &o, TStage) { o.OnlyBaud = 2400; }, {Ok, Ok, Ok, Ok, Ok, Ok}},
    {"line closed mid-transfer",
     [](TSimOptions &o, TStage s) {
         const int after[StageCount] = {10, 50, 60, 150, 5, 0};
         o.HangUpAfter = after[s];
     },
     // A line without a gauge at the other end is polled on, as when no gauge answers at all.
     {Polling, "Communications Error: (Read data timeout)",
      "Communications Error: (Read data timeout)", "Communications Error: (Read data timeout)",
      "Communications Error: (No response to command)", "Communications Error: (No response to command)"}},
};

// A full-model gauge (model code 2: both batch types, grid and linear, dates of its own).
TSimOptions Healthy()
{
    TSimOptions options;
    options.ModelLetter = "t";
    return options;
}

// A batch file without the fields that depend on the gauge's model rather than on the transfer.
QByteArray Comparable(const QByteArray &file)
{
    static const QRegularExpression modelFields(QStringLiteral("\\s*<(CreationDate|UpdateDate|GaugeType)>[^<]*</\\1>"));
    return QString::fromUtf8(file).remove(modelFields).toUtf8();
}

QStringList AllEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// One run of orvalis-cli.
struct TRun {
    QStringList Arguments;
    QString WorkingFolder;
    std::unique_ptr<QProcess> Process;
    QElapsedTimer Clock;
    bool TimedOut = false;
    int Code = -1;
    QString Out, Err;
};

// Runs the programs, a few at a time, each with the time limit.
void RunAll(const std::vector<TRun *> &runs, int atOnce = 12)
{
    std::size_t next = 0;
    std::vector<TRun *> active;
    auto startMore = [&] {
        while (active.size() < static_cast<std::size_t>(atOnce) && next < runs.size()) {
            TRun *run = runs[next++];
            run->Process = std::make_unique<QProcess>();
            run->Process->setWorkingDirectory(run->WorkingFolder);
            run->Process->start(BuiltProgram(QStringLiteral("orvalis-cli")), run->Arguments);
            run->Clock.start();
            active.push_back(run);
        }
    };
    startMore();
    while (!active.empty()) {
        ServeEventsUntil(
            [&] {
                for (TRun *run : active)
                    if (run->Process->state() == QProcess::NotRunning || run->Clock.elapsed() > RunLimitMs)
                        return true;
                return false;
            },
            1000);
        for (auto it = active.begin(); it != active.end();) {
            TRun *run = *it;
            const bool over = run->Clock.elapsed() > RunLimitMs;
            if (run->Process->state() != QProcess::NotRunning && !over) {
                ++it;
                continue;
            }
            if (over && run->Process->state() != QProcess::NotRunning) {
                run->TimedOut = true;
                run->Process->kill();
                run->Process->waitForFinished(5000);
            }
            run->Code = run->Process->exitStatus() == QProcess::NormalExit ? run->Process->exitCode() : -1;
            run->Out = QString::fromLocal8Bit(run->Process->readAllStandardOutput());
            run->Err = QString::fromLocal8Bit(run->Process->readAllStandardError());
            it = active.erase(it);
        }
        startMore();
    }
}

// One cell of the matrix: a gauge with the fault, then the same gauge healed (a new one after
// the line was closed), each asked for the stage's command.
class TCase {
public:
    TCase(const TFault &fault, TStage stage, const QString &root, const QString &templateFile)
        : Fault(fault), Stage(stage), Root(root), TemplateFile(templateFile)
    {
        QDir().mkpath(Folder());
        TSimOptions options = Healthy();
        options.FaultScope = Stages[stage].Exchanges;
        fault.Order(options, stage);
        StartGauge(options);
    }
    ~TCase()
    {
        if (Sim)
            Sim->Stop();
    }

    void Prepare(TRun &run, bool healed)
    {
        if (healed) {
            if (Sim->HungUp()) {
                Sim->Stop();
                StartGauge(Healthy());
            } else {
                Sim->SetOptions(Healthy());
            }
            Sim->ClearCommands();
        }
        // Every run uploads its own copy of the template: orvalis-cli numbers it in place.
        const QString copies = Root + (healed ? QStringLiteral("/healed") : QStringLiteral("/faulty"));
        QDir().mkpath(copies);
        const QString templ = copies + QStringLiteral("/Upload.vct");
        QFile::remove(templ);
        QFile::copy(TemplateFile, templ);
        QStringList args{QStringLiteral("gauge")};
        switch (Stage) {
        case stIdentify:
        case stList:
            args << QStringLiteral("list");
            break;
        case stHeaders:
        case stReadings:
            args << QStringLiteral("download") << QStringLiteral("--all") << QStringLiteral("--to") << Folder()
                 << QStringLiteral("--replace");
            break;
        case stTemplates:
            args << QStringLiteral("upload") << templ << QStringLiteral("--replace");
            break;
        case stDelete:
            // A batch the faulty run cannot have removed, for the healed one.
            args << QStringLiteral("delete") << (healed ? QStringLiteral("BEAM-CELLS") : QStringLiteral("WALL-RUN"));
            break;
        default:
            break;
        }
        args << QStringLiteral("--device") << Sim->SlavePath() << QStringLiteral("--timeout") << QString::number(ConnectSeconds);
        run.Arguments = args;
        run.WorkingFolder = Root;
        BatchesBefore = Sim->Batches().size();
    }

    // What the run came to, in the words of the table.
    QString Outcome(const TRun &run) const
    {
        if (run.TimedOut)
            return QStringLiteral("hang");
        if (run.Code != 0 && run.Code != 1)
            return QStringLiteral("exit %1: %2").arg(run.Code).arg(run.Err.trimmed());
        if (run.Err.contains(QLatin1String("did not identify itself as a model")))
            return QString::fromLatin1(Refused);
        if (run.Err.contains(QLatin1String("no gauge answered within")))
            return QString::fromLatin1(Polling);
        static const QRegularExpression failure(QStringLiteral("^orvalis-cli: (.*)$"), QRegularExpression::MultilineOption);
        const QRegularExpressionMatch m = failure.match(run.Err);
        if (run.Code != 0)
            return m.hasMatch() ? m.captured(1).trimmed() : QStringLiteral("failed without a message: ") + run.Err.trimmed();
        if (m.hasMatch())
            return QStringLiteral("exit 0 with: ") + m.captured(1).trimmed();
        switch (Stage) {
        case stIdentify:
        case stList: {
            if (!run.Out.contains(QLatin1String("Serial number: K27-00417\n")))
                return QStringLiteral("ok, but identified as: ") + run.Out.section(QLatin1Char('\n'), 0, 3);
            const int listed = static_cast<int>(run.Out.count(QRegularExpression(QStringLiteral("\t(Cover|Half Cell)\t"))));
            if (listed != 4)
                return QStringLiteral("ok, list ends at the cut (%1 of 4)").arg(listed);
            break;
        }
        case stTemplates: {
            int sent = 0;
            for (const TSimBatch &b : Sim->Batches())
                sent += b.ID.startsWith("Upload ") ? 1 : 0;
            if (sent != 2)
                return QStringLiteral("ok, %1 of 2 definitions sent").arg(sent);
            // The slots reported are where the gauge keeps the batches.
            static const QRegularExpression written(QStringLiteral("^written (.*) \\(slot (\\d+)\\)$"), QRegularExpression::MultilineOption);
            for (auto it = written.globalMatch(run.Out); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                bool found = false;
                for (const TSimBatch &b : Sim->Batches())
                    found = found || (QString::fromLatin1(b.ID) == m.captured(1) && b.Slot == m.captured(2).toInt());
                if (!found)
                    return QStringLiteral("ok, but %1 listed at the wrong slot %2").arg(m.captured(1), m.captured(2));
            }
            break;
        }
        case stDelete:
            if (Sim->Batches().size() != BatchesBefore - 1)
                return QStringLiteral("ok, but the gauge holds %1 batches").arg(Sim->Batches().size());
            break;
        default:
            break;
        }
        return QString::fromLatin1(Ok);
    }

    // The download folder holds nothing, or exactly the batches as a healthy download gives them.
    QString FolderFault(const QMap<QString, QByteArray> &reference) const
    {
        const QStringList names = AllEntries(Folder());
        if (names.isEmpty())
            return QString();
        if (names != QStringList(reference.keys()))
            return QStringLiteral("folder holds ") + names.join(QStringLiteral(", "));
        for (const QString &name : names) {
            QFile file(Folder() + QLatin1Char('/') + name);
            if (!file.open(QIODevice::ReadOnly) || Comparable(file.readAll()) != Comparable(reference.value(name)))
                return name + QStringLiteral(" differs from a healthy download");
        }
        return QString();
    }

    QString Folder() const { return Root + QStringLiteral("/download"); }

    const TFault &Fault;
    const TStage Stage;
    TRun Faulty, Retry;

private:
    void StartGauge(const TSimOptions &options)
    {
        Sim = std::make_unique<TK27Simulator>();
        Sim->OpenPty();
        Sim->SetBatches(TK27Simulator::DemoBatches());
        Sim->SetOptions(options);
        Sim->Start();
    }

    QString Root;
    QString TemplateFile;
    std::unique_ptr<TK27Simulator> Sim;
    qsizetype BatchesBefore = 0;
};

// One template of two definitions: a cover grid and a cover run.
void WriteTemplate(const QString &file)
{
    TTemplateList templ;
    for (const std::uint8_t format : {std::uint8_t(BatchFormatGrid), std::uint8_t(BatchFormatLinear)})
        AddDefinition(templ, QString(), BatchTypeCover, format);
    templ.SaveToFile(file);
}

} // namespace

class GaugeFaultMatrix : public IsolatedTest {};

TEST_F(GaugeFaultMatrix, EveryFaultAtEveryStage)
{
    ASSERT_FALSE(BuiltProgram(QStringLiteral("orvalis-cli")).isEmpty());
    const QString templateFile = Home.Path() + QStringLiteral("/Upload.vct");
    WriteTemplate(templateFile);

    // What a healthy download writes.
    QMap<QString, QByteArray> reference;
    {
        const QString root = Home.Path() + QStringLiteral("/reference");
        TCase healthy(Faults[0], stReadings, root, templateFile);
        healthy.Prepare(healthy.Faulty, true);
        RunAll({&healthy.Faulty});
        ASSERT_EQ(healthy.Outcome(healthy.Faulty), QString::fromLatin1(Ok)) << healthy.Faulty.Err.toStdString();
        for (const QString &name : AllEntries(healthy.Folder())) {
            QFile file(healthy.Folder() + QLatin1Char('/') + name);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            reference.insert(name, file.readAll());
        }
        ASSERT_EQ(reference.size(), 4);
    }

    std::vector<std::unique_ptr<TCase>> cases;
    int index = 0;
    for (const TFault &fault : Faults)
        for (int s = 0; s < StageCount; ++s)
            cases.push_back(std::make_unique<TCase>(fault, static_cast<TStage>(s),
                                                    Home.Path() + QStringLiteral("/case%1").arg(index++), templateFile));
    std::vector<TRun *> runs;
    for (auto &c : cases) {
        c->Prepare(c->Faulty, false);
        runs.push_back(&c->Faulty);
    }
    RunAll(runs);
    QStringList table;
    for (auto &c : cases) {
        const QString outcome = c->Outcome(c->Faulty);
        const std::string where = std::string(c->Fault.Name) + " at " + Stages[c->Stage].Name;
        table << QStringLiteral("| %1 | %2 | %3 |").arg(QString::fromLatin1(c->Fault.Name), QString::fromLatin1(Stages[c->Stage].Name), outcome);
        EXPECT_EQ(outcome, QString::fromLatin1(c->Fault.Expected[c->Stage])) << where << "\n" << c->Faulty.Err.toStdString();
        EXPECT_EQ(c->FolderFault(reference), QString()) << where;
    }
    std::printf("%s\n", qPrintable(table.join(QLatin1Char('\n'))));

    // The next command, on the gauge healed (or a new one where the line was closed).
    runs.clear();
    for (auto &c : cases) {
        c->Prepare(c->Retry, true);
        runs.push_back(&c->Retry);
    }
    RunAll(runs);
    for (auto &c : cases) {
        const std::string where = std::string(c->Fault.Name) + " at " + Stages[c->Stage].Name + ", then healthy";
        EXPECT_EQ(c->Outcome(c->Retry), QString::fromLatin1(Ok)) << where << "\n" << c->Retry.Err.toStdString();
        EXPECT_EQ(c->FolderFault(reference), QString()) << where;
        if (c->Stage == stHeaders || c->Stage == stReadings) {
            EXPECT_EQ(AllEntries(c->Folder()), QStringList(reference.keys())) << where;
        }
    }
}
