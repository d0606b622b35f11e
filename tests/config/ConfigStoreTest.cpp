#include "ConfigStore.h"
#include "ColorText.h"
#include "ConfigListings.h"
#include "ConfigSection.h"
#include "ConversionError.h"
#include "FaultyFileSystem.h"
#include "FileSystem.h"
#include "XmlDocument.h"
#include "XmlError.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace baritemp {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void spit(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A documents folder of its own for each test, and the file name as the main window forms it:
// ConfigDir (ending with a separator) + separator + "Baritemp.xml".
class ConfigStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        documents = fs::temp_directory_path() /
                    ("baritemp-config-" + std::to_string(getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(documents);
        fs::create_directories(documents);
        companyDir = documents / "Quorzen";
        configDir = companyDir / "CfgFiles";
        fileName = configDir.string() + "//Baritemp.xml";
    }
    void TearDown() override {
        std::error_code e;
        fs::permissions(configDir / "Baritemp.xml", fs::perms::owner_all, e);
        fs::remove_all(documents, e);
    }

    // The main window's normal state, for the placement record.
    struct Window : PlacementTarget {
        State current = State::Normal;
        bool minimised = false;
        std::vector<std::string> log;
        State state() override { return current; }
        bool applicationMinimised() override { return minimised; }
        void setState(State s) override { log.push_back(s == State::Maximised ? "max" : "normal"); }
        void minimiseApplication() override { log.push_back("minimise app"); }
    };

    // The user's save, as the settings window makes it: the five keys in one transaction.
    bool saveSettings(ConfigSection& config, ConfigStore& storage, const std::string& lang = "FR") {
        if (!fs::exists(configDir)) {
            fs::create_directory(companyDir);
            fs::create_directory(configDir);
        }
        storage.beginUpdate();
        config.writeBoolean("AeroMode", false);
        config.writeString("Color1", ColorToText(0x000000));
        config.writeString("Color2", ColorToText(0xFFFFFF));
        config.writeString("Lang", lang);
        config.writeInteger("Dec", 4);
        return storage.endUpdateAsSave();
    }

    fs::path documents, companyDir, configDir;
    std::string fileName;
};

TEST_F(ConfigStoreTest, FirstStartThenSaveThenCloseGivesTheFirstListing) {
    ConfigStore storage;
    ConfigSection config(storage, "f_main");
    storage.setFileName(fileName);
    Window window;
    config.restorePlacement(window);
    EXPECT_FALSE(fs::exists(configDir)); // nothing written, no folder made
    saveSettings(config, storage);
    config.savePlacement(window);
    EXPECT_EQ(slurp(configDir / "Baritemp.xml"), test::kFirstListing);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(configDir), fs::directory_iterator()), 1);
}

TEST_F(ConfigStoreTest, FolderWithoutFileGivesTheSecondListingAtTheFirstShow) {
    fs::create_directories(configDir);
    ConfigStore storage;
    ConfigSection config(storage, "f_main");
    storage.setFileName(fileName);
    Window window;
    config.restorePlacement(window);
    EXPECT_EQ(slurp(configDir / "Baritemp.xml"), test::kSecondListing);
    EXPECT_EQ(config.readString("Lang", "FR"), "FR");
    EXPECT_EQ(config.readInteger("Dec", 4), 4);
}

struct ReadCase {
    const char* name;
    const char* element; // the element's text inside <f_main>, nullptr: missing
    int expected;        // Boolean 0/1, or the integer
};

