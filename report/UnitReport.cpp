#include "UnitReport.h"

#include "UnitException.h"
#include "UnitTextFile.h"
#include "UnitUnits.h"
#include "UnitXml.h"

#include <QBuffer>
#include <QClipboard>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTemporaryFile>
#include <QUrl>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

// ---------------------------------------------------------------- page list

TReport::TReport()
{
    FPages.reserve(1024);
}

TReport::~TReport() = default;

TPage *TReport::AddPage()
{
    FPages.push_back(std::make_unique<TPage>());
    return FPages.back().get();
}

TPage *TReport::InsertPage(int index)
{
    index = std::clamp(index, 0, Count());
    return FPages.insert(FPages.begin() + index, std::make_unique<TPage>())->get();
}

void TReport::DeletePage(int index)
{
    if (index < 0 || index >= Count())
        throw Exception(Tr("Page does not exist"));
    FPages.erase(FPages.begin() + index);
}

void TReport::MovePage(int from, int to)
{
    if (from < 0 || from >= Count() || to < 0 || to >= Count())
        throw Exception(Tr("Page does not exist"));
    auto page = std::move(FPages[static_cast<size_t>(from)]);
    FPages.erase(FPages.begin() + from);
    FPages.insert(FPages.begin() + to, std::move(page));
}

int TReport::InsertIndexOfType(int pageType) const
{
    for (int i = 0; i < Count(); ++i)
        if (Pages(i)->PageType() > pageType)
            return i;
    return Count();
}

bool TReport::CanMovePage(int from, int to) const
{
    if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to)
        return false;
    return Pages(from)->PageType() == Pages(to)->PageType();
}

void TReport::Clear() { FPages.clear(); }

void TReport::Assign(const TPersistent *source)
{
    const auto *r = dynamic_cast<const TReport *>(source);
    if (!r || r == this)
        return;
    Clear();
    Name = r->Name;
    ReadOnly = r->ReadOnly;
    ReadOnlyValue = r->ReadOnlyValue;
    for (const auto &p : r->FPages)
        AddPage()->Assign(p.get());
}

void TReport::NumberPages()
{
    for (int i = 0; i < Count(); ++i)
        Pages(i)->PageNumber = i + 1;
}

// ---------------------------------------------------------------- file

void TReport::SaveToXml(XmlNodeList &nodes) const
{
    XmlNodeList &report = nodes.AddChild(QStringLiteral("Report")).Children();
    report.AddChild(QStringLiteral("ReadOnly")).SetAsInteger(ReadOnly ? (ReadOnlyValue ? ReadOnlyValue : 1) : 0);
    XmlNodeList &pages = report.AddChild(QStringLiteral("Pages")).Children();
    for (const auto &p : FPages)
        p->SaveToXml(pages.AddChild(QStringLiteral("Page")).Children(), false);
}

void TReport::LoadFromXml(const XmlNodeList &nodes)
{
    Clear();
    ReadOnly = false;
    ReadOnlyValue = 0;
    const XmlNode &report = nodes.FindByName(QStringLiteral("Report"));
    if (report.IsNull())
        return;
    const XmlNode &ro = report.Children().FindByName(QStringLiteral("ReadOnly"));
    if (!ro.IsNull()) {
        bool ok = false;
        const int v = FileTextToInt(ro.AsString().trimmed(), &ok);
        ReadOnlyValue = ok ? v : 0;
        ReadOnly = ReadOnlyValue != 0;
    }
    const XmlNode &pages = report.Children().FindByName(QStringLiteral("Pages"));
    if (pages.IsNull())
        return;
    for (const auto &child : pages.Children()) {
        TPage *page = AddPage();
        page->LoadFromXml(child->Children(), true, false);
        page->ClearModified();
    }
}

void TReport::SaveToFile(const QString &fileName)
{
    XmlDocument doc;
    SaveToXml(doc.Nodes);
    doc.SaveToFile(fileName);
    Name = QFileInfo(fileName).completeBaseName();
}

void TReport::LoadFromFile(const QString &fileName)
{
    XmlDocument doc;
    doc.LoadFromFile(fileName);
    Name = QFileInfo(fileName).completeBaseName();
    LoadFromXml(doc.Nodes);
}

// ---------------------------------------------------------------- continuation pages

