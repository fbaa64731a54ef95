// What the gauge pane tells while it has no port, cannot open one, looks for a gauge and finds
// one, and the demonstration gauge it runs on a pty of its own.
#include "GaugePaneSupport.h"
#include "UnitCommK27Thread.h"
#include "UnitDemoGauge.h"
#include "UnitListLayout.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <iterator>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {
bool ProcessGone(qint64 pid) { return ::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH; }
} // namespace

class GaugePaneStateTest : public GaugePaneTest {
protected:
    void SetUp() override
    {
        GaugePaneTest::SetUp();
        Pane->resize(700, 400);
        Pane->show();
    }
    QString Shown() const { return Pane->findChild<QLabel *>(QStringLiteral("LabelGaugeState"))->text(); }
    // The status bar has the pane's lines on one.
    QString ShownOnOneLine() const { return QString(Shown()).replace(QLatin1Char('\n'), QLatin1Char(' ')); }
};

TEST_F(GaugePaneStateTest, EachWaitingStateExplainsItselfInThePaneAndTheStatusBar)
{
    // No port chosen: said so, with the way to choose one.
    int choices = 0;
    Pane->ChoosePort = [&] { ++choices; };
    Host.Port = 0;
    Pane->StartConnection();
    EXPECT_EQ(Pane->State(), TGaugeState::NoPort);
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("No gauge port is chosen.\n"))) << Shown().toStdString();
    EXPECT_EQ(Host.Status, ShownOnOneLine());
    ASSERT_TRUE(Pane->ButtonChoosePort()->isVisible());
    Pane->ButtonChoosePort()->click();
    EXPECT_EQ(choices, 1);

    // A port whose device is not there cannot be opened: the link's message is shown.
    const QString missing = Home.Path() + QStringLiteral("/ttyGone");
    RegisterComPort(9, missing);
    Host.Port = 9;
    Pane->StartConnection();
    ASSERT_TRUE(PumpUntil([&] { return Pane->State() == TGaugeState::OpenFailed; }));
    EXPECT_EQ(Shown(), QStringLiteral("COM9 (%1) cannot be opened.\nCommunications Error").arg(missing));
    EXPECT_EQ(Host.Status, ShownOnOneLine());
    EXPECT_EQ(Prompts.Errors, QStringList{QStringLiteral("Communications Error")});
    EXPECT_TRUE(Pane->ButtonChoosePort()->isVisible());

    // A pty where nothing answers: the port, its device, the rate being tried and for how long.
    TSimOptions silent;
    silent.Silent = true;
    Sim.SetOptions(silent);
    Host.Port = SimPort;
    Pane->StartConnection();
    EXPECT_EQ(Shown(), QStringLiteral("Opening COM%1 (%2)...").arg(SimPort).arg(Path));
    const QRegularExpression polling(
        QStringLiteral("^Looking for a gauge on COM%1 \\(%2\\): trying (\\d+) baud, (\\d+) s so far\\.\n")
            .arg(SimPort)
            .arg(QRegularExpression::escape(Path)));
    QSet<int> rates;
    int seconds = 0;
    ASSERT_TRUE(PumpUntil([&] {
        const QRegularExpressionMatch m = polling.match(Shown());
        if (m.hasMatch()) {
            rates.insert(m.captured(1).toInt());
            seconds = m.captured(2).toInt();
        }
        return rates.size() >= 2 && seconds >= 1;
    })) << Shown().toStdString();
    EXPECT_EQ(Pane->State(), TGaugeState::Polling);
    for (int rate : rates)
        EXPECT_NE(std::find(std::begin(PollBaudRates), std::end(PollBaudRates), rate), std::end(PollBaudRates)) << rate;
    EXPECT_TRUE(Host.Status.startsWith(QStringLiteral("Looking for a gauge on COM%1 (%2): trying ").arg(SimPort).arg(Path)))
        << Host.Status.toStdString();
    EXPECT_FALSE(Pane->ButtonChoosePort()->isVisible());

    // The gauge starts answering: its model and serial number.
    Sim.SetOptions(TSimOptions());
    ASSERT_TRUE(PumpUntil([&] { return Pane->State() == TGaugeState::Connected && List().topLevelItemCount() == 4; }));
    EXPECT_EQ(Shown(), QStringLiteral("Connected to Ventrax K27 SH, serial number K27-00417."));
    EXPECT_EQ(Host.Status, Shown());
    EXPECT_FALSE(EmptyListHint(&List())->isVisible());

    // A gauge that holds nothing says how its list fills.
    Sim.SetBatches({});
    Pane->StartConnection();
    ASSERT_TRUE(PumpUntil([&] { return Pane->State() == TGaugeState::Connected && Pane->Thread()->Ready(); }));
    ASSERT_TRUE(PumpUntil([&] { return EmptyListHint(&List())->isVisible(); }));
    EXPECT_EQ(EmptyListHint(&List())->text(),
              QStringLiteral("The gauge holds no batches. Batches measured with the gauge are listed here."));
}

