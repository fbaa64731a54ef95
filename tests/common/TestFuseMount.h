#pragma once
// A FUSE mount of a local folder made with bindfs, standing in for a shared network folder:
// what is written into the underlying folder is what another computer writes, and the kernel's
// notifications on the mount never hear of it. The mount can be made to stop answering (its
// process stopped), as a server that has gone away.
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

class TFuseMount {
public:
    // Mounts a fresh folder (Source) on another (Mount). Check Available() before use.
    TFuseMount();
    // Lets the process run again, unmounts and ends it, whatever the test did.
    ~TFuseMount();
    TFuseMount(const TFuseMount &) = delete;
    TFuseMount &operator=(const TFuseMount &) = delete;

    // False when the machine cannot make the mount; Reason() says why (for GTEST_SKIP).
    bool Available() const { return FMounted; }
    QString Reason() const { return FReason; }
    QString Source() const { return FDir.path() + QStringLiteral("/source"); }
    QString Mount() const { return FDir.path() + QStringLiteral("/mount"); }

    // Stops the file system process (SIGSTOP): every call on the mount then waits. For safety it
    // runs again by itself after `safetyMs`, so that code that wrongly waits for it ends in a
    // failed test instead of a test program that hangs for good.
    void Freeze(int safetyMs = 30000);
    // Lets it run again (SIGCONT).
    void Thaw();
    // True when the safety limit of Freeze let it run again (something waited for it that long).
    bool ThawedBySafety() const { return FThawedBySafety.load(); }

private:
    QTemporaryDir FDir;
    QProcess FProcess;
    qint64 FPid = 0;
    bool FMounted = false;
    bool FFrozen = false;
    std::thread FSafety;
    std::mutex FSafetyLock;
    std::condition_variable FSafetyWake;
    bool FSafetyStop = false;
    std::atomic<bool> FThawedBySafety{false};
    QString FReason;
};
