#pragma once
// Typed, named properties of report pages and page items: one mechanism that saves, loads,
// copies, validates and shows the settings of every page and item. Also the picture holder of
// picture properties and its text form inside report files.
#include "UnitPersistent.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QRectF;
class XmlNodeList;
class TPropertyList;
class TPropertyForm; // custom editor forms, defined by the user-interface layer

// The shared editing windows that some properties open (the anchor and the memo text). The
// user-interface layer installs them before pages are edited; without it there are none.
struct TPropertyEditorForms {
    TPropertyForm *Anchor = nullptr;
    TPropertyForm *MemoText = nullptr;
};
TPropertyEditorForms &PropertyEditorForms();

// Property kinds; the kind decides storage, XML form and text form.
enum PropertyKind : std::uint8_t {
    pkCoverLength = 0, // float, millimetres
    pkDistance = 1,    // float, millimetres
    pkInteger = 2,
    pkBoolean = 3,
    pkString = 4,
    pkChoice = 5, // index into Choices
    pkColour = 6, // 0x00BBGGRR
    pkBrushStyle = 7,
    pkPenStyle = 8,
    pkPicture = 9, // string form of a TVentraxGraphic (bytes)
    pkMemo = 10,   // text with field markers
    pkHalfCell = 11, // float, millivolts
};
constexpr int PropertyKindCount = 12;

// Colours as the files keep them: 0x00BBGGRR, low byte red.
QColor ColourFromInt(int colour);
int ColourToInt(const QColor &colour);
// The caption of a property key in the user's language (the key itself when none is known).
QString PropertyCaption(const QString &name);
// "clRed" for the named colours, else "$" and eight hexadecimal digits; and back (false when the
// text is neither).
QString ColourToText(int colour);
bool TextToColour(const QString &text, int &colour);
// Style names "bsSolid"..."bsVertical" (0-7) and "psSolid"..."psInsideFrame" (0-6); empty text
// for a code outside; -1 for an unknown name.
QString BrushStyleName(int style);
int BrushStyleFromName(const QString &name);
QString PenStyleName(int style);
int PenStyleFromName(const QString &name);
Qt::BrushStyle ToQtBrushStyle(int style);
Qt::PenStyle ToQtPenStyle(int style);

// Encoded picture text: zlib (level 9) of a 32-bit little-endian length and the bytes, in Base64
// with CR LF after every 76 characters. Decoding skips anything outside the alphabet and gives an
// empty array for any corrupt text.
QString EncodePictureText(const QByteArray &stringForm);
QByteArray DecodePictureText(const QString &text);

// A picture of a picture property: bitmap, JPEG (with its bitmap rendering) or metafile (SVG, or
// foreign metafile bytes kept as they are and drawn as a framed placeholder).
class TVentraxGraphic : public TPersistent {
public:
    std::uint8_t Format = 0; // 0 bitmap, 1 JPEG, 2 metafile
    QByteArray Jpeg;         // JPEG file data (format 1)
    QImage Bitmap;           // bitmap, or the rendering of the JPEG
    QByteArray Metafile;     // metafile data (format 2)

    bool IsEmpty() const;
    QSize Size() const; // pixels; the metafile's own size for SVG
    // ".jpg"/".jpeg" as JPEG; ".svg", ".emf", ".wmf" as metafile; others through the picture
    // loader as bitmap. Raises "Unable to load picture file %s" when nothing can be read.
    void LoadFromFile(const QString &fileName);
    QByteArray SaveToString() const; // empty when there is no picture
    void LoadFromString(const QByteArray &data); // empty: nothing happens
    void Clear();
    void Draw(QPainter &canvas, const QRectF &rect) const;
    // Raises "Cannot assign object to VentraxGraphic".
    void Assign(const TPersistent *source) override;
};

class TProperty : public TPersistent {
public:
    using TValidate = std::function<void(TProperty &, QVariant &)>;
    using TChange = std::function<void(TProperty &, const QVariant &previous)>;

    QString Name;
    QString Caption;
    PropertyKind Kind = pkString;
    QVariant Value;
    QStringList Choices;
    TValidate OnValidate;
    // Bounds of an integer property, applied to loaded values too: a file is not trusted to
    // hold what the editor would have allowed (a page size of 0 would page for ever).
    bool Bounded = false;
    int Low = 0, High = 0;
    TChange OnChange;
    TPropertyList *Owner = nullptr;
    bool Loading = false;
    TPropertyForm *Editor = nullptr;
    bool InlineEdit = false;

    void SetValue(const QVariant &value);
    void SetString(const QString &value) { SetValue(value); }
    void SetInteger(int value) { SetValue(value); }
    void SetFloat(double value) { SetValue(value); }
    void SetBoolean(bool value) { SetValue(value); }
    void SetColour(int value) { SetValue(value); }
    void SetBrushStyle(int value) { SetValue(value); }
    void SetPenStyle(int value) { SetValue(value); }
    void SetBytes(const QByteArray &value) { SetValue(value); }
    void SetGraphic(const TVentraxGraphic &graphic) { SetBytes(graphic.SaveToString()); }

    QString AsString() const;
    int AsInteger() const;
    double AsFloat() const;
    bool AsBoolean() const;
    int AsColour() const { return AsInteger(); }
    int AsPenStyle() const { return AsInteger(); }
    int AsBrushStyle() const { return AsInteger(); }
    QByteArray AsBytes() const;
    bool IsEmpty() const { return !Value.isValid() || Value.isNull(); }
    const TVentraxGraphic &GetGraphic();

    // Text form of the property editor, and its input (raises the editor's messages).
    QString DisplayText() const;
    QString DisplayCaption() const;
    void SetDisplayText(const QString &text);

    // Raises "Cannot copy value to property." for a source of another class.
    void AssignValue(const TProperty &source);
    void Assign(const TPersistent *source) override;
    void WriteXml(XmlNodeList &nodes) const;
    void ReadXml(const XmlNodeList &nodes);

private:
    TVentraxGraphic FGraphic;
    bool FGraphicDecoded = false;
};

class TPropertyList : public TPersistent {
public:
    TPropertyList();
    TPropertyList(const TPropertyList &) = delete;
    TPropertyList &operator=(const TPropertyList &) = delete;

    bool Modified = false;
    std::function<void(TPropertyList &, int index)> OnChange;

    TProperty &Add();
    // Shorthand of the page and item constructors: a property with name, caption (the name
    // when empty), kind and a default stored while loading.
    TProperty &Add(const QString &name, PropertyKind kind, const QVariant &value,
                   const QStringList &choices = {}, const QString &caption = {});
    int Count() const { return static_cast<int>(FItems.size()); }
    TProperty &Items(int index) const { return *FItems.at(static_cast<size_t>(index)); }
    int IndexOf(const QString &name) const;
    int IndexOf(const TProperty *property) const;
    // Raises "Property does not exist".
    TProperty &PropertyByName(const QString &name) const;
    TProperty &operator[](const QString &name) const { return PropertyByName(name); }
    void Sort();
    // Raises "Expecting property list".
    void AssignValues(const TPersistent *source);
    void Assign(const TPersistent *source) override { AssignValues(source); }
    void SaveToXml(XmlNodeList &nodes) const;
    void LoadFromXml(const XmlNodeList &nodes);
    void Clear();

private:
    std::vector<std::unique_ptr<TProperty>> FItems;
};
