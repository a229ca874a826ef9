// Views of a real file keep the rules of buffered reads (the in-memory
// platform is read); a file cut short under a view ends in code 100.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "io/failure.h"
#include "io/input_file.h"
#include "support/fake_platform.h"

namespace kovrant {
namespace {

constexpr CheckSite kSite = CheckSite::kReadName;
constexpr std::int64_t kView = InputFile::kViewSize;

struct TemporaryFile {
  std::filesystem::path path = std::filesystem::temp_directory_path() /
                               ("kovrant-view-" + std::to_string(std::random_device{}()));
  explicit TemporaryFile(const std::string& data) { std::ofstream(path, std::ios::binary) << data; }
  ~TemporaryFile() { std::remove(path.string().c_str()); }
};

// One operation's outcome: what it gave and where the file then stands.
std::string Outcome(InputFile& file, int op, std::int64_t argument) {
  std::string result;
  try {
    if (op == 0) file.Seek(argument, kSite);
    if (op == 1)
      file.ReadInto(argument, kSite, [&](const std::uint8_t* data, std::size_t size) {
        result.append(reinterpret_cast<const char*>(data), size);
      });
    if (op == 2 || op == 3)
      result = std::to_string(op == 2 ? file.ReadByte(kSite) : file.ReadUint32(kSite));
    if (op == 4) file.Skip(argument, kSite);
    if (op == 5) result = file.AtEnd(kSite) ? "end" : "more";
  } catch (const IoError& error) {
    result += " failed " + std::to_string(error.code());
  }
  return result + " at " + std::to_string(file.Position());
}

TEST(InputViewTest, ViewsAndReadsAgreeOnRandomOperations) {
  if (SystemPlatform().ViewAlignment() == 0) GTEST_SKIP() << "this platform maps no files";
  std::mt19937_64 random(13);
  for (int round = 0; round < 3; ++round) {
    std::string data(2 * kView + random() % kView, '\0');
    for (char& c : data) c = static_cast<char>(random() % 4 == 0 ? 0 : random());
    const TemporaryFile file(data);
    test::FakePlatform fake;
    fake.files["db"].data = data;
    std::unique_ptr<InputFile> mapped, read;
    ASSERT_EQ(InputFile::Open(SystemPlatform(), file.path.string(), &mapped), 0);
    ASSERT_EQ(InputFile::Open(fake, "db", &read), 0);
    for (int step = 0; step < 3000; ++step) {
      // Positions near the views' edges or anywhere; lengths short or long.
      const int op = static_cast<int>(random() % 6);
      const auto edge = static_cast<std::int64_t>(random() % 4) * kView;
      const std::int64_t argument =
          op == 0 ? std::max<std::int64_t>(
                        random() % 2 ? edge + random() % 64 - 32 : random() % data.size(), 0)
                  : random() % (random() % 3 ? 64 : 2 * InputFile::kBufferSize);
      ASSERT_EQ(Outcome(*mapped, op, argument), Outcome(*read, op, argument))
          << "round " << round << " step " << step << " op " << op << " " << argument;
    }
  }
}

TEST(InputViewTest, AFileCutShortUnderItsViewEndsInReadBeyondEnd) {
  // Cut under the view being read, under the view mapped ahead (whose pages
  // the file layer's thread may be bringing in meanwhile) or beyond both.
  struct Case {
    std::int64_t start, cut;
  };
  for (const Case c : {Case{0, 0}, Case{0, kView / 2 + 5}, Case{0, kView + 7},
                       Case{0, 2 * kView + 1}, Case{kView + 3, 2 * kView + 9}}) {
    const TemporaryFile file(std::string(3 * kView, 'x'));
    std::unique_ptr<InputFile> input;
    ASSERT_EQ(InputFile::Open(SystemPlatform(), file.path.string(), &input), 0);
    input->Seek(c.start, kSite);
    EXPECT_EQ(input->ReadByte(kSite), 'x');
    // Another program shortens the file while its views are mapped.
    std::filesystem::resize_file(file.path, static_cast<std::uintmax_t>(c.cut));
    // Read to the end: a cut in the last view shows when it is given back.
    std::string outcome = Outcome(*input, 1, 3 * kView - 1 - c.start);
    try {
      input->Close(kSite);
    } catch (const IoError& error) {
      outcome += " closing failed " + std::to_string(error.code());
    }
    EXPECT_NE(outcome.find(" failed 100"), std::string::npos) << c.cut;
  }
}

}  // namespace
}  // namespace kovrant
