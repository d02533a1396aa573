// The INI reader and writer behind the settings file.
#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fake_platform.h"

namespace torvel {
namespace {

struct TLookupCase {
  const char* name;
  std::string text;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

TEST(IniLookup, FindsValuesAsAnIniReaderDoes) {
  const TLookupCase cases[] = {
      {"LF line ends", "[S]\nA=1\nB=2\n", "S", "B", "2"},
      {"CRLF line ends", "[S]\r\nA=1\r\nB=2\r\n", "S", "B", "2"},
      {"CR line ends", "[S]\rA=1\rB=2\r", "S", "B", "2"},
      {"no line end after the last line", "[S]\nA=1", "S", "A", "1"},
      {"section name in another case", "[gcodetorvel]\nAxis=0\n", "GCodeTorvel", "Axis", "0"},
      {"key name in another case", "[S]\nmaxangle=15\n", "S", "MaxAngle", "15"},
      {"backslashes are not escapes", "[S]\nInitialDir=C:\\Tools\n", "S", "InitialDir",
       "C:\\Tools"},
      {"a semicolon inside a value is kept", "[S]\nA=1;2\n", "S", "A", "1;2"},
      {"value kept exactly, blanks included", "[S]\nA= 1.5 \n", "S", "A", " 1.5 "},
      {"blanks around the key name", "[S]\n  A  =x\n", "S", "A", "x"},
      {"blanks around the section name", "  [ S ]\nA=x\n", "S", "A", "x"},
      {"empty value", "[S]\nMaxAngle=\n", "S", "MaxAngle", ""},
      {"only the first = splits", "[S]\nA=b=c\n", "S", "A", "b=c"},
      {"first of two equal keys", "[S]\nA=1\nA=2\n", "S", "A", "1"},
      {"key of another section", "[T]\nA=1\n[S]\nB=2\n", "S", "A", std::nullopt},
      {"key before any section", "A=1\n[S]\n", "S", "A", std::nullopt},
      {"missing section", "[T]\nA=1\n", "S", "A", std::nullopt},
      {"comment line is no key", "[S]\n;A=1\n#A=2\n", "S", "A", std::nullopt},
      {"section seen twice", "[S]\nA=1\n[T]\n[s]\nB=2\n", "S", "B", "2"},
      {"empty text", "", "S", "A", std::nullopt},
  };
  for (const TLookupCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IniLookup(c.text, c.section, c.key), c.expected);
  }
}

struct TAssignCase {
  const char* name;
  std::string text;
  const char* section;
  const char* key;
  const char* value;
  std::string expected;
};

TEST(IniAssign, ChangesOneKeyAndKeepsEverythingElse) {
  const TAssignCase cases[] = {
      {"new file", "", "GCodeTorvel", "MaxAngle", "10", "[GCodeTorvel]\nMaxAngle=10\n"},
      {"existing key replaced in place", "[S]\nA=1\nB=2\n", "S", "A", "9", "[S]\nA=9\nB=2\n"},
      {"key matched without regard to case", "[s]\nmaxangle=1\n", "S", "MaxAngle", "5",
       "[s]\nMaxAngle=5\n"},
      {"new key after the last key of its section", "[S]\nA=1\n\n[T]\nC=3\n", "S", "B", "2",
       "[S]\nA=1\nB=2\n\n[T]\nC=3\n"},
      {"new key in a section without keys", "[S]\n[T]\nC=3\n", "S", "B", "2",
       "[S]\nB=2\n[T]\nC=3\n"},
      {"new section at the end after a blank line", "; settings\n[T]\nC=3", "S", "A", "1",
       "; settings\n[T]\nC=3\n\n[S]\nA=1\n"},
      {"CRLF file stays CRLF", "[S]\r\nA=1\r\n", "S", "B", "2", "[S]\r\nA=1\r\nB=2\r\n"},
      {"CR file stays CR", "[S]\rA=1\r", "S", "A", "3", "[S]\rA=3\r"},
      {"comments and other sections kept", "; kept\n[T]\nX=;y\n[S]\n# also kept\nA=1\n", "S", "A",
       "2", "; kept\n[T]\nX=;y\n[S]\n# also kept\nA=2\n"},
      {"backslash written as it is", "", "S", "InitialDir", "C:\\Tools",
       "[S]\nInitialDir=C:\\Tools\n"},
      {"empty value", "[S]\nA=1\n", "S", "A", "", "[S]\nA=\n"},
  };
  for (const TAssignCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IniAssign(c.text, c.section, c.key, c.value), c.expected);
  }
}

TEST(TIniFile, ReadsIntegersOnlyWhenTheyAreWholeNumbers) {
  const testing::TAppFolder folder;
  struct TCase {
    const char* value;
    int expected;
  };
  const TCase cases[] = {
      {"1", 1},   {"0", 0}, {"-1", -1},  {" 12 ", 12}, {"+3", 3},          {"1.5", 7},
      {"abc", 7}, {"", 7},  {"5abc", 7}, {"--5", 7},   {"99999999999", 7}, {"-", 7},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.value);
    folder.Write("Data.ini", std::string("[S]\nAxis=") + c.value + "\n");
    const TIniFile ini(folder.File("Data.ini").toStdString());
    EXPECT_EQ(ini.ReadInteger("S", "Axis", 7), c.expected);
  }
}

TEST(TIniFile, MissingFileReadsAsNoKeys) {
  const testing::TAppFolder folder;
  const TIniFile ini(folder.File("Data.ini").toStdString());
  EXPECT_EQ(ini.ReadString("S", "A", "fallback"), "fallback");
  EXPECT_EQ(ini.ReadInteger("S", "B", 4), 4);
  EXPECT_FALSE(folder.Exists("Data.ini"));
}

TEST(TIniFile, EveryWriteReachesTheFileAtOnce) {
  const testing::TAppFolder folder;
  TIniFile ini(folder.File("Data.ini").toStdString());
  ini.WriteString("S", "Name", "a;b");
  EXPECT_EQ(folder.Read("Data.ini"), "[S]\nName=a;b\n");
  ini.WriteInteger("S", "Axis", -1);
  EXPECT_EQ(folder.Read("Data.ini"), "[S]\nName=a;b\nAxis=-1\n");
  EXPECT_EQ(ini.ReadString("s", "name", ""), "a;b");
  EXPECT_EQ(ini.ReadInteger("S", "AXIS", 0), -1);
}

TEST(TIniFile, FailedWriteNamesTheFile) {
  // Not a permission test (CI runs as root): the parent is a plain file.
  const testing::TAppFolder folder;
  folder.Write("plain.txt", "not a folder");
  const std::string path = folder.File("plain.txt/Data.ini").toStdString();
  TIniFile ini(path);
  try {
    ini.WriteString("S", "A", "1");
    FAIL() << "no error raised";
  } catch (const TIniFileError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
  }
}

}  // namespace
}  // namespace torvel
