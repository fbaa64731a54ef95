#pragma once
// The program's names: the application and organisation names that the configuration store and
// the desktop use, and the title the main window and the message boxes show.
#include <QString>

// "Ventrax Orvalis".
QString ProgramTitle();

// Sets the application and organisation names. No application display name is set: Qt would add
// it to the title of every window, so a dialog would no longer show just its own caption.
void SetApplicationNames();
