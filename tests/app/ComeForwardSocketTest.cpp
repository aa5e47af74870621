#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "qt/process/ComeForwardSocket.h"
#include "support/ComeForwardSocketProbe.h"

namespace {

// A socket file such as a copy that was killed leaves behind.
void LeaveSocketAt(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    close(fd);
}

}  // namespace

// The running copy hears a second start's word, token and all, on its own socket, in place of
// one left behind; a word sent through a link is not delivered, and a file that is no socket
// is neither listened at nor removed.
TEST(ComeForwardSocketTest, TheWordArrivesOnlyThroughTheUsersOwnSocket) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string lock = folder.filePath("Lumabels.lock").toStdString();
    const std::string path = ComeForwardSocket::PathBeside(lock);
    EXPECT_EQ(path, folder.filePath("Lumabels.socket").toStdString());
    LeaveSocketAt(path);

    std::vector<std::string> heard;
    const ComeForwardSocket listener(path,
                                     [&](const std::string& token) { heard.push_back(token); });
    ASSERT_TRUE(ComeForwardSocketProbe::IsListening(listener));
    const auto await = [&](std::size_t count) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (heard.size() < count && std::chrono::steady_clock::now() < deadline) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        }
    };
    ComeForwardSocket::Ask(path, "token-1");
    await(1);
    const std::string link = folder.filePath("link.socket").toStdString();
    ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);
    ComeForwardSocket::Ask(link, "through a link");
    ComeForwardSocket::Ask(path, "");
    await(2);
    // Words on one socket arrive in the order sent: the second is the last one.
    EXPECT_EQ(heard, (std::vector<std::string>{"token-1", ""}));

    const std::string plain = folder.filePath("plain.socket").toStdString();
    QFile file(QString::fromStdString(plain));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    {
        const ComeForwardSocket refused(plain, [](const std::string&) {});
        EXPECT_FALSE(ComeForwardSocketProbe::IsListening(refused));
    }
    EXPECT_TRUE(QFile::exists(QString::fromStdString(plain)));
}
