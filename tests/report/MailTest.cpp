#include "TestFakeMail.h"
#include "TestSupport.h"
#include "UnitFileOperations.h"
#include "UnitMAPIMail.h"

#include <QDateTime>
#include <QFile>
#include <sys/stat.h>
#include <utime.h>

namespace {
class MailTest : public IsolatedTest {};

QString WriteFile(const QString &path, int size)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray(size, 'x'));
    return path;
}
} // namespace

TEST_F(MailTest, RecipientsSubjectBodyAndAttachmentsReachXdgEmail)
{
    TFakeMail fake;
    QTemporaryDir dir;
    TMAPIMail mail;
    mail.Subject = QStringLiteral("Orvalis Report");
    mail.Body = QStringLiteral("line one\r\nline two");
    mail.Recipients = {QStringLiteral("bcc:Hidden Reader <h@example.org>"), QStringLiteral("anna@example.org"),
                       QStringLiteral("Cc: copy@example.org"), QStringLiteral("BCC:x@example.org")};
    mail.Attachments = {WriteFile(dir.filePath(QStringLiteral("a.pdf")), 10),
                        WriteFile(dir.filePath(QStringLiteral("b.jpg")), 20)};
    mail.AttachmentNames = {QStringLiteral("Shown Name.pdf")};
    ASSERT_TRUE(mail.Send());
    EXPECT_EQ(mail.LastError, 0);
    const QStringList args = fake.Arguments();
    ASSERT_FALSE(args.isEmpty());
    auto valueAfter = [&](const QString &option, int nth = 0) {
        for (int i = 0; i + 1 < args.size(); ++i)
            if (args[i] == option && nth-- == 0)
                return args[i + 1];
        return QString();
    };
    EXPECT_EQ(valueAfter(QStringLiteral("--bcc")), QStringLiteral("Hidden Reader <h@example.org>"));
    EXPECT_EQ(valueAfter(QStringLiteral("--bcc"), 1), QStringLiteral("x@example.org"));
    EXPECT_EQ(valueAfter(QStringLiteral("--cc")), QStringLiteral("copy@example.org"));
    EXPECT_EQ(valueAfter(QStringLiteral("--subject")), mail.Subject);
    EXPECT_EQ(valueAfter(QStringLiteral("--body")), mail.Body);
    EXPECT_EQ(args.last(), QStringLiteral("anna@example.org"));
    // The first attachment goes under its display name, the second under its file name.
    EXPECT_TRUE(valueAfter(QStringLiteral("--attach")).endsWith(QStringLiteral("/Shown Name.pdf")));
    EXPECT_TRUE(valueAfter(QStringLiteral("--attach")).startsWith(MailFoldersRoot()));
    EXPECT_EQ(valueAfter(QStringLiteral("--attach"), 1), mail.Attachments[1]);
    EXPECT_EQ(fake.AttachmentSizes(), (QList<qint64>{10, 20}));
}

TEST_F(MailTest, ExitStatusBecomesResultCodeAndText)
{
    struct Case {
        int Status;
        int Code;
    };
    for (const Case c : {Case{1, 2}, Case{2, 11}, Case{4, 2}}) {
        TFakeMail fake(true, c.Status);
        TMAPIMail mail;
        EXPECT_FALSE(mail.Send()) << c.Status;
        EXPECT_EQ(mail.LastError, c.Code) << c.Status;
    }
    EXPECT_EQ(TMAPIMail::ErrorText(11), QStringLiteral("Attachment not found"));
    EXPECT_EQ(TMAPIMail::ErrorText(18), QStringLiteral("Text too large."));
    EXPECT_EQ(TMAPIMail::ErrorText(7), QStringLiteral("Unknown Error Code: 7"));
    EXPECT_EQ(TMAPIMail::ErrorText(27), QStringLiteral("Unknown Error Code: 27"));
}

TEST_F(MailTest, WithoutXdgEmailMailIsUnavailable)
{
    {
        TFakeMail fake;
        EXPECT_TRUE(MailAvailable());
    }
    TFakeMail missing(false);
    EXPECT_FALSE(MailAvailable());
    TMAPIMail mail;
    EXPECT_FALSE(mail.Send());
    EXPECT_EQ(mail.LastError, 1);
}

TEST_F(MailTest, MailFoldersOlderThanADayAreDeleted)
{
    const QString fresh = NewMailFolder();
    const QString old = NewMailFolder();
    ASSERT_NE(fresh, old);
    EXPECT_TRUE(fresh.startsWith(Home.Path() + QStringLiteral("/cache/Orvalis/mail/")));
    WriteFile(old + QStringLiteral("Orvalis Report.pdf"), 5);
    WriteFile(fresh + QStringLiteral("Orvalis Report.pdf"), 5);
    const QDateTime now = QDateTime::currentDateTime();
    const time_t twoDaysAgo = now.addDays(-2).toSecsSinceEpoch();
    utimbuf times{twoDaysAgo, twoDaysAgo};
    ASSERT_EQ(::utime(QFile::encodeName(old).constData(), &times), 0);
    DeleteOldMailFolders(now);
    EXPECT_FALSE(QFileInfo::exists(old));
    EXPECT_TRUE(QFileInfo::exists(fresh + QStringLiteral("Orvalis Report.pdf")));
}