TEST_F(ConfigStoreTest, ReadingRules) {
    fs::create_directories(configDir);
    const auto read = [&](const char* key, const char* text) {
        std::string file = "<Configuration><f_main>";
        if (text != nullptr)
            file += std::string("<") + key + ">" + text + "</" + key + ">";
        file += "</f_main></Configuration>";
        spit(configDir / "Baritemp.xml", file);
        auto storage = std::make_unique<ConfigStore>();
        storage->decimalSeparator = [] { return u','; };
        storage->setFileName(fileName);
        return storage;
    };
    const ReadCase booleans[] = {
        {"yes", "yes", 1},  {"one", "1", 1},         {"minusOne", "-1", 1},   {"zero", "0", 0},
        {"empty", "", 0},   {"blanks", " TRUE ", 0}, {"y", "y", 1},           {"n", "N", 0},
        {"half", "0,5", 1}, {"word", "vrai", 0},     {"missing", nullptr, 1},
    };
    for (const ReadCase& c : booleans) {
        auto storage = read("AeroMode", c.element);
        EXPECT_EQ(storage->readBoolean("Configuration\\f_main\\AeroMode", true), c.expected == 1)
            << c.name;
    }
    const ReadCase integers[] = {
        {"dollar", "$A", 10},      {"zeroX", "0x1F", 31},
        {"leadingBlank", " 7", 7}, {"trailingBlank", "7 ", -1},
        {"empty", "", -1},         {"missing", nullptr, 4},
        {"four", "four", -1},      {"low32Bits", "4294967297", 1},
        {"negative", "-12", -12},  {"tooBig", "99999999999999999999", -1},
    };
    for (const ReadCase& c : integers) {
        auto storage = read("Dec", c.element);
        EXPECT_EQ(storage->readInteger("Configuration\\f_main\\Dec", 4), c.expected) << c.name;
    }
}

TEST_F(ConfigStoreTest, HandEditedNamesAreFoundAndKept) {
    fs::create_directories(configDir);
    spit(configDir / "Baritemp.xml",
         "<Configuration><F_MAIN><aeromode>yes</aeromode><Lang>UK</Lang><lang>FR</lang>"
         "</F_MAIN></Configuration>");
    ConfigStore storage;
    ConfigSection config(storage, "f_main");
    storage.setFileName(fileName);
    EXPECT_TRUE(config.readBoolean("AeroMode", false));
    EXPECT_EQ(config.readString("Lang", "?"), "FR"); // the last of the duplicates
    config.writeBoolean("AeroMode", true);
    config.writeString("Lang", "UK");
    const std::string file = slurp(configDir / "Baritemp.xml");
    EXPECT_NE(file.find("<aeromode>TRUE</aeromode>"), std::string::npos) << file;
    EXPECT_NE(file.find("<Lang>UK</Lang>\r\n    <lang>UK</lang>"), std::string::npos) << file;
}

TEST_F(ConfigStoreTest, AnotherRootNameGivesDefaultsAndGainsAConfigurationElement) {
    fs::create_directories(configDir);
    spit(configDir / "Baritemp.xml",
         "<configuration><f_main><Dec>7</Dec></f_main></configuration>");
    ConfigStore storage;
    ConfigSection config(storage, "f_main");
    storage.setFileName(fileName);
    EXPECT_EQ(config.readInteger("Dec", 4), 4);
    config.writeInteger("Dec", 2);
    const std::string file = slurp(configDir / "Baritemp.xml");
    EXPECT_NE(file.find("<configuration>\r\n  <f_main>\r\n    <Dec>7</Dec>\r\n  </f_main>\r\n"
                        "  <Configuration>\r\n    <f_main>\r\n      <Dec>2</Dec>"),
              std::string::npos)
        << file;
}

#ifndef _WIN32
TEST_F(ConfigStoreTest, ReadOnlyFileIsNeverWritten) {
    fs::create_directories(configDir);
    const std::string original = "<Configuration><f_main><Lang>UK</Lang></f_main></Configuration>";
    spit(configDir / "Baritemp.xml", original);
    ::chmod((configDir / "Baritemp.xml").c_str(), 0444);
    const auto before = fs::last_write_time(configDir / "Baritemp.xml");
    ConfigStore storage;
    ConfigSection config(storage, "f_main");
    storage.setFileName(fileName);
    EXPECT_TRUE(storage.readOnly());
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    saveSettings(config, storage);
    EXPECT_EQ(config.readString("Lang", "?"), "UK"); // the document did not change either
    EXPECT_EQ(slurp(configDir / "Baritemp.xml"), original);
    EXPECT_EQ(fs::last_write_time(configDir / "Baritemp.xml"), before);
}

