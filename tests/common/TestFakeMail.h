#pragma once
// A fake xdg-email first on PATH for as long as it lives: it records its arguments
// and for every "--attach" the size of the file at the moment it runs, then exits with the
// status given, after `delaySeconds` when given. Without the program (`installed` false) PATH holds no xdg-email at all.
#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

class TFakeMail {
public:
    explicit TFakeMail(bool installed = true, int exitStatus = 0, int delaySeconds = 0);
    ~TFakeMail();
    // Arguments of the last run (empty when it did not run).
    QStringList Arguments() const;
    // Sizes of the attached files as the program saw them; -1 for a file that did not exist.
    QList<qint64> AttachmentSizes() const;

private:
    QTemporaryDir FDir;
    QByteArray FOldPath;
};
