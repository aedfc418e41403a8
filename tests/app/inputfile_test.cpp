#include "app/inputfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "tests/support/process.h"
#include "tests/support/tempdir.h"

namespace {

// A building's folder with what an input may name, and things around it an
// input must not reach.
class NamedFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(outside_.file("building/sub"));
        WriteFileBytes(building("engine.dat"), "engine");
        WriteFileBytes(building("sub/interface.prj"), "interface");
        WriteFileBytes(outside_.file("secret.txt"), "secret");
        std::filesystem::create_symlink(outside_.file("secret.txt"), building("leaves.dat"));
        std::filesystem::create_symlink(building("engine.dat"), building("stays.dat"));
        ASSERT_EQ(mkfifo(building("pipe.dat").c_str(), 0600), 0);
        WriteFileBytes(building("big.dat"), std::string(2000, 'b'));
        // What a home folder holds: keys in hidden folders, and links to them.
        std::filesystem::create_directories(building(".ssh"));
        WriteFileBytes(building(".ssh/id_rsa"), "key");
        WriteFileBytes(building("sub/.history"), "history");
        std::filesystem::create_symlink(building(".ssh/id_rsa"), building("key.dat"));
        std::filesystem::create_hard_link(outside_.file("secret.txt"), building("hard.dat"));
        WriteFileBytes(building("twice.dat"), "twice");
        std::filesystem::create_hard_link(building("twice.dat"), building("sub/twice.dat"));
    }
    std::string building(const std::string& name) const {
        return outside_.file("building/" + name);
    }
    TempDir outside_;
};

TEST_F(NamedFiles, OnlyRegularFilesInTheBuildingsFolderAreRead) {
    const std::string folder = building("");
    const struct {
        std::string path;
        FileRead result;
        const char* bytes;
    } cases[] = {
        {building("engine.dat"), FileRead::kDone, "engine"},
        {"engine.dat", FileRead::kDone, "engine"},  // relative to the input's folder
        {"sub/interface.prj", FileRead::kDone, "interface"},
        {"sub/../engine.dat", FileRead::kDone, "engine"},
        {building("stays.dat"), FileRead::kDone, "engine"},
        {"../secret.txt", FileRead::kOutside, ""},
        {outside_.file("secret.txt"), FileRead::kOutside, ""},
        {building("sub/../../secret.txt"), FileRead::kOutside, ""},
        {building("leaves.dat"), FileRead::kOutside, ""},
        {"/etc/passwd", FileRead::kOutside, ""},
        {building("pipe.dat"), FileRead::kNotRegular, ""},
        {"/dev/zero", FileRead::kNotRegular, ""},
        {building("sub"), FileRead::kNotRegular, ""},
        {building("big.dat"), FileRead::kTooLarge, ""},
        {building("missing.dat"), FileRead::kCannotOpen, ""},
        {".ssh/id_rsa", FileRead::kHidden, ""},
        {building(".ssh/id_rsa"), FileRead::kHidden, ""},
        {"sub/../.ssh/id_rsa", FileRead::kHidden, ""},
        {"sub/.history", FileRead::kHidden, ""},
        {"key.dat", FileRead::kHidden, ""},      // a visible link to a hidden file
        {"hard.dat", FileRead::kManyLinks, ""},  // a file from outside, linked in
        {"twice.dat", FileRead::kManyLinks, ""},
        {"", FileRead::kCannotOpen, ""},
    };
    for (const auto& c : cases) {
        std::string bytes = "left over";
        EXPECT_EQ(ReadFileInFolder(folder, c.path, 1000, bytes), c.result) << c.path;
        EXPECT_EQ(bytes, c.bytes) << c.path;
    }
}

TEST_F(NamedFiles, TheWholeFileReaderRefusesWhatIsNotARegularFileWithoutBlocking) {
    std::string bytes;
    EXPECT_EQ(ReadRegularFile(building("engine.dat"), 6, bytes), FileRead::kDone);
    EXPECT_EQ(bytes, "engine");
    EXPECT_EQ(ReadRegularFile(building("engine.dat"), 5, bytes), FileRead::kTooLarge);
    EXPECT_EQ(ReadRegularFile(building("pipe.dat"), 100, bytes), FileRead::kNotRegular);
    EXPECT_EQ(ReadRegularFile("/dev/zero", 100, bytes), FileRead::kNotRegular);
    int error = 0;
    EXPECT_EQ(ReadRegularFile(building("none"), 100, bytes, &error), FileRead::kCannotOpen);
    EXPECT_EQ(error, ENOENT);
    EXPECT_TRUE(IsReadableRegularFile(building("engine.dat")));
    EXPECT_FALSE(IsReadableRegularFile(building("pipe.dat")));
    EXPECT_FALSE(IsReadableRegularFile(building("sub")));
}

// A file that holds more than its size says (here a kernel file whose size
// reads as 0) is read whole, up to the limit, and refused beyond it.
TEST(ReadRegularFile, ReadsPastTheSizeItWasGivenUpToTheLimit) {
    std::string whole;
    ASSERT_EQ(ReadRegularFile("/proc/self/maps", 1 << 24, whole), FileRead::kDone);
    ASSERT_GT(whole.size(), 1000u);
    EXPECT_EQ(whole.back(), '\n');
    std::string bytes = "left over";
    EXPECT_EQ(ReadRegularFile("/proc/self/maps", 100, bytes), FileRead::kTooLarge);
    EXPECT_EQ(bytes, "");
}

TEST(FolderOf, TakesEitherSeparator) {
    EXPECT_EQ(FolderOf("a/b/c.inp"), "a/b");
    EXPECT_EQ(FolderOf("a\\b\\c.inp"), "a\\b");
    EXPECT_EQ(FolderOf("c.inp"), ".");
    EXPECT_EQ(FolderOf("/c.inp"), "/");
}

}  // namespace
