#include "UnitK27Simulator.h"

#include "UnitException.h"

#include <QRandomGenerator>
#include <QStringList>
#include <chrono>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

int PtyOutputSpeed(int fd);

namespace {

constexpr char SOH = 0x01, ETB = 0x17, FS = 0x1C, ACK = 0x06, NAK = 0x15, BEL = 0x07, DC4 = 0x14;
constexpr char DLE = 0x10, ESC = 0x1B, WAKE = 0x2A;

int HexValue(const QByteArray &text, bool *ok)
{
    *ok = !text.isEmpty();
    int value = 0;
    for (const char c : text) {
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        if (d < 0 || value > 0x7FFFFFF) {
            *ok = false;
            return 0;
        }
        value = value * 16 + d;
    }
    return value;
}

double HexFloat(const QByteArray &text)
{
    quint32 bits = 0;
    for (int i = 0; i < 4 && i * 2 + 1 < text.size(); ++i) {
        bool ok = false;
        const int pair = HexValue(text.mid(i * 2, 2), &ok);
        bits |= static_cast<quint32>(ok ? pair : 0) << (8 * i);
    }
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Noise never holds a byte the program classifies on its own.
char NoiseByte()
{
    for (;;) {
        const char c = static_cast<char>(QRandomGenerator::global()->bounded(256));
        if (c != SOH && c != ACK && c != NAK && c != BEL && c != DC4)
            return c;
    }
}

} // namespace

TK27Simulator::TK27Simulator() = default;

TK27Simulator::~TK27Simulator()
{
    Stop();
    if (FSlaveKeep >= 0)
        ::close(FSlaveKeep);
    if (FMaster >= 0)
        ::close(FMaster);
}

QString TK27Simulator::OpenPty()
{
    FMaster = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (FMaster < 0 || ::grantpt(FMaster) != 0 || ::unlockpt(FMaster) != 0)
        throw Exception(QStringLiteral("Unable to open a pseudo-terminal: %1").arg(QString::fromLocal8Bit(strerror(errno))));
    char name[128] = {};
    if (::ptsname_r(FMaster, name, sizeof name) != 0)
        throw Exception(QStringLiteral("Unable to name the pseudo-terminal"));
    FSlavePath = QString::fromLocal8Bit(name);
    // Holding the slave open keeps the master readable while the program closes and reopens the
    // port, and lets the line start raw (no echo) before anyone configures it.
    FSlaveKeep = ::open(name, O_RDWR | O_NOCTTY);
    if (FSlaveKeep >= 0) {
        termios tio {};
        if (::tcgetattr(FSlaveKeep, &tio) == 0) {
            ::cfmakeraw(&tio);
            ::cfsetspeed(&tio, B19200);
            ::tcsetattr(FSlaveKeep, TCSANOW, &tio);
        }
    }
    ::fcntl(FMaster, F_SETFL, ::fcntl(FMaster, F_GETFL) | O_NONBLOCK);
    return FSlavePath;
}

void TK27Simulator::Start()
{
    if (FThread.joinable())
        return;
    FStop = false;
    FThread = std::thread([this] { Run(FStop); });
}

void TK27Simulator::Stop()
{
    FStop = true;
    if (FThread.joinable())
        FThread.join();
}

void TK27Simulator::Run(const std::atomic<bool> &stop)
{
    // A line hung up has nobody left to answer.
    while (!stop && FMaster >= 0)
        Poll(20);
}

void TK27Simulator::SetOptions(const TSimOptions &options)
{
    std::lock_guard guard(FLock);
    FOptions = options;
    // Counted faults count from the moment they are ordered.
    FPacketsSent = 0;
    FNaksSent = 0;
    FScopedBytesSent = 0;
}

TSimOptions TK27Simulator::Options() const
{
    std::lock_guard guard(FLock);
    return FOptions;
}

void TK27Simulator::SetBatches(const QList<TSimBatch> &batches)
{
    std::lock_guard guard(FLock);
    FBatches = batches;
}

QList<TSimBatch> TK27Simulator::Batches() const
{
    std::lock_guard guard(FLock);
    return FBatches;
}

QList<TSimCommand> TK27Simulator::Commands() const
{
    std::lock_guard guard(FLock);
    return FCommands;
}

void TK27Simulator::ClearCommands()
{
    std::lock_guard guard(FLock);
    FCommands.clear();
}

int TK27Simulator::CurrentBaud() const { return FMaster < 0 ? 0 : PtyOutputSpeed(FMaster); }

bool TK27Simulator::HungUp() const
{
    std::lock_guard guard(FLock);
    return FMaster < 0 && !FSlavePath.isEmpty();
}

bool TK27Simulator::InScope(char exchange) const
{
    return FOptions.FaultScope.isEmpty() || (exchange != 0 && FOptions.FaultScope.contains(exchange));
}

void TK27Simulator::HangUp()
{
    // Like a cable pulled out: the program's side of the line sees a hang-up.
    if (FSlaveKeep >= 0)
        ::close(FSlaveKeep);
    if (FMaster >= 0)
        ::close(FMaster);
    FSlaveKeep = FMaster = -1;
    FStream = stNone;
}

void TK27Simulator::Inject(const QByteArray &bytes)
{
    std::lock_guard guard(FLock);
    Write(bytes);
}

void TK27Simulator::Poll(int timeoutMs)
{
    if (FMaster < 0) {
        ::usleep(static_cast<useconds_t>(timeoutMs) * 1000);
        return;
    }
    pollfd pfd {FMaster, POLLIN, 0};
    if (::poll(&pfd, 1, timeoutMs) <= 0 || !(pfd.revents & POLLIN)) {
        if (pfd.revents & (POLLHUP | POLLERR))
            ::usleep(static_cast<useconds_t>(timeoutMs) * 1000);
        return;
    }
    char buffer[256];
    const ssize_t n = ::read(FMaster, buffer, sizeof buffer);
    if (n <= 0)
        return;
    std::lock_guard guard(FLock);
    const int onlyBaud = FOptions.OnlyBaud;
    // At the wrong speed the gauge hears nothing but garbage.
    if (onlyBaud != 0 && CurrentBaud() != onlyBaud)
        return;
    for (ssize_t i = 0; i < n; ++i)
        HandleByte(buffer[i]);
}

void TK27Simulator::HandleByte(char byte)
{
    if (FInPacket) {
        if (byte == ETB) {
            FInPacket = false;
            const QList<QByteArray> fields = FPacket.split(FS);
            FCommands << fields;
            if (OnCommand) {
                QStringList parts;
                for (const QByteArray &f : fields)
                    parts << QString::fromLatin1(f);
                OnCommand(parts.join(QLatin1Char(' ')));
            }
            HandleCommand(fields);
        } else if (byte == SOH) {
            FPacket.clear();
        } else {
            FPacket += byte;
        }
        return;
    }
    switch (byte) {
    case SOH:
        FInPacket = true;
        FPacket.clear();
        break;
    case WAKE:
        FStream = stNone;
        FExchange = WAKE;
        if (FOptions.Silent && InScope(WAKE))
            break;
        // Refusals of the wake byte only when the identification is named: a gauge refusing
        // every command still identifies itself.
        if (!FOptions.FaultScope.isEmpty() && InScope(WAKE)) {
            if (!FOptions.BellLetters.isEmpty()) {
                SendByte(BEL);
                break;
            }
            if (FNaksSent < FOptions.NakCount) {
                ++FNaksSent;
                SendByte(NAK);
                break;
            }
            FNaksSent = 0;
        }
        SendPacket(QByteArray(IdentityPacket()).split(FS));
        break;
    case ACK:
        if (FStream != stNone) {
            FExchange = FStream == stList ? 'A' : 'C';
            if (!(FOptions.Silent && InScope(FExchange)))
                SendNextStreamPacket();
        }
        break;
    case DLE:
    case ESC:
        FStream = stNone;
        break;
    default:
        break;
    }
}

void TK27Simulator::HandleCommand(const TSimCommand &command)
{
    FStream = stNone;
    const QByteArray letter = command.value(0);
    FExchange = letter.size() == 1 ? letter[0] : 0;
    const bool scoped = InScope(FExchange);
    if ((FOptions.Silent && scoped) || command.isEmpty())
        return;
    if (scoped && (FOptions.BellLetters.contains('*') || (!letter.isEmpty() && FOptions.BellLetters.contains(letter)))) {
        SendByte(BEL);
        return;
    }
    if (scoped && FNaksSent < FOptions.NakCount) {
        ++FNaksSent;
        SendByte(NAK);
        return;
    }
    FNaksSent = 0;

    if (letter == "A") {
        SendByte(ACK);
        FStream = stList;
        FStreamPos = 0;
        SendNextStreamPacket();
    } else if (letter == "B") {
        const int index = FindSlot(command.value(1));
        if (index < 0) {
            SendByte(NAK);
            return;
        }
        SendByte(ACK);
        SendPacket(HeaderFields(FBatches[index]));
    } else if (letter == "C") {
        const int index = FindSlot(command.value(1));
        if (index < 0) {
            SendByte(NAK);
            return;
        }
        SendByte(ACK);
        FStream = stReadings;
        FStreamBatch = index;
        FStreamPos = 0;
        SendNextStreamPacket();
    } else if (letter == "D") {
        HandleDefine(command);
    } else if (letter == "E") {
        SendByte(ACK);
        HandleStore();
    } else if (letter == "F") {
        const int index = FindSlot(command.value(1));
        if (index < 0 || command.value(2) != "YES") {
            SendByte(NAK);
            return;
        }
        FBatches.removeAt(index);
        SendByte(ACK);
    } else {
        SendByte(BEL);
    }
}

void TK27Simulator::HandleDefine(const TSimCommand &command)
{
    const QByteArray sub = command.value(1);
    const QByteArray value = command.value(2);
    const bool halfCells = FOptions.ModelLetter == FOptions.ModelLetter.toLower();
    // Fields this model does not know are refused like any unknown command.
    if ((sub == "S" && !FOptions.BarGrades) || ((sub == "Q" || sub == "R") && !halfCells)) {
        SendByte(BEL);
        return;
    }
    if (sub == "A") {
        FDefining = TSimBatch();
        FDefiningStarted = true;
        FDefining.ID = value;
    } else if (!FDefiningStarted) {
        SendByte(NAK);
        return;
    }
    bool ok = false;
    if (sub == "B")
        FDefining.BatchType = value == "HALFCELL" ? 1 : 0;
    else if (sub == "E")
        FDefining.HighLimit = HexFloat(value);
    else if (sub == "F")
        FDefining.LowLimit = HexFloat(value);
    else if (sub == "G")
        FDefining.LimitFlags = HexValue(value, &ok);
    else if (sub == "H")
        FDefining.Site = value;
    else if (sub == "I")
        FDefining.Location = value;
    else if (sub == "K")
        FDefining.Area = value;
    else if (sub == "L")
        FDefining.Engineer = value;
    else if (sub == "M")
        FDefining.Customer = value;
    else if (sub == "N")
        FDefining.Note = value;
    else if (sub == "Q")
        FDefining.CellType = value;
    else if (sub == "R")
        FDefining.Temperature = HexFloat(value);
    else if (sub == "S")
        FDefining.BarGrade = value;
    else if (sub == "P")
        FDefining.BatchFormat = value == "LINEAR" ? 1 : 0;
    else if (sub == "D")
        FDefining.Rows = HexValue(value, &ok);
    else if (sub == "C")
        FDefining.Columns = HexValue(value, &ok);
    else if (sub == "J")
        FDefining.Grid = HexFloat(value);
    else if (sub != "A") {
        SendByte(BEL);
        return;
    }
    SendByte(ACK);
}

void TK27Simulator::HandleStore()
{
    QByteArray reply;
    bool exists = false;
    for (const TSimBatch &batch : std::as_const(FBatches))
        // A cover and a half-cell batch of one name are two batches (a grouped template pair).
        exists = exists || (batch.ID == FDefining.ID && batch.BatchType == FDefining.BatchType);
    if (FOptions.MemoryFull || FBatches.size() >= FOptions.Capacity || !FDefiningStarted) {
        reply = "FFFF";
    } else if (FOptions.BatchExists || exists) {
        reply = "FFFE";
    } else {
        TSimBatch batch = FDefining;
        int slot = 0;
        for (const TSimBatch &other : std::as_const(FBatches))
            slot = std::max(slot, other.Slot + 1);
        batch.Slot = slot;
        if (batch.BatchFormat == 1) {
            batch.Columns = 1;
            batch.Rows = 1000;
        }
        batch.Columns = std::clamp(batch.Columns, 1, 255);
        batch.Rows = std::clamp(batch.Rows, 1, batch.BatchFormat == 1 ? 1000 : 255);
        batch.CreationDate = batch.UpdateDate = PackDate(2026, 1, 1, 12, 0);
        FBatches << batch;
        reply = Hex(slot, 4);
    }
    FDefiningStarted = false;
    SendPacket({reply});
}

void TK27Simulator::SendNextStreamPacket()
{
    if (FStream == stList) {
        if (FStreamPos < FBatches.size()) {
            SendPacket(ListEntry(FBatches[FStreamPos++]));
        } else {
            FStream = stNone;
            SendByte(DC4);
        }
        return;
    }
    if (FStream == stReadings) {
        const QList<QByteArray> &items = FBatches[FStreamBatch].Items;
        if (FStreamPos < items.size()) {
            const int count = std::min<int>(std::max(1, FOptions.ItemsPerPacket), items.size() - FStreamPos);
            SendPacket(items.mid(FStreamPos, count));
            FStreamPos += count;
        } else {
            FStream = stNone;
            SendByte(DC4);
        }
    }
}

int TK27Simulator::FindSlot(const QByteArray &slotText) const
{
    bool ok = false;
    const int slot = HexValue(slotText, &ok);
    for (int i = 0; ok && i < FBatches.size(); ++i)
        if (FBatches[i].Slot == slot)
            return i;
    return -1;
}

void TK27Simulator::SendByte(char byte) { Write(QByteArray(1, byte)); }

void TK27Simulator::SendPacket(const QList<QByteArray> &fields)
{
    const bool scoped = InScope(FExchange);
    QByteArray bytes;
    for (int i = 0; scoped && i < FOptions.NoiseBytes; ++i)
        bytes += NoiseByte();
    QByteArray packet = SOH + fields.join(FS) + ETB;
    if (scoped)
        ++FPacketsSent;
    if (scoped && FOptions.CutPacket == FPacketsSent) {
        // A gauge that gives up halfway also abandons the rest of the stream.
        packet = packet.left(std::max<qsizetype>(2, packet.size() / 2)) + FOptions.CutByte;
        FStream = stNone;
    }
    Write(bytes + packet);
}

void TK27Simulator::Write(const QByteArray &data)
{
    if (FMaster < 0)
        return;
    QByteArray bytes = data;
    bool hangUp = false;
    if (FOptions.HangUpAfter >= 0 && InScope(FExchange)) {
        const qsizetype room = std::max(0, FOptions.HangUpAfter - FScopedBytesSent);
        if (bytes.size() >= room) {
            bytes.truncate(room);
            hangUp = true;
        }
        FScopedBytesSent += static_cast<int>(bytes.size());
    }
    using Clock = std::chrono::steady_clock;
    const int baud = FOptions.Pace ? CurrentBaud() : 0;
    const auto start = Clock::now();
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        qsizetype due = bytes.size() - sent;
        if (baud > 0) {
            // Ten bits per byte on the line: start bit, eight data bits, stop bit.
            const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
            due = std::min<qsizetype>(due, static_cast<qsizetype>(elapsed * baud / 10.0) + 1 - sent);
            if (due <= 0) {
                ::usleep(static_cast<useconds_t>(std::max(100.0, 10.0e6 / baud)));
                continue;
            }
        }
        const ssize_t n = ::write(FMaster, bytes.constData() + sent, static_cast<size_t>(due));
        if (n < 0) {
            if (errno != EAGAIN && errno != EINTR)
                return;
            ::usleep(1000);
            continue;
        }
        sent += n;
    }
    if (hangUp)
        HangUp();
}

