// orvalis-cli gauge: the communication thread without a window. A Qt event loop serves its
// events; progress goes to stderr, results to stdout.
#include "CliCommands.h"
#include "UnitBatchList.h"
#include "UnitCommK27Thread.h"
#include "UnitDownloadSaver.h"
#include "UnitException.h"
#include "UnitFileOperations.h"
#include "UnitTemplateList.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSet>
#include <QTimer>
#include <memory>

namespace {

const char *const GaugeUsage =
    "gauge list|download|delete|upload [--port N | --device PATH] [--timeout SECONDS] ...\n"
    "      gauge list                               identify the gauge and list its batches\n"
    "      gauge download (--all | ID...) --to FOLDER [--replace | --skip]\n"
    "      gauge delete ID...\n"
    "      gauge upload TEMPLATE.vct... [--replace | --skip | --cancel]";

enum class TExisting { Unset, Replace, Skip, Cancel };

struct TGaugeArgs {
    QString Action;
    int Port = -1;
    QString Device;
    int TimeoutSeconds = 30;
    bool All = false;
    QString To;
    TExisting Existing = TExisting::Unset;
    QStringList Items;
};

int NumberArg(const QString &name, const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0)
        throw Exception(QStringLiteral("%1 needs a number, not \"%2\"").arg(name, text));
    return value;
}

TGaugeArgs ParseArgs(const QStringList &args)
{
    TGaugeArgs parsed;
    if (args.isEmpty())
        throw Exception(QStringLiteral("usage: orvalis-cli %1").arg(QLatin1String(GaugeUsage)));
    parsed.Action = args.first();
    static const QStringList actions{QStringLiteral("list"), QStringLiteral("download"), QStringLiteral("delete"), QStringLiteral("upload")};
    if (!actions.contains(parsed.Action))
        throw Exception(QStringLiteral("unknown gauge command \"%1\"; usage: orvalis-cli %2").arg(parsed.Action, QLatin1String(GaugeUsage)));
    auto setExisting = [&parsed](TExisting value) {
        if (parsed.Existing != TExisting::Unset && parsed.Existing != value)
            throw Exception(QStringLiteral("give only one of --replace, --skip and --cancel"));
        parsed.Existing = value;
    };
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&]() -> QString {
            if (i + 1 >= args.size())
                throw Exception(QStringLiteral("%1 needs a value").arg(a));
            return args[++i];
        };
        if (a == QLatin1String("--port"))
            parsed.Port = NumberArg(a, value());
        else if (a == QLatin1String("--device"))
            parsed.Device = value();
        else if (a == QLatin1String("--timeout"))
            parsed.TimeoutSeconds = NumberArg(a, value());
        else if (a == QLatin1String("--to"))
            parsed.To = value();
        else if (a == QLatin1String("--all"))
            parsed.All = true;
        else if (a == QLatin1String("--replace"))
            setExisting(TExisting::Replace);
        else if (a == QLatin1String("--skip"))
            setExisting(TExisting::Skip);
        else if (a == QLatin1String("--cancel"))
            setExisting(TExisting::Cancel);
        else if (a.startsWith(QLatin1String("--")))
            throw Exception(QStringLiteral("unknown option %1").arg(a));
        else
            parsed.Items << a;
    }
    if ((parsed.Port >= 0) == !parsed.Device.isEmpty())
        throw Exception(QStringLiteral("give the gauge's port with --port N or --device PATH"));
    if (parsed.Port == 0)
        throw Exception(QStringLiteral("port 0 means no gauge; give the gauge's port number"));
    const bool listing = parsed.Action == QLatin1String("list");
    const bool download = parsed.Action == QLatin1String("download");
    const bool upload = parsed.Action == QLatin1String("upload");
    if (listing && !parsed.Items.isEmpty())
        throw Exception(QStringLiteral("gauge list takes no batch names"));
    if (download) {
        if (parsed.To.isEmpty())
            throw Exception(QStringLiteral("gauge download needs --to FOLDER"));
        if (!QFileInfo(parsed.To).isDir())
            throw Exception(QStringLiteral("folder not found: %1").arg(parsed.To));
        if (parsed.All == !parsed.Items.isEmpty())
            throw Exception(QStringLiteral("gauge download needs --all or the names of the batches"));
    } else if (parsed.All || !parsed.To.isEmpty()) {
        throw Exception(QStringLiteral("--all and --to belong to gauge download"));
    }
    if (parsed.Action == QLatin1String("delete") && parsed.Items.isEmpty())
        throw Exception(QStringLiteral("gauge delete needs the names of the batches"));
    if (upload && parsed.Items.isEmpty())
        throw Exception(QStringLiteral("gauge upload needs template files"));
    if (parsed.Existing == TExisting::Cancel && !upload)
        throw Exception(QStringLiteral("--cancel belongs to gauge upload"));
    if (parsed.Existing != TExisting::Unset && !download && !upload)
        throw Exception(QStringLiteral("--replace and --skip belong to gauge download and upload"));
    return parsed;
}