// The replacement takes the file's own permission bits, and its owner where the process may
// give it (root saving a user's file): a private file stays private.
TEST_F(ConfigStoreTest, AReplacedFileKeepsItsPermissionsAndOwner) {
    fs::create_directories(configDir);
    const fs::path file = configDir / "Baritemp.xml";
    for (const mode_t mode : {0600, 0640, 0604}) {
        SCOPED_TRACE(mode);
        spit(file, test::kFirstListing);
        ASSERT_EQ(::chmod(file.c_str(), mode), 0);
        const bool root = ::geteuid() == 0;
        if (root) {
            ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0); // nobody's
        }
        ConfigStore storage;
        ConfigSection config(storage, "f_main");
        storage.setFileName(fileName);
        ASSERT_TRUE(saveSettings(config, storage, "UK"));
        struct stat info {};
        ASSERT_EQ(::stat(file.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode);
        if (root) {
            EXPECT_EQ(info.st_uid, 65534u);
        }
        EXPECT_NE(slurp(file).find("<Lang>UK</Lang>"), std::string::npos);
    }
}

#endif

TEST_F(ConfigStoreTest, AnUnreadableFileIsReportedAndKeptUntilTheUserSaves) {
    fs::create_directories(configDir);
    const std::string broken =
        "<Configuration><f_main><Lang>UK</lang></f_main><x/></Configuration>";
    spit(configDir / "Baritemp.xml", broken);
    ConfigStore storage;
    ConfigSection config(storage, "f_main");
    try {
        storage.setFileName(fileName);
        ADD_FAILURE();
    } catch (const XmlError& e) {
        EXPECT_STREQ(e.what(), "WrongEndTag Lang|lang @38");
    }
    EXPECT_EQ(config.readString("Lang", "FR"), "FR"); // the section went with the error
    Window window;
    config.restorePlacement(window);
    config.savePlacement(window);
    EXPECT_EQ(slurp(configDir / "Baritemp.xml"), broken);
    saveSettings(config, storage);
    EXPECT_NE(slurp(configDir / "Baritemp.xml").find("<Lang>FR</Lang>"), std::string::npos);
}

// The file system refuses to read the file (no permission, an I/O error, a lock): the user's
// settings are there, only unreadable now. Nothing automatic may replace them.
TEST_F(ConfigStoreTest, AFileTheSystemCannotReadIsReportedAndLeftAlone) {
    fs::create_directories(configDir);
    const std::string settings = "<Configuration><f_main><Lang>UK</Lang></f_main></Configuration>";
    spit(configDir / "Baritemp.xml", settings);
    test::FaultyFileSystem files;
    files.readFails = "Permission denied";
    ConfigStore storage(files);
    ConfigSection config(storage, "f_main");
    try {
        storage.setFileName(fileName);
        ADD_FAILURE();
    } catch (const ConfigFileError& e) {
        EXPECT_EQ(e.kind(), ConfigFileError::Kind::Unreadable);
        EXPECT_EQ(DisplayPath(e.fileName()), (configDir / "Baritemp.xml").string());
        EXPECT_EQ(e.reason(), "Permission denied");
    }
    EXPECT_TRUE(storage.unreadable());
    EXPECT_EQ(config.readString("Lang", "FR"), "FR"); // the defaults
    Window window;
    config.restorePlacement(window);
    config.savePlacement(window);
    EXPECT_EQ(files.replaces, 0);
    EXPECT_EQ(slurp(configDir / "Baritemp.xml"), settings);
    // An explicit save may replace it.
    saveSettings(config, storage);
    EXPECT_NE(slurp(configDir / "Baritemp.xml").find("<Lang>FR</Lang>"), std::string::npos);
}

// Settings kept in a synced or versioned folder, the file a link to them: saving writes the
// link's target and the link stays a link.
TEST_F(ConfigStoreTest, SavingThroughASymbolicLinkKeepsTheLink) {
    fs::create_directories(configDir);
    const fs::path synced = documents / "Synced";
    fs::create_directories(synced);
    spit(synced / "Baritemp.xml",
         "<Configuration><f_main><Lang>UK</Lang></f_main></Configuration>");
    std::error_code e;
    fs::create_symlink("../../Synced/Baritemp.xml", configDir / "Baritemp.xml", e);
    if (e)
        GTEST_SKIP() << "no symbolic links here: " << e.message();
    ConfigStore storage;
    ConfigSection config(storage, "f_main");
    storage.setFileName(fileName);
    EXPECT_EQ(config.readString("Lang", "FR"), "UK");
    config.writeString("Lang", "FR");
    EXPECT_TRUE(fs::is_symlink(configDir / "Baritemp.xml"));
    EXPECT_NE(slurp(synced / "Baritemp.xml").find("<Lang>FR</Lang>"), std::string::npos);
    for (const auto& entry : fs::directory_iterator(synced))
        EXPECT_EQ(entry.path().filename(), "Baritemp.xml"); // no temporary file left behind
}

