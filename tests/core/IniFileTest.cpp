#include "core/IniFile.h"

#include "core/NumberSettingsTest.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace quillon {
namespace {

namespace fs = std::filesystem;

class IniFileTest : public test::NumberSettingsTest {
protected:
    void SetUp() override {
        NumberSettingsTest::SetUp();
        dir_ = fs::temp_directory_path() /
               ("quillon-ini-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::remove_all(dir_);
        NumberSettingsTest::TearDown();
    }
    std::string Path(const std::string& name = "Quillon.ini") const { return (dir_ / name).string(); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    fs::path dir_;
};

TEST_F(IniFileTest, TypedValuesReadWithTheirEncodings) {
    IniFile ini;
    ini.Parse(
        "[Main]\n"
        "Dec=-42\nDollar=$1F\nHex=0x10\nUpperHex=0XfF\nSpaced =  7  \nJunk=12abc\nEmpty=\n"
        "Big=99999999999\nT=2\nF=0\nB=yes\n"
        "[Num]\nComma=3,14159265358979\nPoint=2.5\nExp=1E-5\nNeg=-1,5e3\nBad=1,2,3\nWord=pi\nInf=inf\n");
    struct Row {
        const char* key;
        int expected;
    } ints[] = {{"Dec", -42}, {"Dollar", 31}, {"Hex", 16}, {"UpperHex", 255}, {"Spaced", 7},
                {"Junk", 99}, {"Empty", 99},  {"Big", 99}, {"Missing", 99}};
    for (const Row& row : ints) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(ini.ReadInteger("Main", row.key, 99), row.expected);
    }
    EXPECT_TRUE(ini.ReadBool("Main", "T", false));
    EXPECT_FALSE(ini.ReadBool("Main", "F", true));
    EXPECT_TRUE(ini.ReadBool("Main", "B", true));
    EXPECT_FALSE(ini.ReadBool("Main", "B", false));

    struct FloatRow {
        const char* key;
        double expected;
    } floats[] = {{"Comma", 3.14159265358979},
                  {"Point", 2.5},
                  {"Exp", 1e-5},
                  {"Neg", -1500},
                  {"Bad", -7},
                  {"Word", -7},
                  {"Inf", -7},
                  {"Missing", -7}};
    for (const FloatRow& row : floats) {
        SCOPED_TRACE(row.key);
        EXPECT_DOUBLE_EQ(ini.ReadFloat("Num", row.key, -7), row.expected);
    }
}

TEST_F(IniFileTest, LookUpIgnoresCaseAndFirstDuplicateWins) {
    IniFile ini;
    ini.Parse("\xEF\xBB\xBF[main]\r\nlangindex=1000\r\nLangIndex=2000\r\n[Währung]\r\nWLinks=FRF\r\n[MAIN]"
              "\r\nFirstStart="
              "0\r\n");
    EXPECT_EQ(ini.ReadInteger("Main", "LangIndex", 0), 1000);
    EXPECT_EQ(ini.ReadInteger("MAIN", "firststart", 1), 0);
    EXPECT_EQ(ini.ReadString("Währung", "wlinks", "DEM"), "FRF");

    ini.WriteInteger("MAIN", "LANGINDEX", 3000);
    EXPECT_EQ(ini.Text(), "[main]\nlangindex=3000\nFirstStart=0\n\n[Währung]\nWLinks=FRF\n");
}

TEST_F(IniFileTest, FloatsAreWrittenWithFifteenDigitsAndTheSeparator) {
    struct Row {
        long double value;
        char separator;
        const char* text;
    } rows[] = {{1.0L / 3, '.', "0.333333333333333"},
                {3.14159265358979323846L, ',', "3,14159265358979"},
                {1e-5L, ',', "1E-5"},
                {0, ',', "0"},
                {-2.5L, '.', "-2.5"},
                {1e20L, '.', "1E20"},
                {123456789012345.0L, '.', "123456789012345"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        DecimalSeparator = row.separator;
        IniFile ini;
        ini.WriteFloat("S", "K", row.value);
        EXPECT_EQ(*ini.Value("S", "K"), row.text);
    }
    // A file written under German settings reads back under English ones.
    DecimalSeparator = ',';
    IniFile ini;
    ini.WriteFloat("S", "K", 1.0L / 3);
    DecimalSeparator = '.';
    IniFile back;
    back.Parse(ini.Text());
    EXPECT_DOUBLE_EQ(back.ReadFloat("S", "K", 0), 0.333333333333333);
}

TEST_F(IniFileTest, UnknownSectionsAndKeysSurviveARoundTrip) {
    Write(Path(), "[Main]\nLangIndex=0\nLater=keep me\n\n[Future]\nX=1\n; a comment\ngarbage line\n");
    IniFile ini;
    ASSERT_TRUE(ini.Load(Path()));
    ini.WriteInteger("Main", "LangIndex", 1000);
    ini.WriteBool("Main", "FirstStart", false);
    ini.Save(Path());
    EXPECT_EQ(Read(Path()), "[Main]\nLangIndex=1000\nLater=keep me\nFirstStart=0\n\n[Future]\nX=1\n");
}

TEST_F(IniFileTest, EnsureSectionKeepsTheWrittenOrder) {
    IniFile ini;
    for (const char* s : {"A", "B", "C"})
        ini.EnsureSection(s);
    ini.WriteInteger("C", "c", 3);
    ini.WriteInteger("A", "a", 1);
    EXPECT_EQ(ini.Text(), "[A]\na=1\n\n[C]\nc=3\n");
}

TEST_F(IniFileTest, ValuesCannotBreakTheLineStructure) {
    IniFile ini;
    ini.WriteString("S", "K", "one\n[Evil]\nX=1");
    IniFile back;
    back.Parse(ini.Text());
    EXPECT_EQ(back.ReadString("S", "K", ""), "one [Evil] X=1");
    EXPECT_FALSE(back.Value("Evil", "X"));
    for (const char* key : {"a=b", "", " a", "[a", ";a", "a\nb"}) {
        SCOPED_TRACE(key);
        EXPECT_THROW(ini.WriteString("S", key, "1"), std::invalid_argument);
    }
    EXPECT_THROW(ini.WriteString("a]", "K", "1"), std::invalid_argument);
    // Inside a key a bracket is an ordinary character: the matrix page stores MA[2,3].
    ini.WriteString("MatrixA", "MA[2,3]", "7");
    back.Parse(ini.Text());
    EXPECT_EQ(back.ReadString("MatrixA", "MA[2,3]", ""), "7");
}

TEST_F(IniFileTest, MissingEmptyBinaryAndHugeFilesGiveDefaults) {
    IniFile ini;
    EXPECT_FALSE(ini.Load(Path("missing.ini")));
    EXPECT_EQ(ini.ReadInteger("Main", "LangIndex", 5), 5);

    Write(Path("empty.ini"), "");
    EXPECT_TRUE(ini.Load(Path("empty.ini")));
    EXPECT_EQ(ini.Text(), "");

    std::mt19937 random(7);
    std::string garbage(1 << 20, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random());
    Write(Path("binary.ini"), garbage);
    EXPECT_TRUE(ini.Load(Path("binary.ini")));
    EXPECT_EQ(ini.ReadInteger("Main", "LangIndex", 5), 5);

    // A megabyte of distinct keys in one section, and one giant line: both read quickly.
    std::string many = "[Main]\n";
    for (int i = 0; many.size() < (1u << 20); ++i)
        many += "K" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    many += "LangIndex=1000\n";
    Write(Path("many.ini"), many);
    EXPECT_TRUE(ini.Load(Path("many.ini")));
    EXPECT_EQ(ini.ReadInteger("Main", "LangIndex", 5), 1000);
    EXPECT_EQ(ini.ReadInteger("Main", "K777", 5), 777);

    Write(Path("line.ini"), "[Main]\nLangIndex=" + std::string(1 << 20, '9') + "\n");
    EXPECT_TRUE(ini.Load(Path("line.ini")));
    EXPECT_EQ(ini.ReadInteger("Main", "LangIndex", 5), 5);

    {
        std::ofstream out(Path("huge.ini"), std::ios::binary);
        out.seekp(IniFile::MaxFileSize + 10);
        out.put('x');
    }
    EXPECT_FALSE(ini.Load(Path("huge.ini")));
    EXPECT_EQ(ini.Text(), "");
    // A failed load leaves nothing of the file loaded before behind, not even its look-up.
    ini.WriteInteger("Main", "LangIndex", 1);
    EXPECT_EQ(ini.Text(), "[Main]\nLangIndex=1\n");
}

TEST_F(IniFileTest, FailedSaveNamesTheFileAndKeepsTheOldOne) {
    Write(Path(), "[Main]\nLangIndex=1000\n");
    IniFile ini;
    ini.WriteInteger("Main", "LangIndex", 2000);

    // A path below a regular file cannot be created, even by root.
    const std::string blocked = Path() + "/Quillon.ini";
    try {
        ini.Save(blocked);
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(blocked), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("Not a directory"), std::string::npos) << error.what();
    }
    EXPECT_EQ(Read(Path()), "[Main]\nLangIndex=1000\n");

    // No temporary file is left behind by a successful save either.
    ini.Save(Path());
    EXPECT_EQ(Read(Path()), "[Main]\nLangIndex=2000\n");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_))
        ++files;
    EXPECT_EQ(files, 1);
}