void TReport::ExpandPages()
{
    for (const auto &p : FPages)
        p->ResetPaging();
    TPage scratch;
    if (Count() > 0)
        scratch.Assign(Pages(0));
    int j = 0;
    while (j < Count()) {
        scratch.NextPage();
        ++j;
        if (!scratch.AllDone()) {
            InsertPage(j)->Assign(&scratch);
        } else if (j < Count()) {
            scratch.Assign(Pages(j));
        }
    }
}

void TReport::FillWithBatches(const TBatchItem *cover, const TBatchItem *halfCell, const TBatchItem *earlierCover,
                              const TBatchItem *earlierHalfCell)
{
    for (const auto &p : FPages) {
        p->ClearBatches();
        if (p->IsInner()) {
            if (cover)
                p->Batches[0] = *cover;
            if (halfCell)
                p->Batches[1] = *halfCell;
            if (earlierCover)
                p->EarlierBatches[0] = *earlierCover;
            if (earlierHalfCell)
                p->EarlierBatches[1] = *earlierHalfCell;
        }
    }
    FPages.erase(std::remove_if(FPages.begin(), FPages.end(), [](const auto &p) { return !p->HasBatches(); }),
                 FPages.end());
    ExpandPages();
}

// ---------------------------------------------------------------- sizes

QSize TReport::PageSizePoints(const TPage &page)
{
    const int o = page.Properties["PageOrientation"].AsInteger();
    const bool landscape = o == 2 || (o == 0 && PrinterOrientation() == 1);
    double w = page.PageWidth(), h = page.PageHeight();
    if (page.Properties["PaperSize"].AsInteger() == 1) {
        w = PaperWidth(landscape);
        h = PaperHeight(landscape);
    }
    return QSize(RoundHalfUp(w / 2.54 * 7.2), RoundHalfUp(h / 2.54 * 7.2));
}

// ---------------------------------------------------------------- printing

