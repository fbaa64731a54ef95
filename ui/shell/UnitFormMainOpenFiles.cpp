// Files handed to the program from outside (its command line, a double-click in the file manager,
// or a second start that passed them on): each is shown where the program keeps its kind.
#include "UnitBusyCursor.h"
#include "UnitException.h"
#include "UnitFileList.h"
#include "UnitFileOperations.h"
#include "UnitFolderViewLink.h"
#include "UnitFormMain.h"
#include "UnitPrompt.h"
#include "UnitStorage.h"

#include <QDir>
#include <QFileInfo>
#include <QTreeWidget>

namespace {

bool IsInside(const QString &path, const QString &folder)
{
    const QString f = QDir::cleanPath(folder);
    return QDir::cleanPath(path).startsWith(f + QLatin1Char('/'));
}

} // namespace

QString TFormMain::OpenFile(const QString &file)
{
    const QFileInfo info(file);
    if (!info.isFile()) {
        Prompt().Error(Tr("Cannot open '%1': there is no such file.").arg(file));
        return QString();
    }
    const QString path = info.absoluteFilePath();
    QString folder;
    QString caption;
    QTreeWidgetItem *fixedNode = nullptr;
    switch (FileTypeOfName(path)) {
    case FileTypeBatch:
        folder = LocalFolder();
        caption = Tr("Local");
        break;
    case FileTypeTemplate:
        folder = TemplatesFolder();
        caption = Tr("Templates");
        fixedNode = FTemplatesNode;
        break;
    case FileTypeReport:
        folder = ReportsFolder();
        caption = Tr("Reports");
        fixedNode = FReportsNode;
        break;
    default:
        Prompt().Error(Tr("Cannot open '%1': it is not a batch, template or report file.").arg(path));
        return QString();
    }

    // A file from elsewhere is kept only as a copy in the storage folder, and only when the user
    // agrees; the original is never touched.
    QString target = path;
    if (!IsInside(path, folder)) {
        if (Prompt().YesNo(Tr("'%1' is not in the storage folder.\r\nCopy it into %2 and open it?").arg(path, caption)) != TPromptAnswer::Yes)
            return QString();
        target = IncludeTrailingSlash(folder) + info.fileName();
        try {
            TBusyCursor busy;
            bool yesToAll = false;
            CopyTree(path, target, yesToAll);
        } catch (const Exception &e) {
            Prompt().Error(e.Message());
            return QString();
        }
    }

    if (fixedNode) {
        SelectNode(fixedNode);
        if (fixedNode == FReportsNode)
            emit ReportFileOpened(target);
        return target;
    }
    // The batch's folder node may not be in the tree yet: bring each folder on the way down in.
    const QString batchFolder = IncludeTrailingSlash(QFileInfo(target).absolutePath());
    const QString local = QDir::cleanPath(LocalFolder());
    QString walked = IncludeTrailingSlash(local);
    for (const QString &part : QDir::cleanPath(batchFolder).mid(local.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        RescanFolderNodes(walked, false);
        if (QTreeWidgetItem *node = NodeOfFolder(walked))
            node->setExpanded(true);
        walked += part + QLatin1Char('/');
    }
    RescanFolderNodes(walked, false);
    QTreeWidgetItem *node = NodeOfFolder(batchFolder);
    if (!node)
        return QString();
    SelectNode(node);
    if (FFolderView) {
        FFolderView->RefreshView();
        FFolderView->SelectPath(target);
    }
    return target;
}

void TFormMain::OpenFiles(const QStringList &files)
{
    for (const QString &file : files)
        OpenFile(file);
}
