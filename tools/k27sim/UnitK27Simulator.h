#pragma once
// A Ventrax K27 covermeter on a pseudo-terminal: the gauge's side of the packet protocol, with
// batches, template definitions, deletes and a set of faults to order.
#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

// One batch as the gauge stores it; texts and numbers in the gauge's own form.
struct TSimBatch {
    QByteArray ID;
    int Slot = 0;
    int BatchType = 0;   // 0 cover, 1 half-cell
    int BatchFormat = 0; // 0 grid, 1 linear
    int Columns = 1;
    int Rows = 1;
    quint32 CreationDate = 0; // packed date and time
    quint32 UpdateDate = 0;
    QByteArray ProbeSerialNumber, ProbeType, ProbeSide0Type, ProbeSide1Type;
    double HighLimit = 0; // half-cell: volts
    double LowLimit = 0;
    int LimitFlags = 0; // bit 0 low applied, bit 1 high applied
    QByteArray Site, Location, Area, Engineer, Customer, Note;
    double Grid = 0;
    QByteArray BarSeries = "ME";
    double BarSize = 0;
    QByteArray BarGrade = "HT"; // cover batches
    QByteArray CellType;        // half-cell batches
    double Temperature = -100;
    QList<QByteArray> Items;    // reading items, six hexadecimal characters each
};

// Faults and identity of the simulated gauge.
struct TSimOptions {
    QByteArray ModelId = "PK27";   // first four characters of the identification
    QByteArray Version = "210";
    QByteArray SerialNumber = "K27-00417";
    QByteArray ModelLetter = "s";
    bool BarGrades = true;
    int OnlyBaud = 0;              // answer only at this line speed (0: any)
    int NakCount = 0;              // NAK every command this many times before answering
    QByteArray BellLetters;        // commands answered with BEL ("*" for every command)
    bool Silent = false;           // never answer
    int NoiseBytes = 0;            // noise before every framed packet
    int CutPacket = 0;             // cut the n-th framed packet (1-based) halfway ...
    char CutByte = 0x14;           // ... with this byte
    // The exchanges the faults above hit: "*" the identification, letters the commands (the
    // answers to a command include the data packets that follow it). Empty: NAK and BEL hit
    // every command, silence, noise and cuts every answer.
    QByteArray FaultScope;
    int HangUpAfter = -1;          // close the line after sending this many bytes in scope
    bool MemoryFull = false;
    bool BatchExists = false;
    int Capacity = 500;            // batches the memory holds
    bool Pace = false;             // send at the line's byte rate (10 bits per byte)
    int ItemsPerPacket = 16;
};

// One command packet received, split into fields.
using TSimCommand = QList<QByteArray>;

class TK27Simulator {
public:
    TK27Simulator();
    ~TK27Simulator();
    TK27Simulator(const TK27Simulator &) = delete;
    TK27Simulator &operator=(const TK27Simulator &) = delete;

    // Opens the pseudo-terminal; returns the slave's path. Raises Exception on failure.
    QString OpenPty();
    QString SlavePath() const { return FSlavePath; }
    // Serves on a thread of its own until Stop (or the destructor).
    void Start();
    void Stop();
    // Serves on the calling thread until `stop` becomes true or the line is hung up.
    void Run(const std::atomic<bool> &stop);

    // Told every command received, as text ("D H North Quay"); runs on the serving thread.
    std::function<void(const QString &)> OnCommand;

    void SetOptions(const TSimOptions &options);
    TSimOptions Options() const;
    void SetBatches(const QList<TSimBatch> &batches);
    QList<TSimBatch> Batches() const;
    // Every command packet received, in order.
    QList<TSimCommand> Commands() const;
    void ClearCommands();
    // The line speed the program set on the pty.
    int CurrentBaud() const;
    // True once the simulator closed the line (HangUpAfter).
    bool HungUp() const;
    // Writes raw bytes to the line at once.
    void Inject(const QByteArray &bytes);

    // The built-in demo set: grid and linear, cover and half-cell batches.
    static QList<TSimBatch> DemoBatches();
    // Packs a date and time the way the gauge does.
    static quint32 PackDate(int year, int month, int day, int hour, int minute);
    // A reading item: flags, then the signed value low byte first.
    static QByteArray ReadingItem(int flags, int value);
    static QByteArray FloatHex(double value);
    static QByteArray Hex(int value, int digits);

private:
    enum TStream { stNone, stList, stReadings };
    void Poll(int timeoutMs);
    void HandleByte(char byte);
    void HandleCommand(const TSimCommand &command);
    void HandleDefine(const TSimCommand &command);
    void HandleStore();
    void SendNextStreamPacket();
    void SendByte(char byte);
    void SendPacket(const QList<QByteArray> &fields);
    void Write(const QByteArray &bytes);
    QByteArray IdentityPacket() const;
    QList<QByteArray> ListEntry(const TSimBatch &batch) const;
    QList<QByteArray> HeaderFields(const TSimBatch &batch) const;
    int FindSlot(const QByteArray &slotText) const;
    bool InScope(char exchange) const;
    void HangUp();

    int FMaster = -1;
    int FSlaveKeep = -1;
    QString FSlavePath;
    std::thread FThread;
    std::atomic<bool> FStop{false};

    mutable std::mutex FLock;
    TSimOptions FOptions;
    QList<TSimBatch> FBatches;
    QList<TSimCommand> FCommands;

    // Line state, touched only by the serving thread.
    bool FInPacket = false;
    QByteArray FPacket;
    int FNaksSent = 0;
    int FPacketsSent = 0;
    int FScopedBytesSent = 0;
    char FExchange = 0; // the exchange being answered: '*' or the command letter
    TStream FStream = stNone;
    int FStreamBatch = -1;
    int FStreamPos = 0;
    TSimBatch FDefining;
    bool FDefiningStarted = false;
};