void TReport::PreparePrinter(QPrinter &printer, int orientation, int paperSize, int width, int height)
{
    if (paperSize != 1) {
        QPageSize size;
        if (paperSize == 0) {
            size = QPageSize(QSizeF(width / 1000.0, height / 1000.0), QPageSize::Millimeter, QString(),
                             QPageSize::ExactMatch);
        } else if (PaperSizeWidth(paperSize) > 0) {
            size = QPageSize(QSizeF(PaperSizeWidth(paperSize) / 10.0, PaperSizeHeight(paperSize) / 10.0),
                             QPageSize::Millimeter, PaperSizeName(paperSize), QPageSize::FuzzyMatch);
        }
        if (size.isValid())
            printer.setPageSize(size);
    }
    if (orientation == 1 || orientation == 2)
        printer.setPageOrientation(orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TReport::Print(const QString &title, QPrinter *printer)
{
    PrintPages(title, 0, Count() - 1, printer);
}

void TReport::PrintPage(const QString &title, int index, QPrinter *printer)
{
    if (index < 0 || index >= Count())
        throw Exception(Tr("Page does not exist"));
    PrintPages(title, index, index, printer);
}

void TReport::PrintPages(const QString &title, int first, int last, QPrinter *given)
{
    std::unique_ptr<QPrinter> own;
    if (!given) {
        // Without a printer Qt would quietly start a job that goes nowhere.
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            throw Exception(Tr("There is no default printer to print on"));
        own = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    QPrinter &printer = given ? *given : *own;
    if (first <= last) {
        const TPage &p = *Pages(first);
        PreparePrinter(printer, p.Properties["PageOrientation"].AsInteger(), p.Properties["PaperSize"].AsInteger(),
                       RoundHalfUp(p.PageWidth() * 1000), RoundHalfUp(p.PageHeight() * 1000));
    }
    NumberPages();
    printer.setDocName(title);
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        throw Exception(Tr("Unable to start the print job"));
    struct TEnd {
        QPainter &P;
        std::vector<TPage *> Pages;
        ~TEnd()
        {
            if (P.isActive())
                P.end();
            for (TPage *p : Pages)
                p->Canvas = nullptr;
        }
    } end{painter, {}};
    for (int i = first; i <= last; ++i) {
        TPage &page = *Pages(i);
        end.Pages.push_back(&page);
        const int res = printer.resolution();
        const QRect paint = printer.pageLayout().paintRectPixels(res);
        const QPoint offset = paint.topLeft();
        const double pxPerMmX = printer.widthMM() > 0 ? double(printer.width()) / printer.widthMM() : res / 25.4;
        const double pxPerMmY = printer.heightMM() > 0 ? double(printer.height()) / printer.heightMM() : res / 25.4;
        const int w = RoundHalfUp(page.PageWidth() * pxPerMmX);
        const int h = RoundHalfUp(page.PageHeight() * pxPerMmY);
        page.Canvas = &painter;
        page.PageRect = QRect(-offset.x(), -offset.y(), w, h);
        page.Draw();
        if (i < last) {
            const int o = Pages(i + 1)->Properties["PageOrientation"].AsInteger();
            if (o == 1 || o == 2)
                printer.setPageOrientation(o == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
            if (!printer.newPage())
                throw Exception(Tr("Unable to start a new page"));
        }
    }
    // The job is handed to the spooler when the painter ends: a failure there is a failure.
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error)
        throw Exception(Tr("Unable to print the report"));
}

// ---------------------------------------------------------------- PDF

namespace {
// A file written in place of another: the writing goes to a temporary file in the same folder,
// which can be read back, and which replaces the target (keeping its permissions) only on Commit.
class TAtomicFile {
public:
    explicit TAtomicFile(const QString &fileName)
        : FName(fileName), FTemp(QFileInfo(fileName).absoluteFilePath() + QStringLiteral(".XXXXXX"))
    {
        if (!FTemp.open())
            throw Exception(Tr("Cannot create file \"%1\". %2").arg(fileName, FTemp.errorString()));
    }
    // Open for reading and writing (again, when a writer closed it).
    QIODevice &Device()
    {
        if (!FTemp.isOpen() && !FTemp.open())
            Fail(FTemp.errorString());
        return FTemp;
    }
    void Commit()
    {
        Device();
        if (!FTemp.flush() || ::fsync(FTemp.handle()) != 0)
            Fail(FTemp.errorString());
        if (QFileInfo::exists(FName)) {
            FTemp.setPermissions(QFile::permissions(FName));
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            ::fchmod(FTemp.handle(), 0666 & ~mask);
        }
        FTemp.close();
        if (std::rename(QFile::encodeName(FTemp.fileName()).constData(), QFile::encodeName(FName).constData()) != 0)
            Fail(QString::fromLocal8Bit(std::strerror(errno)));
        FTemp.setAutoRemove(false);
    }

private:
    [[noreturn]] void Fail(const QString &why) { throw Exception(Tr("Cannot write file \"%1\". %2").arg(FName, why)); }
    QString FName;
    QTemporaryFile FTemp;
};

[[noreturn]] void PdfInformationFailure() { throw Exception(Tr("Unable to write the PDF document information")); }

// The text of `length` bytes from `offset`.
QByteArray ReadAt(QIODevice &device, qint64 offset, qint64 length)
{
    if (!device.seek(offset))
        PdfInformationFailure();
    return device.read(length);
}

// The file offset of object `number`, read from the cross-reference table at `xref`.
qint64 ObjectOffset(QIODevice &device, qint64 xref, qint64 number)
{
    if (!device.seek(xref) || device.readLine().trimmed() != "xref")
        PdfInformationFailure();
    for (;;) {
        const QList<QByteArray> header = device.readLine().simplified().split(' ');
        bool okFirst = false, okCount = false;
        const qint64 first = header.size() == 2 ? header[0].toLongLong(&okFirst) : 0;
        const qint64 count = header.size() == 2 ? header[1].toLongLong(&okCount) : 0;
        if (!okFirst || !okCount)
            return -1; // the trailer: the object is not listed
        const qint64 entries = device.pos();
        if (number >= first && number < first + count) {
            const QByteArray entry = ReadAt(device, entries + (number - first) * 20, 20);
            bool ok = false;
            const qint64 offset = entry.left(10).toLongLong(&ok);
            return ok && entry.mid(17, 1) == "n" ? offset : -1;
        }
        if (!device.seek(entries + count * 20))
            PdfInformationFailure();
    }
}
} // namespace

void AppendPdfKeywords(QIODevice &pdf, const QString &keywords)
{
    // Only the end of the file (trailer and cross-reference table) and the old information
    // dictionary are read, so a long document never has to be held in memory.
    const qint64 size = pdf.size();
    const qint64 tailStart = std::max<qint64>(0, size - 8192);
    const QByteArray tail = ReadAt(pdf, tailStart, size - tailStart);
    const qsizetype trailer = tail.lastIndexOf("trailer");
    const qsizetype startxref = tail.lastIndexOf("startxref");
    if (trailer < 0 || startxref < trailer)
        PdfInformationFailure();
    const QString trailerText = QString::fromLatin1(tail.mid(trailer, startxref - trailer));
    const auto number = [&](const char *key) -> QByteArray {
        const QRegularExpression re(QStringLiteral("/%1\\s+(\\d+)").arg(QLatin1String(key)));
        const auto m = re.match(trailerText);
        return m.hasMatch() ? m.captured(1).toLatin1() : QByteArray();
    };
    const QByteArray objects = number("Size"), root = number("Root"), info = number("Info");
    static const QRegularExpression xrefRe(QStringLiteral("startxref\\s+(\\d+)"));
    const auto xm = xrefRe.match(QString::fromLatin1(tail.mid(startxref)));
    if (objects.isEmpty() || root.isEmpty() || !xm.hasMatch())
        PdfInformationFailure();
    const QByteArray previousXref = xm.captured(1).toLatin1();
    // The old information dictionary, kept entry for entry.
    QByteArray entries;
    if (!info.isEmpty()) {
        const qint64 offset = ObjectOffset(pdf, previousXref.toLongLong(), info.toLongLong());
        if (offset >= 0) {
            QByteArray body = ReadAt(pdf, offset, 65536);
            const qsizetype endobj = body.indexOf("endobj");
            if (body.left(64).simplified().startsWith(info + " 0 obj") && endobj > 0) {
                body.truncate(endobj);
                const qsizetype open = body.indexOf("<<"), close = body.lastIndexOf(">>");
                if (open >= 0 && close > open)
                    entries = body.mid(open + 2, close - open - 2);
            }
        }
    }
    QByteArray kw = "<FEFF";
    for (const QChar c : keywords)
        kw += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    kw += ">";
    QByteArray out;
    if (!tail.endsWith('\n'))
        out += '\n';
    const qint64 objOffset = size + out.size();
    out += objects + " 0 obj\n<<" + entries + "\n/Keywords " + kw + "\n>>\nendobj\n";
    const qint64 xrefOffset = size + out.size();
    out += "xref\n" + objects + " 1\n" + QByteArray::number(objOffset).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<<\n/Size " + QByteArray::number(objects.toLongLong() + 1) + "\n/Root " + root +
           " 0 R\n/Info " + objects + " 0 R\n/Prev " + previousXref + "\n>>\nstartxref\n" +
           QByteArray::number(xrefOffset) + "\n%%EOF\n";
    if (!pdf.seek(size) || pdf.write(out) != out.size())
        PdfInformationFailure();
}

QByteArray AddPdfKeywords(const QByteArray &pdf, const QString &keywords)
{
    QByteArray bytes = pdf;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadWrite);
    AppendPdfKeywords(buffer, keywords);
    return bytes;
}

namespace {
// A recording of one page that reports the metrics of the PDF page it is played onto, so that
// the items lay out exactly as they would when drawing on the PDF writer itself.
class TPageRecording : public QPicture {
public:
    explicit TPageRecording(const QSize &size, int dpi) : FSize(size), FDpi(dpi) {}
protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return FSize.width();
        case PdmHeight:
            return FSize.height();
        case PdmWidthMM:
            return qRound(FSize.width() * 25.4 / FDpi);
        case PdmHeightMM:
            return qRound(FSize.height() * 25.4 / FDpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return FDpi;
        default:
            return QPicture::metric(m);
        }
    }

private:
    QSize FSize;
    int FDpi;
};

// One page for the writing thread: recordings of the drawing thread, and between them items the
// writing thread draws itself. Pictures are among those: drawn straight onto the PDF writer, a
// picture shown on every page is stored in the document once, while a recording would hand the
// writer a new copy of it each time.
struct TPageWork {
    TPage *Page = nullptr;
    QSize Size;
    struct TPart {
        std::shared_ptr<TPageRecording> Recording;
        TPageItem *Item = nullptr;
    };
    std::vector<TPart> Parts;
};

bool DrawnByWriter(const TPageItem &item) { return item.ClassName() == QLatin1String("TPageItemGraphic"); }

// Items that draw the same on every page they are on: their whole batch, no paging state. The
// continuation pages of a long report repeat them, so each is drawn once and played again.
bool DrawnOnce(const TPageItem &item)
{
    return item.ClassName() == QLatin1String("TPageItemChartRun") ||
           item.ClassName() == QLatin1String("TPageItemChartHistogram");
}

// Everything of a batch a drawing can show: every header field and every cell.
QByteArray BatchDigest(const TBatchItem &b)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    QByteArray text;
    QDataStream out(&text, QIODevice::WriteOnly);
    out << b.ID << b.Path << b.Slot << b.Columns << b.Rows << b.Readings << b.Tagged << b.CreationDate
        << b.UpdateDate << b.ProbeSerialNumber << b.ProbeType << b.ProbeSide0Type << b.ProbeSide1Type
        << b.BatchType << b.BatchFormat << b.HighLimit << b.LowLimit << b.GaugeHighLimit << b.GaugeLowLimit
        << b.LowLimitApplied << b.HighLimitApplied << b.Site << b.Location << b.Grid << b.Area << b.Engineer
        << b.Customer << b.Note << b.BarSeries << b.BarSize << b.GaugeSerialNumber << b.GaugeType << b.BarGrade
        << b.CellType << b.Temperature << b.GaugeCellType << b.HasCells();
    hash.addData(text);
    if (b.HasCells()) {
        std::vector<double> column(static_cast<size_t>(std::max(0, b.Rows)) * 3);
        for (int c = 0; c < b.Columns; ++c) {
            for (int r = 0; r < b.Rows; ++r) {
                column[3 * r] = b.ReadingType(c, r);
                column[3 * r + 1] = b.MeasureType(c, r);
                column[3 * r + 2] = b.Value(c, r);
            }
            hash.addData(QByteArrayView(reinterpret_cast<const char *>(column.data()),
                                        qsizetype(column.size() * sizeof(double))));
        }
    }
    return hash.result();
}

// What a drawn-once item's picture depends on besides its batches: its class, its properties and
// where it goes on a page of which size.
QByteArray ItemKey(const TPageItem &item, const QSize &pageSize)
{
    XmlDocument doc;
    item.SaveToXml(doc.Nodes.AddChild(QStringLiteral("Item")).Children());
    const QRect r = item.PixelRect();
    return item.ClassName().toUtf8() + ' ' + QByteArray::number(pageSize.width()) + 'x' +
           QByteArray::number(pageSize.height()) + ' ' + QByteArray::number(r.x()) + ',' + QByteArray::number(r.y()) +
           ',' + QByteArray::number(r.width()) + ',' + QByteArray::number(r.height()) + ' ' + doc.SaveToBytes();
}

// Pages handed from the drawing thread to the writing thread, a few at a time.
class TRecordingQueue {
public:
    void Push(std::unique_ptr<TPageWork> page)
    {
        std::unique_lock<std::mutex> lock(FMutex);
        FRoom.wait(lock, [this] { return FPages.size() < 4 || FStopped; });
        if (FStopped)
            return;
        FPages.push_back(std::move(page));
        FReady.notify_one();
    }
    // nullptr at the end of the pages or after a stop.
    std::unique_ptr<TPageWork> Pop()
    {
        std::unique_lock<std::mutex> lock(FMutex);
        FReady.wait(lock, [this] { return !FPages.empty() || FEnded || FStopped; });
        if (FStopped || FPages.empty())
            return nullptr;
        auto page = std::move(FPages.front());
        FPages.pop_front();
        FRoom.notify_one();
        return page;
    }
    void End()
    {
        std::lock_guard<std::mutex> lock(FMutex);
        FEnded = true;
        FReady.notify_all();
    }
    void Stop()
    {
        std::lock_guard<std::mutex> lock(FMutex);
        FStopped = true;
        FReady.notify_all();
        FRoom.notify_all();
    }
    bool Stopped()
    {
        std::lock_guard<std::mutex> lock(FMutex);
        return FStopped;
    }

private:
    std::mutex FMutex;
    std::condition_variable FReady, FRoom;
    std::deque<std::unique_ptr<TPageWork>> FPages;
    bool FEnded = false;
    bool FStopped = false;
};

QPageSize PdfPageSize(const TPage &page)
{
    return QPageSize(QSizeF(TReport::PageSizePoints(page)), QPageSize::Point, QString(), QPageSize::ExactMatch);
}
} // namespace

