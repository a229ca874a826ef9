// make_hostile_db OUTPUT: writes a lever database whose texts are the ones a
// spreadsheet likes to misread, for the round trips through LibreOffice
// Calc (scripts/test-calc-roundtrip.sh): quotes, separators, formulas,
// leading zeros, numbers in every notation, a TAB inside a text, and every
// byte from 0x80 to 0xFF, beside ordinary numbers in the number columns.
// The texts hold no CR or LF (export refuses those) and no other control
// character, and every prototype has a name, so that no row of the table is
// empty.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "ldb_builder.h"

namespace {

using namespace kovrant::ldb;

const std::vector<std::string> kTexts = {"\"quoted\"",
                                         "\"",
                                         "a,b",
                                         "a;b",
                                         "=1+1",
                                         "=A1",
                                         "+100.123",
                                         "-1",
                                         "@sum",
                                         "'apos",
                                         "00123",
                                         "3.0",
                                         "1.5E20",
                                         "1234567890123456789",
                                         "TRUE",
                                         "#N/A",
                                         "5%",
                                         "1/2",
                                         "2026-12-08",
                                         "12:30",
                                         "x\ty",
                                         "\ttab first",
                                         "tab last\t",
                                         "_x000D_",
                                         "Zugbr\xFC"
                                         "cke",
                                         " lead",
                                         "trail ",
                                         "two  spaces"};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_hostile_db OUTPUT\n");
    return 2;
  }
  std::string high;
  for (int byte = 0x80; byte <= 0xFF; ++byte) high += static_cast<char>(byte);
  std::vector<std::string> texts = kTexts;
  for (std::size_t at = 0; at < high.size(); at += 16) texts.push_back(high.substr(at, 16));

  std::vector<std::string> prototypes;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const float f = static_cast<float>(i);
    const auto pick = [&](std::size_t k) { return texts[(i + k) % texts.size()]; };
    prototypes.push_back(
        Prototype({Name("Lever " + std::to_string(i + 1) + " " + pick(0)),
                   PlaceBlock(f / 2, -f, f * 3, 0.25f), PlaceCount(2), Scale(1.5f + f / 4),
                   SwitchTime(static_cast<std::int32_t>(i)), Material(pick(1)),
                   SwitchSound(pick(2)), Description(pick(3) + " and " + pick(4))}));
  }
  std::ofstream out(argv[1], std::ios::binary);
  const std::string database = Database(prototypes);
  out.write(database.data(), static_cast<std::streamsize>(database.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "make_hostile_db: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
