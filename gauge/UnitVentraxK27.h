#pragma once
// The packet link to the Ventrax K27 covermeter over a serial line: framing, replies, time
// limits, retries and the optional byte trace. The gauge commands built on it live in
// UnitVentraxK27Commands.cpp.
#include "UnitException.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class QSerialPort;
class TBatchItem;
class TTemplateItem;

// Failures of the gauge link; every message starts with "Communications Error: (".
class VentraxK27Exception : public Exception {
public:
    using Exception::Exception;
};
class VentraxK27MemoryFullException : public VentraxK27Exception {
public:
    using VentraxK27Exception::VentraxK27Exception;
};
class VentraxK27BatchExistsException : public VentraxK27Exception {
public:
    using VentraxK27Exception::VentraxK27Exception;
};

// Line control bytes.
namespace K27 {
constexpr char SOH = 0x01;
constexpr char ETB = 0x17;
constexpr char FS = 0x1C;
constexpr char ACK = 0x06;
constexpr char NAK = 0x15;
constexpr char BEL = 0x07;
constexpr char DC4 = 0x14;
constexpr char DLE = 0x10;
constexpr char ESC = 0x1B;
constexpr char WAKE = 0x2A; // '*': identify yourself
constexpr int OpenBaudRate = 19200;
constexpr int CommandRetries = 3;
constexpr int ByteTimeoutMs = 3000;
constexpr int PacketTimeoutMs = 5000;
} // namespace K27

enum TPacketKind : unsigned char { pkData = 0, pkEnd = 1, pkAck = 2, pkNak = 3, pkBell = 4 };

// One reply of the gauge: a framed packet (payload between SOH and ETB) or a single byte.
struct TPacket {
    TPacketKind Kind = pkEnd;
    QByteArray Payload;
};

// Gathers the gauge's bytes into replies: a framed packet from SOH through ETB, or one of the
// single control bytes, which ends a reply at once whatever was gathered before it.
class TPacketFramer {
public:
    // True when `byte` completes a reply, which is then in `packet`; the framer starts afresh.
    bool Feed(char byte, TPacket &packet);

private:
    bool FInPacket = false;
    QByteArray FPayload;
};

// Batch types a gauge accepts in templates (a set of btCover = 0 and btHalfCell = 1).
struct TTemplateSupportBatchType {
    bool Cover = false;
    bool HalfCell = false;
    bool Contains(int batchType) const { return batchType == 0 ? Cover : batchType == 1 ? HalfCell : false; }
    bool IsEmpty() const { return !Cover && !HalfCell; }
    bool operator==(const TTemplateSupportBatchType &) const = default;
};

// What the identification reply told.
struct TGaugeIdentity {
    bool Accepted = false;
    QString Version;        // three characters after "PK27"
    QString SerialNumber;   // field 5
    int ModelCode = 3;      // 0 basic, 1, 2; 3 = not identified
    TTemplateSupportBatchType TemplateBatchTypes;
    bool TemplateBarGrades = false;
    int Field1 = 0, Field2 = 0, Field3 = 0, Field4 = 0; // read and kept, not used
};

// Template batch formats a gauge accepts: model code 1 from version "200" on takes linear only,
// model code 2 takes grid and linear, the rest none.
struct TTemplateSupportBatchFormat {
    bool Grid = false;
    bool Linear = false;
};
TTemplateSupportBatchFormat TemplateSupportBatchFormats(int modelCode, const QString &version);

// The message of a port that would not open: "Communications Error", and when the system refused
// access, the cause and the remedy on the lines below it.
QString PortOpenFailureMessage(const QString &device, bool permissionDenied);

class TVentraxK27Interface : public QObject {
    Q_OBJECT
public:
    // Asked during every wait; set the flag false to stop waiting.
    using TTimeoutContinue = std::function<void(TVentraxK27Interface *sender, bool &timeoutContinue)>;

    explicit TVentraxK27Interface(QObject *parent = nullptr);
    // Writes the trace file when tracing is on.
    ~TVentraxK27Interface() override;

    TTimeoutContinue OnTimeoutContinue;
    TTemplateSupportBatchType TemplateSupportBatchType;
    bool TemplateSupportBarGrades = false;
    // Primary language for gauge text; negative: that of the running user interface.
    int TextLanguage = -1;
    // The last identification read; its serial number and model code go into every header read.
    TGaugeIdentity Identity;