void TReport::SaveToPdf(bool openAfterwards, const QString &title, const QString &fileName, int onlyPage)
{
    if (onlyPage >= Count())
        throw Exception(Tr("Page does not exist"));
    const int first = onlyPage >= 0 ? onlyPage : 0;
    const int last = onlyPage >= 0 ? onlyPage : Count() - 1;
    constexpr int Dpi = 72;
    // Written straight into a file next to the target, which replaces the target only when
    // complete: memory stays flat however long the document, and a failure leaves the old file.
    TAtomicFile file(fileName);
    {
        QPdfWriter writer(&file.Device());
        writer.setResolution(Dpi);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Ventrax Orvalis"));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        NumberPages();
        if (first <= last)
            writer.setPageSize(PdfPageSize(*Pages(first)));
        // Two cores: this thread draws the pages (the charts need it) into recordings, while a
        // second one plays them onto the PDF writer, which spends most of its time compressing.
        TRecordingQueue queue;
        QString writeError;
        const QPicture plain;
        const double replayScaleX = double(plain.logicalDpiX()) / Dpi;
        const double replayScaleY = double(plain.logicalDpiY()) / Dpi;
        std::thread writing([&] {
            try {
                QPainter painter;
                if (!painter.begin(&writer)) {
                    writeError = Tr("Unable to write the PDF file %1").arg(fileName);
                    queue.Stop();
                    return;
                }
                bool firstPage = true;
                while (auto page = queue.Pop()) {
                    if (!firstPage) {
                        writer.setPageSize(QPageSize(QSizeF(page->Size), QPageSize::Point, QString(), QPageSize::ExactMatch));
                        writer.newPage();
                    }
                    firstPage = false;
                    for (const TPageWork::TPart &part : page->Parts) {
                        if (part.Recording) {
                            // Playing scales a picture from the default resolution to the
                            // device's: undone, as the recording was made at the device's own.
                            painter.save();
                            painter.scale(replayScaleX, replayScaleY);
                            painter.drawPicture(0, 0, *part.Recording);
                            painter.restore();
                        } else {
                            // The drawing thread is done with this page.
                            page->Page->Canvas = &painter;
                            page->Page->PageRect = QRect(QPoint(0, 0), page->Size);
                            page->Page->DrawItem(*part.Item);
                            page->Page->Canvas = nullptr;
                        }
                    }
                }
                painter.end();
            } catch (...) {
                writeError = Tr("Unable to write the PDF file %1").arg(fileName);
                queue.Stop();
            }
        });
        struct TJoin {
            std::thread &T;
            TRecordingQueue &Q;
            TReport &R;
            ~TJoin()
            {
                Q.Stop();
                if (T.joinable())
                    T.join();
                for (int i = 0; i < R.Count(); ++i)
                    R.Pages(i)->Canvas = nullptr;
            }
        } join{writing, queue, *this};
        // Drawn-once items by key, with the digests of the batches they were drawn for.
        std::map<QByteArray, std::shared_ptr<TPageRecording>> drawnOnce;
        for (int i = first; i <= last && !queue.Stopped(); ++i) {
            TPage &page = *Pages(i);
            QByteArray batchDigests;
            auto work = std::make_unique<TPageWork>();
            work->Page = &page;
            work->Size = QPageLayout(PdfPageSize(page), QPageLayout::Portrait, QMarginsF()).paintRectPixels(Dpi).size();
            QPainter painter;
            const auto record = [&] {
                work->Parts.emplace_back();
                work->Parts.back().Recording = std::make_shared<TPageRecording>(work->Size, Dpi);
                painter.begin(work->Parts.back().Recording.get());
                page.Canvas = &painter;
                page.PageRect = QRect(QPoint(0, 0), work->Size);
            };
            record();
            page.DrawBackground();
            for (int k = 0; k < page.Count(); ++k) {
                TPageItem &item = *page.Item(k);
                if (DrawnByWriter(item)) {
                    painter.end();
                    work->Parts.emplace_back();
                    work->Parts.back().Item = &item;
                    record();
                } else if (DrawnOnce(item)) {
                    if (batchDigests.isEmpty())
                        batchDigests = BatchDigest(page.Batches[0]) + BatchDigest(page.Batches[1]);
                    const QByteArray key = ItemKey(item, work->Size) + batchDigests;
                    painter.end();
                    auto &picture = drawnOnce[key];
                    if (!picture) {
                        picture = std::make_shared<TPageRecording>(work->Size, Dpi);
                        QPainter once(picture.get());
                        page.Canvas = &once;
                        page.DrawItem(item);
                        page.Canvas = nullptr;
                    }
                    work->Parts.emplace_back();
                    work->Parts.back().Recording = picture;
                    record();
                } else {
                    page.DrawItem(item);
                }
            }
            page.DrawSelections();
            painter.end();
            page.Canvas = nullptr;
            queue.Push(std::move(work));
        }
        queue.End();
        writing.join();
        if (!writeError.isEmpty())
            throw Exception(writeError);
    }
    AppendPdfKeywords(file.Device(), QStringLiteral("Ventrax Orvalis"));
    file.Commit();
    if (openAfterwards)
        QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}

