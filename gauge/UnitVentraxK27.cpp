#include "UnitVentraxK27.h"

#include "UnitEnumComPort.h"
#include "UnitTextFile.h"

#include <QDateTime>
#include <QDir>
#include <QSerialPort>
#include <QThread>
#include <cmath>
#include <cstring>

namespace {

QString CommsError(const char *what)
{
    return Tr("Communications Error: (%1)").arg(Tr(what));
}

void ConfigurePort(QSerialPort &port, const QString &device)
{
    port.setPortName(device);
    port.setBaudRate(K27::OpenBaudRate);
    port.setDataBits(QSerialPort::Data8);
    port.setStopBits(QSerialPort::OneStop);
    port.setParity(QSerialPort::NoParity);
    port.setFlowControl(QSerialPort::NoFlowControl);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// One byte pair of a 32-bit word; -1 when either digit is not hexadecimal.
int HexPair(const QByteArray &text, int at)
{
    if (at + 1 >= text.size())
        return -1;
    const int hi = HexDigit(text[at]);
    const int lo = HexDigit(text[at + 1]);
    return hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
}

} // namespace

TTemplateSupportBatchFormat TemplateSupportBatchFormats(int modelCode, const QString &version)
{
    TTemplateSupportBatchFormat formats;
    if (modelCode == 1 && version.compare(QLatin1String("200")) >= 0)
        formats.Linear = true;
    else if (modelCode == 2)
        formats.Grid = formats.Linear = true;
    return formats;
}

TVentraxK27Interface::TVentraxK27Interface(QObject *parent) : QObject(parent)
{
    FTraceStart.start();
}

TVentraxK27Interface::~TVentraxK27Interface()
{
    try {
        SaveTrace();
    } catch (...) {
        // A trace that cannot be written must not take the connection's owner down with it.
    }
}

QSerialPort &TVentraxK27Interface::Port()
{
    if (!FPort)
        throw VentraxK27Exception(Tr("Communications Error: (Port not open)"));
    return *FPort;
}

bool TVentraxK27Interface::IsOpen() const { return FPort && FPort->isOpen(); }

QString PortOpenFailureMessage(const QString &device, bool permissionDenied)
{
    QString message = Tr("Communications Error");
    // On Linux serial devices belong to the "dialout" group; without it the user only sees the
    // open fail, so the cause and its remedy are named beside the link's own message.
    if (permissionDenied)
        message += QStringLiteral("\r\n\r\n") +
                   Tr("Permission denied on %1: add your user to the dialout group and log in again.").arg(device);
    return message;
}

void TVentraxK27Interface::Open(int portNumber, bool trace)
{
    OpenPort(ComPortDevice(portNumber), portNumber, trace);
}

void TVentraxK27Interface::OpenDevice(const QString &device, bool trace)
{
    OpenPort(device, PortNumberFromName(device), trace);
}

void TVentraxK27Interface::OpenPort(const QString &device, int portNumber, bool trace)
{
    FTraceStart.restart();
    FTraceEnabled = trace;
    FPortNumber = portNumber;
    if (FPort)
        Close();
    if (device.isEmpty())
        throw Exception(Tr("Communications Error"));

    // Some USB adapters only settle after being opened once and left alone for a moment.
    {
        QSerialPort wakeUp;
        ConfigurePort(wakeUp, device);
        if (!wakeUp.open(QIODevice::ReadWrite))
            throw Exception(PortOpenFailureMessage(device, wakeUp.error() == QSerialPort::PermissionError));
        QThread::msleep(100);
        wakeUp.close();
        QThread::msleep(500);
    }

    FPort = std::make_unique<QSerialPort>();
    ConfigurePort(*FPort, device);
    if (!FPort->open(QIODevice::ReadWrite)) {
        const bool denied = FPort->error() == QSerialPort::PermissionError;
        FPort.reset();
        throw Exception(PortOpenFailureMessage(device, denied));
    }
}

void TVentraxK27Interface::Close()
{
    if (!FPort)
        return;
    FPort->close();
    FPort.reset();
    QThread::msleep(250);
}

void TVentraxK27Interface::DiscardInput()
{
    QSerialPort &port = Port();
    // Pick up what the driver already holds so that clear() drops it as well.
    port.waitForReadyRead(0);
    port.clear(QSerialPort::Input);
    port.readAll();
}

void TVentraxK27Interface::Transfer(const QByteArray &bytes)
{
    QSerialPort &port = Port();
    TraceTransfer(bytes, 1);
    if (port.write(bytes) != bytes.size())
        throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Write data failed")));
    QElapsedTimer timer;
    timer.start();
    while (port.bytesToWrite() > 0) {
        if (timer.elapsed() >= K27::ByteTimeoutMs || (!port.waitForBytesWritten(100) && !port.isOpen()))
            throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Write data failed")));
    }
}

void TVentraxK27Interface::SendByte(char byte)
{
    DiscardInput();
    Transfer(QByteArray(1, byte));
}

void TVentraxK27Interface::SetBaudAndWake(int baudRate)
{
    if (!Port().setBaudRate(baudRate))
        throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Unable to set baud rate")));
    QThread::msleep(50);
    SendByte(K27::WAKE);
}

void TVentraxK27Interface::SendPacket(const QList<QByteArray> &fields)
{
    DiscardInput();
    QByteArray text;
    for (const QByteArray &field : fields) {
        if (!text.isEmpty())
            text += K27::FS;
        text += field;
    }
    Transfer(K27::SOH + text + K27::ETB);
}

bool TPacketFramer::Feed(char byte, TPacket &packet)
{
    const auto finish = [&](TPacketKind kind, QByteArray payload) {
        packet.Kind = kind;
        packet.Payload = std::move(payload);
        FInPacket = false;
        FPayload.clear();
        return true;
    };
    switch (byte) {
    case K27::DC4:
        return finish(pkEnd, {});
    case K27::ACK:
        return finish(pkAck, {});
    case K27::NAK:
        return finish(pkNak, {});
    case K27::BEL:
        return finish(pkBell, {});
    default:
        break;
    }
    if (!FInPacket && byte == K27::SOH) {
        FInPacket = true;
        FPayload.clear();
    } else if (FInPacket && byte == K27::ETB) {
        return finish(pkData, FPayload);
    } else if (FInPacket) {
        FPayload += byte;
    }
    return false;
}

TPacket TVentraxK27Interface::ReadPacket()
{
    TPacketFramer framer;
    TPacket packet;
    QThread::msleep(1);
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < K27::PacketTimeoutMs) {
        if (framer.Feed(ReadByte(), packet))
            return packet;
    }
    throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Read Packet timeout")));
}

