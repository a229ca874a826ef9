// The Windows executable against the Linux one: both convert the same
// databases, and everything a user can see must match. Tables and every other
// file left behind are compared byte for byte, exit codes must be equal, and
// standard output may differ only in the module name of a failure report
// ("kovrant" against "kovrant.exe").
//
// The executable under test is KOVRANT_EXE (started through KOVRANT_LAUNCHER,
// e.g. wine64); the reference is the converter of this build. Without
// KOVRANT_EXE there is nothing to compare and the tests are skipped.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ldb_builder.h"
#include "support/files.h"

namespace {

namespace fs = std::filesystem;
using kovrant::test::ReadFile;
using kovrant::test::WriteFile;
using namespace kovrant::ldb;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// What a run leaves for the user to see.
struct Outcome {
  int exit_code = -1;
  std::string output;
  std::map<std::string, std::string> files;  // relative path -> content ("<dir>" for directories)
};

// Runs `executable` (through `launcher` if not empty) in `directory`, with
// standard output going to `output_file`. A file rather than a pipe: helper
// processes that a launcher such as Wine starts on the side may inherit the
// descriptor and keep a pipe open long after the converter has ended.
Outcome RunIn(const fs::path& directory, const fs::path& output_file, const std::string& launcher,
              const std::string& executable, const std::vector<std::string>& arguments) {
  std::vector<std::string> command;
  if (!launcher.empty()) command.push_back(launcher);
  command.push_back(executable);
  command.insert(command.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& part : command) argv.push_back(part.data());
  argv.push_back(nullptr);

  pid_t pid = ::fork();
  if (pid == 0) {
    int out = ::open(output_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || ::dup2(out, STDOUT_FILENO) < 0 || ::chdir(directory.c_str()) != 0) ::_exit(126);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  Outcome outcome;
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFEXITED(status)) outcome.exit_code = WEXITSTATUS(status);
  outcome.output = ReadFile(output_file);
  for (const auto& entry : fs::recursive_directory_iterator(directory)) {
    std::string name = fs::relative(entry.path(), directory).generic_string();
    outcome.files[name] = entry.is_directory() ? "<dir>" : ReadFile(entry.path());
  }
  return outcome;
}

struct Case {
  const char* name;
  std::function<std::string()> database;
  std::vector<std::string> arguments = {"levers.ldb"};
  // Prepares the scratch directory beyond the database (an earlier table, a
  // directory in the table's place).
  std::function<void(const fs::path&)> prepare = [](const fs::path&) {};
};

std::string OneWrittenSection(const std::vector<std::string>& prototypes) {
  return Database(prototypes);
}

// Numbers in every field that renders one: the one-decimal format's fixed
// and scientific forms, rounding halves, the float range's ends.
std::string Numbers() {
  const float values[] = {0.0f,    -0.0f,       0.04f,  0.05f,       0.15f,       0.25f,
                          0.95f,   1.0f,        2.0f,   -2.5f,       123.45f,     99999.95f,
                          1e7f,    16777216.0f, 1e17f,  1e18f,       1e19f,       -1e30f,
                          FLT_MAX, FLT_MIN,     1e-45f, FLT_EPSILON, -123456.78f, 0.1f};
  const std::int32_t ticks[] = {0, 1, 7, 15, -30, 100, 2147483647, -2147483647 - 1, 1000001};
  std::vector<std::string> prototypes;
  std::size_t count = sizeof values / sizeof values[0];
  for (std::size_t i = 0; i < count; ++i) {
    float a = values[i];
    float b = values[(i + 7) % count];
    prototypes.push_back(
        Prototype({Name("lever " + std::to_string(i)), PlaceBlock(a, b, -a, -b), PlaceCount(2),
                   Scale(a), SwitchTime(ticks[i % (sizeof ticks / sizeof ticks[0])])}));
  }
  return OneWrittenSection(prototypes);
}

// Infinities and quiet NaNs in the place block are rendered; the scale may be
// infinite.
std::string InfinitiesAndQuietNans() {
  return OneWrittenSection({
      Prototype({Name("inf"), PlaceBlockBits(0x7F800000, 0xFF800000, 0x7FC00000, 0xFFC00000),
                 PlaceCount(2), ScaleBits(0x7F800000)}),
      Prototype({Name("nan payload"), PlaceBlockBits(0x7FC00001, 0xFFFFFFFF, 0, 0), PlaceCount(1),
                 ScaleBits(0xFF800000)}),
  });
}

std::string PlaceCounts() {
  std::vector<std::string> prototypes;
  for (std::int32_t count : {0, 1, 2, 3, -1}) {
    prototypes.push_back(
        Prototype({Name("P=" + std::to_string(count) + " "), PlaceBlock(1.0f, 2.0f, 3.0f, 4.0f),
                   PlaceCount(count), Material("after")}));
  }
  // The place block carries over from an earlier prototype.
  prototypes.push_back(Prototype({Name("carried"), PlaceCount(2)}));
  return OneWrittenSection(prototypes);
}

std::string AllFields() {
  return OneWrittenSection(
      {Prototype({Name(std::string("Brass lever\0", 12)), PlaceBlock(1.5f, -2.25f, 0.0f, 0.0f),
                  PlaceCount(1), Scale(1.0f), SwitchTime(45), Material("brass"),
                  SwitchSound("click.wav"), Description("A lever of brass.")})});
}

std::string Strings() {
  return OneWrittenSection({
      Prototype({Name("\x80\xE4\xF6\xFC\xFF high bytes"), Material("tab\there"),
                 SwitchSound("line\r\nbreak"), Description(std::string("nul\0inside", 10))}),
      Prototype({Name(""), Material(""), Description(std::string(5000, 'd'))}),
      Prototype({Name("twice"), Name(" named")}),
      Prototype({Name("unknown types"), Record(8, "x"), Record(200, "yy"), Record(255, ""),
                 Material("kept")}),
  });
}

std::string SectionsAndLengthForms() {
  std::string written = Section(
      1,
      {Group({Prototype({Name("four-byte lengths"), Scale(3.0f)}, 0, LengthForm::kFourByte)}, 0,
             LengthForm::kFourByte)},
      LengthForm::kFourByte);
  std::string discarded = Section(2, {Group({Prototype({Name("not written"), SwitchTime(15)})})});
  std::string second = Section(1, {Group({Prototype({Name("a")}), Prototype({Name("b")})}),
                                   Group({Prototype({Name("c")})}, 9)});
  return Cat({written, discarded, second});
}

// Enough rows to pass the table's write buffer many times.
std::string ManyPrototypes() {
  std::vector<std::string> prototypes;
  for (int i = 0; i < 6000; ++i) {
    prototypes.push_back(Prototype(
        {Name("Lever number " + std::to_string(i)),
         PlaceBlock(static_cast<float>(i) / 7.0f, static_cast<float>(-i), 0.5f, 1e6f),
         PlaceCount(i % 3), Scale(static_cast<float>(i % 5) / 2.0f), SwitchTime(i * 13 - 40000),
         Material("stone"), SwitchSound("creak"), Description("Row " + std::to_string(i))}));
  }
  return OneWrittenSection(prototypes);
}

std::string Truncated() {
  std::string db = OneWrittenSection({Prototype({Name("Iron lever"), Material("iron")})});
  return db.substr(0, db.size() - 2);
}

std::string MalformedLength(std::uint32_t raw) {
  return Cat({std::string(1, '\x01'), RawFourByteLength(raw), "some bytes"});
}

const Case kCases[] = {
    {"Sample",
     [] { return ReadFile(fs::path(KOVRANT_SOURCE_DIR) / "examples" / "levers.ldb"); },
     {"levers.ldb", "out"}},
    {"EmptyFile", [] { return std::string(); }},
    {"NoPrototypes", [] { return OneWrittenSection({}); }},
    {"AllFields", AllFields},
    {"Numbers", Numbers},
    {"InfinitiesAndQuietNans", InfinitiesAndQuietNans},
    {"PlaceCounts", PlaceCounts},
    {"Strings", Strings},
    {"SectionsAndLengthForms", SectionsAndLengthForms},
    {"ManyPrototypes", ManyPrototypes},
    {"OverlappingGroups", [] { return OverlappingGroups(3000, 1, true); }},
    {"OverlappingNulTexts", [] { return OverlappingNulTexts(200, 100000); }},
    {"OutputDirectoryCreated", AllFields, {"levers.ldb", "made"}},
    // On Windows the arguments come back from one command line, quoted.
    {"SpacesInArguments",
     AllFields,
     {"my levers.ldb", "out dir"},
     [](const fs::path& dir) { fs::copy_file(dir / "levers.ldb", dir / "my levers.ldb"); }},
    {"EarlierTableReplaced",
     AllFields,
     {"levers.ldb"},
     [](const fs::path& dir) { WriteFile(dir / "LeverPrototypes.txt", std::string(9000, 'o')); }},
    // Failures: the report, the exit code and what stays on disk.
    {"SignallingNanInPlace",
     [] {
       return OneWrittenSection(
           {Prototype({Name("ok")}),
            Prototype({Name("snan"), PlaceBlockBits(0x7F800001, 0, 0, 0), PlaceCount(1)})});
     }},
    {"NanScale",
     [] {
       return OneWrittenSection({Prototype({Name("qnan"), ScaleBits(0x7FC00000)})});
     }},
    {"TruncatedKeepsEarlierTable",
     Truncated,
     {"levers.ldb"},
     [](const fs::path& dir) { WriteFile(dir / "LeverPrototypes.txt", "earlier\r\n"); }},
    {"NegativeLength", [] { return MalformedLength(0xFFFFFFFF); }},
    {"LengthBeyondTheFile", [] { return MalformedLength(0x7FFFFFF1); }},
    {"DirectoryInThePlaceOfTheTable",
     AllFields,
     {"levers.ldb"},
     [](const fs::path& dir) { fs::create_directory(dir / "LeverPrototypes.txt"); }},
    {"MissingDatabase", AllFields, {"missing.ldb", "made"}},
    {"DatabaseIsADirectory",
     AllFields,
     {"folder.ldb", "made"},
     [](const fs::path& dir) { fs::create_directory(dir / "folder.ldb"); }},
};

// gtest names a failing case by this rather than by its bytes.
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

std::string CaseName(const ::testing::TestParamInfo<Case>& param) { return param.param.name; }

class WindowsParityTest : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    if (Env("KOVRANT_EXE").empty()) GTEST_SKIP() << "no KOVRANT_EXE to compare with";
  }

  Outcome Convert(const char* side, const std::string& launcher, const std::string& executable) {
    const Case& c = GetParam();
    fs::path scratch = dir_ / side;
    fs::create_directory(scratch);
    WriteFile(scratch / "levers.ldb", c.database());
    c.prepare(scratch);
    return RunIn(scratch, dir_ / (std::string(side) + ".out"), launcher,
                 fs::absolute(executable).string(), c.arguments);
  }

  kovrant::test::ScratchDirectory scratch_{"kovrant-parity"};
  fs::path dir_ = scratch_.path();
};