QByteArray TK27Simulator::IdentityPacket() const
{
    QList<QByteArray> fields;
    fields << FOptions.ModelId + FOptions.Version << "1F" << "0A" << "3" << "1024" << FOptions.SerialNumber
           << FOptions.ModelLetter << (FOptions.BarGrades ? "D" : "");
    return fields.join(FS);
}

namespace {
QByteArray TypeKeyword(int type) { return type == 1 ? "HALFCELL" : "COVER"; }
QByteArray FormatKeyword(int format) { return format == 1 ? "LINEAR" : "RECT"; }
} // namespace

QList<QByteArray> TK27Simulator::ListEntry(const TSimBatch &batch) const
{
    return {batch.ID,
            Hex(batch.Slot, 4),
            TypeKeyword(batch.BatchType),
            FormatKeyword(batch.BatchFormat),
            Hex(batch.BatchFormat == 1 ? 0 : batch.Columns, 2),
            Hex(batch.BatchFormat == 1 ? 0 : batch.Rows, 2),
            Hex(static_cast<int>(batch.Items.size()), 4)};
}

QList<QByteArray> TK27Simulator::HeaderFields(const TSimBatch &batch) const
{
    auto word = [](quint32 w) {
        QByteArray text;
        for (int i = 0; i < 4; ++i)
            text += Hex(static_cast<int>((w >> (8 * i)) & 0xFF), 2);
        return text;
    };
    QList<QByteArray> fields{batch.ID,
                             word(batch.CreationDate),
                             word(batch.UpdateDate),
                             batch.ProbeSerialNumber,
                             batch.ProbeType,
                             batch.ProbeSide0Type,
                             batch.ProbeSide1Type,
                             TypeKeyword(batch.BatchType),
                             FormatKeyword(batch.BatchFormat),
                             FloatHex(batch.HighLimit),
                             FloatHex(batch.LowLimit),
                             Hex(batch.LimitFlags, 1),
                             batch.Site,
                             batch.Location,
                             FloatHex(batch.Grid),
                             batch.Area,
                             batch.Engineer,
                             batch.Customer,
                             batch.Note,
                             batch.BarSeries,
                             FloatHex(batch.BarSize),
                             Hex(batch.BatchFormat == 1 ? 0 : batch.Columns, 2),
                             Hex(batch.BatchFormat == 1 ? 0 : batch.Rows, 2),
                             Hex(static_cast<int>(batch.Items.size()), 4),
                             batch.BatchType == 1 ? batch.CellType : batch.BarGrade};
    if (batch.BatchType == 1)
        fields << FloatHex(batch.Temperature);
    return fields;
}