// ---------------------------------------------------------------- pictures

void DownsampleBox4(const QImage &source, QImage &target)
{
    const int w = source.width() / 4, h = source.height() / 4;
    const QImage src = source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    target = QImage(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y) {
        uchar *out = target.scanLine(y);
        const QRgb *rows[4];
        for (int k = 0; k < 4; ++k)
            rows[k] = reinterpret_cast<const QRgb *>(src.constScanLine(4 * y + k));
        for (int x = 0; x < w; ++x) {
            unsigned r = 0, g = 0, b = 0;
            for (int k = 0; k < 4; ++k)
                for (int m = 0; m < 4; ++m) {
                    const QRgb p = rows[k][4 * x + m];
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            out[3 * x] = static_cast<uchar>(r >> 4);
            out[3 * x + 1] = static_cast<uchar>(g >> 4);
            out[3 * x + 2] = static_cast<uchar>(b >> 4);
        }
    }
}

namespace {
// A work picture whose resolution is the page's, so that point sizes come out right.
QImage WorkPicture(const QSize &size, double pixelsPerInch)
{
    QImage image(size, QImage::Format_RGB32);
    const int dpm = RoundHalfUp(pixelsPerInch / 0.0254);
    if (dpm > 0) {
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
    }
    return image;
}

void DrawPageOn(TPage &page, QImage &image, const QRect &rect)
{
    QPainter painter(&image);
    page.Canvas = &painter;
    page.PageRect = rect;
    try {
        page.Draw();
    } catch (...) {
        page.Canvas = nullptr;
        throw;
    }
    page.Canvas = nullptr;
}
} // namespace

QImage TReport::RenderJpegPicture(TPage &page)
{
    const QSize pt = PageSizePoints(page);
    const double W = pt.width(), H = pt.height();
    QSize size = H < W ? QSize(1024, RoundHalfUp(1024.0 / W * H)) : QSize(RoundHalfUp(1024.0 / H * W), 1024);
    size = size.expandedTo(QSize(1, 1));
    const QSize big = size * 4;
    QImage work = WorkPicture(big, page.PageHeight() > 0 ? big.height() / page.PageHeight() * 25.4 : 96);
    work.fill(Qt::white);
    DrawPageOn(page, work, QRect(QPoint(0, 0), big));
    QImage picture;
    DownsampleBox4(work, picture);
    return picture;
}

void TReport::SaveToJpegFiles(const QString &basePath, QStringList &files, int onlyPage)
{
    if (onlyPage >= Count())
        throw Exception(Tr("Page does not exist"));
    NumberPages();
    files.clear();
    for (int i = 0; i < Count(); ++i) {
        if (onlyPage >= 0 && i != onlyPage)
            continue;
        const QImage picture = RenderJpegPicture(*Pages(i));
        const QString name = QStringLiteral("%1_%2.jpg").arg(basePath).arg(i + 1);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "JPEG");
        writer.setQuality(90);
        writer.setOptimizedWrite(false);
        writer.setProgressiveScanWrite(false);
        if (!writer.write(picture))
            throw Exception(Tr("Unable to write the picture %1: %2").arg(name, writer.errorString()));
        WriteFileAtomic(name, bytes);
        files << name;
    }
}

