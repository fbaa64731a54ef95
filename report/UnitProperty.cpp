#include "UnitProperty.h"

#include "UnitException.h"
#include "UnitPictureLoader.h"
#include "UnitTextFile.h"
#include "UnitUnits.h"
#include "UnitXml.h"

#include <QBuffer>
#include <QCollator>
#include <QColor>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <algorithm>
#include <zlib.h>

// ---------------------------------------------------------------- colours and styles

QColor ColourFromInt(int colour)
{
    const auto c = static_cast<quint32>(colour);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

int ColourToInt(const QColor &colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

namespace {
struct TNamedColour {
    const char *Name;
    quint32 Value;
};
constexpr TNamedColour kColours[] = {
    {"clBlack", 0x000000},  {"clMaroon", 0x000080}, {"clGreen", 0x008000},     {"clOlive", 0x008080},
    {"clNavy", 0x800000},   {"clPurple", 0x800080}, {"clTeal", 0x808000},      {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},    {"clLime", 0x00FF00},      {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},     {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
};
const char *const kBrushStyles[] = {"bsSolid", "bsClear",      "bsBDiagonal",  "bsFDiagonal",
                                    "bsCross", "bsDiagCross", "bsHorizontal", "bsVertical"};
const char *const kPenStyles[] = {"psSolid",      "psDash",  "psDot",        "psDashDot",
                                  "psDashDotDot", "psClear", "psInsideFrame"};
} // namespace

QString ColourToText(int colour)
{
    for (const auto &c : kColours)
        if (c.Value == static_cast<quint32>(colour))
            return QString::fromLatin1(c.Name);
    return QStringLiteral("$%1").arg(static_cast<quint32>(colour), 8, 16, QLatin1Char('0')).toUpper();
}

bool TextToColour(const QString &text, int &colour)
{
    const QString t = text.trimmed();
    for (const auto &c : kColours)
        if (t.compare(QLatin1String(c.Name), Qt::CaseInsensitive) == 0) {
            colour = static_cast<int>(c.Value);
            return true;
        }
    bool ok = false;
    const qlonglong v = t.startsWith(QLatin1Char('$')) ? t.mid(1).toLongLong(&ok, 16) : t.toLongLong(&ok);
    if (!ok || v < INT_MIN || v > 0xFFFFFFFFLL)
        return false;
    colour = static_cast<int>(static_cast<quint32>(v));
    return true;
}

QString BrushStyleName(int style)
{
    return style >= 0 && style < 8 ? QString::fromLatin1(kBrushStyles[style]) : QString();
}

int BrushStyleFromName(const QString &name)
{
    for (int i = 0; i < 8; ++i)
        if (name.trimmed().compare(QLatin1String(kBrushStyles[i]), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString PenStyleName(int style)
{
    return style >= 0 && style < 7 ? QString::fromLatin1(kPenStyles[style]) : QString();
}

int PenStyleFromName(const QString &name)
{
    for (int i = 0; i < 7; ++i)
        if (name.trimmed().compare(QLatin1String(kPenStyles[i]), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Qt::BrushStyle ToQtBrushStyle(int style)
{
    switch (style) {
    case 1: return Qt::NoBrush;
    case 2: return Qt::BDiagPattern;
    case 3: return Qt::FDiagPattern;
    case 4: return Qt::CrossPattern;
    case 5: return Qt::DiagCrossPattern;
    case 6: return Qt::HorPattern;
    case 7: return Qt::VerPattern;
    default: return Qt::SolidPattern;
    }
}

Qt::PenStyle ToQtPenStyle(int style)
{
    switch (style) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

// ---------------------------------------------------------------- picture text

QString EncodePictureText(const QByteArray &stringForm)
{
    QByteArray plain(4, '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(stringForm.size()), plain.data());
    plain += stringForm;
    uLongf size = compressBound(static_cast<uLong>(plain.size()));
    QByteArray packed(static_cast<qsizetype>(size), '\0');
    if (compress2(reinterpret_cast<Bytef *>(packed.data()), &size,
                  reinterpret_cast<const Bytef *>(plain.constData()), static_cast<uLong>(plain.size()), 9) != Z_OK)
        throw Exception(Tr("Unable to compress picture"));
    packed.truncate(static_cast<qsizetype>(size));
    const QByteArray base64 = packed.toBase64();
    QString text;
    text.reserve(base64.size() + base64.size() / 76 * 2 + 2);
    for (qsizetype i = 0; i < base64.size(); i += 76) {
        text += QString::fromLatin1(base64.mid(i, 76));
        if (i + 76 <= base64.size())
            text += QStringLiteral("\r\n");
    }
    return text;
}

QByteArray DecodePictureText(const QString &text)
{
    QByteArray clean;
    clean.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
            c == '/' || c == '=')
            clean += static_cast<char>(c);
    }
    if (clean.isEmpty())
        return {};
    const auto decoded = QByteArray::fromBase64Encoding(clean, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return {};
    const QByteArray &packed = *decoded;
    // Inflate in steps: the stored length is only trusted once it has been read.
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return {};
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
    z.avail_in = static_cast<uInt>(packed.size());
    QByteArray out;
    char chunk[65536];
    int rc = Z_OK;
    while (rc == Z_OK) {
        z.next_out = reinterpret_cast<Bytef *>(chunk);
        z.avail_out = sizeof chunk;
        rc = inflate(&z, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END)
            break;
        out.append(chunk, static_cast<qsizetype>(sizeof chunk - z.avail_out));
        // No picture of a report comes near this (an A4 page at 600 dpi in 24-bit colour is about
        // 100 MB); a stream that inflates further is a bomb, not a picture.
        if (out.size() > (qsizetype(128) << 20)) {
            rc = Z_MEM_ERROR;
            break;
        }
        if (rc == Z_OK && z.avail_in == 0 && z.avail_out != 0)
            break; // truncated stream
    }
    inflateEnd(&z);
    if (rc != Z_STREAM_END || out.size() < 4)
        return {};
    const quint32 length = qFromLittleEndian<quint32>(out.constData());
    if (length > static_cast<quint32>(out.size() - 4))
        return {};
    return out.mid(4, static_cast<qsizetype>(length));
}

// ---------------------------------------------------------------- TVentraxGraphic

bool TVentraxGraphic::IsEmpty() const
{
    return Format == 2 ? Metafile.isEmpty() : Bitmap.isNull();
}

namespace {
bool IsSvg(const QByteArray &data)
{
    return data.contains("<svg");
}
} // namespace

QSize TVentraxGraphic::Size() const
{
    if (Format == 2) {
        if (IsSvg(Metafile)) {
            QSvgRenderer r(Metafile);
            if (r.isValid())
                return r.defaultSize();
        }
        return Metafile.isEmpty() ? QSize() : QSize(100, 100);
    }
    return Bitmap.size();
}

void TVentraxGraphic::Clear()
{
    Format = 0;
    Jpeg.clear();
    Bitmap = QImage();
    Metafile.clear();
}

void TVentraxGraphic::LoadFromFile(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    const auto fail = [&] { throw Exception(Tr("Unable to load picture file %1").arg(fileName)); };
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) {
        const QByteArray data = ReadWholeFile(fileName);
        QImage image;
        if (!image.loadFromData(data, "JPEG"))
            fail();
        Clear();
        Jpeg = data;
        Bitmap = image.convertToFormat(QImage::Format_RGB32);
        Format = 1;
    } else if (ext == QLatin1String("svg") || ext == QLatin1String("emf") || ext == QLatin1String("wmf")) {
        const QByteArray data = ReadWholeFile(fileName);
        if (data.isEmpty() || (ext == QLatin1String("svg") && !QSvgRenderer(data).isValid()))
            fail();
        Clear();
        Metafile = data;
        Format = 2;
    } else {
        const QImage image = LoadPictureFile(fileName);
        if (image.isNull())
            fail();
        Clear();
        Bitmap = image;
        Format = 0;
    }
}

QByteArray TVentraxGraphic::SaveToString() const
{
    if (IsEmpty())
        return {};
    QByteArray out(1, static_cast<char>(Format));
    if (Format == 1) {
        out += Jpeg;
    } else if (Format == 2) {
        out += Metafile;
    } else {
        QBuffer buffer(&out);
        buffer.open(QIODevice::Append);
        Bitmap.save(&buffer, "BMP");
    }
    return out;
}

void TVentraxGraphic::LoadFromString(const QByteArray &data)
{
    if (data.isEmpty())
        return;
    const auto format = static_cast<std::uint8_t>(data.at(0));
    const QByteArray rest = data.mid(1);
    Clear();
    Format = format;
    if (format == 1) {
        Jpeg = rest;
        QImage image;
        if (image.loadFromData(rest, "JPEG"))
            Bitmap = image.convertToFormat(QImage::Format_RGB32);
    } else if (format == 2) {
        Metafile = rest;
    } else {
        Format = 0;
        Bitmap.loadFromData(MendBitmapBytes(rest), "BMP");
    }
}

void TVentraxGraphic::Draw(QPainter &canvas, const QRectF &rect) const
{
    if (Format == 2) {
        if (IsSvg(Metafile)) {
            QSvgRenderer r(Metafile);
            if (r.isValid()) {
                r.render(&canvas, rect);
                return;
            }
        }
        // A metafile of another system: kept, shown as a framed placeholder.
        canvas.save();
        canvas.setPen(QPen(Qt::gray, 0));
        canvas.setBrush(Qt::NoBrush);
        canvas.drawRect(rect);
        canvas.drawLine(rect.topLeft(), rect.bottomRight());
        canvas.drawLine(rect.bottomLeft(), rect.topRight());
        canvas.restore();
        return;
    }
    if (!Bitmap.isNull())
        canvas.drawImage(rect, Bitmap);
}

void TVentraxGraphic::Assign(const TPersistent *source)
{
    const auto *g = dynamic_cast<const TVentraxGraphic *>(source);
    if (!g)
        throw Exception(Tr("Cannot assign object to VentraxGraphic"));
    Format = g->Format;
    Jpeg = g->Jpeg;
    Bitmap = g->Bitmap;
    Metafile = g->Metafile;
}

// ---------------------------------------------------------------- TProperty

void TProperty::SetValue(const QVariant &value)
{
    FGraphicDecoded = false;
    QVariant v = value;
    if (!Loading && OnValidate)
        OnValidate(*this, v);
    const QVariant previous = Value;
    Value = v;
    if (Owner)
        Owner->Modified = true;
    if (Kind == pkPicture)
        GetGraphic();
    if (OnChange)
        OnChange(*this, previous);
    if (Owner && Owner->OnChange)
        Owner->OnChange(*Owner, Owner->IndexOf(this));
}

QString TProperty::AsString() const
{
    return IsEmpty() ? QString() : Value.toString();
}

int TProperty::AsInteger() const
{
    if (IsEmpty())
        return 0;
    bool ok = false;
    if (Value.typeId() == QMetaType::QString) {
        const int v = FileTextToInt(Value.toString(), &ok);
        return ok ? v : 0;
    }
    if (Value.typeId() == QMetaType::Double)
        return RoundHalfUp(Value.toDouble());
    const int v = Value.toInt(&ok);
    return ok ? v : 0;
}

double TProperty::AsFloat() const
{
    if (IsEmpty())
        return 0.0;
    bool ok = false;
    if (Value.typeId() == QMetaType::QString) {
        const double v = FileTextToFloat(Value.toString(), &ok);
        return ok ? v : 0.0;
    }
    const double v = Value.toDouble(&ok);
    return ok ? v : 0.0;
}

bool TProperty::AsBoolean() const
{
    if (IsEmpty())
        return false;
    if (Value.typeId() == QMetaType::QString) {
        const QString t = Value.toString().trimmed();
        return t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || t == QLatin1String("1");
    }
    return Value.toBool();
}

QByteArray TProperty::AsBytes() const
{
    if (IsEmpty())
        return {};
    if (Value.typeId() == QMetaType::QByteArray)
        return Value.toByteArray();
    return Value.toString().toUtf8();
}

const TVentraxGraphic &TProperty::GetGraphic()
{
    if (!FGraphicDecoded) {
        FGraphic.Clear();
        FGraphic.LoadFromString(AsBytes());
        FGraphicDecoded = true;
    }
    return FGraphic;
}

QString TProperty::DisplayCaption() const
{
    const QString c = Caption.isEmpty() ? Name : Caption;
    switch (Kind) {
    case pkCoverLength: return QStringLiteral("%1 (%2)").arg(c, CoverUnitName());
    case pkDistance: return QStringLiteral("%1 (%2)").arg(c, LengthUnitName());
    case pkHalfCell: return QStringLiteral("%1 (%2)").arg(c, HalfCellUnitName());
    default: return c;
    }
}

QString TProperty::DisplayText() const
{
    switch (Kind) {
    case pkCoverLength: return FormatCover(AsFloat());
    case pkDistance: return FormatLength(AsFloat());
    case pkHalfCell: return FormatHalfCell(AsFloat());
    case pkInteger: return QString::number(AsInteger());
    case pkBoolean: return AsBoolean() ? QStringLiteral("True") : QStringLiteral("False");
    case pkChoice: {
        const int i = AsInteger();
        return i >= 0 && i < Choices.size() ? Choices.at(i) : QString();
    }
    case pkColour: return ColourToText(AsColour());
    case pkBrushStyle: return BrushStyleName(AsBrushStyle());
    case pkPenStyle: return PenStyleName(AsPenStyle());
    case pkPicture: return AsBytes().isEmpty() ? Tr("(None)") : Tr("(Graphic)");
    default: return AsString();
    }
}

void TProperty::SetDisplayText(const QString &text)
{
    const auto number = [&](double &v) {
        bool ok = false;
        v = DisplayTextToFloat(text, &ok);
        if (!ok)
            throw Exception(Tr("Invalid property value"));
    };
    double v = 0;
    switch (Kind) {
    case pkCoverLength: number(v); SetFloat(CoverFromDisplay(v)); break;
    case pkDistance: number(v); SetFloat(LengthFromDisplay(v)); break;
    case pkHalfCell: number(v); SetFloat(v); break;
    case pkInteger: {
        bool ok = false;
        const int i = text.trimmed().toInt(&ok);
        if (!ok)
            throw Exception(Tr("Invalid property value"));
        SetInteger(i);
        break;
    }
    case pkBoolean:
        if (text.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            SetBoolean(true);
        else if (text.trimmed().compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            SetBoolean(false);
        else
            throw Exception(Tr("Invalid boolean value '%1'").arg(text));
        break;
    case pkChoice: {
        const int i = Choices.indexOf(text);
        if (i < 0)
            throw Exception(Tr("Invalid property value"));
        SetInteger(i);
        break;
    }
    case pkColour: {
        int c = 0;
        if (!TextToColour(text, c))
            throw Exception(Tr("Invalid property value"));
        SetColour(c);
        break;
    }
    case pkBrushStyle: {
        const int s = BrushStyleFromName(text);
        if (s < 0)
            throw Exception(Tr("Invalid brush style '%1'").arg(text));
        SetBrushStyle(s);
        break;
    }
    case pkPenStyle: {
        const int s = PenStyleFromName(text);
        if (s < 0)
            throw Exception(Tr("Invalid pen style '%1'").arg(text));
        SetPenStyle(s);
        break;
    }
    case pkPicture: break; // chosen through its editor only
    default: SetString(text); break;
    }
}

TPropertyEditorForms &PropertyEditorForms()
{
    static TPropertyEditorForms forms;
    return forms;
}

void TProperty::AssignValue(const TProperty &source)
{
    const bool wasLoading = Loading;
    Loading = true;
    Value = source.Value;
    Loading = wasLoading;
    FGraphicDecoded = false;
    if (Kind == pkPicture && source.FGraphicDecoded) {
        FGraphic.Assign(&source.FGraphic);
        FGraphicDecoded = true;
    }
}

void TProperty::Assign(const TPersistent *source)
{
    const auto *p = dynamic_cast<const TProperty *>(source);
    if (!p)
        throw Exception(Tr("Cannot copy value to property."));
    AssignValue(*p);
}

void TProperty::WriteXml(XmlNodeList &nodes) const
{
    if (Kind >= PropertyKindCount)
        return;
    XmlNode &n = nodes.AddChild(Name);
    switch (Kind) {
    case pkCoverLength:
    case pkDistance:
    case pkHalfCell: n.SetAsFloat(AsFloat()); break;
    case pkBoolean: n.SetAsBoolean(AsBoolean()); break;
    case pkString:
    case pkMemo: n.SetAsString(AsString()); break;
    case pkPicture: n.SetAsString(EncodePictureText(AsBytes())); break;
    default: n.SetAsInteger(AsInteger()); break;
    }
}

void TProperty::ReadXml(const XmlNodeList &nodes)
{
    if (Kind >= PropertyKindCount)
        return;
    const XmlNode &n = nodes.FindByName(Name);
    if (n.IsNull())
        return;
    struct TLoadingScope {
        bool &Flag;
        explicit TLoadingScope(bool &f) : Flag(f) { Flag = true; }
        ~TLoadingScope() { Flag = false; }
    } scope(Loading);
    switch (Kind) {
    case pkCoverLength:
    case pkDistance:
    case pkHalfCell: Value = n.AsFloat(); break;
    case pkBoolean: Value = n.AsBoolean(); break;
    case pkString:
    case pkMemo: Value = n.AsString(); break;
    case pkPicture: SetBytes(DecodePictureText(n.AsString())); return;
    default: Value = Bounded ? std::clamp(n.AsInteger(), Low, High) : n.AsInteger(); break;
    }
    FGraphicDecoded = false;
}

// ---------------------------------------------------------------- captions

namespace {
// The property keys whose caption is the key itself in English; listed so that the translation
// tools see them. Keys with another English caption ("CellColour") pass it to Add.
const char *const KnownCaptions[] = {
    QT_TRID_NOOP("3D"), QT_TRID_NOOP("Alignment"), QT_TRID_NOOP("Anchor"),
    QT_TRID_NOOP("AspectRatio"), QT_TRID_NOOP("BarColor"), QT_TRID_NOOP("BarGap"),
    QT_TRID_NOOP("BatchType"), QT_TRID_NOOP("Bold"), QT_TRID_NOOP("CellFontSize"),
    QT_TRID_NOOP("CellText"), QT_TRID_NOOP("ChartType"), QT_TRID_NOOP("ColorGradiant"),
    QT_TRID_NOOP("FillColor"), QT_TRID_NOOP("FillStyle"), QT_TRID_NOOP("Filled"), QT_TRID_NOOP("FontName"),
    QT_TRID_NOOP("FontSize"), QT_TRID_NOOP("Graphic"), QT_TRID_NOOP("GreyScale"),
    QT_TRID_NOOP("Grid"), QT_TRID_NOOP("GridColumnsPerPage"), QT_TRID_NOOP("GridLineMethod"),
    QT_TRID_NOOP("GridLineSpacing"), QT_TRID_NOOP("GridLines"), QT_TRID_NOOP("GridRowsPerPage"),
    QT_TRID_NOOP("Height"), QT_TRID_NOOP("Italic"), QT_TRID_NOOP("KeySteps"), QT_TRID_NOOP("LabelFontSize"),
    QT_TRID_NOOP("Labels"), QT_TRID_NOOP("Left"), QT_TRID_NOOP("Levels"),
    QT_TRID_NOOP("LinearColumnsPerPage"), QT_TRID_NOOP("LinearRowsPerPage"),
    QT_TRID_NOOP("LineStyle"), QT_TRID_NOOP("LineWidth"), QT_TRID_NOOP("Name"),
    QT_TRID_NOOP("PageHeight"), QT_TRID_NOOP("PageOrientation"), QT_TRID_NOOP("PageType"),
    QT_TRID_NOOP("PageWidth"), QT_TRID_NOOP("PaperSize"), QT_TRID_NOOP("PrimaryBatchType"),
    QT_TRID_NOOP("Shape"), QT_TRID_NOOP("ShowLegend"), QT_TRID_NOOP("ShowMarkFrame"),
    QT_TRID_NOOP("SquareCells"), QT_TRID_NOOP("StepCover"),
    QT_TRID_NOOP("StepHalfCell"), QT_TRID_NOOP("Strikeout"), QT_TRID_NOOP("Text"),
    QT_TRID_NOOP("Top"), QT_TRID_NOOP("Underline"), QT_TRID_NOOP("WarningLimit"),
    QT_TRID_NOOP("WarningLimitHalfCell"), QT_TRID_NOOP("Width"), QT_TRID_NOOP("WordWrap"),
};
} // namespace

QString PropertyCaption(const QString &name)
{
    for (const char *key : KnownCaptions)
        if (name == QLatin1String(key))
            return qtTrId(key);
    return name;
}

// ---------------------------------------------------------------- TPropertyList

TPropertyList::TPropertyList()
{
    FItems.reserve(64);
}

TProperty &TPropertyList::Add()
{
    FItems.push_back(std::make_unique<TProperty>());
    FItems.back()->Owner = this;
    return *FItems.back();
}

TProperty &TPropertyList::Add(const QString &name, PropertyKind kind, const QVariant &value,
                              const QStringList &choices, const QString &caption)
{
    TProperty &p = Add();
    p.Name = name;
    p.Caption = caption.isEmpty() ? PropertyCaption(name) : caption;
    p.Kind = kind;
    p.Choices = choices;
    p.Value = value;
    return p;
}

int TPropertyList::IndexOf(const QString &name) const
{
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i]->Name == name)
            return static_cast<int>(i);
    return -1;
}

int TPropertyList::IndexOf(const TProperty *property) const
{
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == property)
            return static_cast<int>(i);
    return -1;
}

TProperty &TPropertyList::PropertyByName(const QString &name) const
{
    const int i = IndexOf(name);
    if (i < 0)
        throw Exception(Tr("Property does not exist"));
    return *FItems[static_cast<size_t>(i)];
}

void TPropertyList::Sort()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(FItems.begin(), FItems.end(), [&](const auto &a, const auto &b) {
        return collator.compare(a->Name, b->Name) < 0;
    });
}

void TPropertyList::AssignValues(const TPersistent *source)
{
    const auto *list = dynamic_cast<const TPropertyList *>(source);
    if (!list)
        throw Exception(Tr("Expecting property list"));
    for (auto &p : FItems) {
        const int i = list->IndexOf(p->Name);
        if (i >= 0)
            p->AssignValue(list->Items(i));
    }
}

void TPropertyList::SaveToXml(XmlNodeList &nodes) const
{
    for (const auto &p : FItems)
        p->WriteXml(nodes);
}

void TPropertyList::LoadFromXml(const XmlNodeList &nodes)
{
    for (const auto &p : FItems)
        p->ReadXml(nodes);
}

void TPropertyList::Clear()
{
    FItems.clear();
}
