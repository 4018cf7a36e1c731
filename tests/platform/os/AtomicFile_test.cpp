#include "platform/os/AtomicFile.h"
#include "tests/platform/os/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

    std::string error;
    bool written = false;
    {
        const FileSizeLimit full(4096);
        written = os::WriteFileAtomic(path, std::string(100000, 'x'), &error);
    }

    EXPECT_FALSE(written);
    EXPECT_NE(error.find("File too large"), std::string::npos) << error;
    EXPECT_EQ(Read(path), "old contents");
    EXPECT_EQ(Names(), std::set<std::string>{"old.unt"});
}

// Saves of `path` killed half-way (by the file size limit's signal) in child processes: each
// leaves the temporary it was writing.
void KillSavesHalfWay(const std::string &path, int count)
{
    for (int i = 0; i < count; ++i) {
        const pid_t child = fork();
        if (child == 0) {
            const rlimit small{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &small);
            signal(SIGXFSZ, SIG_DFL);
            os::WriteFileAtomic(path, std::string(100000, 'x'));
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
    }
}

// The temporaries of killed saves go with the next save of the same target, and only those: one a
// live writer holds, those of another target and files of other names stay.
TEST_F(AtomicFile, NextSaveRemovesWhatKilledSavesOfTheSameTargetLeft)
{
    const std::string path = Path("show.prs");
    ASSERT_TRUE(os::WriteFileAtomic(path, std::string("old")));
    ASSERT_NO_FATAL_FAILURE(KillSavesHalfWay(path, 3));
    ASSERT_NO_FATAL_FAILURE(KillSavesHalfWay(Path("rack.unt"), 1));
    // show.prs, one leftover of it (each killed save removed the one before) and one of rack.unt.
    ASSERT_EQ(Names().size(), 3u);

    // A save in progress elsewhere: its temporary is locked by its writer.
    const std::string busy = Path(".show.prs.00000000000000aa.trovtmp");
    const int held = open(busy.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    const std::set<std::string> foreign = {".show.prs.swp", ".show.prs.0000000000000zzz.trovtmp",
                                           ".show.prs.00000000000000ab.tmp"};
    for (const std::string &name : foreign)
        std::ofstream(Path(name)) << "keep";

    ASSERT_TRUE(os::WriteFileAtomic(path, std::string("new")));
    close(held);
    EXPECT_EQ(Read(path), "new");
    std::set<std::string> expected = foreign;
    expected.insert({"show.prs", ".show.prs.00000000000000aa.trovtmp"});
    std::set<std::string> left = Names();
    std::erase_if(left, [](const std::string &name) { return os::IsSaveTemporaryOf(name, "rack.unt"); });
    EXPECT_EQ(left, expected);
    EXPECT_EQ(Names().size(), expected.size() + 1);  // rack.unt's leftover is not this save's business
}

TEST(AtomicFileNames, TemporariesAreRecognisedByTargetAndForm)
{
    struct Case {
        const char *name;
        std::string entry, target;
        bool recognised;
    };
    const std::string longName(250, 'n');
    const Case cases[] = {
        {.name = "own", .entry = ".a.prs.0123456789abcdef.trovtmp", .target = "a.prs", .recognised = true},
        {.name = "another target", .entry = ".b.prs.0123456789abcdef.trovtmp", .target = "a.prs", .recognised = false},
        {.name = "target's name longer",
         .entry = ".a.prs.0123456789abcdef.trovtmp",
         .target = "a.pr",
         .recognised = false},
        {.name = "upper-case digits",
         .entry = ".a.prs.0123456789ABCDEF.trovtmp",
         .target = "a.prs",
         .recognised = false},
        {.name = "short digits", .entry = ".a.prs.0123456789abcde.trovtmp", .target = "a.prs", .recognised = false},
        {.name = "not hidden", .entry = "a.prs.0123456789abcdef.trovtmp", .target = "a.prs", .recognised = false},
        {.name = "long name cut",
         .entry = "." + longName.substr(0, 229) + ".0123456789abcdef.trovtmp",
         .target = longName,
         .recognised = true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(os::IsSaveTemporaryOf(c.entry, c.target), c.recognised) << c.name;
}

// A name so long that the temporary's name would pass the system's limit still saves.
TEST_F(AtomicFile, LongestNameStillSaves)
{
    const std::string path = Path(std::string(255, 'n'));
    ASSERT_TRUE(os::WriteFileAtomic(path, std::string("bytes")));
    EXPECT_EQ(Read(path), "bytes");
    EXPECT_EQ(Names().size(), 1u);
}

// What a write in another process gave.
struct Outcome {
    bool written = false;
    std::string error;
};

// Root passes every permission check, so as root the write runs in a child process that has
// dropped to the unprivileged user `nobody`, to whom the folder is handed first.
Outcome WriteAsUnprivilegedUser(const std::string &folder, const std::string &path, const std::string &bytes)
{
    constexpr uid_t Nobody = 65534;
    if (chown(folder.c_str(), Nobody, Nobody) != 0 || chown(path.c_str(), Nobody, Nobody) != 0)
        return {false, "chown failed"};
    int fds[2];
    if (pipe(fds) != 0)
        return {false, "pipe failed"};
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        std::string message = "could not drop privileges";
        char written = 0;
        if (setgroups(0, nullptr) == 0 && setgid(Nobody) == 0 && setuid(Nobody) == 0 && geteuid() != 0) {
            message.clear();
            written = os::WriteFileAtomic(path, bytes, &message) ? 1 : 0;
        }
        const std::string reply = written + message;
        const bool sent = write(fds[1], reply.data(), reply.size()) == static_cast<ssize_t>(reply.size());
        _exit(sent ? 0 : 1);
    }
    close(fds[1]);
    std::string reply;
    char buffer[256];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        reply.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        reply.empty())
        return {false, "the child process failed"};
    return {reply[0] == 1, reply.substr(1)};
}

// A folder without write permission, for whatever user runs the tests.
TEST_F(AtomicFile, ReadOnlyFolderIsReported)
{
    const std::string path = Path("old.unt");
    ASSERT_TRUE(os::WriteFileAtomic(path, std::string("old")));
    ASSERT_EQ(chmod(folder_.c_str(), 0500), 0);
    Outcome outcome;
    if (geteuid() == 0)
        outcome = WriteAsUnprivilegedUser(folder_, path, "new");
    else
        outcome.written = os::WriteFileAtomic(path, std::string("new"), &outcome.error);
    EXPECT_FALSE(outcome.written);
    EXPECT_NE(outcome.error.find("Permission denied"), std::string::npos) << outcome.error;
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(Names(), std::set<std::string>{"old.unt"});
}

}  // namespace
