#include "platform/os/ProgramFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

namespace {

std::string WorkingFolder()
{
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? buffer : "";
}

TEST(ProgramFolder, IsTheFolderOfThisExecutable)
{
    const std::string folder = os::ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.front(), '/');
    EXPECT_NE(folder.back(), '/');
    struct stat self, found;
    ASSERT_EQ(stat("/proc/self/exe", &self), 0);
    ASSERT_EQ(stat((folder + "/os_tests").c_str(), &found), 0);
    EXPECT_EQ(self.st_ino, found.st_ino);
    EXPECT_EQ(self.st_dev, found.st_dev);
}

TEST(ProgramFolder, ChangesTheWorkingFolderThere)
{
    const std::string previous = WorkingFolder();
    ASSERT_EQ(chdir("/"), 0);
    EXPECT_TRUE(os::ChangeToProgramFolder());
    char *resolved = realpath(os::ProgramFolder().c_str(), nullptr);
    ASSERT_NE(resolved, nullptr);
    EXPECT_EQ(WorkingFolder(), resolved);
    free(resolved);
    ASSERT_EQ(chdir(previous.c_str()), 0);
}

}  // namespace
