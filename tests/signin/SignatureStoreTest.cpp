// Which signature files a data folder gives, to sign-in and to the
// signatories panel's list: only a plain file directly in the folder,
// checked before it is opened (a pipe would hang the reader).

#include "FolderSignatures.h"
#include "TempFolder.h"

#include <QFile>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using arc::FolderSignatures;

namespace {

struct Case {
    const char *name;
    // Lays out the data folder and a folder beside it; returns the name
    // the Agents row would hold.
    std::function<QString(const QString &data, const QString &outside)> lay;
    bool given;
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
    {"PlainFile", [](auto &data, auto &) { makeFile(data + "pat.bmp", 100); return "pat.bmp"; }, true},
    {"LargestAllowed",
     [](auto &data, auto &) { makeFile(data + "big.bmp", FolderSignatures::maxBytes); return "big.bmp"; },
     true},
    {"LinkToAFileInTheFolder",
     [](auto &data, auto &) {
         makeFile(data + "pat.bmp", 100);
         link(data + "pat.bmp", data + "alias.bmp");
         return "alias.bmp";
     },
     true},
    {"EmptyName", [](auto &, auto &) { return ""; }, false},
    {"ParentFolder",
     [](auto &, auto &outside) { makeFile(outside + "x.bmp", 100); return "../outside/x.bmp"; },
     false},
    {"DotDot", [](auto &, auto &) { return ".."; }, false},
    {"SubFolder",
     [](auto &data, auto &) {
         QDir(data).mkdir("sub");
         makeFile(data + "sub/x.bmp", 100);
         return "sub/x.bmp";
     },
     false},
    // A name the earlier program's folders would read as a path, even when
    // a file of that very name lies in the folder.
    {"BackslashName",
     [](auto &data, auto &) {
         makeFile(data + "sub\\x.bmp", 100);
         return "sub\\x.bmp";
     },
     false},
    {"AbsolutePath",
     [](auto &, auto &outside) {
         makeFile(outside + "x.bmp", 100);
         return outside + "x.bmp";
     },
     false},
    {"LinkLeadingOutside",
     [](auto &data, auto &outside) {
         makeFile(outside + "x.bmp", 100);
         link(outside + "x.bmp", data + "x.bmp");
         return "x.bmp";
     },
     false},
    {"MissingFile", [](auto &, auto &) { return "gone.bmp"; }, false},
    {"DanglingLink",
     [](auto &data, auto &outside) {
         link(outside + "gone.bmp", data + "x.bmp");
         return "x.bmp";
     },
     false},
    {"Fifo",
     [](auto &data, auto &) {
         EXPECT_EQ(::mkfifo(QFile::encodeName(data + "pipe.bmp").constData(), 0600), 0);
         return "pipe.bmp";
     },
     false},
    {"LinkToAFifoInTheFolder",
     [](auto &data, auto &) {
         EXPECT_EQ(::mkfifo(QFile::encodeName(data + "pipe").constData(), 0600), 0);
         link(data + "pipe", data + "pipe.bmp");
         return "pipe.bmp";
     },
     false},
    {"FolderInTheFolder",
     [](auto &data, auto &) {
         QDir(data).mkdir("dir.bmp");
         return "dir.bmp";
     },
     false},
    {"Oversize",
     [](auto &data, auto &) { makeFile(data + "big.bmp", FolderSignatures::maxBytes + 1); return "big.bmp"; },
     false},
};

class SignatureStoreTest : public TempFolderTest, public ::testing::WithParamInterface<Case> {};

TEST_P(SignatureStoreTest, OnlyAPlainFileDirectlyInTheDataFolderIsReadOrListed)
{
    const QString data = folder() + "data/";
    const QString outside = folder() + "outside/";
    ASSERT_TRUE(QDir().mkpath(data));
    ASSERT_TRUE(QDir().mkpath(outside));
    const QString name = GetParam().lay(data, outside);

    const FolderSignatures store(data);
    EXPECT_EQ(!store.read(name).isEmpty(), GetParam().given);
    EXPECT_EQ(store.names().contains(name), GetParam().given) << store.names().join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Names, SignatureStoreTest, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

} // namespace
