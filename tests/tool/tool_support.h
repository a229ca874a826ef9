// Shared by ldbtool's tests: kovrant's own conversion in memory, and random
// well-nested databases and tables in the forms kovrant writes.
#pragma once

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/run.h"
#include "io/memory_platform.h"
#include "ldb_builder.h"
#include "table/table_writer.h"
#include "tool/cell_number.h"

namespace kovrant::test {

// The table kovrant writes for `database` ("" when it fails).
inline std::string KovrantTable(const std::string& database) {
  MemoryPlatform platform;
  platform.files["db"].data = database;
  try {
    Run({"db"}, platform, '.');
  } catch (...) {
    return "";
  }
  return platform.files["LeverPrototypes.txt"].data;
}

inline std::string RandomWord(std::mt19937& rng) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz _-./";
  std::string word(rng() % 12, ' ');
  for (char& c : word) c = kLetters[rng() % (sizeof kLetters - 1)];
  return word;
}

// A float as kovrant would show it, never NaN; small values mostly, any
// finite or infinite bits sometimes.
inline std::uint32_t RandomFloatBits(std::mt19937& rng) {
  for (;;) {
    std::uint32_t bits;
    if (rng() % 4 != 0) {
      const float value = static_cast<float>(static_cast<int>(rng() % 4001) - 2000) / 8.0f;
      std::memcpy(&bits, &value, sizeof bits);
    } else {
      bits = static_cast<std::uint32_t>(rng());
    }
    if ((bits & 0x7F800000) != 0x7F800000 || (bits & 0x007FFFFF) == 0) return bits;
  }
}

inline std::int32_t RandomTicks(std::mt19937& rng) {
  return rng() % 3 ? static_cast<std::int32_t>(rng() % 200) : static_cast<std::int32_t>(rng());
}

// A random database whose records nest: sections of tags 1 and 2, groups,
// prototypes with fields in varying order, place blocks carried from earlier
// prototypes, unknown field types, trailing bytes inside numeric values,
// four-byte lengths, texts with and without their NUL.
inline std::string RandomDatabase(std::mt19937& rng) {
  using namespace kovrant::ldb;
  auto form = [&] { return rng() % 5 == 0 ? LengthForm::kFourByte : LengthForm::kShortest; };
  auto text = [&](std::uint8_t type) {
    return Record(type, RandomWord(rng) + (rng() % 3 ? std::string(1, '\0') : ""), form());
  };
  auto number = [&](std::uint8_t type, std::uint32_t value) {
    return Record(type, U32(value) + (rng() % 6 == 0 ? "xy" : ""), form());
  };
  std::vector<std::string> sections;
  for (int s = 0, sections_count = 1 + static_cast<int>(rng() % 3); s < sections_count; ++s) {
    std::vector<std::string> groups;
    for (int g = 0, group_count = 1 + static_cast<int>(rng() % 2); g < group_count; ++g) {
      std::vector<std::string> prototypes;
      for (int p = 0, count = static_cast<int>(rng() % 6); p < count; ++p) {
        std::vector<std::string> fields = {text(0)};
        if (rng() % 2) {
          fields.push_back(Record(1,
                                  U32(RandomFloatBits(rng)) + U32(RandomFloatBits(rng)) +
                                      U32(RandomFloatBits(rng)) + U32(RandomFloatBits(rng)),
                                  form()));
        }
        fields.push_back(number(2, static_cast<std::uint32_t>(rng() % 3)));
        std::uint32_t scale = RandomFloatBits(rng);
        if (rng() % 3 == 0) scale = 0x3F800000;
        fields.push_back(number(3, scale));
        fields.push_back(number(4, static_cast<std::uint32_t>(RandomTicks(rng))));
        for (std::uint8_t type = 5; type <= 7; ++type) fields.push_back(text(type));
        if (rng() % 4 == 0) fields.insert(fields.begin() + rng() % fields.size(), Record(9, "??"));
        if (rng() % 8 == 0) fields.resize(rng() % fields.size());  // a short prototype
        prototypes.push_back(Prototype(fields, 0, form()));
      }
      groups.push_back(Group(prototypes, 0, form()));
    }
    sections.push_back(Section(rng() % 4 == 0 ? 2 : 1, groups, form()));
  }
  return Cat(sections);
}

}  // namespace kovrant::test