// Something other than a regular file in the file's place, directly or through a link: it is
// reported like an unreadable file, never read (a FIFO would block) and never replaced.
TEST_F(ConfigStoreTest, AFolderOrAFifoInTheFilesPlaceIsNeverReplaced) {
    struct Case {
        const char* name;
        bool throughLink;
    };
    for (const Case c : {Case{"folder", false}, Case{"folder", true}
#ifndef _WIN32
                         ,
                         Case{"fifo", false}, Case{"fifo", true}
#endif
         }) {
        SCOPED_TRACE(std::string(c.name) + (c.throughLink ? " through a link" : ""));
        fs::remove_all(configDir);
        fs::create_directories(configDir);
        const fs::path thing = c.throughLink ? documents / "thing" : configDir / "Baritemp.xml";
        fs::remove_all(thing);
        if (std::string(c.name) == "folder") {
            fs::create_directory(thing);
        } else {
#ifndef _WIN32
            ASSERT_EQ(::mkfifo(thing.c_str(), 0600), 0);
#endif
        }
        if (c.throughLink) {
            std::error_code e;
            fs::create_symlink(thing, configDir / "Baritemp.xml", e);
            if (e)
                GTEST_SKIP() << "no symbolic links here: " << e.message();
        }
        ConfigStore storage;
        ConfigSection config(storage, "f_main");
        EXPECT_THROW(storage.setFileName(fileName), ConfigFileError);
        EXPECT_TRUE(storage.notAFile());
        // Even an explicit save leaves it.
        config.writeString("Lang", "UK");
        EXPECT_FALSE(storage.flush());
        EXPECT_EQ(fs::symlink_status(configDir / "Baritemp.xml").type(),
                  c.throughLink ? fs::file_type::symlink
                                : (std::string(c.name) == "folder" ? fs::file_type::directory
                                                                   : fs::file_type::fifo));
        EXPECT_EQ(fs::status(thing).type(),
                  std::string(c.name) == "folder" ? fs::file_type::directory : fs::file_type::fifo);
    }
}

// Start-up writes the file back at the first show; when that would write the very bytes the
// file holds, the file is left as it is, its time stamp too.
TEST_F(ConfigStoreTest, AnUnchangedFileIsNotRewritten) {
    fs::create_directories(configDir);
    const fs::path file = configDir / "Baritemp.xml";
    spit(file, test::kFirstListing);
    const auto stampBefore = fs::last_write_time(file);
    test::FaultyFileSystem files;
    ConfigStore storage(files);
    ConfigSection config(storage, "f_main");
    storage.setFileName(fileName);
    Window window;
    config.restorePlacement(window); // its update block ends with a write of the file
    EXPECT_EQ(files.replaces, 0);
    EXPECT_EQ(fs::last_write_time(file), stampBefore);
    EXPECT_TRUE(storage.flush());
    EXPECT_EQ(files.replaces, 0);
    // A changed value is written.
    config.writeString("Lang", "UK");
    EXPECT_EQ(files.replaces, 1);
    EXPECT_NE(slurp(file).find("<Lang>UK</Lang>"), std::string::npos);
}

// Two running copies of the program on one file: each write goes into what the file holds
// when it is made, so neither copy's closing undoes the other's save, and the last save of a
// key wins.
TEST_F(ConfigStoreTest, TwoCopiesNeverUndoEachOthersSaves) {
    fs::create_directories(configDir);
    spit(configDir / "Baritemp.xml", test::kFirstListing);
    ConfigStore storageA, storageB;
    ConfigSection a(storageA, "f_main"), b(storageB, "f_main");
    storageA.setFileName(fileName);
    storageB.setFileName(fileName);
    Window windowA, windowB;
    a.restorePlacement(windowA);
    b.restorePlacement(windowB);
    ASSERT_TRUE(saveSettings(a, storageA, "UK"));
    windowB.current = PlacementTarget::State::Maximised;
    b.savePlacement(windowB); // B closes maximised, after A's save
    std::string file = slurp(configDir / "Baritemp.xml");
    EXPECT_NE(file.find("<Lang>UK</Lang>"), std::string::npos) << file;
    EXPECT_NE(file.find("<ShowCmd>3</ShowCmd>"), std::string::npos) << file;
    // B saves later: its own choices win, key by key; A's closing keeps them.
    storageB.refresh();
    EXPECT_EQ(b.readString("Lang", "?"), "UK");
    ASSERT_TRUE(saveSettings(b, storageB, "FR"));
    a.savePlacement(windowA);
    file = slurp(configDir / "Baritemp.xml");
    EXPECT_NE(file.find("<Lang>FR</Lang>"), std::string::npos) << file;
    EXPECT_NE(file.find("<ShowCmd>1</ShowCmd>"), std::string::npos) << file;
    // The keys stay in the order they were first written.
    EXPECT_EQ(file, test::kFirstListing);
}

