#include "UnitXml.h"
#include "UnitException.h"
#include "UnitTextFile.h"

#include <QIODevice>
#include <charconv>
#include <cmath>

// ---------------------------------------------------------------------------------------------
// Text and numbers

QString XmlEncode(const QString &text)
{
    QString s = text;
    s.replace(QLatin1String("&"), QLatin1String("&amp;"));
    s.replace(QLatin1String("<"), QLatin1String("&lt;"));
    s.replace(QLatin1String(">"), QLatin1String("&gt;"));
    s.replace(QLatin1String("'"), QLatin1String("&pos;"));
    s.replace(QLatin1String("\""), QLatin1String("&quot;"));
    return s;
}

QString XmlDecode(const QString &text)
{
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString s = text;
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    s.replace(QLatin1String("&pos;"), QLatin1String("'"));
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return s;
}

QString FloatToFileText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    // to_chars ignores the C library's locale, which follows the desktop (a decimal comma on many).
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    QString s = QString::fromLatin1(buf, r.ptr - buf);
    // "%g" writes "1e-05"; the files use "1E-5".
    const qsizetype e = s.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        QString mant = s.left(e);
        QString exp = s.mid(e + 1);
        QString sign;
        if (exp.startsWith(QLatin1Char('-')))
            sign = QStringLiteral("-");
        exp.remove(QLatin1Char('+')).remove(QLatin1Char('-'));
        while (exp.size() > 1 && exp.startsWith(QLatin1Char('0')))
            exp.remove(0, 1);
        s = mant + QLatin1Char('E') + sign + exp;
    }
    return s;
}

double FileTextToFloat(const QString &text, bool *ok)
{
    bool good = false;
    const QString t = text.trimmed();
    double v = 0;
    // Only plain decimal text counts: no "inf", "nan" or hexadecimal forms.
    bool plain = !t.isEmpty();
    for (const QChar c : t) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || u == '.' || u == '-' || u == '+' || u == 'e' || u == 'E')) {
            plain = false;
            break;
        }
    }
    if (plain)
        v = t.toDouble(&good);
    if (!good || !std::isfinite(v))
        v = 0, good = false;
    if (ok)
        *ok = good;
    return v;
}

int FileTextToInt(const QString &text, bool *ok)
{
    bool good = false;
    int v = text.trimmed().toInt(&good, 10);
    if (!good)
        v = 0;
    if (ok)
        *ok = good;
    return v;
}

// ---------------------------------------------------------------------------------------------
// XmlNodeList

XmlNodeList::~XmlNodeList() { Clear(); }

void XmlNodeList::Clear()
{
    // Freed without recursion, so a maliciously deep file cannot overflow the stack.
    std::vector<std::unique_ptr<XmlNode>> pending = std::move(FItems);
    FItems.clear();
    while (!pending.empty()) {
        std::unique_ptr<XmlNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto &child : node->FChildren.FItems)
            pending.push_back(std::move(child));
        node->FChildren.FItems.clear();
    }
}

XmlNode &XmlNodeList::FindByName(const QString &name) const
{
    for (const auto &n : FItems)
        if (n->Name == name)
            return *n;
    return XmlNode::Null();
}

XmlNode &XmlNodeList::AddChild(const QString &name)
{
    if (FOwner && FOwner->IsNull())
        return XmlNode::Null();
    FItems.push_back(std::unique_ptr<XmlNode>(new XmlNode(FOwner)));
    XmlNode &node = *FItems.back();
    node.SetTag(name);
    return node;
}

// ---------------------------------------------------------------------------------------------
// XmlNode

XmlNode &XmlNode::Null()
{
    static XmlNode null(nullptr, true);
    return null;
}

int XmlNode::Level() const
{
    int level = 0;
    for (XmlNode *p = FParent; p; p = p->FParent)
        ++level;
    return level;
}

void XmlNode::SetTag(const QString &tag)
{
    QString s = tag;
    if (s.startsWith(QLatin1Char('<')))
        s.remove(0, 1);
    if (s.endsWith(QLatin1Char('>')))
        s.chop(1);
    const qsizetype eq = s.indexOf(QLatin1Char('='));
    if (eq < 0) {
        Name = s;
        return;
    }
    const qsizetype space = s.indexOf(QLatin1Char(' '));
    if (space < 0 || space > eq) {
        // No blank before the "=": the whole text up to it names the element.
        Name = s.left(space < 0 ? eq : space);
        AttributeName = space < 0 ? QString() : s.mid(space + 1, eq - space - 1).trimmed();
    } else {
        Name = s.left(space);
        AttributeName = s.mid(space + 1, eq - space - 1).trimmed();
    }
    const qsizetype quote = s.indexOf(QLatin1Char('"'));
    AttributeValue = quote < 0 ? QString() : s.mid(quote).remove(QLatin1Char('"')).trimmed();
}

QString XmlNode::AsString() const { return XmlDecode(Text); }

void XmlNode::SetAsString(const QString &value)
{
    if (!FIsNull)
        Text = XmlEncode(value);
}

int XmlNode::AsInteger() const { return FileTextToInt(Text); }

void XmlNode::SetAsInteger(int value)
{
    if (!FIsNull)
        Text = QString::number(value);
}

double XmlNode::AsFloat() const { return FileTextToFloat(Text); }