// Serves the thread's events until `done` holds, the thread has ended or the limit has passed
// (a negative limit waits for ever). Returns `done`.
bool Serve(TCommK27Thread &thread, const std::function<bool()> &done, int limitMs = -1)
{
    QEventLoop loop;
    QTimer check;
    check.setInterval(5);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done() || thread.isFinished())
            loop.quit();
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (!done() && !thread.isFinished()) {
        check.start();
        if (limitMs >= 0)
            limit.start(limitMs);
        loop.exec();
    }
    return done();
}

// The entries named on the command line (exact ID; else the ID without blanks at its ends,
// letter case ignored); every entry with --all.
QList<TBatchItem *> ChooseBatches(TBatchList &list, const TGaugeArgs &args)
{
    QList<TBatchItem *> chosen;
    if (args.All) {
        for (int i = 0; i < list.Count(); ++i)
            chosen << list.Items(i);
        return chosen;
    }
    for (const QString &name : args.Items) {
        QList<TBatchItem *> found;
        for (int i = 0; i < list.Count(); ++i)
            if (list.Items(i)->ID == name)
                found << list.Items(i);
        if (found.isEmpty())
            for (int i = 0; i < list.Count(); ++i)
                if (list.Items(i)->ID.trimmed().compare(name.trimmed(), Qt::CaseInsensitive) == 0)
                    found << list.Items(i);
        if (found.isEmpty())
            throw Exception(QStringLiteral("the gauge holds no batch named \"%1\"").arg(name));
        for (TBatchItem *item : std::as_const(found))
            if (!chosen.contains(item))
                chosen << item;
    }
    return chosen;
}

QString ListText(TCommK27Thread &thread)
{
    QString text;
    text += QStringLiteral("Gauge: %1\n").arg(GaugeModelCaption(thread.GaugeModel, thread.TemplateBatchTypes));
    text += QStringLiteral("Model code: %1\n").arg(thread.GaugeModel);
    text += QStringLiteral("Version: %1\n").arg(thread.FirmwareVersion);
    text += QStringLiteral("Serial number: %1\n").arg(thread.GaugeSerialNumber);
    QMutexLocker guard(&thread.BatchList.Mutex());
    text += QStringLiteral("Batches: %1\n").arg(thread.BatchList.Count());
    if (thread.BatchList.Count() > 0)
        text += QStringLiteral("Name\tType\tFormat\tColumns\tRows\tReadings\n");
    for (int i = 0; i < thread.BatchList.Count(); ++i) {
        const TBatchItem *b = thread.BatchList.Items(i);
        const bool linear = b->BatchFormat == BatchFormatLinear;
        text += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                    .arg(b->ID, BatchTypeName(b->BatchType), BatchFormatName(b->BatchFormat),
                         linear ? QStringLiteral("-") : QString::number(b->Columns),
                         linear ? QStringLiteral("-") : QString::number(b->Rows), QString::number(b->Readings));
    }
    return text;
}

