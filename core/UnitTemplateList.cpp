#include "UnitTemplateList.h"
#include "UnitException.h"
#include "UnitUnits.h"
#include "UnitXml.h"

#include <QFileInfo>
#include <QMutexLocker>
#include <limits>

namespace {
[[noreturn]] void InvalidBatchType() { throw Exception(Tr("Invalid Batch Type")); }
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
    auto integer = [&](const char *name, int v) { c.AddChild(QString::fromLatin1(name)).SetAsInteger(v); };
    auto boolean = [&](const char *name, bool v) { c.AddChild(QString::fromLatin1(name)).SetAsBoolean(v); };
    auto real = [&](const char *name, double v) { c.AddChild(QString::fromLatin1(name)).SetAsFloat(v); };
    auto text = [&](const char *name, const QString &v) { c.AddChild(QString::fromLatin1(name)).SetAsString(v); };
    text("ID", ID);
    integer("Columns", Columns);
    integer("Rows", Rows);
    real("HighLimit", HighLimit);
    real("LowLimit", LowLimit);
    boolean("HighLimitApplied", HighLimitApplied);
    boolean("LowLimitApplied", LowLimitApplied);
    text("Site", Site);
    text("Location", Location);
    real("Grid", Grid);
    text("Area", Area);
    text("Engineer", Engineer);
    text("Customer", Customer);
    text("Note", Note);
    integer("BarSeries", BarSeries);
    integer("BatchType", BatchType);
    integer("BatchFormat", BatchFormat);
    boolean("UseDefaultSite", UseDefaultSite);
    boolean("UseDefaultLocation", UseDefaultLocation);
    boolean("UseDefaultArea", UseDefaultArea);
    boolean("UseDefaultEngineer", UseDefaultEngineer);
    boolean("UseDefaultCustomer", UseDefaultCustomer);
    boolean("UseDefaultNote", UseDefaultNote);
    boolean("UseDefaultCellType", UseDefaultCellType);
    boolean("UseDefaultBarGrade", UseDefaultBarGrade);
    boolean("Grouped", Grouped);
    text("CellType", CellType);
    integer("BarGrade", BarGrade);
}

void TTemplateItem::LoadFromXml(const XmlNodeList &c)
{
    auto node = [&](const char *name) -> const XmlNode & { return c.FindByName(QString::fromLatin1(name)); };
    auto byte = [&](const char *name) { return static_cast<std::uint8_t>(node(name).AsInteger() & 0xFF); };
    ID = node("ID").AsString();
    Columns = node("Columns").AsInteger();
    Rows = node("Rows").AsInteger();
    HighLimit = node("HighLimit").AsFloat();
    LowLimit = node("LowLimit").AsFloat();
    HighLimitApplied = node("HighLimitApplied").AsBoolean();
    LowLimitApplied = node("LowLimitApplied").AsBoolean();
    Site = node("Site").AsString();
    Location = node("Location").AsString();
    Grid = node("Grid").AsFloat();
    Area = node("Area").AsString();
    Engineer = node("Engineer").AsString();
    Customer = node("Customer").AsString();
    Note = node("Note").AsString();
    BarSeries = byte("BarSeries");
    BatchType = byte("BatchType");
    BatchFormat = byte("BatchFormat");
    UseDefaultSite = node("UseDefaultSite").AsBoolean();
    UseDefaultLocation = node("UseDefaultLocation").AsBoolean();
    UseDefaultArea = node("UseDefaultArea").AsBoolean();
    UseDefaultEngineer = node("UseDefaultEngineer").AsBoolean();
    UseDefaultCustomer = node("UseDefaultCustomer").AsBoolean();
    UseDefaultNote = node("UseDefaultNote").AsBoolean();
    UseDefaultCellType = node("UseDefaultCellType").AsBoolean();
    // Older files lack this flag; the definition then keeps inheriting the default bar grade.
    const XmlNode &barGradeFlag = node("UseDefaultBarGrade");
    if (!barGradeFlag.IsNull())
        UseDefaultBarGrade = barGradeFlag.AsBoolean();
    Grouped = node("Grouped").AsBoolean();
    CellType = node("CellType").AsString();
    BarGrade = byte("BarGrade");
}

QString TTemplateItem::UnitName() const
{
    switch (BatchType) {
    case 0:
        return CoverUnitName();
    case 1:
        return HalfCellUnitName();
    }
    InvalidBatchType();
}

double TTemplateItem::FromDisplay(double value) const
{
    switch (BatchType) {
    case 0:
        return CoverFromDisplay(value);
    case 1:
        return HalfCellFromDisplay(value);
    }
    InvalidBatchType();
}

QString TTemplateItem::FormatValueRounded(double value) const
{
    switch (BatchType) {
    case 0:
        return FormatCoverRounded(value);
    case 1:
        return FormatHalfCell(value);
    }
    InvalidBatchType();
}

int TTemplateItem::CompareValues(double a, double b) const
{
    switch (BatchType) {
    case 0:
        return CompareCover(a, b);
    case 1:
        return CompareHalfCell(a, b);
    }
    InvalidBatchType();
}

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
    for (const auto &item : FItems) {
        item->ID = prefix + QString::asprintf(" %.5lld", number);
        if (!(item->Grouped && item->BatchType == 0))
            ++number;
    }
    if (BatchNameType == 1 && commit)
        AutoInc = static_cast<std::int32_t>(std::min<qint64>(number, std::numeric_limits<std::int32_t>::max()));
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
