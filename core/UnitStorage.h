#pragma once
// The storage root (the folder under which every batch, template, report and setting lives),
// its seeding from the shared template folder, and the settings steps of start-up.
#include <QString>
#include <functional>
#include <memory>

class TSettings;

// Points the per-user and machine-wide configuration stores at $XDG_CONFIG_HOME and the first
// $XDG_CONFIG_DIRS entry (defaults ~/.config and /etc/xdg). Call once before any store is read.
void InitConfigurationStore();

// The per-user ($XDG_CONFIG_HOME/Ventrax/Orvalis.conf) and machine-wide configuration stores.
#include <QSettings>
std::unique_ptr<QSettings> UserConfigStore();
std::unique_ptr<QSettings> MachineConfigStore();

// Storage root from the per-user store (trailing "/"), default: documents folder, then
// "My DozazEdivo Data/". Nothing is written when the value is missing.
QString GetStorageRoot();
QString DefaultStorageRoot();
// Writes the root (with a trailing "/") to the per-user store.
void WriteStorageRoot(const QString &path);
QString LocalFolder();
QString TemplatesFolder();
QString ReportsFolder();
QString SettingsFolder();
QString SettingsFileName();

// "<common data>/Orvalis/Template/<language tag>/", or empty when no shared template exists.
QString SharedTemplateFolder();
// "<prefix>/share/" of an installed program (the folder beside its bin/ that holds "Orvalis/"),
// or empty when the program does not run from an installed tree.
QString InstalledDataFolder();
// The top of the build folder when this program runs from it, else empty.
QString BuildTreeFolder();
// The folders shared data is looked up in: XDG_DATA_DIRS, the install prefix, the build tree.
QStringList SharedDataFolders();

// Adds a trailing "/" when missing.
QString IncludeTrailingSlash(const QString &path);
// Removes trailing "/"s, keeping the root "/" itself.
QString ExcludeTrailingSlash(const QString &path);

// Creates the root and seeds each missing standard folder from the shared template folder.
// Raises "Unable to create directories" or "Cannot read from the source file or disk".
void EnsureStorageFolders();
// Copies the shared "Settings" tree over the root's, then sets DatabaseVersion to "01.01".
void UpgradeDatabase(TSettings &settings);

// Copies CoverUnits and TemperatureUnits into the global unit selections.
void ApplyUnitSettings(TSettings &settings);

// Start-up steps from the storage folders to the written defaults: ensure folders, load the
// settings with auto-save, copy units, upgrade when needed, load the tab reports, write the
// missing defaults. A failing step is shown through the prompt service and ends that step only.
void RunStorageStartup(TSettings &settings, const std::function<void()> &loadTabReports);

// Data side of "Change Storage Directory": stores the root and repeats the start-up steps.
// rebuildTree runs after the folders exist and before the settings are reloaded.
void SetStorageRoot(const QString &path, TSettings &settings, const std::function<void()> &rebuildTree,
                    const std::function<void()> &loadTabReports);
