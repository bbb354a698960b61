#include "folders/data_folder_choice.h"
#include "test_helpers.h"
#include "update/staged_folder.h"

#include <gtest/gtest.h>

namespace tavu {

namespace fs = std::filesystem;

namespace {

fs::path given(const fs::path& folder) {
    return chooseDataFolder(folder, "/opt/tavu/bin/tavu-cli", UserFolders{}).systemDir;
}

// The working folder for the life of the object.
class InFolder {
public:
    explicit InFolder(const fs::path& dir)
        : previous_(fs::current_path()) {
        fs::current_path(dir);
    }
    ~InFolder() { fs::current_path(previous_); }

private:
    fs::path previous_;
};

} // namespace

// However the folder is named, the answer names it absolutely, and the working folders of an
// update derived from it lie beside it, never inside it.
TEST(DataFolder, EveryNamingOfAFolderGivesOneAbsolutePath) {
    test::TempDir dir;
    const fs::path system = dir / "app" / "system";
    fs::create_directories(system);
    const fs::path real = fs::canonical(system);
    InFolder inside(system);
    for (const char* name :
         {".", "./", "../system", "../system/", "./../../app/system/.", "../../app//system"}) {
        const fs::path folder = given(name);
        EXPECT_EQ(folder, real) << name;
        EXPECT_EQ(stagingDirFor(folder), real.parent_path() / "system.staging") << name;
        EXPECT_EQ(previousDirFor(folder), real.parent_path() / "system.previous") << name;
    }
}

TEST(DataFolder, AGivenFolderLosesItsTrailingSeparator) {
    EXPECT_EQ(given("/srv/data/"), fs::path("/srv/data"));
    EXPECT_EQ(given("/srv/./data//"), fs::path("/srv/data"));
}

// A folder that does not exist yet (the update names its staging folder before making it)
// is normalised as far as the names go.
TEST(DataFolder, MissingFolderIsNormalisedByName) {
    test::TempDir dir;
    const fs::path base = fs::canonical(dir.path());
    EXPECT_EQ(given(base / "new" / ".." / "new" / "system" / ""), base / "new" / "system");
}

// Through a link the update replaces the folder the link points at, and the link stays.
TEST(DataFolder, LinkIsFollowedToTheRealFolder) {
    test::TempDir dir;
    fs::create_directories(dir / "data" / "system");
    fs::create_directory_symlink(dir / "data" / "system", dir / "linked");
    EXPECT_EQ(given(dir / "linked"), fs::canonical(dir / "data" / "system"));
}

} // namespace tavu
