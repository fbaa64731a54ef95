#pragma once
// The small XML document tree behind every file of the program: a forgiving reader and a
// byte-exact writer for a fixed subset of XML.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QIODevice;
class XmlNode;

class XmlNodeList {
public:
    explicit XmlNodeList(XmlNode *owner = nullptr) : FOwner(owner) {}
    XmlNodeList(const XmlNodeList &) = delete;
    XmlNodeList &operator=(const XmlNodeList &) = delete;
    ~XmlNodeList();

    int Count() const { return static_cast<int>(FItems.size()); }
    XmlNode &Items(int index) const { return *FItems.at(static_cast<size_t>(index)); }
    // First node whose Name equals name exactly, else the null node.
    XmlNode &FindByName(const QString &name) const;
    // Appends a node named by the tag rules; on the null node's list it returns the null node.
    XmlNode &AddChild(const QString &name);
    XmlNode *Owner() const { return FOwner; }
    void Clear();

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    XmlNode *FOwner;
    std::vector<std::unique_ptr<XmlNode>> FItems;
};

class XmlNode {
public:
    XmlNode(const XmlNode &) = delete;
    XmlNode &operator=(const XmlNode &) = delete;

    QString Name;
    QString AttributeName;
    QString AttributeValue;
    QString Text; // stored (escaped) form, exactly as between the tags in the file

    XmlNode *Parent() const { return FParent; }
    XmlNodeList &Children() { return FChildren; }
    const XmlNodeList &Children() const { return FChildren; }
    bool IsNull() const { return FIsNull; }
    int Level() const;
    bool IsLeaf() const { return FChildren.Count() == 0; }

    QString AsString() const;
    void SetAsString(const QString &value);
    int AsInteger() const;
    void SetAsInteger(int value);
    double AsFloat() const;
    void SetAsFloat(double value);
    bool AsBoolean() const;
    void SetAsBoolean(bool value);

    // The one shared, read-only node returned by lookups that find nothing.
    static XmlNode &Null();

private:
    friend class XmlNodeList;
    explicit XmlNode(XmlNode *parent, bool isNull = false)
        : FParent(parent), FChildren(this), FIsNull(isNull) {}
    void SetTag(const QString &tag);

    XmlNode *FParent;
    XmlNodeList FChildren;
    bool FIsNull;
};

class XmlDocument {
public:
    XmlNodeList Nodes;
    bool IncludeHeader = true;
    bool AutoIndent = true;
    QString Encoding;

    void LoadFromFile(const QString &fileName); // raises Exception when the file cannot be read
    void LoadFromStream(QIODevice &stream);
    void Parse(const QString &text);
    void SaveToFile(const QString &fileName) const; // atomic replace
    void SaveToStream(QIODevice &stream) const;
    QByteArray SaveToBytes() const;
    QString SaveToText() const;
    void Clear() { Nodes.Clear(); }
};

// The records kept as one child element per field (batches, templates) write and read their
// fields through these. Names are Latin-1 literals.
class XmlFieldWriter {
public:
    explicit XmlFieldWriter(XmlNodeList &children) : FChildren(children) {}
    void Integer(const char *name, int value);
    void Boolean(const char *name, bool value);
    void Float(const char *name, double value);
    void Text(const char *name, const QString &value);

private:
    XmlNodeList &FChildren;
};

class XmlFieldReader {
public:
    explicit XmlFieldReader(const XmlNodeList &children) : FChildren(children) {}
    // The child of that name, else the null node.
    const XmlNode &Node(const char *name) const;
    // The child's integer cut to its low byte, for the one-byte fields.
    std::uint8_t Byte(const char *name) const;

private:
    const XmlNodeList &FChildren;
};

// Entity rules of the files: "&", "<", ">", "'" (as "&pos;") and the double quote.
QString XmlEncode(const QString &text);
QString XmlDecode(const QString &text);

// Locale-independent number text of the files: "." as decimal separator, general form with up
// to 15 significant digits, exponent form "1E-5" only for very small or large magnitudes.
QString FloatToFileText(double value);
// Parses file number text; 0 (and ok = false) when the text is not a number.
double FileTextToFloat(const QString &text, bool *ok = nullptr);
// Parses a decimal integer; 0 (and ok = false) when the text is not one.
int FileTextToInt(const QString &text, bool *ok = nullptr);