quint32 TK27Simulator::PackDate(int year, int month, int day, int hour, int minute)
{
    const int y = year % 100;
    return static_cast<quint32>(minute % 10) | static_cast<quint32>(minute / 10) << 4
           | static_cast<quint32>(hour % 10) << 7 | static_cast<quint32>(hour / 10) << 11
           | static_cast<quint32>(day % 10) << 13 | static_cast<quint32>(day / 10) << 17
           | static_cast<quint32>(month % 10) << 19 | static_cast<quint32>(month / 10) << 23
           | static_cast<quint32>(y % 10) << 24 | static_cast<quint32>(y / 10) << 28;
}

QByteArray TK27Simulator::ReadingItem(int flags, int value)
{
    const auto v = static_cast<quint16>(static_cast<qint16>(value));
    return Hex(flags, 2) + Hex(v & 0xFF, 2) + Hex(v >> 8, 2);
}

QByteArray TK27Simulator::FloatHex(double value)
{
    const float single = static_cast<float>(value);
    quint32 bits = 0;
    std::memcpy(&bits, &single, sizeof bits);
    QByteArray text;
    for (int i = 0; i < 4; ++i)
        text += Hex(static_cast<int>((bits >> (8 * i)) & 0xFF), 2);
    return text;
}

QByteArray TK27Simulator::Hex(int value, int digits)
{
    return QByteArray::number(static_cast<quint32>(value), 16).toUpper().rightJustified(digits, '0');
}

