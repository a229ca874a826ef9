// make_large_db: writes a large synthetic lever database for the conversion
// benchmark.
//
//   kovrant_make_large_db [--short] OUTPUT [PROTOTYPES] [SEED]
//
// PROTOTYPES defaults to 1,000,000 (about 290 MB; with --short about
// 157 MB), SEED to 1. The output is a
// pure function of the two numbers: the generator is a fixed 64-bit PRNG
// (splitmix64) and every choice is taken from it with integer arithmetic, so
// every machine writes the same bytes.
//
// The shape imitates a big merged mod database: first-level sections of up
// to 16 groups, groups of up to 256 prototypes, and per prototype the eight
// fields in table order with realistic strings (names and materials with a
// terminating NUL, sound paths, descriptions of 40 to 300 bytes, the longer
// ones in the four-byte length form), place counts 0 to 2, scales that are
// mostly 1.0, switch times in ticks. About one section in forty has tag 2
// (decoded, not written), and now and then a prototype carries a field of an
// unknown type. Sections are built in memory one at a time and written out,
// so the tool's memory does not grow with the output.
//
// --short makes the number-dense profile: prototypes of about 157 bytes (a
// name of about 12 bytes, the four place floats, P, scale, switch time, a
// material, a short sound path, a one-line description of 50 to 100 bytes),
// where most of the table's cells and a third of its bytes are numbers and
// every scale is shown. It measures the number cells and the walk rather
// than the copying of long texts.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ldb_builder.h"

namespace {

using kovrant::ldb::Record;

constexpr std::uint64_t kPrototypesPerGroup = 256;
constexpr std::uint64_t kGroupsPerSection = 16;

class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }
  // Uniform enough in [0, n) for n far below 2^32.
  std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(Next() % n); }
  template <std::size_t N>
  const char* Pick(const char* const (&words)[N]) {
    return words[Below(static_cast<std::uint32_t>(N))];
  }

 private:
  std::uint64_t state_;
};

const char* const kAdjectives[] = {
    "Rusty",  "Old",    "Heavy",    "Small",     "Ornate",  "Broken", "Hidden",  "Iron",
    "Bronze", "Wooden", "Silver",   "Gilded",    "Cracked", "Mossy",  "Ancient", "Dwarven",
    "Elven",  "Crude",  "Polished", "Blackened", "Frozen",  "Sunken", "Royal",   "Temple"};
const char* const kNouns[] = {"Lever", "Switch", "Pull Chain", "Handle",
                              "Crank", "Toggle", "Wheel",      "Bar"};
const char* const kPlaces[] = {"Dungeon", "Castle", "Mine",  "Crypt",  "Harbour", "Tower",
                               "Vault",   "Sewer",  "Ruins", "Temple", "Keep",    "Forge"};
const char* const kMaterials[] = {"iron",      "bronze",     "wood_oak", "wood_pine", "stone",
                                  "marble",    "gold",       "silver",   "copper",    "bone",
                                  "steel_old", "steel_rust", "obsidian", "crystal"};
const char* const kSounds[] = {"click", "clank",  "creak",  "grind", "snap",
                               "thud",  "rattle", "scrape", "hum",   "clunk"};
const char* const kWords[] = {
    "a",         "the",    "lever",   "opens",   "closes", "door",     "gate",     "portcullis",
    "nearby",    "hidden", "passage", "when",    "pulled", "twice",    "trap",     "disarms",
    "on",        "of",     "and",     "in",      "north",  "wing",     "water",    "flow",
    "stops",     "starts", "bridge",  "lowers",  "raises", "grinding", "old",      "mechanism",
    "somewhere", "below",  "lights",  "torches", "along",  "corridor", "requires", "key",
    "to",        "move",   "stuck",   "rust",    "guards", "alerted",  "if",       "used"};

std::string NameText(Random& random, std::uint64_t index) {
  std::string text = random.Pick(kAdjectives);
  text += ' ';
  text += random.Pick(kNouns);
  text += " (";
  text += random.Pick(kPlaces);
  text += ' ';
  text += std::to_string(index);
  text += ')';
  text += '\0';  // stored with its terminator, as the game writes names
  return text;
}

std::string SoundText(Random& random) {
  std::string text = "sound\\fx\\lever\\";
  text += random.Pick(kSounds);
  text += '_';
  text += random.Pick(kMaterials);
  text += '_';
  text += std::to_string(random.Below(12) + 1);
  text += ".wav";
  return text;
}

// A sentence of words of `shortest` to `shortest + spread - 1` bytes.
std::string Sentence(Random& random, std::uint32_t shortest, std::uint32_t spread) {
  const std::uint32_t target = shortest + random.Below(spread);
  std::string text = "A";
  while (text.size() < target) {
    text += ' ';
    text += random.Pick(kWords);
  }
  text.resize(target - 1);
  text += '.';
  return text;
}

