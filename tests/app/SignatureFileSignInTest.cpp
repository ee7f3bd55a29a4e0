// Sign-in reads a signature only from a plain file in the data folder;
// any other name is reported as unreadable and signs without a picture.

#include "WindowFixture.h"

#include "SignIn.h"

#include <QImage>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Should sign-in open the pipe and wait for a writer, this writes to it
// after a while so the test ends (and fails) instead of hanging. It is a
// guard against a hang, not a measure of speed.
class PipeUnblocker {
public:
    explicit PipeUnblocker(QByteArray pipe)
        : m_thread([this, pipe = std::move(pipe)] {
              std::unique_lock lock(m_mutex);
              if (m_done.wait_for(lock, std::chrono::seconds(20), [this] { return m_finished; }))
                  return;
              const int fd = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK);
              if (fd >= 0) {
                  m_unblocked = true;
                  ::close(fd);
              }
          })
    {
    }
    // True when sign-in had to be freed from the pipe.
    bool finish()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
        return m_unblocked;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::atomic<bool> m_unblocked = false;
    std::thread m_thread;
};

} // namespace

class SignatureFileSignInTest : public DataWindowTest {
protected:
    void SetUp() override
    {
        DataWindowTest::SetUp();
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        ASSERT_TRUE(picture.save(folder() + "outside.bmp"));
        ASSERT_EQ(::symlink(QFile::encodeName(folder() + "outside.bmp").constData(),
                            QFile::encodeName(dataFolder() + "link.bmp").constData()),
                  0);
        ASSERT_EQ(::mkfifo(QFile::encodeName(dataFolder() + "pipe.bmp").constData(), 0600), 0);
        for (const char *file : {"../outside.bmp", "link.bmp", "pipe.bmp"})
            addRow("Agents", {{"Name", file}, {"Password", "pw"}, {"ApprovalNumber", "D-1"}, {"ElectronicSign", file},
                               {"UseElectronic", 1}});
        openWindow(false);
    }
};

TEST_F(SignatureFileSignInTest, NamesLeadingOutOfTheFolderOrToAPipeAreNotRead)
{
    for (int entry = 0; entry < 3; ++entry) {
        const QString file = window->accessPanel().combo4->itemText(entry);
        messages.shown.clear();
        window->accessPanel().show();
        window->accessPanel().combo4->setCurrentIndex(entry);
        window->accessPanel().text44->setText("pw");

        PipeUnblocker guard(QFile::encodeName(dataFolder() + "pipe.bmp"));
        window->signIn().AgentSecurity();
        EXPECT_FALSE(guard.finish()) << file.toStdString() << ": sign-in waited on the pipe";

        EXPECT_TRUE(window->signIn().signature().isNull()) << file.toStdString();
        EXPECT_EQ(messages.shown.size(), 1) << file.toStdString();
        EXPECT_TRUE(messages.shown.value(0).prompt.contains(file + " could not be read")) << file.toStdString();
        EXPECT_EQ(screen().block13dName->text(), file) << "the signatory is still signed in";
    }
}