// A save is one replace of the file. Whichever operation of it fails, the file holds exactly
// its old bytes or exactly the new ones, and the store holds what the file holds: nothing of a
// failed save is left to reach the file with a later write. (A read that fails does not stop
// the user's save: the file is replaced, as one unreadable at start would be.)
TEST_F(ConfigStoreTest, ASaveIsAllOrNothingWhicheverStepFails) {
    fs::create_directories(configDir);
    const fs::path file = configDir / "Baritemp.xml";
    std::string saved;
    const auto save = [&](int failAt) {
        spit(file, test::kFirstListing);
        test::FaultyFileSystem files;
        ConfigStore storage(files);
        ConfigSection config(storage, "f_main");
        storage.setFileName(fileName);
        files.operations.clear();
        files.failAt = failAt;
        const bool ok = saveSettings(config, storage, "UK");
        const std::string after = slurp(file);
        if (failAt == 0)
            saved = after;
        if (ok) {
            EXPECT_EQ(after, saved);
        } else {
            EXPECT_EQ(storage.lastWriteError(), "No space left on device");
            EXPECT_EQ(after, test::kFirstListing);
            EXPECT_EQ(config.readString("Lang", "?"), "FR");
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(configDir), fs::directory_iterator()), 1)
            << "a temporary file was left behind";
        files.failAt = 0;
        Window window;
        config.savePlacement(window); // a later write that succeeds
        EXPECT_NE(slurp(file).find(ok ? "<Lang>UK</Lang>" : "<Lang>FR</Lang>"), std::string::npos);
        return files.operations.size();
    };
    const std::size_t operations = save(0);
    EXPECT_NE(saved.find("<Lang>UK</Lang>"), std::string::npos);
    for (std::size_t failAt = 1; failAt <= operations; ++failAt) {
        SCOPED_TRACE("operation " + std::to_string(failAt));
        save(static_cast<int>(failAt));
    }
}

// Another program broke the file while this one ran: the program's own writes leave it alone,
// as one unreadable at start; the user's save replaces it.
TEST_F(ConfigStoreTest, AFileBrokenWhileRunningIsLeftToTheUsersSave) {
    fs::create_directories(configDir);
    const fs::path file = configDir / "Baritemp.xml";
    spit(file, test::kFirstListing);
    ConfigStore storage;
    ConfigSection config(storage, "f_main");
    storage.setFileName(fileName);
    const std::string broken = "<Configuration><f_main><Lang>UK</lang>";
    spit(file, broken);
    Window window;
    config.savePlacement(window);
    EXPECT_EQ(slurp(file), broken);
    EXPECT_TRUE(storage.unreadable());
    ASSERT_TRUE(saveSettings(config, storage, "UK"));
    EXPECT_NE(slurp(file).find("<Lang>UK</Lang>"), std::string::npos);
    EXPECT_FALSE(storage.unreadable());
}