void XmlNode::SetAsFloat(double value)
{
    if (!FIsNull)
        Text = FloatToFileText(value);
}

bool XmlNode::AsBoolean() const { return AsInteger() != 0; }

void XmlNode::SetAsBoolean(bool value)
{
    if (!FIsNull)
        Text = value ? QStringLiteral("1") : QStringLiteral("0");
}

// ---------------------------------------------------------------------------------------------
// XmlDocument

void XmlDocument::Parse(const QString &text)
{
    const qsizetype n = text.size();
    const QChar *p = text.constData();
    XmlNode *current = nullptr;
    qsizetype i = 0;
    while (i < n) {
        if (p[i] == QLatin1Char('<')) {
            qsizetype close = text.indexOf(QLatin1Char('>'), i + 1);
            const qsizetype end = close < 0 ? n : close + 1; // an unclosed tag runs to the end
            const QChar second = i + 1 < n ? p[i + 1] : QChar();
            if (second == QLatin1Char('/')) {
                if (current)
                    current = current->Parent();
            } else if (second != QLatin1Char('?')) {
                XmlNodeList &list = current ? current->Children() : Nodes;
                current = &list.AddChild(text.mid(i, end - i));
            }
            i = end;
        } else {
            qsizetype next = text.indexOf(QLatin1Char('<'), i);
            if (next < 0)
                next = n;
            if (current)
                current->Text = text.mid(i, next - i);
            i = next;
        }
    }
}

void XmlDocument::LoadFromFile(const QString &fileName)
{
    Parse(DecodeFileText(ReadWholeFile(fileName)));
}

void XmlDocument::LoadFromStream(QIODevice &stream) { Parse(DecodeFileText(stream.readAll())); }

namespace {
// Writes a node and everything below it. Without recursion, and with the level counted on the
// way down, so a file of any depth writes in one pass over its nodes.
void WriteNode(QString &out, const XmlNode &top, bool indent)
{
    static const QString crlf = QStringLiteral("\r\n");
    struct TStep {
        const XmlNode *Node;
        int Level;
        bool Closing; // the end tag of a node whose children are written
    };
    const auto pad = [&](int level) {
        if (indent)
            out += QString(level * 2, QLatin1Char(' '));
    };
    const auto endTag = [&](const XmlNode &node) {
        out += QStringLiteral("</");
        out += node.Name;
        out += QLatin1Char('>');
    };
    std::vector<TStep> pending{{&top, top.Level(), false}};
    while (!pending.empty()) {
        const TStep step = pending.back();
        pending.pop_back();
        const XmlNode &node = *step.Node;
        pad(step.Level);
        if (step.Closing) {
            endTag(node);
            out += crlf;
            continue;
        }
        out += QLatin1Char('<');
        out += node.Name;
        if (!node.AttributeName.isEmpty()) {
            out += QLatin1Char(' ');
            out += node.AttributeName;
            out += QStringLiteral("=\"");
            out += node.AttributeValue;
            out += QLatin1Char('"');
        }
        out += QLatin1Char('>');
        if (node.IsLeaf()) {
            // Appended piece by piece: a leaf may hold a large matrix, and temporaries of its size
            // cost more than the writing itself.
            out += node.Text;
            endTag(node);
            out += crlf;
            continue;
        }
        out += crlf;
        pending.push_back({&node, step.Level, true});
        const XmlNodeList &children = node.Children();
        for (int i = children.Count() - 1; i >= 0; --i)
            pending.push_back({&children.Items(i), step.Level + 1, false});
    }
}
} // namespace

QString XmlDocument::SaveToText() const
{
    QString out;
    if (Nodes.Count() == 0)
        return out;
    if (IncludeHeader) {
        out += QStringLiteral("<?xml version=\"1.0\"");
        if (!Encoding.isEmpty())
            out += QStringLiteral(" encoding=\"") + Encoding + QLatin1Char('"');
        out += QStringLiteral("?>\r\n");
    }
    for (const auto &node : Nodes)
        WriteNode(out, *node, AutoIndent);
    return out;
}

QByteArray XmlDocument::SaveToBytes() const { return SaveToText().toUtf8(); }

void XmlDocument::SaveToFile(const QString &fileName) const
{
    WriteFileAtomic(fileName, SaveToBytes());
}

void XmlDocument::SaveToStream(QIODevice &stream) const { stream.write(SaveToBytes()); }

void XmlFieldWriter::Integer(const char *name, int value) { FChildren.AddChild(QString::fromLatin1(name)).SetAsInteger(value); }

void XmlFieldWriter::Boolean(const char *name, bool value) { FChildren.AddChild(QString::fromLatin1(name)).SetAsBoolean(value); }

void XmlFieldWriter::Float(const char *name, double value) { FChildren.AddChild(QString::fromLatin1(name)).SetAsFloat(value); }

void XmlFieldWriter::Text(const char *name, const QString &value)
{
    FChildren.AddChild(QString::fromLatin1(name)).SetAsString(value);
}

const XmlNode &XmlFieldReader::Node(const char *name) const { return FChildren.FindByName(QString::fromLatin1(name)); }

std::uint8_t XmlFieldReader::Byte(const char *name) const { return static_cast<std::uint8_t>(Node(name).AsInteger() & 0xFF); }