// The templates of the command line, checked before the gauge is touched.
std::vector<std::unique_ptr<TTemplateList>> LoadTemplates(const QStringList &files)
{
    std::vector<std::unique_ptr<TTemplateList>> templates;
    for (const QString &file : files) {
        if (!QFileInfo(file).isFile())
            throw Exception(QStringLiteral("template file not found: %1").arg(file));
        auto templ = std::make_unique<TTemplateList>();
        templ->LoadFromFile(file);
        templates.push_back(std::move(templ));
    }
    return templates;
}

int RunGauge(const QStringList &arguments)
{
    const TGaugeArgs args = ParseArgs(arguments);
    const bool download = args.Action == QLatin1String("download");
    const bool remove = args.Action == QLatin1String("delete");
    const bool upload = args.Action == QLatin1String("upload");
    std::vector<std::unique_ptr<TTemplateList>> templates;
    if (upload)
        templates = LoadTemplates(args.Items);

    // Declared before the thread, which is destroyed first: its handlers use them by reference,
    // also when an exception leaves this function while the thread still runs.
    int exitCode = 0;
    bool failed = false;
    bool listed = false;
    bool stageDone = false;
    QString lastStatus;
    std::unique_ptr<TCommK27Thread> thread = args.Device.isEmpty() ? std::make_unique<TCommK27Thread>(args.Port)
                                                                   : std::make_unique<TCommK27Thread>(args.Device);
    TCommK27Thread &t = *thread;

    t.OnStatus = [&] {
        if (t.Status.isEmpty())
            return;
        const QString line = t.Progress >= 0 ? QStringLiteral("%1 %2%").arg(t.Status).arg(t.Progress) : t.Status;
        if (line != lastStatus)
            CliErr(line + QLatin1Char('\n'));
        lastStatus = line;
    };
    t.OnError = [&] {
        failed = true;
        CliErr(QStringLiteral("orvalis-cli: %1\n").arg(t.ErrorText));
    };
    t.OnBatchList = [&] { listed = true; };
    t.OnBatchReadings = [&] {
        stageDone = true;
        try {
            const TDownloadSaveResult result =
                SaveDownloadedBatches(t.BatchList, args.To, [&](const QString &name) {
                    if (args.Existing == TExisting::Replace)
                        return TPromptAnswer::Yes;
                    if (args.Existing == TExisting::Unset) {
                        CliErr(QStringLiteral("orvalis-cli: %1 exists and was kept (give --replace or --skip)\n").arg(name));
                        exitCode = 1;
                    }
                    return TPromptAnswer::No;
                });
            for (const QString &path : result.Written)
                CliOut(QStringLiteral("written %1\n").arg(QDir::toNativeSeparators(path)));
            for (const QString &path : result.Declined)
                CliOut(QStringLiteral("kept %1\n").arg(QDir::toNativeSeparators(path)));
        } catch (const Exception &e) {
            failed = true;
            CliErr(QStringLiteral("orvalis-cli: %1\n").arg(e.Message()));
        }
    };
    t.OnBatchesDeleted = [&] { stageDone = true; };
    t.OnTemplatesWritten = [&] { stageDone = true; };
    t.OnBatchExists = [&] {
        QString id;
        {
            QMutexLocker guard(&t.BatchList.Mutex());
            if (t.ExistingBatchIndex >= 0 && t.ExistingBatchIndex < t.BatchList.Count())
                id = t.BatchList.Items(t.ExistingBatchIndex)->ID;
        }
        switch (args.Existing) {
        case TExisting::Replace:
            t.ExistingBatchAnswer = ebReplace;
            break;
        case TExisting::Cancel:
            CliErr(QStringLiteral("orvalis-cli: the gauge already holds \"%1\"; upload cancelled\n").arg(id));
            t.ExistingBatchAnswer = ebCancel;
            exitCode = 1;
            break;
        case TExisting::Skip:
            CliErr(QStringLiteral("the gauge already holds \"%1\"; skipped\n").arg(id));
            t.ExistingBatchAnswer = ebSkip;
            break;
        case TExisting::Unset:
            CliErr(QStringLiteral("orvalis-cli: the gauge already holds \"%1\"; kept (give --replace, --skip or --cancel)\n").arg(id));
            t.ExistingBatchAnswer = ebSkip;
            exitCode = 1;
            break;
        }
    };

    t.start();
    const bool connected = Serve(t, [&] { return listed && t.Ready(); }, args.TimeoutSeconds * 1000);
    if (!connected) {
        const bool finished = t.isFinished();
        StopCommThread(thread);
        if (!failed)
            CliErr(finished ? QStringLiteral("orvalis-cli: the gauge did not identify itself as a model this program supports\n")
                            : QStringLiteral("orvalis-cli: no gauge answered within %1 seconds\n").arg(args.TimeoutSeconds));
        return 1;
    }

    std::uint8_t command = cmdIdle;
    int chosenCount = 0;
    if (args.Action == QLatin1String("list")) {
        CliOut(ListText(t));
    } else if (download || remove) {
        QMutexLocker guard(&t.BatchList.Mutex());
        QList<TBatchItem *> chosen;
        try {
            chosen = ChooseBatches(t.BatchList, args);
        } catch (const Exception &) {
            guard.unlock();
            StopCommThread(thread);
            throw;
        }
        for (TBatchItem *item : std::as_const(chosen))
            item->Tagged = true;
        chosenCount = static_cast<int>(chosen.size());
        command = download ? cmdDownload : cmdDeleteBatches;
    } else if (upload) {
        QMutexLocker guard(&t.UploadList.Mutex());
        t.UploadList.Clear();
        for (std::size_t i = 0; i < templates.size(); ++i) {
            TTemplateList &templ = *templates[i];
            if (templ.Count() == 0) {
                CliErr(QStringLiteral("%1 holds no batch definitions; not uploaded\n").arg(args.Items[static_cast<int>(i)]));
                continue;
            }
            // As the upload wizard does: defaults into the definitions, numbering committed and
            // kept in the template file before anything is sent.
            templ.ApplyDefaults();
            templ.GenerateBatchIDs(true);
            templ.SaveToFile(args.Items[static_cast<int>(i)]);
            t.UploadList.Add()->Assign(&templ);
            for (int d = 0; d < templ.Count(); ++d) {
                const TTemplateItem *item = templ.Items(d);
                const bool format = item->BatchFormat == BatchFormatGrid ? t.TemplateFormats.Grid
                                                                           : item->BatchFormat == BatchFormatLinear && t.TemplateFormats.Linear;
                if (!t.TemplateBatchTypes.Contains(item->BatchType) || !format)
                    CliErr(QStringLiteral("the gauge does not take %1 (%2, %3) in templates; not sent\n")
                               .arg(item->ID, BatchTypeName(item->BatchType), BatchFormatName(item->BatchFormat)));
            }
        }
        command = cmdWriteTemplates;
    }

    if (command != cmdIdle) {
        QSet<QString> before;
        {
            QMutexLocker guard(&t.BatchList.Mutex());
            for (int i = 0; i < t.BatchList.Count(); ++i)
                before << t.BatchList.Items(i)->ID + QLatin1Char('\n') + QString::number(t.BatchList.Items(i)->Slot);
        }
        t.SetCommand(command);
        Serve(t, [&] { return stageDone; });
        if (!stageDone)
            failed = true;
        else if (remove)
            CliOut(QStringLiteral("deleted %1 batch(es)\n").arg(chosenCount));
        else if (upload) {
            QMutexLocker guard(&t.BatchList.Mutex());
            for (int i = 0; i < t.BatchList.Count(); ++i) {
                const TBatchItem *b = t.BatchList.Items(i);
                if (!before.contains(b->ID + QLatin1Char('\n') + QString::number(b->Slot)))
                    CliOut(QStringLiteral("written %1 (slot %2)\n").arg(b->ID).arg(b->Slot));
            }
        }
    }
    StopCommThread(thread);
    return failed ? 1 : exitCode;
}

const TCliRegistration reg("gauge", GaugeUsage, [](const QStringList &args) { return RunGauge(args); });

} // namespace