QList<TSimBatch> TK27Simulator::DemoBatches()
{
    QList<TSimBatch> batches;
    auto common = [](TSimBatch &b, int slot, const char *id) {
        b.Slot = slot;
        b.ID = id;
        b.CreationDate = PackDate(2025, 6, 12, 9, 41);
        b.UpdateDate = PackDate(2025, 6, 12, 10, 7);
        b.ProbeSerialNumber = "P-20817";
        b.ProbeType = "STANDARD";
        b.ProbeSide0Type = "NORMAL";
        b.ProbeSide1Type = "DEEP";
        b.Site = "North Quay";
        b.Location = "Pier 4";
        b.Area = "Deck soffit";
        b.Engineer = "R. Alvarez";
        b.Customer = "Harbour Board";
        b.Note = "Demo batch";
    };
    // Readings follow a gentle wave so charts look like a real survey.
    auto wave = [](int i, int base, int swing) { return base + (i * 37 % (2 * swing + 1)) - swing; };

    TSimBatch grid;
    common(grid, 0, "DECK-GRID");
    grid.BatchType = 0;
    grid.BatchFormat = 0;
    grid.Columns = 8;
    grid.Rows = 6;
    grid.HighLimit = 60;
    grid.LowLimit = 25;
    grid.LimitFlags = 3;
    grid.Grid = 200;
    grid.BarSeries = "ME";
    grid.BarSize = 16;
    grid.BarGrade = "HT";
    for (int i = 0; i < grid.Columns * grid.Rows - 3; ++i) {
        if (i == 5)
            grid.Items << ReadingItem(0x80, 0);
        else if (i == 11)
            grid.Items << ReadingItem(0x00, 0); // beyond the probe's range
        else
            grid.Items << ReadingItem(0x30, wave(i, 420, 150));
    }
    batches << grid;

    TSimBatch run;
    common(run, 1, "WALL-RUN");
    run.BatchType = 0;
    run.BatchFormat = 1;
    run.Columns = 1;
    run.Rows = 1000;
    run.HighLimit = 55;
    run.LowLimit = 30;
    run.LimitFlags = 1;
    run.BarSeries = "US";
    run.BarSize = 12.7f;
    run.BarGrade = "316";
    for (int i = 0; i < 60; ++i)
        run.Items << ReadingItem(0x30, wave(i, 380, 120));
    batches << run;

    TSimBatch cells;
    common(cells, 2, "SLAB-CELLS");
    cells.BatchType = 1;
    cells.BatchFormat = 0;
    cells.Columns = 5;
    cells.Rows = 5;
    cells.HighLimit = -0.2;
    cells.LowLimit = -0.35;
    cells.LimitFlags = 2;
    cells.Grid = 500;
    cells.BarSeries = "ME";
    cells.BarSize = 20;
    cells.CellType = "CU/CUSO4";
    cells.Temperature = 18.5;
    for (int i = 0; i < 25; ++i)
        cells.Items << ReadingItem(0x30, wave(i, -250, 120));
    batches << cells;

    TSimBatch line;
    common(line, 3, "BEAM-CELLS");
    line.BatchType = 1;
    line.BatchFormat = 1;
    line.Columns = 1;
    line.Rows = 1000;
    line.HighLimit = -0.2;
    line.LowLimit = -0.35;
    line.LimitFlags = 3;
    line.BarSeries = "AS";
    line.BarSize = 16;
    line.CellType = "AG/AGCL";
    line.Temperature = -100;
    for (int i = 0; i < 30; ++i)
        line.Items << ReadingItem(0x30, wave(i, -180, 90));
    batches << line;
    return batches;
}
