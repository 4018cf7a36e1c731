#include "platform/os/AtomicFile.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <set>
#include <sstream>

namespace {

// A fresh folder per test (tests run in parallel processes), removed with its files afterwards.
class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/os_atomic_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
    }
    void TearDown() override
    {
        chmod(folder_.c_str(), 0700);
        for (const std::string &name : Names()) {
            const std::string path = Path(name);
            if (rmdir(path.c_str()) != 0)
                unlink(path.c_str());
        }
        rmdir(folder_.c_str());
    }

    std::string Path(const std::string &name) const { return folder_ + "/" + name; }
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        if (DIR *dir = opendir(folder_.c_str())) {
            while (const dirent *entry = readdir(dir))
                if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                    names.insert(entry->d_name);
            closedir(dir);
        }
        return names;
    }
    static std::string Read(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    static mode_t Mode(const std::string &path)
    {
        struct stat st {};
        stat(path.c_str(), &st);
        return st.st_mode & 07777;
    }

    std::string folder_;
};

TEST_F(AtomicFile, WritesANewFileAndReplacesAnOldOne)
{
    const std::string path = Path("preset.prs");
    const std::string first("\x00\x10\x02 first\r\n", 11);
    std::string error = "stale";
    ASSERT_TRUE(os::WriteFileAtomic(path, first, &error));
    EXPECT_TRUE(error.empty());
    EXPECT_EQ(Read(path), first);

    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(Mode(path), 0666 & ~mask);  // not the private mode of a temporary

    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(os::WriteFileAtomic(path, std::string("second")));
    EXPECT_EQ(Read(path), "second");
    EXPECT_EQ(Mode(path), 0640u);  // the replaced file's permissions are kept
    ASSERT_TRUE(os::WriteFileAtomic(path, std::string()));
    EXPECT_EQ(Read(path), "");
    EXPECT_EQ(Names(), std::set<std::string>{"preset.prs"});  // no temporary left behind
}

TEST_F(AtomicFile, FailureLeavesTheFolderAsItWasAndSaysWhy)
{
    ASSERT_EQ(mkdir(Path("taken").c_str(), 0755), 0);
    ASSERT_TRUE(os::WriteFileAtomic(Path("old.unt"), std::string("old")));
    const std::set<std::string> before = Names();

    struct Case {
        std::string path;
        std::string reason;
    };
    const Case cases[] = {
        {Path("taken"), "Is a directory"},              // the target is a folder
        {Path("missing/new.unt"), "No such file or directory"},  // the folder does not exist
        {"", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        std::string error;
        EXPECT_FALSE(os::WriteFileAtomic(c.path, std::string("new"), &error));
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(Names(), before);
        EXPECT_EQ(Read(Path("old.unt")), "old");
    }
}

// A write that fails half-way (here: the file size limit) keeps the old file and removes the
// temporary.
TEST_F(AtomicFile, FailedWriteKeepsTheOldFile)
{
    const std::string path = Path("old.unt");
    ASSERT_TRUE(os::WriteFileAtomic(path, std::string("old contents")));

    rlimit previous {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto handler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool written = os::WriteFileAtomic(path, std::string(100000, 'x'), &error);
    setrlimit(RLIMIT_FSIZE, &previous);
    signal(SIGXFSZ, handler);

    EXPECT_FALSE(written);
    EXPECT_NE(error.find("File too large"), std::string::npos) << error;
    EXPECT_EQ(Read(path), "old contents");
    EXPECT_EQ(Names(), std::set<std::string>{"old.unt"});
}

// A folder without write permission; root passes such checks, so this only runs where the
// permission is really enforced.
TEST_F(AtomicFile, ReadOnlyFolderIsReported)
{
    const std::string path = Path("old.unt");
    ASSERT_TRUE(os::WriteFileAtomic(path, std::string("old")));
    ASSERT_EQ(chmod(folder_.c_str(), 0500), 0);
    const int probe = open(Path("probe").c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (probe >= 0) {
        close(probe);
        unlink(Path("probe").c_str());
        GTEST_SKIP() << "folder permissions are not enforced for this user";
    }
    std::string error;
    EXPECT_FALSE(os::WriteFileAtomic(path, std::string("new"), &error));
    EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
    EXPECT_EQ(Read(path), "old");
}

}  // namespace
