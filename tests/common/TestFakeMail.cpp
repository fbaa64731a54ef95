#include "TestFakeMail.h"

#include <QFile>
#include <QTextStream>

TFakeMail::TFakeMail(bool installed, int exitStatus, int delaySeconds) : FOldPath(qgetenv("PATH"))
{
    const QString bin = FDir.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    if (installed) {
        QFile script(bin + QStringLiteral("/xdg-email"));
        script.open(QIODevice::WriteOnly);
        const QString log = FDir.filePath(QStringLiteral("args"));
        const QString sizes = FDir.filePath(QStringLiteral("sizes"));
        QTextStream(&script) << "#!/bin/sh\n"
                             << ": > '" << log << "'\n"
                             << ": > '" << sizes << "'\n"
                             << "attach=0\n"
                             << "for a in \"$@\"; do\n"
                             << "  printf '%s\\0' \"$a\" >> '" << log << "'\n"
                             << "  if [ $attach = 1 ]; then\n"
                             << "    if [ -f \"$a\" ]; then wc -c < \"$a\" >> '" << sizes << "';"
                             << " else echo -1 >> '" << sizes << "'; fi\n"
                             << "  fi\n"
                             << "  if [ \"$a\" = --attach ]; then attach=1; else attach=0; fi\n"
                             << "done\n"
                             << (delaySeconds > 0 ? QStringLiteral("sleep %1\n").arg(delaySeconds) : QString())
                             << "exit " << exitStatus << "\n";
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // Only the fake folder and the shell's own tools: the real xdg-email in /usr/bin stays unseen.
    const QString tools = FDir.filePath(QStringLiteral("tools"));
    QDir().mkpath(tools);
    for (const char *tool : {"sh", "wc", "printf", "echo", "sleep"}) {
        const QString real = QStringLiteral("/usr/bin/") + QLatin1String(tool);
        const QString alt = QStringLiteral("/bin/") + QLatin1String(tool);
        QFile::link(QFile::exists(real) ? real : alt, tools + QLatin1Char('/') + QLatin1String(tool));
    }
    qputenv("PATH", (bin + QLatin1Char(':') + tools).toLocal8Bit());
}

TFakeMail::~TFakeMail() { qputenv("PATH", FOldPath); }

QStringList TFakeMail::Arguments() const
{
    QFile file(FDir.filePath(QStringLiteral("args")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QChar(0));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QList<qint64> TFakeMail::AttachmentSizes() const
{
    QList<qint64> sizes;
    QFile file(FDir.filePath(QStringLiteral("sizes")));
    if (!file.open(QIODevice::ReadOnly))
        return sizes;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            sizes << line.trimmed().toLongLong();
    return sizes;
}
