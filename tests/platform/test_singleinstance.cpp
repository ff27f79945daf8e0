// The hand-over between two starts of the game when something is in the way, each test on a
// socket of its own in a temporary folder; the client side runs on a thread of its own, as a
// second process would. The hand-over itself is shown with the main window.

#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <future>

using velmora::SingleInstance;

namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    QString Name() const { return m_dir.filePath(QStringLiteral("game.socket")); }

    /// Runs `client` on another thread while this one serves, until it returns.
    template <typename F> auto Serve(F client) {
        auto result = std::async(std::launch::async, client);
        const QDeadlineTimer deadline(10000);
        while (result.wait_for(std::chrono::seconds(0)) != std::future_status::ready &&
               !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        // Queued deliveries of what was received.
        QCoreApplication::processEvents();
        return result.get();
    }

    QTemporaryDir m_dir;
};

TEST_F(SingleInstanceTest, WithoutAListeningCopyTheStartRunsAndListensItself) {
    SingleInstance alone(Name());
    EXPECT_FALSE(alone.HandOver(QStringLiteral("x.vlg"), 1000));

    // A socket file left by a copy that ended without closing it is taken over.
    {
        QFile stale(Name());
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    }
    EXPECT_FALSE(alone.HandOver(QStringLiteral("x.vlg"), 1000));
    ASSERT_TRUE(alone.Listen());

    // Two copies started at once: the second finds the first listening and runs without.
    SingleInstance second(Name());
    EXPECT_FALSE(second.Listen());
    EXPECT_TRUE(alone.IsListening());
}

TEST_F(SingleInstanceTest, AnOversizedMessageIsRefusedAndServingGoesOn) {
    SingleInstance first(Name());
    ASSERT_TRUE(first.Listen());
    int received = 0;
    QObject::connect(&first, &SingleInstance::commandLineReceived, [&] { ++received; });

    const bool dropped = Serve([&] {
        QLocalSocket socket;
        socket.connectToServer(Name());
        if (!socket.waitForConnected(3000)) {
            return false;
        }
        char header[4];
        qToBigEndian(SingleInstance::MaxMessageBytes + 1, header);
        socket.write(header, 4);
        socket.waitForBytesWritten(3000);
        return socket.waitForDisconnected(3000) && socket.bytesAvailable() == 0;
    });
    EXPECT_TRUE(dropped);
    EXPECT_EQ(received, 0);
    EXPECT_TRUE(Serve([&] { return SingleInstance(Name()).HandOver(QStringLiteral("a.vlg")); }));
    EXPECT_EQ(received, 1);
}

TEST_F(SingleInstanceTest, AnEndedCopyLeavesNoSocketBehind) {
    {
        SingleInstance first(Name());
        ASSERT_TRUE(first.Listen());
        EXPECT_TRUE(QFile::exists(Name()));
    }
    EXPECT_FALSE(QFile::exists(Name()));
    EXPECT_FALSE(SingleInstance(Name()).HandOver(QString(), 1000));
}

} // namespace
