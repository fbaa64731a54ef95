#pragma once
// One e-mail handed to the user's mail client through xdg-email, which opens the client's compose
// window with subject, body, recipients and attachments filled in; the user sends from there.
#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <sys/types.h>

class TMAPIMail {
public:
    QString Subject;
    QString Body;
    // "CC:" and "BCC:" (any letter case) make copy and blind copy recipients, the prefix removed.
    QStringList Recipients;
    // Full paths; AttachmentNames gives display names by position.
    QStringList Attachments;
    QStringList AttachmentNames;
    // xdg-email always shows the compose window; the address book, receipts and sender have no
    // counterpart there and are kept only for callers that set them.
    bool EditDialog = true;
    bool ResolveNames = false;
    bool RequestReceipt = false;
    QString SenderName;
    QString SenderAddress;
    // Result code of the last Send, 0 for success.
    int LastError = 0;

    // Runs xdg-email and waits for it (it returns once the compose window is open). True on
    // success; the result code is kept in LastError.
    bool Send();
    // The program and arguments of a run: false, with LastError set, when there is no xdg-email.
    bool PrepareRun(QString &program, QStringList &arguments);
    // The arguments given to xdg-email; attachments shown under another name are linked under
    // that name into `folder` first.
    QStringList Arguments(const QString &folder = QString()) const;

    // The text of a result code ("Unknown Error Code: " and the code for codes outside the table).
    static QString ErrorText(int code);
    // The result code of an xdg-email exit status.
    static int ResultOfExitStatus(int status);
};

// One run of xdg-email that nobody waits for. With some clients xdg-email runs the mail program
// itself in the foreground and returns only when the user closes it, so a window must not block on
// it. Finished comes once: with the result code when xdg-email ends within the time limit, else
// with 0 once the limit has passed (the compose window is taken to be open). The program is never
// killed: it may be the user's mail client holding an unsent mail. The job deletes itself once
// the program has ended.
class TMailJob : public QObject {
    Q_OBJECT
public:
    // Starts xdg-email for `mail`. nullptr when it cannot start; `mail.LastError` then holds the
    // result code.
    static TMailJob *Start(TMAPIMail &mail, int timeLimitMs);
    ~TMailJob() override;
    bool Reported() const { return FReported; }

signals:
    void Finished(int result);

private:
    TMailJob(pid_t pid, int timeLimitMs);
    void Poll();
    void Report(int result);
    pid_t FPid;
    int FLimit;
    bool FReported = false;
    QTimer FTimer;
    QElapsedTimer FClock;
};

// Mail clients read the attachments when the user sends, long after xdg-email has returned, so
// each mail keeps its attachments in a folder of its own under the user's cache folder. Creates
// and returns a new such folder (trailing "/"); raises when it cannot be made.
QString NewMailFolder();
// The folder those folders live in: $XDG_CACHE_HOME/Orvalis/mail/ (trailing "/").
QString MailFoldersRoot();
// Deletes the mail folders last changed more than a day before `now` (run at start-up).
void DeleteOldMailFolders(const QDateTime &now);