bool TVentraxK27Interface::ExchangeCommand(const QList<QByteArray> &fields, int retries)
{
    try {
        for (int attempt = 0; attempt < retries; ++attempt) {
            SendPacket(fields);
            const TPacket reply = ReadPacket();
            if (reply.Kind == pkAck)
                return false;
            if (reply.Kind == pkBell)
                return true;
        }
    } catch (const std::exception &) {
        throw VentraxK27Exception(CommsError(QT_TRID_NOOP("No response to command")));
    }
    throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Invalid response to command")));
}

void TVentraxK27Interface::SendCommand(const QList<QByteArray> &fields, int retries)
{
    if (ExchangeCommand(fields, retries))
        throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Must support command")));
}

void TVentraxK27Interface::WaitForBytes(int count, int limitMs)
{
    QSerialPort &port = Port();
    QElapsedTimer timer;
    timer.start();
    bool timeoutContinue = true;
    while (timer.elapsed() < limitMs && timeoutContinue) {
        if (port.bytesAvailable() >= count)
            return;
        // Returns as soon as something arrives; waits 5 ms when nothing does.
        if (!port.waitForReadyRead(5) && port.error() != QSerialPort::TimeoutError) {
            port.clearError();
            QThread::msleep(5);
        }
        if (port.bytesAvailable() >= count)
            return;
        if (OnTimeoutContinue)
            OnTimeoutContinue(this, timeoutContinue);
    }
    throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Read data timeout")));
}

void TVentraxK27Interface::ReadBytes(char *buffer, int count, int limitMs)
{
    WaitForBytes(count, limitMs);
    QSerialPort &port = Port();
    for (int i = 0; i < count; ++i) {
        if (!port.getChar(&buffer[i]))
            throw VentraxK27Exception(CommsError(QT_TRID_NOOP("Read data timeout")));
    }
    TraceTransfer(QByteArray(buffer, count), 0);
}

char TVentraxK27Interface::ReadByte()
{
    char byte = 0;
    ReadBytes(&byte, 1, K27::ByteTimeoutMs);
    return byte;
}

// ---------------------------------------------------------------------------------------------
// Trace

QString TVentraxK27Interface::FormatTraceBytes(const QByteArray &bytes)
{
    QString text;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 33 && b <= 126)
            text += QLatin1Char(c);
        else
            text += QStringLiteral("[%1]").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