// A write that fails part-way (a full disk, a file size limit) must leave the old file as it was and
// no temporary file beside it. The full disk is a tiny tmpfs where this process may mount one (root).
TEST_F(IniFileTest, WriteThatFailsPartWayKeepsTheOldFile) {
    IniFile big;
    for (int i = 0; i < 4000; ++i)
        big.WriteString("Main", "Key" + std::to_string(i), std::string(40, 'v'));
    const std::string old = "[Main]\nLangIndex=1000\n";
    const auto expectKept = [&](const std::string& folder, const char* reason) {
        const std::string path = folder + "/Quillon.ini";
        Write(path, old);
        try {
            big.Save(path);
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << error.what();
        }
        EXPECT_EQ(Read(path), old);
        int files = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
            ++files;
        EXPECT_EQ(files, 1);
    };

    {
        SCOPED_TRACE("file size limit");
        rlimit saved{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN); // the write then fails with EFBIG
        rlimit small = saved;
        small.rlim_cur = 4096;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        expectKept(dir_.string(), "File too large");
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }

    const fs::path disk = dir_ / "disk";
    fs::create_directories(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "no tmpfs may be mounted here; the file size limit stood in for a full disk";
    }
    const struct Unmount {
        const fs::path& at;
        ~Unmount() { ::umount(at.c_str()); }
    } unmount{disk};
    SCOPED_TRACE("full disk");
    expectKept(disk.string(), "No space left on device");
}