TEST_F(GaugePaneStateTest, ARefusedOpenNamesTheDialoutRemedy)
{
    // A file without read and write permission refuses everybody but the superuser; a read-only
    // kernel attribute refuses even the superuser a writing open.
    QString locked = Home.Path() + QStringLiteral("/ttyLocked");
    if (::geteuid() == 0) {
        locked = QStringLiteral("/sys/kernel/uevent_seqnum");
        if (!QFile::exists(locked))
            GTEST_SKIP() << "no file here refuses the superuser";
    } else {
        QFile file(locked);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        ASSERT_TRUE(file.setPermissions(QFileDevice::Permissions()));
    }
    RegisterComPort(9, locked);
    Host.Port = 9;
    Pane->StartConnection();
    ASSERT_TRUE(PumpUntil([&] { return Pane->State() == TGaugeState::OpenFailed; }));
    QString expected = PortOpenFailureMessage(locked, true);
    expected.replace(QStringLiteral("\r\n\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(Shown(), QStringLiteral("COM9 (%1) cannot be opened.\n").arg(locked) + expected);
    EXPECT_TRUE(Shown().contains(QStringLiteral("dialout"))) << Shown().toStdString();
}

TEST_F(GaugePaneStateTest, TheDemonstrationGaugeRunsOnlyWhileChosenAndEndsWithThePane)
{
    ASSERT_FALSE(DemoGaugeProgram().isEmpty()) << "k27sim is built beside the tests";
    EXPECT_EQ(Pane->DemoGauge().ProcessId(), 0) << "nothing runs unless chosen";
    Host.Port = DemoGaugePort;
    Pane->StartConnection();
    const qint64 first = Pane->DemoGauge().ProcessId();
    ASSERT_GT(first, 0);
    ASSERT_TRUE(PumpUntil([&] { return Pane->State() == TGaugeState::Connected && Pane->Thread()->Ready(); }));
    EXPECT_TRUE(Shown().contains(QStringLiteral(", serial number %1.\n").arg(DemoGaugeSerialNumber())))
        << Shown().toStdString();
    EXPECT_TRUE(Shown().endsWith(QStringLiteral("This is the demonstration gauge: its batches are sample data.")));

    // A delete works on it as on a gauge, and Refresh keeps the same simulator, so what was
    // deleted (or uploaded) lasts for the run.
    ASSERT_TRUE(PumpUntil([&] { return List().topLevelItemCount() > 1; }));
    const int rows = List().topLevelItemCount();
    List().clearSelection();
    List().topLevelItem(0)->setSelected(true);
    Prompts.Answers.push_back(TPromptAnswer::Yes);
    ASSERT_TRUE(RunUntilIdle([&] { Pane->ActionDeleteBatch()->trigger(); }));
    EXPECT_EQ(List().topLevelItemCount(), rows - 1);
    Pane->ActionRefreshBatchList()->trigger();
    EXPECT_EQ(Pane->DemoGauge().ProcessId(), first);
    ASSERT_TRUE(PumpUntil([&] { return Pane->State() == TGaugeState::Connected && Pane->Thread()->Ready(); }));
    EXPECT_EQ(List().topLevelItemCount(), rows - 1);
    // Another port ends it.
    Host.Port = 0;
    Pane->StartConnection();
    EXPECT_EQ(Pane->DemoGauge().ProcessId(), 0);
    EXPECT_TRUE(ProcessGone(first));

    // Chosen again, a new one starts; the pane going away ends it.
    Host.Port = DemoGaugePort;
    Pane->StartConnection();
    const qint64 second = Pane->DemoGauge().ProcessId();
    ASSERT_GT(second, 0);
    ASSERT_TRUE(PumpUntil([&] { return Pane->State() == TGaugeState::Connected; }));
    Pane.reset();
    EXPECT_TRUE(ProcessGone(second));
}

// A pane is destroyed with the window around it, whose other widgets may be half gone: while it
// waits for its connection to end it serves that connection's calls and nothing else pending.
TEST_F(GaugePaneStateTest, APaneGoingAwayServesOnlyItsOwnConnection)
{
    TSimOptions silent;
    silent.Silent = true;
    Sim.SetOptions(silent);
    Pane->StartConnection();
    ASSERT_TRUE(PumpUntil([&] { return Pane->State() == TGaugeState::Polling; }));
    for (int round = 0; round < 4; ++round) {
        // Many rounds, so that some meet a thread in the middle of a call of its own and the wait
        // has to serve it.
        bool served = false;
        QMetaObject::invokeMethod(qApp, [&served] { served = true; }, Qt::QueuedConnection);
        QPointer<TCommK27Thread> thread(Pane->Thread());
        Pane.reset();
        EXPECT_TRUE(thread.isNull()) << "the connection ends with its pane";
        EXPECT_FALSE(served) << "round " << round;
        QCoreApplication::processEvents();
        EXPECT_TRUE(served);
        Pane = std::make_unique<TFormCalvaneK27>(&Host);
        Pane->show();
        Pane->StartConnection();
        ASSERT_TRUE(PumpUntil([&] { return Pane->State() == TGaugeState::Polling; }));
    }
}

TEST(DemoGaugeProgramTest, FoundBesideTheProgramFirst)
{
    QTemporaryDir dir;
    const QString beside = dir.path() + QStringLiteral("/k27sim");
    // Without one beside the program the build tree's is used (these tests run from it).
    EXPECT_EQ(DemoGaugeProgram(dir.path()), DemoGaugeProgram(QString()));
    QFile file(beside);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_NE(DemoGaugeProgram(dir.path()), beside) << "a file that cannot run is no program";
    ASSERT_TRUE(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_EQ(DemoGaugeProgram(dir.path()), beside);
}

TEST_F(GaugePaneStateTest, NumbersSitUnderTheirHeadings)
{
    ASSERT_TRUE(Connect());
    QHeaderView *header = List().header();
    EXPECT_FALSE(header->stretchLastSection());
    for (int column : {3, 4, 5}) {
        SCOPED_TRACE(column);
        EXPECT_EQ(List().headerItem()->textAlignment(column), NumberAlignment());
        EXPECT_EQ(List().topLevelItem(0)->textAlignment(column), NumberAlignment());
        EXPECT_LT(header->sectionSize(column), List().viewport()->width() / 3);
    }
}
