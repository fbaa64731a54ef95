#pragma once
// A small independent reader of BIFF record streams for the workbook tests.
#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <cstring>
#include <vector>

struct TBiffRecord {
    quint16 Type = 0;
    QByteArray Data;
    int Offset = 0; // byte offset of the record header in the stream

    quint16 U16(int at) const { return qFromLittleEndian<quint16>(Data.constData() + at); }
    quint32 U32(int at) const { return qFromLittleEndian<quint32>(Data.constData() + at); }
    double F64(int at) const
    {
        const quint64 bits = qFromLittleEndian<quint64>(Data.constData() + at);
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    // Text with a one-byte length at `at`.
    QByteArray Text8(int at) const { return Data.mid(at + 1, static_cast<quint8>(Data.at(at))); }
};

// Splits a stream into records; `ok` is false when a record is cut or bytes are left over.
inline std::vector<TBiffRecord> ReadBiff(const QByteArray &bytes, bool *ok = nullptr)
{
    std::vector<TBiffRecord> out;
    int pos = 0;
    bool good = true;
    while (pos < bytes.size()) {
        if (pos + 4 > bytes.size()) {
            good = false;
            break;
        }
        TBiffRecord r;
        r.Offset = pos;
        r.Type = qFromLittleEndian<quint16>(bytes.constData() + pos);
        const int length = qFromLittleEndian<quint16>(bytes.constData() + pos + 2);
        if (pos + 4 + length > bytes.size()) {
            good = false;
            break;
        }
        r.Data = bytes.mid(pos + 4, length);
        out.push_back(r);
        pos += 4 + length;
    }
    if (ok)
        *ok = good;
    return out;
}

// A cell as read from a sheet.
struct TBiffCell {
    int Row, Column, Format;
    bool IsNumber;
    double Number;
    QByteArray Text;
};

// One sheet of a BIFF4W stream: its bundle header, name and cells in record order.
struct TBiffSheet {
    QByteArray Name;
    quint32 DeclaredSize = 0;
    quint32 ActualSize = 0; // bytes from its BOF through its EOF
    int HeaderOffset = 0;
    std::vector<TBiffCell> Cells;
    std::vector<quint16> Types; // record types from its BOF through its EOF
};

inline std::vector<TBiffSheet> BiffSheets(const std::vector<TBiffRecord> &records)
{
    std::vector<TBiffSheet> sheets;
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].Type != 0x008F)
            continue;
        TBiffSheet s;
        s.DeclaredSize = records[i].U32(0);
        s.Name = records[i].Text8(4);
        s.HeaderOffset = records[i].Offset;
        for (size_t k = i + 1; k < records.size(); ++k) {
            const TBiffRecord &r = records[k];
            s.ActualSize += 4 + static_cast<quint32>(r.Data.size());
            s.Types.push_back(r.Type);
            if (r.Type == 0x0203)
                s.Cells.push_back({r.U16(0), r.U16(2), r.U16(4), true, r.F64(6), {}});
            else if (r.Type == 0x0204)
                s.Cells.push_back({r.U16(0), r.U16(2), r.U16(4), false, 0, r.Data.mid(8, r.U16(6))});
            if (r.Type == 0x000A)
                break;
        }
        sheets.push_back(s);
    }
    return sheets;
}
