#pragma once
// The automation object: what other programs may do with the program (open a batch file, read
// its header, cells and statistics, print or copy pages of a stored report filled with it). The
// session-bus server keeps one object per client. The methods are listed in one table, in their
// fixed order; the server dispatches on it and builds its introspection from it.
#include "UnitBatchList.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

class TMyReports;
class TReport;

// Bus name, object path, interface and error of the automation object.
inline QString AutomationServiceName() { return QStringLiteral("Orvalis.OrvalisInterface"); }
inline QString AutomationObjectPath() { return QStringLiteral("/OrvalisInterface"); }
inline QString AutomationInterfaceName() { return QStringLiteral("Orvalis.IOrvalisInterface"); }
inline QString AutomationErrorName() { return QStringLiteral("Orvalis.Error.Unexpected"); }

// Automation booleans.
constexpr int AutomationTrue = -1;
constexpr int AutomationFalse = 0;

class TOrvalisInterface {
public:
    // `reports`: a list that no window holds, since the report calls reload it.
    explicit TOrvalisInterface(TMyReports &reports);
    ~TOrvalisInterface();
    TOrvalisInterface(const TOrvalisInterface &) = delete;
    TOrvalisInterface &operator=(const TOrvalisInterface &) = delete;

    // The open batch of this object's client: empty until OpenBatch.
    const TBatchItem &Batch() const { return FBatch; }

    // Loads a batch file into the open batch; a failure leaves the open batch as it was.
    void OpenBatch(const QString &fileName);
    // Cell access checked against the open batch's Columns and Rows ("Cell index out of range").
    std::uint8_t ReadingType(int column, int row) const;
    std::uint8_t MeasureType(int column, int row) const;
    double Value(int column, int row) const;
    // The cell's value as display text in the cover unit system `units` (0 metric, 1 imperial);
    // the program's own unit selection is restored however the call ends.
    QString FormattedValue(int column, int row, int units) const;

    // A working copy of the report of that name in "My Reports" ("Report does not exist"), filled
    // with the open batch: inner pages get it as the batch of its type, pages still missing a
    // batch are dropped, continuation pages are added.
    std::unique_ptr<TReport> FilledReport(const QString &name) const;
    void PrintPage(const QString &report, int page) const;
    void Print(const QString &report) const;
    // Fails without a display: the clipboard would then exist only inside this process.
    void CopyPageToClipboard(const QString &report, int page) const;
    int PageCount(const QString &report) const;

private:
    void CheckCell(int column, int row) const;
    TMyReports &FReports;
    TBatchItem FBatch;
};

// One argument of a method: its name and D-Bus type ('s' string, 'i' int32, 'd' double).
struct TAutomationArgument {
    const char *Name;
    char Type;
};

// One automation method. The arguments of Call match In, in order and type; the result has the
// type of Out (an invalid QVariant for a method without result). Failures are exceptions.
struct TAutomationMethod {
    int DispId;
    const char *Name;
    std::vector<TAutomationArgument> In;
    TAutomationArgument Out; // Name nullptr: no result
    const char *Help;        // nullptr: none
    std::function<QVariant(TOrvalisInterface &, const QVariantList &)> Call;

    // The D-Bus signature of the in arguments, such as "si".
    QString InSignature() const;
};

// The methods in their fixed order (DispId 201 upwards).
const std::vector<TAutomationMethod> &AutomationMethods();
// The method of that name, nullptr when none.
const TAutomationMethod *FindAutomationMethod(const QString &name);
// The introspection XML of the interface: the methods in order, each help string as an
// org.gtk.GDBus.DocString annotation.
QString AutomationIntrospection();