TEST_F(IniFileTest, SaveKeepsTheModeFollowsLinksAndLeavesFrozenFilesAlone) {
    const std::string old = "[Main]\nLangIndex=1000\n";
    const std::string saved = "[Main]\nLangIndex=2000\n";
    IniFile ini;
    ini.WriteInteger("Main", "LangIndex", 2000);
    const auto mode = [](const std::string& path) {
        return fs::status(path).permissions() & fs::perms::mask;
    };

    struct Row {
        const char* name;
        fs::perms before; // fs::perms::none: no file yet
        bool saves;
        fs::perms after;
    };
    const mode_t mask = ::umask(022);
    const Row rows[] = {
        {"private file stays private", fs::perms(0600), true, fs::perms(0600)},
        {"shared file stays shared", fs::perms(0664), true, fs::perms(0664)},
        {"new file", fs::perms::none, true, fs::perms(0644)},
        {"read-only file is frozen", fs::perms(0444), false, fs::perms(0444)},
        {"owner without write bit", fs::perms(0466), false, fs::perms(0466)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(Path());
        if (row.before != fs::perms::none) {
            Write(Path(), old);
            fs::permissions(Path(), row.before);
        }
        bool failed = false;
        try {
            ini.Save(Path());
        } catch (const std::runtime_error& error) {
            failed = true;
            EXPECT_NE(std::string(error.what()).find(Path()), std::string::npos) << error.what();
        }
        EXPECT_EQ(failed, !row.saves);
        EXPECT_EQ(Read(Path()), row.saves ? saved : old);
        EXPECT_EQ(mode(Path()), row.after);
    }
    ::umask(mask);

    // Through a link (relative, and a link to a link) to the real file: the links stay links.
    fs::remove(Path());
    fs::create_directories(dir_ / "real");
    Write(Path("real/settings.ini"), old);
    fs::create_symlink("real/settings.ini", Path("hop.ini"));
    fs::create_symlink("hop.ini", Path());
    ini.Save(Path());
    EXPECT_TRUE(fs::is_symlink(Path()));
    EXPECT_TRUE(fs::is_symlink(Path("hop.ini")));
    EXPECT_EQ(Read(Path("real/settings.ini")), saved);

    // A loop of links is reported, not replaced by a file.
    fs::remove(Path("hop.ini"));
    fs::create_symlink("Quillon.ini", Path("hop.ini"));
    fs::remove(Path());
    fs::create_symlink("hop.ini", Path());
    EXPECT_THROW(ini.Save(Path()), std::runtime_error);
    EXPECT_TRUE(fs::is_symlink(Path()));
}

TEST_F(IniFileTest, OnlyRegularFilesAreReadAndWhatCannotBeReadSaysWhy) {
    std::string problem;
    IniFile ini;
    EXPECT_FALSE(ini.Load(Path(), problem));
    EXPECT_EQ(problem, "") << "a missing file is no problem";

    // A FIFO would block an ordinary open until a writer comes: this must return at once.
    ASSERT_EQ(::mkfifo(Path().c_str(), 0600), 0);
    EXPECT_FALSE(ini.Load(Path(), problem));
    EXPECT_EQ(problem, "not a regular file");
    fs::remove(Path());
    fs::create_directory(Path());
    EXPECT_FALSE(ini.Load(Path(), problem));
    EXPECT_EQ(problem, "not a regular file");
}

TEST_F(IniFileTest, WhatIsWrittenReadsBackAndNeverAsTheDefault) {
    const Extended largest = std::numeric_limits<double>::max();
    struct Row {
        const char* name;
        Extended written;
        double read;
    } rows[] = {
        {"largest double", largest, std::numeric_limits<double>::max()},
        {"its negative", -largest, -std::numeric_limits<double>::max()},
        {"beyond the double range", 1e400L, std::numeric_limits<double>::max()},
        {"far below it", -1e4000L, -std::numeric_limits<double>::max()},
        {"subnormal", 1e-320L, 9.99988671826831e-321},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        IniFile ini;
        ini.WriteFloat("S", "k", row.written);
        ini.Save(Path());
        IniFile back;
        ASSERT_TRUE(back.Load(Path()));
        EXPECT_EQ(back.ReadFloat("S", "k", 42), row.read) << ini.Text();
    }
    // Just above what the file holds for the largest double is no value the program wrote.
    IniFile ini;
    ini.Parse("[S]\nk=1,79769313486233E308\n");
    EXPECT_EQ(ini.ReadFloat("S", "k", 42), 42);

    // Line breaks become blanks before the value is trimmed, so the value held is the one read back.
    ini.WriteString("S", "s", "a\n");
    ini.Save(Path());
    IniFile back;
    back.Load(Path());
    EXPECT_EQ(ini.ReadString("S", "s", ""), "a");
    EXPECT_EQ(back.ReadString("S", "s", ""), "a");
}

} // namespace
} // namespace quillon
