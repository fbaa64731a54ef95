#include "UnitTemplateList.h"
#include "UnitBatchTypeUnits.h"
#include "UnitException.h"
#include "UnitUnits.h"
#include "UnitXml.h"

#include <QFileInfo>
#include <QMutexLocker>
#include <limits>

namespace {
[[noreturn]] void IndexOutOfBounds(int index) { throw Exception(Tr("List index out of bounds (%1)").arg(index)); }
} // namespace

// ---------------------------------------------------------------------------------------------
// TTemplateItem

void TTemplateItem::Assign(const TPersistent *source)
{
    const auto *src = dynamic_cast<const TTemplateItem *>(source);
    if (!src)
        throw Exception(Tr("Cannot assign object to Template item"));
    *this = *src;
}

void TTemplateItem::SaveToXml(XmlNodeList &c) const
{
    XmlFieldWriter w(c);
    w.Text("ID", ID);
    w.Integer("Columns", Columns);
    w.Integer("Rows", Rows);
    w.Float("HighLimit", HighLimit);
    w.Float("LowLimit", LowLimit);
    w.Boolean("HighLimitApplied", HighLimitApplied);
    w.Boolean("LowLimitApplied", LowLimitApplied);
    w.Text("Site", Site);
    w.Text("Location", Location);
    w.Float("Grid", Grid);
    w.Text("Area", Area);
    w.Text("Engineer", Engineer);
    w.Text("Customer", Customer);
    w.Text("Note", Note);
    w.Integer("BarSeries", BarSeries);
    w.Integer("BatchType", BatchType);
    w.Integer("BatchFormat", BatchFormat);
    w.Boolean("UseDefaultSite", UseDefaultSite);
    w.Boolean("UseDefaultLocation", UseDefaultLocation);
    w.Boolean("UseDefaultArea", UseDefaultArea);
    w.Boolean("UseDefaultEngineer", UseDefaultEngineer);
    w.Boolean("UseDefaultCustomer", UseDefaultCustomer);
    w.Boolean("UseDefaultNote", UseDefaultNote);
    w.Boolean("UseDefaultCellType", UseDefaultCellType);
    w.Boolean("UseDefaultBarGrade", UseDefaultBarGrade);
    w.Boolean("Grouped", Grouped);
    w.Text("CellType", CellType);
    w.Integer("BarGrade", BarGrade);
}

void TTemplateItem::LoadFromXml(const XmlNodeList &c)
{
    const XmlFieldReader fields(c);
    ID = fields.Node("ID").AsString();
    Columns = fields.Node("Columns").AsInteger();
    Rows = fields.Node("Rows").AsInteger();
    HighLimit = fields.Node("HighLimit").AsFloat();
    LowLimit = fields.Node("LowLimit").AsFloat();
    HighLimitApplied = fields.Node("HighLimitApplied").AsBoolean();
    LowLimitApplied = fields.Node("LowLimitApplied").AsBoolean();
    Site = fields.Node("Site").AsString();
    Location = fields.Node("Location").AsString();
    Grid = fields.Node("Grid").AsFloat();
    Area = fields.Node("Area").AsString();
    Engineer = fields.Node("Engineer").AsString();
    Customer = fields.Node("Customer").AsString();
    Note = fields.Node("Note").AsString();
    BarSeries = fields.Byte("BarSeries");
    BatchType = fields.Byte("BatchType");
    BatchFormat = fields.Byte("BatchFormat");
    UseDefaultSite = fields.Node("UseDefaultSite").AsBoolean();
    UseDefaultLocation = fields.Node("UseDefaultLocation").AsBoolean();
    UseDefaultArea = fields.Node("UseDefaultArea").AsBoolean();
    UseDefaultEngineer = fields.Node("UseDefaultEngineer").AsBoolean();
    UseDefaultCustomer = fields.Node("UseDefaultCustomer").AsBoolean();
    UseDefaultNote = fields.Node("UseDefaultNote").AsBoolean();
    UseDefaultCellType = fields.Node("UseDefaultCellType").AsBoolean();
    // Older files lack this flag; the definition then keeps inheriting the default bar grade.
    const XmlNode &barGradeFlag = fields.Node("UseDefaultBarGrade");
    if (!barGradeFlag.IsNull())
        UseDefaultBarGrade = barGradeFlag.AsBoolean();
    Grouped = fields.Node("Grouped").AsBoolean();
    CellType = fields.Node("CellType").AsString();
    BarGrade = fields.Byte("BarGrade");
}

QString TTemplateItem::UnitName() const { return BatchTypeUnitName(BatchType); }

double TTemplateItem::FromDisplay(double value) const { return BatchTypeFromDisplay(BatchType, value); }

QString TTemplateItem::FormatValueRounded(double value) const { return BatchTypeFormatValueRounded(BatchType, value); }

int TTemplateItem::CompareValues(double a, double b) const { return BatchTypeCompareValues(BatchType, a, b); }

// ---------------------------------------------------------------------------------------------
// TTemplateList

TTemplateList::TTemplateList() { FItems.reserve(16); }
TTemplateList::~TTemplateList() = default;

TTemplateItem *TTemplateList::Add()
{
    FItems.push_back(std::make_unique<TTemplateItem>());
    return FItems.back().get();
}

void TTemplateList::Clear() { FItems.clear(); }

void TTemplateList::Delete(int index)
{
    Items(index); // range check
    FItems.erase(FItems.begin() + index);
}

TTemplateItem *TTemplateList::Items(int index) const
{
    if (index < 0 || index >= Count())
        IndexOutOfBounds(index);
    return FItems[static_cast<size_t>(index)].get();
}

