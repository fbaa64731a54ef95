#include "UnitSettings.h"
#include "UnitException.h"
#include "UnitPrompt.h"
#include "UnitXml.h"

#include <QDir>
#include <QFileInfo>

// --- TSettingsItem

QString TSettingsItem::AsString() const
{
    if (IsEmpty())
        return QString();
    switch (FValue.typeId()) {
    case QMetaType::Bool:
        return FValue.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
        return FloatToFileText(FValue.toDouble());
    default:
        return FValue.toString();
    }
}

int TSettingsItem::AsInteger() const
{
    if (IsEmpty())
        return 0;
    switch (FValue.typeId()) {
    case QMetaType::Int:
        return FValue.toInt();
    case QMetaType::Bool:
        return FValue.toBool() ? -1 : 0;
    default:
        return FileTextToInt(AsString());
    }
}

double TSettingsItem::AsFloat() const
{
    if (IsEmpty())
        return 0;
    if (FValue.typeId() == QMetaType::Int)
        return FValue.toInt();
    return FileTextToFloat(AsString());
}

bool TSettingsItem::AsBoolean() const
{
    if (IsEmpty())
        return false;
    switch (FValue.typeId()) {
    case QMetaType::Bool:
        return FValue.toBool();
    case QMetaType::Int:
        return FValue.toInt() != 0;
    default: {
        const QString t = AsString().trimmed();
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        bool ok = false;
        const double v = FileTextToFloat(t, &ok);
        return ok && v != 0;
    }
    }
}

void TSettingsItem::SetAsString(const QString &value) { SetValue(value); }
void TSettingsItem::SetAsInteger(int value) { SetValue(value); }
void TSettingsItem::SetAsFloat(double value) { SetValue(FloatToFileText(value)); }
void TSettingsItem::SetAsBoolean(bool value) { SetValue(value); }

void TSettingsItem::SetValue(const QVariant &value)
{
    FValue = value;
    if (FOwner)
        FOwner->Changed();
}

void TSettingsItem::Assign(const TPersistent *from)
{
    const auto *source = dynamic_cast<const TSettingsItem *>(from);
    if (!source)
        throw Exception(Tr("Unable to assign object to TSettingsItem"));
    FName = source->FName;
    SetValue(source->FValue);
}

// --- TSettings

void TSettings::Clear() { FItems.clear(); }

int TSettings::IndexOf(const QString &name) const
{
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i]->Name().compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

TSettingsItem &TSettings::ItemByName(const QString &name)
{
    const int i = IndexOf(name);
    if (i >= 0)
        return *FItems[static_cast<size_t>(i)];
    FItems.push_back(std::make_unique<TSettingsItem>(this, name));
    Changed();
    return *FItems.back();
}

TSettingsItem &TSettings::Add(const QString &name, const QVariant &value)
{
    FItems.push_back(std::make_unique<TSettingsItem>(this, name));
    TSettingsItem &item = *FItems.back();
    item.SetValue(value);
    return item;
}

void TSettings::Changed()
{
    if (AutoSave && FSuspend == 0 && !FileName.isEmpty())
        AutoSaveNow();
}

void TSettings::AutoSaveNow()
{
    QString message;
    try {
        Save(FileName);
        FSaveFailed = false;
        return;
    } catch (const Exception &e) {
        message = e.Message();
    } catch (const std::exception &e) {
        message = QString::fromLocal8Bit(e.what());
    }
    if (FSaveFailed)
        return;
    FSaveFailed = true; // before the box: its event loop may bring more changes
    Prompt().Error(message);
}

void TSettings::LoadFromFile(const QString &fileName)
{
    FileName = fileName;
    FSaveFailed = false;
    if (QFileInfo::exists(fileName))
        Load(fileName);
    else if (AutoSave)
        AutoSaveNow();
    else
        Save(fileName);
}

void TSettings::Load(const QString &fileName)
{
    XmlDocument doc;
    doc.LoadFromFile(fileName);
    ++FSuspend;
    try {
        Clear();
        const XmlNode &root = doc.Nodes.FindByName(QStringLiteral("Settings"));
        for (const auto &child : root.Children())
            ItemByName(child->Name).SetAsString(child->AsString());
    } catch (...) {
        --FSuspend;
        throw;
    }
    --FSuspend;
    // One rewrite after the load instead of one per item.
    Changed();
}

void TSettings::Save(const QString &fileName) const
{
    XmlDocument doc;
    XmlNode &root = doc.Nodes.AddChild(QStringLiteral("Settings"));
    for (const auto &item : FItems)
        root.Children().AddChild(item->Name()).SetAsString(item->AsString());
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        throw Exception(Tr("Unable to create directories"));
    doc.SaveToFile(fileName);
}

void TSettings::Assign(const TPersistent *from)
{
    const auto *source = dynamic_cast<const TSettings *>(from);
    if (!source)
        throw Exception(Tr("Unable to assign object to TSettings"));
    if (source == this)
        return;
    ++FSuspend;
    try {
        Clear();
        for (const auto &item : source->FItems)
            Add(item->Name(), item->Value());
    } catch (...) {
        --FSuspend;
        throw;
    }
    --FSuspend;
    Changed();
}
