// orvalis-cli list: a folder's entries as the folder view lists them, through the folder cache.
#include "CliCommands.h"
#include "UnitBatchList.h"
#include "UnitException.h"
#include "UnitFileList.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString TypeName(const TFileItem &item)
{
    switch (item.FileType) {
    case FileTypeFolder:
        return Tr("Folder");
    case FileTypeBatch: {
        const QString name = item.LoadState == LoadStateNone ? QString() : BatchTypeName(item.Batch.BatchType);
        return name.isEmpty() ? Tr("Batch") : name;
    }
    case FileTypeTemplate:
        return Tr("Template");
    case FileTypeReport:
        return Tr("Report");
    default:
        return Tr("Other");
    }
}

// Batch details are known once the entry is loaded or cached; a batch that failed to load has none.
bool HasDetails(const TFileItem &item) { return item.FileType == FileTypeBatch && item.LoadState != LoadStateNone; }

int List(const QStringList &args)
{
    QString folder;
    bool json = false;
    for (const QString &arg : args) {
        if (arg == QLatin1String("--json"))
            json = true;
        else if (folder.isEmpty() && !arg.startsWith(QLatin1String("--")))
            folder = arg;
        else
            throw Exception(Tr("Unknown argument \"%1\"").arg(arg));
    }
    if (folder.isEmpty())
        throw Exception(Tr("No folder given"));
    const QFileInfo info(folder);
    if (!info.isDir())
        throw Exception(Tr("Folder not found: %1").arg(folder));

    // Exactly the folder view's way: the cache first, then the directory, then loading what the
    // cache cannot tell (every row is shown), saving the cache when something changed.
    TFileList list;
    list.Refresh(info.absoluteFilePath());
    list.LoadRange(0, list.Count() - 1);

    if (json) {
        QJsonArray entries;
        for (int i = 0; i < list.Count(); ++i) {
            const TFileItem &item = *list.Items(i);
            QJsonObject o;
            o[QStringLiteral("name")] = item.NameOnly();
            o[QStringLiteral("type")] = TypeName(item);
            o[QStringLiteral("fileType")] = item.FileType;
            o[QStringLiteral("loadState")] = item.LoadState;
            const bool details = HasDetails(item);
            o[QStringLiteral("columns")] = details ? QJsonValue(item.Batch.Columns) : QJsonValue();
            o[QStringLiteral("rows")] = details ? QJsonValue(item.Batch.Rows) : QJsonValue();
            o[QStringLiteral("readings")] = details ? QJsonValue(item.Batch.Readings) : QJsonValue();
            entries.append(o);
        }
        QJsonObject root;
        root[QStringLiteral("folder")] = list.Folder();
        root[QStringLiteral("entries")] = entries;
        CliOut(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)));
        return 0;
    }
    QString text;
    for (int i = 0; i < list.Count(); ++i) {
        const TFileItem &item = *list.Items(i);
        QStringList row{item.NameOnly(), TypeName(item)};
        if (HasDetails(item))
            row << QString::number(item.Batch.Columns) << QString::number(item.Batch.Rows)
                << QString::number(item.Batch.Readings);
        else
            row << QString() << QString() << QString();
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    CliOut(text);
    return 0;
}

TCliRegistration reg("list", "list FOLDER [--json]   entries of a folder: name, type, columns, rows, readings", List);

} // namespace
