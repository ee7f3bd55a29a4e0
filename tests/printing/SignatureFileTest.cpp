// Which signature files are read: only a plain file directly in the data
// folder, checked before it is opened.

#include "SignatureFile.h"
#include "TempFolder.h"

#include <QFile>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using arc::SignatureFile;
using Refusal = SignatureFile::Refusal;

namespace arc {
void PrintTo(SignatureFile::Refusal r, std::ostream *os)
{
    static const char *const names[] = {"None",           "EmptyName",       "NotABareName", "Missing",
                                        "OutsideFolder", "NotARegularFile", "TooLarge"};
    *os << names[int(r)];
}
} // namespace arc

namespace {

struct Case {
    const char *name;
    // Lays out the data folder and a folder beside it; returns the name
    // the Agents row would hold.
    std::function<QString(const QString &data, const QString &outside)> lay;
    Refusal refusal;
};

void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

void makeFile(const QString &path, qint64 size)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(size));
}

void link(const QString &target, const QString &at)
{
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(at).constData()), 0);
}

const Case cases[] = {
    {"PlainFile", [](auto &data, auto &) { makeFile(data + "pat.bmp", 100); return "pat.bmp"; }, Refusal::None},
    {"LargestAllowed",
     [](auto &data, auto &) { makeFile(data + "big.bmp", SignatureFile::maxBytes); return "big.bmp"; },
     Refusal::None},
    {"LinkToAFileInTheFolder",
     [](auto &data, auto &) {
         makeFile(data + "pat.bmp", 100);
         link(data + "pat.bmp", data + "alias.bmp");
         return "alias.bmp";
     },
     Refusal::None},
    {"EmptyName", [](auto &, auto &) { return ""; }, Refusal::EmptyName},
    {"ParentFolder",
     [](auto &, auto &outside) { makeFile(outside + "x.bmp", 100); return "../outside/x.bmp"; },
     Refusal::NotABareName},
    {"DotDot", [](auto &, auto &) { return ".."; }, Refusal::NotABareName},
    {"SubFolder",
     [](auto &data, auto &) {
         QDir(data).mkdir("sub");
         makeFile(data + "sub/x.bmp", 100);
         return "sub/x.bmp";
     },
     Refusal::NotABareName},
    {"BackslashName", [](auto &, auto &) { return "sub\\x.bmp"; }, Refusal::NotABareName},
    {"AbsolutePath",
     [](auto &, auto &outside) {
         makeFile(outside + "x.bmp", 100);
         return outside + "x.bmp";
     },
     Refusal::NotABareName},
    {"LinkLeadingOutside",
     [](auto &data, auto &outside) {
         makeFile(outside + "x.bmp", 100);
         link(outside + "x.bmp", data + "x.bmp");
         return "x.bmp";
     },
     Refusal::OutsideFolder},
    {"MissingFile", [](auto &, auto &) { return "gone.bmp"; }, Refusal::Missing},
    {"DanglingLink",
     [](auto &data, auto &outside) {
         link(outside + "gone.bmp", data + "x.bmp");
         return "x.bmp";
     },
     Refusal::Missing},
    {"Fifo",
     [](auto &data, auto &) {
         EXPECT_EQ(::mkfifo(QFile::encodeName(data + "pipe.bmp").constData(), 0600), 0);
         return "pipe.bmp";
     },
     Refusal::NotARegularFile},
    {"LinkToAFifoInTheFolder",
     [](auto &data, auto &) {
         EXPECT_EQ(::mkfifo(QFile::encodeName(data + "pipe").constData(), 0600), 0);
         link(data + "pipe", data + "pipe.bmp");
         return "pipe.bmp";
     },
     Refusal::NotARegularFile},
    {"FolderInTheFolder",
     [](auto &data, auto &) {
         QDir(data).mkdir("dir.bmp");
         return "dir.bmp";
     },
     Refusal::NotARegularFile},
    {"Oversize",
     [](auto &data, auto &) { makeFile(data + "big.bmp", SignatureFile::maxBytes + 1); return "big.bmp"; },
     Refusal::TooLarge},
};

class SignatureFileTest : public TempFolderTest, public ::testing::WithParamInterface<Case> {};

TEST_P(SignatureFileTest, OnlyAPlainFileDirectlyInTheDataFolderIsRead)
{
    const QString data = folder() + "data/";
    const QString outside = folder() + "outside/";
    ASSERT_TRUE(QDir().mkpath(data));
    ASSERT_TRUE(QDir().mkpath(outside));
    const QString name = GetParam().lay(data, outside);

    const SignatureFile::Resolved got = SignatureFile::resolve(data, name);
    EXPECT_EQ(got.refusal, GetParam().refusal);
    if (got.ok())
        EXPECT_EQ(QFileInfo(got.path).canonicalPath(), QFileInfo(data).canonicalFilePath());
    else
        EXPECT_TRUE(got.path.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Names, SignatureFileTest, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

} // namespace