std::string DescriptionText(Random& random) {
  return Sentence(random, 40, 261);
}  // 40 to 300 bytes

// A coordinate on a quarter grid, so that halves and quarters (the cases
// where one-decimal rounding has to decide) are common.
float Coordinate(Random& random) {
  return static_cast<float>(static_cast<std::int32_t>(random.Below(80000)) - 40000) / 4.0f;
}

std::string PrototypeRecord(Random& random, std::uint64_t index) {
  std::string fields;
  fields += kovrant::ldb::Name(NameText(random, index));
  // One statement per draw: the order of function arguments is unspecified.
  const float x1 = Coordinate(random);
  const float y1 = Coordinate(random);
  const float x2 = Coordinate(random);
  const float y2 = Coordinate(random);
  fields += kovrant::ldb::PlaceBlock(x1, y1, x2, y2);
  const std::uint32_t roll = random.Below(100);
  fields += kovrant::ldb::PlaceCount(roll < 10 ? 0 : roll < 60 ? 1 : 2);
  const float scale =
      random.Below(4) == 0 ? static_cast<float>(25 + random.Below(276)) / 100.0f : 1.0f;
  fields += kovrant::ldb::Scale(scale);
  fields += kovrant::ldb::SwitchTime(static_cast<std::int32_t>(random.Below(600)));
  std::string material = random.Pick(kMaterials);
  material += '\0';
  fields += kovrant::ldb::Material(material);
  fields += kovrant::ldb::SwitchSound(SoundText(random));
  fields += kovrant::ldb::Description(DescriptionText(random));
  if (random.Below(50) == 0) fields += Record(static_cast<std::uint8_t>(8 + random.Below(8)), "x");
  return Record(0, fields);
}

// The number-dense profile: short texts, every number rendered.
std::string ShortPrototypeRecord(Random& random, std::uint64_t index) {
  std::string name = random.Pick(kNouns);
  name += ' ';
  name += std::to_string(index % 100000);
  name += '\0';
  const float x1 = Coordinate(random);
  const float y1 = Coordinate(random);
  const float x2 = Coordinate(random);
  const float y2 = Coordinate(random);
  const std::uint32_t roll = random.Below(100);
  const float scale = static_cast<float>(25 + random.Below(276)) / 100.0f;
  const auto ticks = static_cast<std::int32_t>(random.Below(600));
  std::string material = random.Pick(kMaterials);
  material += '\0';
  std::string sound = "sfx/";
  sound += random.Pick(kSounds);
  sound += std::to_string(random.Below(10));
  sound += ".wav";
  const std::string description = Sentence(random, 50, 51);  // 50 to 100 bytes
  return Record(0, kovrant::ldb::Cat(
                       {kovrant::ldb::Name(name), kovrant::ldb::PlaceBlock(x1, y1, x2, y2),
                        kovrant::ldb::PlaceCount(roll < 10 ? 1 : 2), kovrant::ldb::Scale(scale),
                        kovrant::ldb::SwitchTime(ticks), kovrant::ldb::Material(material),
                        kovrant::ldb::SwitchSound(sound), kovrant::ldb::Description(description)}));
}

}  // namespace

int main(int argc, char** argv) {
  const char* program = argc > 0 ? argv[0] : "";
  const bool short_profile = argc > 1 && std::string(argv[1]) == "--short";
  if (short_profile) {
    --argc;
    ++argv;
  }
  if (argc < 2 || argc > 4) {
    std::fprintf(stderr, "usage: %s [--short] OUTPUT [PROTOTYPES] [SEED]\n", program);
    return 2;
  }
  const std::uint64_t total = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1000000;
  const std::uint64_t seed = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1;
  std::FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr) {
    std::perror(argv[1]);
    return 1;
  }

  Random random(seed);
  std::uint64_t made = 0;
  std::uint64_t written = 0;
  std::uint64_t bytes = 0;
  std::string groups;
  std::string prototypes;
  while (made < total) {
    const std::uint8_t tag = random.Below(40) == 0 ? 2 : 1;
    groups.clear();
    for (std::uint64_t g = 0; g < kGroupsPerSection && made < total; ++g) {
      prototypes.clear();
      for (std::uint64_t p = 0; p < kPrototypesPerGroup && made < total; ++p) {
        prototypes +=
            short_profile ? ShortPrototypeRecord(random, made) : PrototypeRecord(random, made);
        ++made;
        if (tag == 1) ++written;
      }
      groups += Record(0, prototypes);
    }
    const std::string section = Record(tag, groups);
    if (std::fwrite(section.data(), 1, section.size(), out) != section.size()) {
      std::perror(argv[1]);
      return 1;
    }
    bytes += section.size();
  }
  if (std::fclose(out) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  std::printf("%s: %llu bytes, %llu prototypes, %llu of them in written sections\n", argv[1],
              static_cast<unsigned long long>(bytes), static_cast<unsigned long long>(total),
              static_cast<unsigned long long>(written));
  return 0;
}
