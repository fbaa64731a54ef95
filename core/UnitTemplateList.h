#pragma once
// Templates: prepared batch definitions that the user uploads to the gauge, one template per
// ".vct" file, and the set of templates chosen for one upload.
#include "UnitPersistent.h"

#include <QRecursiveMutex>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class XmlNodeList;

// One batch definition.
class TTemplateItem : public TPersistent {
public:
    TTemplateItem() = default;
    TTemplateItem(const TTemplateItem &) = default;
    TTemplateItem &operator=(const TTemplateItem &) = default;

    QString ID; // generated before upload
    std::int32_t Columns = 0;
    std::int32_t Rows = 0;
    double HighLimit = 0; // mm or mV
    double LowLimit = 0;
    bool HighLimitApplied = false;
    bool LowLimitApplied = false;
    QString Site;
    QString Location;
    double Grid = 0; // millimetres
    QString Area;
    QString Engineer;
    QString Customer;
    QString Note;
    QString CellType;
    std::uint8_t BarGrade = 0;
    std::uint8_t BarSeries = 0;
    std::uint8_t BatchType = 0;   // 0 cover, 1 half-cell
    std::uint8_t BatchFormat = 0; // 0 grid, 1 linear
    bool UseDefaultSite = true;
    bool UseDefaultLocation = true;
    bool UseDefaultArea = true;
    bool UseDefaultEngineer = true;
    bool UseDefaultCustomer = true;
    bool UseDefaultNote = true;
    bool UseDefaultCellType = true;
    bool UseDefaultBarGrade = true;
    bool Grouped = false; // shares its running number with the next definition (cover only)

    // Raises "Cannot assign object to Template item" for a source of another class.
    void Assign(const TPersistent *source) override;
    // Appends the definition's elements to the list (inside "Default" or "Batch").
    void SaveToXml(XmlNodeList &nodes) const;
    // Reads the elements by exact name; absent ones give zero/empty, except UseDefaultBarGrade,
    // which keeps its current value.
    void LoadFromXml(const XmlNodeList &nodes);

    // Unit operations by BatchType, as those of TBatchItem; another type raises
    // "Invalid Batch Type".
    QString UnitName() const;
    double FromDisplay(double value) const;
    QString FormatValueRounded(double value) const;
    int CompareValues(double a, double b) const;
};

// One template: a default definition and an ordered list of batch definitions.
class TTemplateList : public TPersistent {
public:
    TTemplateList();
    ~TTemplateList() override;
    TTemplateList(const TTemplateList &) = delete;
    TTemplateList &operator=(const TTemplateList &) = delete;

    QString Name; // the file name without folder and extension; not stored in the file
    TTemplateItem Default;
    std::int32_t AutoInc = 1;      // next running number when numbering continues
    std::int32_t BatchNameType = 0; // 1 continue from AutoInc; otherwise start at 1 every upload

    TTemplateItem *Add();
    void Clear();
    void Delete(int index);
    int Count() const { return static_cast<int>(FItems.size()); }
    TTemplateItem *Items(int index) const; // raises "List index out of bounds (%d)"

    // Copies a TTemplateList (name, numbering, default and every definition); any other source
    // is ignored.
    void Assign(const TPersistent *source) override;

    void SaveToXml(XmlNodeList &nodes) const; // appends the "Template" element
    void LoadFromXml(const XmlNodeList &nodes);
    void LoadFromFile(const QString &fileName); // Name from the file name, then LoadFromXml
    void SaveToFile(const QString &fileName);   // atomic replace, then Name from the file name

    // Gives every definition the ID "<first 10 characters of Name> %.5d"; a grouped cover
    // definition shares its number with the next one. With BatchNameType 1 numbering starts at
    // AutoInc, and commit stores the next unused number in AutoInc.
    void GenerateBatchIDs(bool commit);
    // Copies the default's texts, cell type and bar grade into the definitions whose flags ask.
    void ApplyDefaults();

private:
    std::vector<std::unique_ptr<TTemplateItem>> FItems;
};

// The templates chosen for one upload, shared with the communication thread under its lock.
class TUploadTemplateList : public TPersistent {
public:
    TUploadTemplateList();
    ~TUploadTemplateList() override;
    TUploadTemplateList(const TUploadTemplateList &) = delete;
    TUploadTemplateList &operator=(const TUploadTemplateList &) = delete;

    TTemplateList *Add();
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    TTemplateList *Items(int index) const; // raises "List index out of bounds (%d)"
    int TotalBatchCount() const;
    // Copies a TUploadTemplateList template by template; any other source is ignored.
    void Assign(const TPersistent *source) override;

    void Lock() { FLock.lock(); }
    void Unlock() { FLock.unlock(); }
    QRecursiveMutex &Mutex() { return FLock; }

private:
    std::vector<std::unique_ptr<TTemplateList>> FItems;
    QRecursiveMutex FLock;
};