    // Opens "COM<n>" (through the per-user port table) at 19200 baud, 8N1, no flow control.
    // Raises the general "Communications Error" when there is no such port or it cannot be opened.
    void Open(int portNumber, bool trace);
    // Close on the thread that opened: the serial port object belongs to that thread.
    void Close();
    bool IsOpen() const;
    int PortNumber() const { return FPortNumber; }
    // Opens a device path directly (a pty or /dev/ttyS0), with the same settings as Open.
    void OpenDevice(const QString &device, bool trace);

    void SendByte(char byte);
    void SendDle() { SendByte(K27::DLE); }
    void SendEsc() { SendByte(K27::ESC); }
    void SendAck() { SendByte(K27::ACK); }
    void SetBaudAndWake(int baudRate);
    void SendPacket(const QList<QByteArray> &fields);
    TPacket ReadPacket();
    // True when the gauge answered BEL (command not supported).
    bool ExchangeCommand(const QList<QByteArray> &fields, int retries = K27::CommandRetries);
    void SendCommand(const QList<QByteArray> &fields, int retries = K27::CommandRetries);
    void WaitForBytes(int count, int limitMs);
    void ReadBytes(char *buffer, int count, int limitMs = K27::ByteTimeoutMs);
    char ReadByte();

    // Trace of every byte in both directions.
    bool TraceEnabled() const { return FTraceEnabled; }
    const QStringList &TraceLines() const { return FTraceLines; }
    void AddTrace(bool header, const QString &text);
    // Writes "CommsTrace_yymmdd-hhnnss.TXT" into the current folder and empties the trace.
    void SaveTrace();
    // Text of a transfer as traced: printable bytes as themselves, the others as "[XX]".
    static QString FormatTraceBytes(const QByteArray &bytes);

    // Payload field accessors (fields separated by FS, counted from 0).
    static int FieldCount(const QByteArray &payload);
    static QByteArray GetField(const QByteArray &payload, int index);
    static int HexField(const QByteArray &payload, int index);
    static int DecField(const QByteArray &payload, int index);
    // First 8 characters as four hexadecimal byte pairs, least significant first; an invalid
    // pair raises.
    static quint32 Hex32Field(const QByteArray &payload, int index);
    // The same four bytes as an IEEE single; an invalid pair counts as 0.
    static double FloatField(const QByteArray &payload, int index);
    static QByteArray FloatToHex(double value);
    // Strict upper/lower-case hexadecimal text to number; false when empty, invalid or too long.
    static bool TryHex(const QByteArray &text, quint32 &value);

    // Gauge commands. Identify reads the reply to the wake byte of SetBaudAndWake.
    TGaugeIdentity Identify();
    void RequestBatchList();
    bool ReadBatchListEntry(TBatchItem &batch);
    void ReadBatchHeader(int slot, TBatchItem &batch);
    void RequestReadings(int slot);
    int ReadReadingsPacket(int &column, int &row, TBatchItem &batch);
    int WriteTemplate(const TTemplateItem &item);
    void DeleteBatch(int slot);

    // The replies' payloads onto the records, without the port: the identification, a batch list
    // entry, a batch header and a readings packet (items from (column, row) on, which move on;
    // the number of items stored is returned).
    static TGaugeIdentity DecodeIdentity(const QByteArray &payload);
    void DecodeBatchListEntry(const QByteArray &payload, TBatchItem &batch) const;
    void DecodeBatchHeader(const QByteArray &payload, TBatchItem &batch) const;
    static int DecodeReadingsPacket(const QByteArray &payload, int &column, int &row, TBatchItem &batch);
    // One reading item into the cell (column, row); raises on a flag byte that is not hexadecimal
    // and on value characters that are not, when the item holds a reading.
    static void DecodeReadingItem(const QByteArray &item, TBatchItem &batch, int column, int row);
    // A packed date and time; an impossible one gives the current date and time.
    static double DecodePackedDateTime(quint32 word);
    // The "D" commands of a template batch definition, in the order they are sent.
    QList<QList<QByteArray>> TemplateRecord(const TTemplateItem &item) const;

private:
    QString GaugeText(const QByteArray &bytes) const;
    void OpenPort(const QString &device, int portNumber, bool trace);
    void Transfer(const QByteArray &bytes);
    void TraceTransfer(const QByteArray &bytes, unsigned char direction);
    void DiscardInput();
    QSerialPort &Port();

    int FPortNumber = 0;
    std::unique_ptr<QSerialPort> FPort;
    bool FTraceEnabled = false;
    QStringList FTraceLines;
    QElapsedTimer FTraceStart;
    unsigned char FLastDirection = 0;
};
