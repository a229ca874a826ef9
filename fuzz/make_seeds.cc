// Writes the seed databases of the convert fuzzer, made with the database
// builder so that every seed can be made again byte for byte:
//   make_seeds DIRECTORY          writes seed-*.ldb into DIRECTORY
//   make_seeds --check DIRECTORY  fails unless DIRECTORY holds them unchanged
// The seeds cover every field type, both length forms, every level, written
// and unwritten sections, and the malformed shapes the converter must refuse
// or survive, so that the fuzzer starts next to every branch.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "ldb_builder.h"

namespace fs = std::filesystem;
using namespace kovrant::ldb;

namespace {

std::string FullPrototype(const std::string& name) {
  return Prototype({Name(name + std::string(1, '\0')), PlaceBlock(1.0f, 2.5f, -3.25f, 4.75f),
                    PlaceCount(2), Scale(2.0f), SwitchTime(45), Material("oak"),
                    SwitchSound("sfx/lever.wav"), Description("Opens the gate.")});
}

// A whole database around `body`, which stands in the one prototype.
std::string AroundPrototype(const std::string& body) {
  return Section(1, {Group({Record(0, body)})});
}

// An unwritten section whose two prototypes run on over the written section
// after it, reading its header as a place block; that block is the one the
// written section's first row renders.
std::string OverlappingPlace() {
  const std::string written =
      Section(1, {Group({Prototype({Name("b"), PlaceCount(2)}),
                         Prototype({PlaceBlock(5, 6, 7, 8), PlaceCount(1)})})});
  const auto header = [](std::size_t length) {
    return Record(0, Cat({std::string(1, '\0'),
                          PackedLength(static_cast<std::int64_t>(length), LengthForm::kFourByte)}));
  };
  const std::string second = header(written.size());
  return Record(2, header(second.size() + written.size()) + second, LengthForm::kFourByte) +
         written;
}

std::vector<std::pair<std::string, std::string>> Seeds() {
  const float quiet_nan = std::numeric_limits<float>::quiet_NaN();
  const std::string four_byte_prototype = Prototype(
      {Record(0, "Winch", LengthForm::kFourByte), PlaceCount(0)}, 0, LengthForm::kFourByte);
  return {
      {"empty", ""},
      {"one-byte", "\x01"},
      {"no-prototypes", Database({})},
      {"full-prototype", Database({FullPrototype("Oak lever")})},
      {"places",
       Database({Prototype({Name("p0"), PlaceCount(0)}),
                 Prototype({Name("p1"), PlaceBlock(0.25f, 0.75f, 9.95f, -0.05f), PlaceCount(1)}),
                 Prototype({Name("p2"), PlaceCount(2)}),
                 Prototype({Name("p3"), PlaceCount(3), Scale(1.0f)})})},
      {"numbers", Database({Prototype({Scale(1e20f), SwitchTime(-2147483647 - 1),
                                       PlaceBlock(3.4e38f, -1e-45f, quiet_nan, 1e18f),
                                       PlaceCount(2), SwitchTime(2147483647)})})},
      {"sections", Cat({Section(0, {Group({FullPrototype("hidden")})}),
                        Section(1, {Group({FullPrototype("first"), FullPrototype("second")}),
                                    Group({FullPrototype("third")})}),
                        Section(2, {Group({FullPrototype("also hidden")})})})},
      {"four-byte-lengths",
       Section(1, {Group({four_byte_prototype}, 0, LengthForm::kFourByte)}, LengthForm::kFourByte)},
      {"unknown-fields",
       Database({Prototype({Record(8, "x"), Record(255, std::string(200, 'y')), Name("after")})})},
      {"short-values", Database({Prototype({Record(1, ""), Record(2, "\x01"), Record(3, ""),
                                            Record(4, "\x0f"), Name("end")})})},
      {"text-bytes", Database({Prototype({Name(std::string("a\tb\r\nc\0d\x80\xff", 10)),
                                          Material(""), Description(std::string(3000, 'z'))})})},
      {"overlong-field",
       AroundPrototype(Cat({Name("x"), std::string(1, '\0'), PackedLength(100), "short"})) +
           Database({Prototype({Name("next"), Description(std::string(120, 'd'))})})},
      {"stray-byte", Database({Prototype({Name("Lever")})}) + "\x01"},
      {"negative-length", Cat({std::string(1, '\1'), RawFourByteLength(0xFFFFFFFFu), "rest"})},
      {"huge-string", AroundPrototype(Cat({std::string(1, '\0'), PackedLength((1 << 30) - 1),
                                           "only a few bytes"}))},
      {"end-beyond-file",
       Database({Prototype({Name("seeks only")})}) +
           Cat({std::string(1, '\1'), PackedLength(5000), "\x02", PackedLength(4000)})},
      {"nan-scale", Database({Prototype({ScaleBits(0x7FC00000u)})})},
      {"signalling-place",
       Database({Prototype({PlaceBlockBits(0x7F800001u, 0, 0, 0), PlaceCount(1)})})},
      // Records overlapping the records after them, written and not.
      {"overlapping-written", OverlappingGroups(12, 1)},
      {"overlapping-shrinking", OverlappingGroups(12, 2, true)},
      {"overlapping-place", OverlappingPlace()},
  };
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
  const bool check = argc == 3 && std::string(argv[1]) == "--check";
  if (argc != 2 && !check) {
    std::fprintf(stderr, "usage: %s [--check] DIRECTORY\n", argv[0]);
    return 2;
  }
  const fs::path directory = argv[argc - 1];
  int mismatches = 0;
  for (const auto& [name, data] : Seeds()) {
    const fs::path path = directory / ("seed-" + name + ".ldb");
    if (check) {
      if (!fs::is_regular_file(path) || ReadFile(path) != data) {
        std::fprintf(stderr, "%s is missing or differs from its generator\n",
                     path.string().c_str());
        ++mismatches;
      }
      continue;
    }
    fs::create_directories(directory);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
      return 1;
    }
  }
  return mismatches == 0 ? 0 : 1;
}
