#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <QUrl>
#include <chrono>
#include <optional>
#include <ostream>

#include "app/StandInViewer.h"
#include "qt/desktop/HelpViewer.h"

namespace {

struct HandOver {
    const char* Name;
    std::optional<int> Status;  // how the viewer ends; none: there is no viewer
    std::chrono::milliseconds Time;
    bool Failed;
};

void PrintTo(const HandOver& handOver, std::ostream* out) {
    *out << handOver.Name;
}

class HelpViewerTest : public ::testing::TestWithParam<HandOver> {};

}  // namespace

TEST_P(HelpViewerTest, ReportsAFailureOnlyWhileThePageIsHandedOver) {
    const HandOver& handOver = GetParam();
    const StandInViewer viewer(handOver.Status);
    HelpViewer help(handOver.Time);
    int failures = 0;
    QString failedPath;
    QObject::connect(&help, &HelpViewer::Failed, [&](const QString& path) {
        ++failures;
        failedPath = path;
    });
    const QString page = "/usr/share/doc/lumabels/Hilfe für mich/index.html";
    help.Open(page);
    StandInViewer::AwaitEnd(help);
    EXPECT_EQ(failures, handOver.Failed ? 1 : 0);
    if (handOver.Failed) {
        EXPECT_EQ(failedPath, page);
    }
    if (handOver.Status) {
        EXPECT_EQ(QUrl::fromEncoded(viewer.Handed()), QUrl::fromLocalFile(page));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, HelpViewerTest,
    ::testing::Values(HandOver{"Shown", 0, HelpViewer::HandOverTime, false},
                      HandOver{"NoBrowser", 3, HelpViewer::HandOverTime, true},
                      HandOver{"NoViewer", std::nullopt, HelpViewer::HandOverTime, true},
                      // A browser run by the viewer itself ends it, however it ends, long
                      // after the page was shown.
                      HandOver{"BrowserEndedLater", 4, std::chrono::milliseconds(0), false}),
    [](const auto& info) { return std::string(info.param.Name); });

namespace {

QStringList& Messages() {
    static QStringList messages;
    return messages;
}

// Keeps what Qt says while it lives.
class MessageCatcher {
  public:
    MessageCatcher()
        : previous_(qInstallMessageHandler([](QtMsgType, const QMessageLogContext&,
                                              const QString& text) { Messages().append(text); })) {
        Messages().clear();
    }
    MessageCatcher(const MessageCatcher&) = delete;
    MessageCatcher& operator=(const MessageCatcher&) = delete;
    ~MessageCatcher() { qInstallMessageHandler(previous_); }

  private:
    QtMessageHandler previous_;
};

}  // namespace

// The game may end while the viewer still runs the browser it started.
TEST(HelpViewer, AViewerStillRunningIsEndedQuietlyWithTheGame) {
    const StandInViewer viewer(StandInViewer::StaysRunning);
    const MessageCatcher catcher;
    int failures = 0;
    {
        HelpViewer help;
        QObject::connect(&help, &HelpViewer::Failed, [&] { ++failures; });
        help.Open("/usr/share/doc/lumabels/index.html");
        ASSERT_TRUE(help.findChild<QProcess*>()->waitForStarted());
    }
    EXPECT_EQ(failures, 0);
    EXPECT_TRUE(Messages().isEmpty()) << Messages().join('\n').toStdString();
}