TEST_F(ConfigStoreTest, ShowCommandsMapToWindowStates) {
    fs::create_directories(configDir);
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"1", {"normal"}},
        {"5", {"normal"}},
        {"9", {"normal"}},
        {"2", {"normal", "minimise app"}},
        {"6", {"normal", "minimise app"}},
        {"7", {"normal", "minimise app"}},
        {"3", {"max"}},
        {"0", {"normal"}},
        {"4", {"normal"}},
    };
    for (const auto& [command, expected] : cases) {
        spit(configDir / "Baritemp.xml", std::string("<Configuration><f_main><FormVersion>0"
                                                     "</FormVersion><ShowCmd>") +
                                             command + "</ShowCmd></f_main></Configuration>");
        ConfigStore storage;
        ConfigSection config(storage, "f_main");
        storage.setFileName(fileName);
        Window window;
        config.restorePlacement(window);
        EXPECT_EQ(window.log, expected) << command;
    }
    // A negative FormVersion: nothing restored, yet the record counts as restored.
    spit(configDir / "Baritemp.xml",
         "<Configuration><f_main><FormVersion>x</FormVersion><ShowCmd>3</ShowCmd></f_main>"
         "</Configuration>");
    ConfigStore storage;
    ConfigSection config(storage, "f_main");
    storage.setFileName(fileName);
    Window window;
    config.restorePlacement(window);
    EXPECT_TRUE(window.log.empty());
    EXPECT_TRUE(config.restored());
    window.minimised = true;
    config.savePlacement(window);
    EXPECT_EQ(config.readInteger("ShowCmd", -9), 2);
    EXPECT_EQ(config.readInteger("FormVersion", -9), 0);
}

TEST_F(ConfigStoreTest, UpdateBlocksWriteOnceAtTheOutermostEnd) {
    fs::create_directories(configDir);
    ConfigStore storage;
    ConfigSection config(storage, "f_main");
    storage.setFileName(fileName);
    storage.beginUpdate();
    storage.beginUpdate();
    config.writeInteger("Dec", 3);
    storage.endUpdate();
    EXPECT_FALSE(fs::exists(configDir / "Baritemp.xml"));
    storage.endUpdate();
    EXPECT_TRUE(fs::exists(configDir / "Baritemp.xml"));
    storage.endUpdate(); // never below zero: the next write still writes at once
    config.writeInteger("Dec", 5);
    EXPECT_NE(slurp(configDir / "Baritemp.xml").find("<Dec>5</Dec>"), std::string::npos);
}

#ifndef _WIN32
// A save interrupted by a crash (SIGKILL at a random moment in a child process writing the
// file over and over) never leaves a file that fails to load: each write replaces the file
// whole or not at all.
TEST_F(ConfigStoreTest, KilledInTheMiddleOfSavesTheFileStillLoads) {
    fs::create_directories(configDir);
    std::mt19937 random(12345);
    for (int round = 0; round < 25; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ConfigStore storage;
            ConfigSection config(storage, "f_main");
            storage.setFileName(fileName);
            const std::string big(200000, 'x'); // a long write: a wide window to be killed in
            for (int i = 0;; ++i) {
                config.writeString("Lang", i % 2 ? "FR" : "UK");
                config.writeString("Padding",
                                   big.substr(0, static_cast<std::size_t>(i % 7) * 30000));
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(2000 + random() % 30000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!fs::exists(configDir / "Baritemp.xml"))
            continue; // killed before the first write
        XmlDocument document;
        document.setRootName(u"Configuration");
        EXPECT_NO_THROW(document.read(slurp(configDir / "Baritemp.xml"))) << "round " << round;
        EXPECT_NE(document.root().findChild(u"f_main"), nullptr) << "round " << round;
    }
}

#endif

TEST(ColorText, NamesFirstElseEightHexDigits) {
    EXPECT_EQ(ColorToText(0x000000FF), "clRed");
    EXPECT_EQ(ColorToText(0x00FFFFFF), "clWhite");
    EXPECT_EQ(ColorToText(0x000080FF), "$000080FF");
    EXPECT_EQ(ColorToText(0x20000000), "clDefault");
    EXPECT_EQ(ColorToText(0xFF000005), "clWindow");
    for (const char* text : {"$000000FF", "255", "CLRED", "clred", " 255", "0xFF", "xff", "+255"})
        EXPECT_EQ(TextToColor(text), 0x000000FFu) << text;
    EXPECT_EQ(TextToColor("$000080FF"), 0x000080FFu);
    EXPECT_EQ(TextToColor("-1"), 0xFFFFFFFFu);
    for (const char* text : {"bleu", "", "255 ", "$123456789", "2147483648", "0x"}) {
        try {
            TextToColor(text);
            ADD_FAILURE() << text;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.kind(), ConversionError::Kind::InvalidInteger);
            EXPECT_EQ(e.text(), text);
        }
    }
}

} // namespace
} // namespace baritemp