void TTemplateList::Assign(const TPersistent *source)
{
    const auto *src = dynamic_cast<const TTemplateList *>(source);
    if (!src || src == this)
        return;
    Clear();
    AutoInc = src->AutoInc;
    Default = src->Default;
    Name = src->Name;
    BatchNameType = src->BatchNameType;
    for (const auto &item : src->FItems)
        *Add() = *item;
}

void TTemplateList::SaveToXml(XmlNodeList &nodes) const
{
    XmlNode &root = nodes.AddChild(QStringLiteral("Template"));
    XmlNode &header = root.Children().AddChild(QStringLiteral("Header"));
    header.Children().AddChild(QStringLiteral("AutoInc")).SetAsInteger(AutoInc);
    header.Children().AddChild(QStringLiteral("BatchNameType")).SetAsInteger(BatchNameType);
    Default.SaveToXml(header.Children().AddChild(QStringLiteral("Default")).Children());
    XmlNode &batches = root.Children().AddChild(QStringLiteral("Batches"));
    for (const auto &item : FItems)
        item->SaveToXml(batches.Children().AddChild(QStringLiteral("Batch")).Children());
}

void TTemplateList::LoadFromXml(const XmlNodeList &nodes)
{
    Clear();
    const XmlNode &root = nodes.FindByName(QStringLiteral("Template"));
    const XmlNodeList &header = root.Children().FindByName(QStringLiteral("Header")).Children();
    AutoInc = header.FindByName(QStringLiteral("AutoInc")).AsInteger();
    BatchNameType = header.FindByName(QStringLiteral("BatchNameType")).AsInteger();
    Default.LoadFromXml(header.FindByName(QStringLiteral("Default")).Children());
    // Every child of Batches is a definition, whatever its name.
    for (const auto &child : root.Children().FindByName(QStringLiteral("Batches")).Children())
        Add()->LoadFromXml(child->Children());
}

void TTemplateList::LoadFromFile(const QString &fileName)
{
    XmlDocument doc;
    doc.LoadFromFile(fileName);
    Name = QFileInfo(fileName).completeBaseName();
    LoadFromXml(doc.Nodes);
}

void TTemplateList::SaveToFile(const QString &fileName)
{
    XmlDocument doc;
    SaveToXml(doc.Nodes);
    doc.SaveToFile(fileName);
    Name = QFileInfo(fileName).completeBaseName();
}

void TTemplateList::GenerateBatchIDs(bool commit)
{
    // Ten characters, not bytes or UTF-16 units, so a character outside the basic plane is
    // never cut in half.
    QString prefix;
    int characters = 0;
    for (qsizetype i = 0; i < Name.size() && characters < 10; ++characters) {
        const qsizetype step = Name.at(i).isHighSurrogate() && i + 1 < Name.size() ? 2 : 1;
        prefix += Name.mid(i, step);
        i += step;
    }
    qint64 number = BatchNameType == 1 ? AutoInc : 1;
    qint64 next = number; // the first number not used by this run
    for (const auto &item : FItems) {
        item->ID = prefix + QString::asprintf(" %.5lld", number);
        next = number + 1;
        if (!(item->Grouped && item->BatchType == 0))
            ++number;
    }
    // A grouped cover definition at the end used its number too: the next run must not reuse it.
    if (BatchNameType == 1 && commit)
        AutoInc = static_cast<std::int32_t>(std::min<qint64>(next, std::numeric_limits<std::int32_t>::max()));
}

void TTemplateList::ApplyDefaults()
{
    for (const auto &item : FItems) {
        if (item->UseDefaultSite)
            item->Site = Default.Site;
        if (item->UseDefaultLocation)
            item->Location = Default.Location;
        if (item->UseDefaultArea)
            item->Area = Default.Area;
        if (item->UseDefaultEngineer)
            item->Engineer = Default.Engineer;
        if (item->UseDefaultCustomer)
            item->Customer = Default.Customer;
        if (item->UseDefaultNote)
            item->Note = Default.Note;
        if (item->UseDefaultCellType)
            item->CellType = Default.CellType;
        if (item->UseDefaultBarGrade)
            item->BarGrade = Default.BarGrade;
    }
}

// ---------------------------------------------------------------------------------------------
// TUploadTemplateList

TUploadTemplateList::TUploadTemplateList() { FItems.reserve(16); }

TUploadTemplateList::~TUploadTemplateList()
{
    QMutexLocker locker(&FLock);
    FItems.clear();
}

TTemplateList *TUploadTemplateList::Add()
{
    QMutexLocker locker(&FLock);
    FItems.push_back(std::make_unique<TTemplateList>());
    return FItems.back().get();
}

void TUploadTemplateList::Clear()
{
    QMutexLocker locker(&FLock);
    FItems.clear();
}

TTemplateList *TUploadTemplateList::Items(int index) const
{
    if (index < 0 || index >= Count())
        IndexOutOfBounds(index);
    return FItems[static_cast<size_t>(index)].get();
}

int TUploadTemplateList::TotalBatchCount() const
{
    int n = 0;
    for (const auto &t : FItems)
        n += t->Count();
    return n;
}

void TUploadTemplateList::Assign(const TPersistent *source)
{
    const auto *src = dynamic_cast<const TUploadTemplateList *>(source);
    if (!src || src == this)
        return;
    QMutexLocker locker(&FLock);
    Clear();
    for (const auto &t : src->FItems)
        Add()->Assign(t.get());
}
