// orvalis-cli contour: the isolines of a grid batch as JSON, for a script or a CAD program.
#include "CliCommands.h"
#include "UnitBatchList.h"
#include "UnitContour.h"
#include "UnitException.h"

#include <QLocale>

namespace {
const char *kUsage = "contour FILE [--levels V1,V2,...] [--step N] --json  isolines in millimetres (levels in mm or mV)";

QString Number(double v) { return QString::number(v, 'g', QLocale::FloatingPointShortest); }

QString JsonString(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case '"': out += QStringLiteral("\\\""); break;
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        default:
            if (ch.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += ch;
        }
    }
    return out + QLatin1Char('"');
}

// Written by hand to keep the keys in the documented order.
QString Json(const TBatchItem &b, const QList<TContourLevel> &levels)
{
    QString out = QStringLiteral("{\"batch\": ") + JsonString(b.ID) + QStringLiteral(", \"type\": ") +
                  JsonString(b.BatchType == BatchTypeHalfCell ? QStringLiteral("Half Cell") : QStringLiteral("Cover")) +
                  QStringLiteral(", \"grid_spacing_mm\": ") + Number(ContourGridSpacing(b)) + QStringLiteral(", \"levels\": [");
    for (int i = 0; i < levels.size(); ++i) {
        if (i > 0)
            out += QStringLiteral(", ");
        out += QStringLiteral("{\"value\": ") + Number(levels[i].Value) + QStringLiteral(", \"lines\": [");
        for (int j = 0; j < levels[i].Lines.size(); ++j) {
            if (j > 0)
                out += QStringLiteral(", ");
            out += QLatin1Char('[');
            const TContourLine &line = levels[i].Lines[j];
            for (int k = 0; k < line.size(); ++k) {
                if (k > 0)
                    out += QStringLiteral(", ");
                out += QLatin1Char('[') + Number(line[k].x()) + QStringLiteral(", ") + Number(line[k].y()) + QLatin1Char(']');
            }
            out += QLatin1Char(']');
        }
        out += QStringLiteral("]}");
    }
    return out + QStringLiteral("]}\n");
}

TCliRegistration reg("contour", kUsage, [](const QStringList &args) {
    QString file, levels;
    double step = 0;
    bool json = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&]() -> QString {
            if (i + 1 >= args.size())
                throw Exception(QStringLiteral("%1 needs a value").arg(a));
            return args[++i];
        };
        if (a == "--json")
            json = true;
        else if (a == "--levels")
            levels = value();
        else if (a == "--step") {
            bool ok = false;
            const QString text = value();
            step = text.toDouble(&ok);
            if (!ok || !(step > 0))
                throw Exception(QStringLiteral("--step needs a positive number, not \"%1\"").arg(text));
        } else if (a.startsWith(QLatin1Char('-')))
            throw Exception(QStringLiteral("unknown option \"%1\"").arg(a));
        else if (file.isEmpty())
            file = a;
        else
            throw Exception(QStringLiteral("contour takes one batch file"));
    }
    if (file.isEmpty())
        throw Exception(QStringLiteral("contour needs a batch file"));
    if (!json)
        throw Exception(QStringLiteral("contour writes JSON only: add --json"));
    TBatchItem batch;
    batch.LoadFromFile(file);
    const QList<TContourLevel> lines = ContourLines(batch, ContourLevelsOf(batch, ParseContourLevels(levels), step));
    CliOut(Json(batch, lines));
    return 0;
});
} // namespace
