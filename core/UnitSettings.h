#pragma once
// The program-wide name/value settings store, kept in "settings.xml".
#include "UnitPersistent.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

class TSettings;

class TSettingsItem : public TPersistent {
public:
    TSettingsItem(TSettings *owner, const QString &name) : FOwner(owner), FName(name) {}
    virtual ~TSettingsItem() = default;

    TSettings *Owner() const { return FOwner; }
    const QString &Name() const { return FName; }
    const QVariant &Value() const { return FValue; }

    bool IsEmpty() const { return !FValue.isValid() || FValue.isNull(); }
    QString AsString() const;
    int AsInteger() const;
    double AsFloat() const;
    bool AsBoolean() const;
    void SetAsString(const QString &value);
    void SetAsInteger(int value);
    void SetAsFloat(double value);
    void SetAsBoolean(bool value);
    // Every setter ends here: stores the value and saves the owner when it auto-saves.
    void SetValue(const QVariant &value);

    // Raises "Unable to assign object to TSettingsItem" for anything but a settings item.
    void Assign(const TPersistent *source) override;

private:
    TSettings *FOwner;
    QString FName;
    QVariant FValue;
};

class TSettings : public TPersistent {
public:
    TSettings() = default;
    virtual ~TSettings() = default;
    TSettings(const TSettings &) = delete;
    TSettings &operator=(const TSettings &) = delete;

    QString FileName;
    bool AutoSave = false;

    void Clear();
    int IndexOf(const QString &name) const;
    int Count() const { return static_cast<int>(FItems.size()); }
    TSettingsItem &Items(int index) const { return *FItems.at(static_cast<size_t>(index)); }
    TSettingsItem &ItemByName(const QString &name);
    TSettingsItem &operator[](const QString &name) { return ItemByName(name); }
    TSettingsItem &Add(const QString &name, const QVariant &value);

    // Also starts reporting save failures afresh: a new file may well be writable.
    void LoadFromFile(const QString &fileName);
    void Load(const QString &fileName);
    void Save(const QString &fileName) const;

    // Raises "Unable to assign object to TSettings" for anything but a settings store.
    void Assign(const TPersistent *source) override;

    // Called by items after a change. Saves when AutoSave is on and never raises: lookups and
    // setters run in slots, where an exception would end the program. A failed save shows one
    // error box; later changes try again silently until a save succeeds.
    void Changed();
    // True while the last automatic save failed.
    bool SaveFailed() const { return FSaveFailed; }

private:
    std::vector<std::unique_ptr<TSettingsItem>> FItems;
    int FSuspend = 0;
    bool FSaveFailed = false;
    void AutoSaveNow();
};
