#include "ldb/remembering_walk.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <random>
#include <string>

#include "io/failure.h"
#include "ldb_builder.h"
#include "support/fake_platform.h"

namespace kovrant {
namespace {

// A handler other than the table writer, carrying one byte from field to
// field: an even field type stores its value's first byte, an odd one
// writes the byte last stored (under first-level tag 1), so what a record
// adds depends on the records before it.
struct EchoHandler {
  using Effect = std::optional<char>;  // the byte stored, if any

  void TableStart() {}
  void Field(std::uint8_t type, std::int64_t length, std::uint8_t tag, InputFile& input) {
    if (type % 2 == 0 && length > 0) last = static_cast<char>(input.ReadByte(CheckSite::kReadName));
    if (type % 2 == 1 && tag == 1) out += last;
  }
  void PrototypeEnd(std::uint8_t tag) { out += tag == 1 ? ";" : ""; }
  Effect Then(const Effect& first, const Effect& second) const { return second ? second : first; }
  void Apply(const Effect& effect) { last = effect.value_or(last); }
  Effect RememberField(std::uint8_t type, std::int64_t length, std::uint8_t tag, InputFile& input,
                       bool* adds) {
    const std::size_t before = out.size();
    Field(type, length, tag, input);
    *adds = out.size() != before;
    return type % 2 == 0 && length > 0 ? Effect(last) : Effect();
  }
  bool PrototypeAdds(std::uint8_t tag) const { return tag == 1; }
  std::uint8_t KindOfTag(std::uint8_t tag) const { return tag == 1 ? 1 : 0; }
  void MayReadAgainFrom(std::int64_t) {}
  void ForgetBefore(std::int64_t) {}
  void ForgetEffects() {}

  std::string out;
  char last = '-';
};

// Frames whose lengths often lie, so that children run past their parents.
std::string Soup(std::mt19937& random, int level) {
  auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  std::string body(static_cast<std::size_t>(below(3)), static_cast<char>('a' + below(26)));
  if (level < 4) {
    body.clear();
    for (int i = below(4); i > 0; --i) body += Soup(random, level + 1);
  }
  const auto length = static_cast<std::int64_t>(body.size()) + (below(4) == 0 ? 1 + below(20) : 0);
  const auto tag = static_cast<std::uint8_t>(level == 1 ? below(3) : level == 4 ? below(4) : 0);
  return ldb::Cat({std::string(1, static_cast<char>(tag)), ldb::PackedLength(length), body});
}

// The handler's output, then "!" and the I/O code when the walk failed.
template <typename Walk>
std::string WalkWith(const std::string& database, Walk walk) {
  test::FakePlatform platform;
  platform.files["db"].data = database;
  std::unique_ptr<InputFile> input;
  EXPECT_EQ(InputFile::Open(platform, "db", &input), 0);
  EchoHandler handler;
  try {
    walk(*input, handler);
  } catch (const IoError& error) {
    handler.out += "!" + std::to_string(error.code());
  }
  return handler.out;
}

TEST(RememberingWalkTest, AnyHandlerGetsWhatThePlainWalkGives) {
  static_assert(RemembersEffects<EchoHandler>);
  int met_again = 0;
  for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
    std::mt19937 random(seed);
    std::string database = Soup(random, 1) + Soup(random, 1) + Soup(random, 1);
    database += std::string(random() % 40, '\0');
    RememberingWalkStats stats;
    const std::string remembering = WalkWith(database, [&](InputFile& input, EchoHandler& h) {
      stats = WalkRecordsRemembering(input, h, seed);
    });
    const std::string plain =
        WalkWith(database, [](InputFile& input, EchoHandler& h) { WalkRecordsPlain(input, h); });
    ASSERT_EQ(remembering, plain) << "seed " << seed;
    met_again += stats.steps > stats.remembered;
  }
  EXPECT_GT(met_again, 100);
}

}  // namespace
}  // namespace kovrant
