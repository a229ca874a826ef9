// Code locations of the converter's checked operations.
//
// A failure report names the place of the check that failed as eight hex
// digits ("... at 0040312C."). The values are fixed here rather than taken
// from the instruction pointer, so that a report is the same on every build
// and every platform and a user's report can be traced to one check.
#pragma once

#include <cstdint>

namespace kovrant {

enum class CheckSite : std::uint32_t {
  // Console.
  kConsoleWrite = 0x00401A20,

  // Input file.
  kCloseInput = 0x00402140,
  kEndOfFile = 0x00402188,

  // Table file.
  kCreateTable = 0x00402310,
  kWriteHeader = 0x00402364,
  kWriteRow = 0x004023A8,
  kCloseTable = 0x004023F0,

  // Record walk.
  kReadLengthByte = 0x00403014,
  kReadLengthWord = 0x00403048,
  kReadLevel1Tag = 0x004030C0,
  kReadLevel2Tag = 0x004030F8,
  kReadLevel3Tag = 0x00403130,
  kReadFieldType = 0x00403168,
  kSeekFieldEnd = 0x004031A4,
  kSeekPrototypeEnd = 0x004031DC,
  kSeekLevel2End = 0x00403210,
  kSeekLevel1End = 0x00403248,

  // Field decoding.
  kReadName = 0x00404020,
  kReadPlaceBlock = 0x00404068,
  kReadPlaceCount = 0x004040B0,
  kReadScale = 0x004040F4,
  kReadSwitchTime = 0x00404138,
  kReadMaterial = 0x00404180,
  kReadSwitchSound = 0x004041C4,
  kReadDescription = 0x00404208,
  kRenderPlace = 0x00404250,
  kCompareScale = 0x00404294,
};

}  // namespace kovrant