void TVentraxK27Interface::AddTrace(bool header, const QString &text)
{
    if (!FTraceEnabled)
        return;
    if (header) {
        FTraceLines << QString();
        FTraceLines << QString::asprintf("%.7lld: ", static_cast<long long>(FTraceStart.elapsed())) + text;
        FTraceLines << QString();
    } else {
        if (FTraceLines.isEmpty())
            FTraceLines << QString();
        FTraceLines.last() += text;
    }
}

void TVentraxK27Interface::TraceTransfer(const QByteArray &bytes, unsigned char direction)
{
    if (!FTraceEnabled)
        return;
    if (FTraceLines.isEmpty() || FLastDirection != direction) {
        AddTrace(true, direction == 1 ? QStringLiteral("Output") : QStringLiteral("Input"));
        FLastDirection = direction;
    }
    AddTrace(false, FormatTraceBytes(bytes));
}

void TVentraxK27Interface::SaveTrace()
{
    if (!FTraceEnabled || FTraceLines.isEmpty())
        return;
    const QString name = QStringLiteral("CommsTrace_%1.TXT")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyMMdd-hhmmss")));
    QByteArray text;
    for (const QString &line : std::as_const(FTraceLines))
        text += line.toUtf8() + "\r\n";
    FTraceLines.clear();
    WriteFileAtomic(QDir::current().absoluteFilePath(name), text);
}

// ---------------------------------------------------------------------------------------------
// Payload fields

int TVentraxK27Interface::FieldCount(const QByteArray &payload) { return payload.count(K27::FS) + 1; }

QByteArray TVentraxK27Interface::GetField(const QByteArray &payload, int index)
{
    if (index < 0)
        return QByteArray();
    qsizetype start = 0;
    for (int i = 0; i < index; ++i) {
        start = payload.indexOf(K27::FS, start);
        if (start < 0)
            return QByteArray();
        ++start;
    }
    const qsizetype end = payload.indexOf(K27::FS, start);
    return payload.mid(start, end < 0 ? -1 : end - start);
}

bool TVentraxK27Interface::TryHex(const QByteArray &text, quint32 &value)
{
    value = 0;
    if (text.isEmpty() || text.size() > 8)
        return false;
    quint32 result = 0;
    for (const char c : text) {
        const int d = HexDigit(c);
        if (d < 0)
            return false;
        result = result * 16 + static_cast<quint32>(d);
    }
    value = result;
    return true;
}

int TVentraxK27Interface::HexField(const QByteArray &payload, int index)
{
    quint32 value = 0;
    return TryHex(GetField(payload, index), value) ? static_cast<int>(value) : 0;
}

int TVentraxK27Interface::DecField(const QByteArray &payload, int index)
{
    bool ok = false;
    const QByteArray field = GetField(payload, index);
    // Only plain digits with an optional sign; no blanks, no other bases.
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (!((c >= '0' && c <= '9') || (i == 0 && (c == '-' || c == '+'))))
            return 0;
    }
    const int value = field.toInt(&ok, 10);
    return ok ? value : 0;
}

quint32 TVentraxK27Interface::Hex32Field(const QByteArray &payload, int index)
{
    const QByteArray field = GetField(payload, index);
    quint32 value = 0;
    for (int i = 0; i < 4; ++i) {
        const int pair = HexPair(field, i * 2);
        if (pair < 0)
            throw VentraxK27Exception(Tr("Communications Error: ('%1' is not a valid hexadecimal value)")
                                          .arg(FormatTraceBytes(field.mid(i * 2, 2))));
        value |= static_cast<quint32>(pair) << (8 * i);
    }
    return value;
}

double TVentraxK27Interface::FloatField(const QByteArray &payload, int index)
{
    const QByteArray field = GetField(payload, index);
    quint32 bits = 0;
    for (int i = 0; i < 4; ++i) {
        const int pair = HexPair(field, i * 2);
        bits |= static_cast<quint32>(pair < 0 ? 0 : pair) << (8 * i);
    }
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    // A line fault must not plant an infinity or NaN in a limit or a grid spacing.
    return std::isfinite(value) ? static_cast<double>(value) : 0.0;
}

QByteArray TVentraxK27Interface::FloatToHex(double value)
{
    const float single = static_cast<float>(value);
    quint32 bits = 0;
    std::memcpy(&bits, &single, sizeof bits);
    QByteArray text;
    for (int i = 0; i < 4; ++i)
        text += QByteArray::number((bits >> (8 * i)) & 0xFF, 16).rightJustified(2, '0').toUpper();
    return text;
}