void TReport::CopyPageToClipboard(int index)
{
    if (index < 0 || index >= Count())
        throw Exception(Tr("Page does not exist"));
    TPage &page = *Pages(index);
    // Whole millimetres, halves to even, at the 96 pixels per inch of the reference device.
    const double mmW = std::nearbyint(page.PageWidth()), mmH = std::nearbyint(page.PageHeight());
    const QSize px(std::max(1, RoundHalfUp(mmW / 25.4 * 96)), std::max(1, RoundHalfUp(mmH / 25.4 * 96)));
    QByteArray svg;
    {
        QBuffer buffer(&svg);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(px);
        generator.setViewBox(QRect(QPoint(0, 0), px));
        generator.setResolution(96);
        generator.setTitle(Name);
        QPainter painter(&generator);
        page.Canvas = &painter;
        page.PageRect = QRect(QPoint(0, 0), px);
        try {
            page.Draw();
        } catch (...) {
            page.Canvas = nullptr;
            throw;
        }
        page.Canvas = nullptr;
    }
    QImage png = WorkPicture(px, 96);
    png.fill(Qt::white);
    DrawPageOn(page, png, QRect(QPoint(0, 0), px));
    auto *mime = new QMimeData;
    mime->setData(QStringLiteral("image/svg+xml"), svg);
    mime->setImageData(png);
    QGuiApplication::clipboard()->setMimeData(mime);
}

