// Builds lever databases byte by byte, for tests, tools and benchmarks, so
// that no stored binary from anywhere else is ever needed.
//
// A database is nested record frames (tag byte, packed length, body); these
// helpers compose them from the inside out:
//   Section(1, {Group({Prototype({Name("Oak lever"), Scale(2.0f)})})})
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kovrant::ldb {

// How a frame stores its length: the one-byte form (lengths up to 127), the
// four-byte form (any length), or the shorter of the two.
enum class LengthForm { kShortest, kOneByte, kFourByte };

// The packed length field for `length` in the given form.
std::string PackedLength(std::int64_t length, LengthForm form = LengthForm::kShortest);
// A raw four-byte packed length holding any 32-bit value (also malformed ones).
std::string RawFourByteLength(std::uint32_t value);

// One record frame: tag, packed length of `body`, body.
std::string Record(std::uint8_t tag, std::string_view body,
                   LengthForm form = LengthForm::kShortest);

std::string Cat(std::initializer_list<std::string_view> parts);
std::string Cat(const std::vector<std::string>& parts);

// Little-endian values as the database stores them.
std::string U32(std::uint32_t value);
std::string I32(std::int32_t value);
std::string F32(float value);

// The fields of a lever prototype (level-4 records).
std::string Name(std::string_view text);
std::string PlaceBlock(float x1, float y1, float x2, float y2);
std::string PlaceBlockBits(std::uint32_t x1, std::uint32_t y1, std::uint32_t x2, std::uint32_t y2);
std::string PlaceCount(std::int32_t count);
std::string Scale(float scale);
std::string ScaleBits(std::uint32_t bits);
std::string SwitchTime(std::int32_t ticks);
std::string Material(std::string_view text);
std::string SwitchSound(std::string_view text);
std::string Description(std::string_view text);

// A prototype (level 3), a group of prototypes (level 2) and a first-level
// section whose tag decides whether its prototypes are written (tag 1).
std::string Prototype(const std::vector<std::string>& fields, std::uint8_t tag = 0,
                      LengthForm form = LengthForm::kShortest);
std::string Group(const std::vector<std::string>& prototypes, std::uint8_t tag = 0,
                  LengthForm form = LengthForm::kShortest);
std::string Section(std::uint8_t tag, const std::vector<std::string>& groups,
                    LengthForm form = LengthForm::kShortest);

// A whole database of one written section holding one group.
std::string Database(const std::vector<std::string>& prototypes);

// A crafted database whose records overlap: one first-level section with
// `tag`, holding `count` seven-byte groups. Each group holds nothing but the
// header of a prototype whose body starts where the group ends, so that the
// prototype's fields are the groups after it, read as fields of type 9
// (which add nothing). Every prototype reaches the end of the file; with
// `shrinking`, the first half reach less and less far instead (group i
// reaches the start of group count - i - 1), the rest hold no field at all.
// Walked plainly, the prototypes visit about count^2 / 2 (count^2 / 4
// shrinking) fields; the table has one empty row per group under tag 1.
std::string OverlappingGroups(int count, std::uint8_t tag, bool shrinking = false);

// A crafted database whose text values overlap: one written section holding
// `count` seven-byte prototypes, each nothing but the header of a Material
// whose value runs from the prototype's end to the end of the file, over
// the prototypes after it and then `nul_bytes` NUL bytes (read as empty
// first-level records once the section ends). Read plainly, the values
// cover about count * nul_bytes bytes, which add nothing to the table.
std::string OverlappingNulTexts(int count, std::int64_t nul_bytes);

}  // namespace kovrant::ldb