TEST_P(WindowsParityTest, SameTablesReportsAndExitCodes) {
  Outcome reference = Convert("reference", "", KOVRANT_BINARY);
  Outcome candidate = Convert("candidate", Env("KOVRANT_LAUNCHER"), Env("KOVRANT_EXE"));

  EXPECT_EQ(candidate.exit_code, reference.exit_code);
  // No table: a failure on both, whatever the reason the system gives.
  if (reference.output == "Error opening file\r\n") {
    EXPECT_EQ(reference.exit_code, 1);
  }
  // Only the executable's own name may differ.
  std::string expected = reference.output;
  const std::string module = " in module " + fs::path(KOVRANT_BINARY).filename().string() + " ";
  if (std::size_t at = expected.find(module); at != std::string::npos) {
    expected.replace(at, module.size(),
                     " in module " + fs::path(Env("KOVRANT_EXE")).filename().string() + " ");
  }
  EXPECT_EQ(candidate.output, expected);
  // Compared as a whole, so that a mismatch does not print megabytes.
  EXPECT_TRUE(candidate.files == reference.files) << "the files left behind differ";
  for (const auto& [name, content] : reference.files) {
    auto other = candidate.files.find(name);
    if (other == candidate.files.end()) {
      ADD_FAILURE() << name << " is missing";
    } else if (other->second != content) {
      std::size_t at = 0;
      while (at < content.size() && at < other->second.size() && content[at] == other->second[at]) {
        ++at;
      }
      ADD_FAILURE() << name << " differs first at byte " << at << " of " << content.size();
    }
  }
  for (const auto& [name, content] : candidate.files) {
    if (!reference.files.contains(name)) ADD_FAILURE() << name << " is left behind";
  }
}

INSTANTIATE_TEST_SUITE_P(Databases, WindowsParityTest, ::testing::ValuesIn(kCases), CaseName);

}  // namespace
