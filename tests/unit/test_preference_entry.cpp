// The one preference entry tavu-cli reads and writes in the window's preferences file: other
// lines survive, sections stay whole, QSettings' quoting is undone.
#include "folders/preference_entry.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace tavu;
namespace fs = std::filesystem;

namespace {

class PreferenceEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tavu_pref_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        file_ = dir_ / "tavu" / "tavu.conf";
    }
    void TearDown() override { fs::remove_all(dir_); }
    void write(const std::string& text) {
        fs::create_directories(file_.parent_path());
        std::ofstream(file_, std::ios::binary) << text;
    }
    std::string read() const {
        std::ifstream in(file_, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    fs::path dir_;
    fs::path file_;
};

} // namespace

TEST_F(PreferenceEntryTest, MissingFileOrEntryReadsAsNothingAndIsMadeOnWrite) {
    EXPECT_FALSE(readPreferenceEntry(file_, "Update", "Site"));
    ASSERT_TRUE(writePreferenceEntry(file_, "Update", "Site", "http://a.example/s/"));
    EXPECT_EQ(read(), "[Update]\nSite=http://a.example/s/\n");
    EXPECT_EQ(readPreferenceEntry(file_, "Update", "Site"), "http://a.example/s/");
    EXPECT_FALSE(readPreferenceEntry(file_, "Update", "Other"));
    EXPECT_FALSE(readPreferenceEntry(file_, "Other", "Site"));
}

TEST_F(PreferenceEntryTest, OtherSectionsAndKeysAreKept) {
    write("[DataFolder]\r\nUpgradeFailureTold=3\r\n\r\n[Update]\r\nOther=1\r\nSite=old\r\n\r\n[Results]\r\n"
          "LastSaveFolder=/home/x\r\n");
    ASSERT_TRUE(writePreferenceEntry(file_, "Update", "Site", "http://new/"));
    EXPECT_EQ(read(),
              "[DataFolder]\nUpgradeFailureTold=3\n\n[Update]\nOther=1\nSite=http://new/\n\n[Results]\n"
              "LastSaveFolder=/home/x\n");
    // A key of the same name in another section is not this one.
    EXPECT_EQ(readPreferenceEntry(file_, "Results", "LastSaveFolder"), "/home/x");
    EXPECT_FALSE(readPreferenceEntry(file_, "DataFolder", "Site"));
}

TEST_F(PreferenceEntryTest, NewKeyGoesIntoItsSectionNotTheNextOne) {
    write("[Update]\nOther=1\n\n[Results]\nLastSaveFolder=/x\n");
    ASSERT_TRUE(writePreferenceEntry(file_, "Update", "Site", "http://s/"));
    EXPECT_EQ(read(), "[Update]\nOther=1\nSite=http://s/\n\n[Results]\nLastSaveFolder=/x\n");
    EXPECT_EQ(readPreferenceEntry(file_, "Update", "Site"), "http://s/");
}

TEST_F(PreferenceEntryTest, QuotedValueIsUnquotedAndSpacesAroundTrimmed) {
    write("[Update]\n Site = \"http://q/\" \n");
    EXPECT_EQ(readPreferenceEntry(file_, "Update", "Site"), "http://q/");
}

TEST_F(PreferenceEntryTest, PlainValuesAreThoseQSettingsReadsBackAsTheyAre) {
    EXPECT_TRUE(isPlainPreferenceValue("https://tavu.example:8080/tavuds/system_file/"));
    for (const char* odd :
         {"http://a,b/", "http://a/;x", "http://a/\"", "a b", "x=y", "c:\\dir", "http://例/"})
        EXPECT_FALSE(isPlainPreferenceValue(odd)) << odd;
}

TEST_F(PreferenceEntryTest, UnwritableFolderIsReported) {
    write("");
    const fs::path blocked = file_.parent_path() / "blocked";
    std::ofstream(blocked) << "a file where a folder should be";
    EXPECT_FALSE(writePreferenceEntry(blocked / "tavu.conf", "Update", "Site", "http://s/"));
}
