// The folder cache loader on any bytes: every entry it keeps names a file of the cache's own
// folder, and the quick reader of the program's own layout agrees with the general reader.
#include "FuzzSupport.h"
#include "UnitException.h"
#include "UnitFileList.h"
#include "UnitTextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString folder = QStringLiteral("/nonexistent/fuzz/folder/");
    const QString text = DecodeFileText(FuzzBytes(data, size));
    TFileList list;
    list.LoadCacheText(folder, text);
    for (int i = 0; i < list.Count(); ++i) {
        const TFileItem &item = *list.Items(i);
        const QString name = item.NameOnly();
        FUZZ_CHECK(item.FileName == folder + name);
        FUZZ_CHECK(!name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String(".") &&
                   name != QLatin1String(".."));
    }

    // The general reader on its own, entry by entry, as the loader does it.
    XmlDocument doc;
    doc.Parse(text);
    const XmlNodeList &files =
        doc.Nodes.FindByName(QStringLiteral("FileList")).Children().FindByName(QStringLiteral("Data")).Children();
    TFileList general;
    for (const auto &node : files) {
        if (node->Name != QLatin1String("File"))
            continue;
        TFileItem *item = general.Add();
        try {
            item->LoadFromCache(folder, node->Children());
        } catch (const Exception &) {
            general.Delete(general.Count() - 1);
        }
    }
    FUZZ_CHECK(general.Count() == list.Count());
    for (int i = 0; i < list.Count(); ++i) {
        const TFileItem &a = *list.Items(i), &b = *general.Items(i);
        FUZZ_CHECK(a.FileName == b.FileName && a.FileType == b.FileType && a.FileModifiedTime == b.FileModifiedTime &&
                   a.LoadState == b.LoadState && a.Batch.BatchType == b.Batch.BatchType && a.Batch.Rows == b.Batch.Rows &&
                   a.Batch.Columns == b.Batch.Columns && a.Batch.Readings == b.Batch.Readings);
    }
    return 0;
}
