// A signature file is checked before it is opened: a pipe would hang the reader.

#include "FolderSignatures.h"
#include "TempFolder.h"

#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

using arc::FolderSignatures;

namespace {

// One thing laid out before the name is asked for. Paths starting with
// "^" lie in a folder beside the data folder, the others in it.
enum class Make { File, Largest, Oversize, Folder, Fifo, Link };
struct Step {
    Make make;
    const char *path, *target = "";
};

struct Case {
    const char *name;
    std::vector<Step> lay;
    const char *asked; // as the Agents row would hold it; "^" as above
    bool given;
};

const Case cases[] = {
    {"PlainFile", {{Make::File, "pat.bmp"}}, "pat.bmp", true},
    {"LargestAllowed", {{Make::Largest, "big.bmp"}}, "big.bmp", true},
    {"LinkToAFileInTheFolder", {{Make::File, "pat.bmp"}, {Make::Link, "alias.bmp", "pat.bmp"}}, "alias.bmp", true},
    {"EmptyName", {}, "", false},
    {"ParentFolder", {{Make::File, "^x.bmp"}}, "../outside/x.bmp", false},
    {"DotDot", {}, "..", false},
    {"SubFolder", {{Make::Folder, "sub"}, {Make::File, "sub/x.bmp"}}, "sub/x.bmp", false},
    // A name the earlier program's folders would read as a path, even when
    // a file of that very name lies in the folder.
    {"BackslashName", {{Make::File, "sub\\x.bmp"}}, "sub\\x.bmp", false},
    {"AbsolutePath", {{Make::File, "^x.bmp"}}, "^x.bmp", false},
    {"LinkLeadingOutside", {{Make::File, "^x.bmp"}, {Make::Link, "x.bmp", "^x.bmp"}}, "x.bmp", false},
    {"MissingFile", {}, "gone.bmp", false},
    {"DanglingLink", {{Make::Link, "x.bmp", "^gone.bmp"}}, "x.bmp", false},
    {"Fifo", {{Make::Fifo, "pipe.bmp"}}, "pipe.bmp", false},
    {"LinkToAFifoInTheFolder", {{Make::Fifo, "pipe"}, {Make::Link, "pipe.bmp", "pipe"}}, "pipe.bmp", false},
    {"FolderInTheFolder", {{Make::Folder, "dir.bmp"}}, "dir.bmp", false},
    {"Oversize", {{Make::Oversize, "big.bmp"}}, "big.bmp", false},
};

using SignatureStoreTest = TempFolderTest;

TEST_F(SignatureStoreTest, OnlyAPlainFileDirectlyInTheDataFolderIsReadOrListed)
{
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString data = folder() + c.name + "/data/", outside = folder() + c.name + "/outside/";
        ASSERT_TRUE(QDir().mkpath(data) && QDir().mkpath(outside));
        const auto at = [&](const char *path) { return path[0] == '^' ? outside + (path + 1) : data + path; };
        for (const Step &s : c.lay) {
            const QByteArray path = QFile::encodeName(at(s.path));
            QFile f(at(s.path));
            switch (s.make) {
            case Make::File:
            case Make::Largest:
            case Make::Oversize:
                ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << s.path;
                ASSERT_TRUE(
                    f.resize(s.make == Make::File ? 100 : FolderSignatures::maxBytes + (s.make == Make::Oversize)));
                break;
            case Make::Folder:
                ASSERT_TRUE(QDir().mkdir(at(s.path))) << s.path;
                break;
            case Make::Fifo:
                ASSERT_EQ(::mkfifo(path.constData(), 0600), 0) << s.path;
                break;
            case Make::Link:
                ASSERT_EQ(::symlink(QFile::encodeName(at(s.target)).constData(), path.constData()), 0) << s.path;
                break;
            }
        }
        const QString name = c.asked[0] == '^' ? at(c.asked) : QString(c.asked);
        const FolderSignatures store(data);
        EXPECT_EQ(!store.read(name).isEmpty(), c.given);
        EXPECT_EQ(store.names().contains(name), c.given) << store.names().join(' ').toStdString();
    }
}

} // namespace
