#pragma once
// The report document: an ordered list of pages, its .vcr file, the continuation pages of items
// whose data needs more than one sheet, and every output (printer, PDF, JPEG, clipboard).
#include "UnitFileList.h"
#include "UnitPage.h"

#include <QColor>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QIODevice;
class QPrinter;

class TReport : public TFileDocument {
public:
    TReport();
    ~TReport() override;
    TReport(const TReport &) = delete;
    TReport &operator=(const TReport &) = delete;

    QString Name;
    bool ReadOnly = false;
    int ReadOnlyValue = 0; // as read, written back unchanged

    int Count() const { return static_cast<int>(FPages.size()); }
    TPage *Pages(int index) const { return FPages.at(static_cast<size_t>(index)).get(); }
    TPage *AddPage();
    TPage *InsertPage(int index);
    void DeletePage(int index);
    // Moves the page at `from` to position `to` (the pages between shift by one). Raises "Page
    // does not exist" for an index outside the pages.
    void MovePage(int from, int to);
    // Pages stay grouped by type (opening, inner, closing): a new page of a type goes before the
    // first page of a later type, and a page moves only onto a place held by its own type.
    int InsertIndexOfType(int pageType) const;
    bool CanMovePage(int from, int to) const;
    void Clear();
    // Does nothing unless the source is a report.
    void Assign(const TPersistent *source) override;
    void NumberPages();

    void SaveToXml(XmlNodeList &nodes) const;
    void LoadFromXml(const XmlNodeList &nodes);
    void SaveToFile(const QString &fileName) override;
    void LoadFromFile(const QString &fileName) override;

    // Inserts continuation pages after pages whose items need more sheets.
    void ExpandPages();
    // Fills a working copy for output: every page's batches cleared, inner pages given the
    // batch of each type (none: that slot stays empty), pages still missing a batch removed,
    // then ExpandPages. The earlier surveys, when given, go into the inner pages' earlier slots
    // for the difference items.
    void FillWithBatches(const TBatchItem *cover, const TBatchItem *halfCell, const TBatchItem *earlierCover = nullptr,
                         const TBatchItem *earlierHalfCell = nullptr);

    // Printing through the given printer (the default printer when none; "There is no default
    // printer to print on" without one). Raises "Page does not exist" for an index outside the pages.
    void Print(const QString &title, QPrinter *printer = nullptr);
    void PrintPage(const QString &title, int index, QPrinter *printer = nullptr);
    // Pages first..last (indexes, inclusive) as one job.
    void PrintPages(const QString &title, int first, int last, QPrinter *printer);
    // Paper (index into the paper table) and orientation (0 default, 1 portrait, 2 landscape)
    // for the next job; width and height in thousandths of a millimetre.
    static void PreparePrinter(QPrinter &printer, int orientation, int paperSize, int width, int height);

    // One PDF page per report page at its own size; Title, Creator and Keywords set. With
    // onlyPage, just that page (numbered as in the whole report).
    void SaveToPdf(bool openAfterwards, const QString &title, const QString &fileName, int onlyPage = -1);
    // "<base>_<n>.jpg" per page, longer side 1024 pixels, quality 90; the written paths in files.
    void SaveToJpegFiles(const QString &basePath, QStringList &files, int onlyPage = -1);
    // The page as SVG and PNG on the clipboard. Raises "Page does not exist".
    void CopyPageToClipboard(int index);

    // Page size in points as the PDF and JPEG outputs use it.
    static QSize PageSizePoints(const TPage &page);
    // Picture of a page of the JPEG output (before writing).
    static QImage RenderJpegPicture(TPage &page);

private:
    std::vector<std::unique_ptr<TPage>> FPages;
};

// Averages each 4 x 4 block per colour channel (sum shifted right by four); the source must be
// exactly four times the target in each direction. The target is 24-bit.
void DownsampleBox4(const QImage &source, QImage &target);

// Thumbnail of a page: quality 0 high (4 x 4 averaging), 1 normal (smooth scaling), 2 none (only
// the mask). The mask is white where the background shows and black over the page.
void RenderPageThumbnail(TPage &page, int quality, QImage &picture, QImage &mask, const QSize &size = QSize(64, 64),
                         const QColor &background = QColor(240, 240, 240));

// Appends an incremental update to a finished PDF that adds Keywords to its document information:
// on a device open for reading and writing (only its end and the information dictionary are
// read), or on the bytes of a whole document.
void AppendPdfKeywords(QIODevice &pdf, const QString &keywords);
QByteArray AddPdfKeywords(const QByteArray &pdf, const QString &keywords);

// Lets the folder store hold report documents, and the paper functions see the real printer.
void RegisterReportDocument();
void InstallPrinterPaperProvider();
// The report of a loaded report entry, or nullptr.
TReport *ReportOf(const TFileItem &item);