void RenderPageThumbnail(TPage &page, int quality, QImage &picture, QImage &mask, const QSize &size,
                         const QColor &background)
{
    mask = QImage(size, QImage::Format_Grayscale8);
    mask.fill(255);
    picture = QImage(size, QImage::Format_RGB32);
    picture.fill(background);
    if (quality == 2)
        return;
    const int W = size.width() * 4, H = size.height() * 4;
    const double PW = page.PageWidth(), PH = page.PageHeight();
    if (PW <= 0 || PH <= 0)
        return;
    const int h1 = RoundHalfUp(PH * (W / 2) / PW);
    const int w2 = RoundHalfUp(PW * (H / 2) / PH);
    const QSize r = h1 < W ? QSize(W / 2, h1) : QSize(w2, H / 2);
    const QRect area(QPoint(W / 2 - r.width() / 2, H / 2 - r.height() / 2),
                     QPoint(W / 2 + r.width() / 2, H / 2 + r.height() / 2));
    const QRect pageRect(area.left(), area.top(), area.right() - area.left(), area.bottom() - area.top());
    QImage work = WorkPicture(QSize(W, H), pageRect.height() / PH * 25.4);
    work.fill(background);
    DrawPageOn(page, work, pageRect);
    if (quality == 0) {
        QImage small;
        DownsampleBox4(work, small);
        picture = small.convertToFormat(QImage::Format_RGB32);
    } else {
        picture = work.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    }
    const QRect frame(pageRect.left() / 4, pageRect.top() / 4, pageRect.width() / 4, pageRect.height() / 4);
    {
        QPainter p(&picture);
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(frame.adjusted(0, 0, -1, -1));
    }
    QPainter m(&mask);
    m.fillRect(frame, Qt::black);
}

// ---------------------------------------------------------------- platform hooks

void RegisterReportDocument()
{
    SetReportDocumentFactory([] { return std::make_unique<TReport>(); });
}

void InstallPrinterPaperProvider()
{
    SetPrinterPaperProvider([] {
        TPrinterPaperInfo info;
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.isNull())
            return info;
        const QPageSize size = printer.defaultPageSize();
        if (!size.isValid())
            return info;
        const QSizeF mm = size.size(QPageSize::Millimeter);
        info.Available = true;
        info.WidthMM = std::min(mm.width(), mm.height());
        info.HeightMM = std::max(mm.width(), mm.height());
        info.Orientation = 0;
        return info;
    });
}

TReport *ReportOf(const TFileItem &item) { return dynamic_cast<TReport *>(item.Report()); }
