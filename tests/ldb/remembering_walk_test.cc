#include "ldb/remembering_walk.h"

#include <gtest/gtest.h>

#include <memory>
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
class EchoHandler {
 public:
  struct Effect {
    bool stores = false;
    char value = 0;
  };

  void TableStart() { out += '<'; }
  void Field(std::uint8_t type, std::int64_t length, std::uint8_t tag, InputFile& input) {
    if (type % 2 == 0) {
      if (length > 0) last_ = static_cast<char>(input.ReadByte(CheckSite::kReadName));
    } else if (tag == 1) {
      out += last_;
    }
  }
  void PrototypeEnd(std::uint8_t tag) {
    if (tag == 1) out += ';';
  }

  Effect Then(const Effect& first, const Effect& second) const {
    return second.stores ? second : first;
  }
  void Apply(const Effect& effect) {
    if (effect.stores) last_ = effect.value;
  }
  Effect RememberField(std::uint8_t type, std::int64_t length, std::uint8_t tag, InputFile& input,
                       bool* adds) {
    const std::size_t before = out.size();
    Field(type, length, tag, input);
    *adds = out.size() != before;
    return type % 2 == 0 && length > 0 ? Effect{true, last_} : Effect{};
  }
  bool PrototypeAdds(std::uint8_t tag) const { return tag == 1; }
  std::uint8_t KindOfTag(std::uint8_t tag) const { return tag == 1 ? 1 : 0; }
  void MayReadAgainFrom(std::int64_t) {}
  void ForgetBefore(std::int64_t) {}
  void ForgetEffects() {}

  std::string out;

 private:
  char last_ = '-';
};

// Frames whose lengths often lie, so that children run past their parents.
std::string Soup(std::mt19937& random, int level) {
  auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  std::string body;
  if (level == 4) {
    body = std::string(static_cast<std::size_t>(below(3)), static_cast<char>('a' + below(26)));
  } else {
    for (int i = below(4); i > 0; --i) body += Soup(random, level + 1);
  }
  auto length = static_cast<std::int64_t>(body.size());
  if (below(4) == 0) length += 1 + below(20);
  const auto tag = static_cast<std::uint8_t>(level == 1 ? below(3) : level == 4 ? below(4) : 0);
  return ldb::Cat({std::string(1, static_cast<char>(tag)), ldb::PackedLength(length), body});
}

struct Outcome {
  std::string out;
  int code = 0;
  bool operator==(const Outcome&) const = default;
};

template <typename Walk>
Outcome WalkWith(const std::string& database, Walk walk) {
  test::FakePlatform platform;
  platform.files["db"].data = database;
  std::unique_ptr<InputFile> input;
  EXPECT_EQ(InputFile::Open(platform, "db", &input), 0);
  EchoHandler handler;
  Outcome outcome;
  try {
    walk(*input, handler);
  } catch (const IoError& error) {
    outcome.code = error.code();
  }
  outcome.out = handler.out;
  return outcome;
}

TEST(RememberingWalkTest, AnyHandlerGetsWhatThePlainWalkGives) {
  static_assert(RemembersEffects<EchoHandler>);
  int met_again = 0;
  for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
    std::mt19937 random(seed);
    std::string database;
    for (int i = 0; i < 3; ++i) database += Soup(random, 1);
    database += std::string(random() % 40, '\0');
    RememberingWalkStats stats;
    const Outcome remembering = WalkWith(database, [&](InputFile& input, EchoHandler& handler) {
      stats = WalkRecordsRemembering(input, handler, seed);
    });
    const Outcome plain = WalkWith(
        database, [](InputFile& input, EchoHandler& handler) { WalkRecordsPlain(input, handler); });
    ASSERT_EQ(remembering, plain) << "seed " << seed;
    met_again += stats.steps > stats.remembered;
  }
  EXPECT_GT(met_again, 100);
}

}  // namespace
}  // namespace kovrant
