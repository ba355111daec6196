#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/DataFile.h"
#include "platform/ByteStream.h"

// The ".ocn" file: a 92-byte header, then the pupil, settings, subjects, lesson-plan and
// diary blocks. Little-endian, no padding, texts as length-prefixed strings.

using TDocumentHeader = std::array<std::uint8_t, kHeaderSize>;

// The header for the document as it stands: bytes 0..43 computed, 44..91 from its Header.
TDocumentHeader MakeDocumentHeader(TDataFile& document);

// Writes the whole file with `header` as its first 92 bytes.
void WriteDocument(platform::ByteWriter& out, TDataFile& document, const TDocumentHeader& header);

// DocumentExcess for everything but the size of the file, which only writing it tells: a
// save checks that as it writes.
std::string RecordsExcess(TDataFile& document);

// Why the reader would refuse the document as it stands (more than core/DocumentLimits.h
// allows, or a file larger than the reader takes), as a line of the failed save's message;
// empty when it would read it. Counts the file's bytes without keeping them.
std::string DocumentExcess(TDataFile& document);

// Reads a file into a cleared document. -1 when it is damaged before the diary block or holds
// more than the limits of core/DocumentLimits.h allow anywhere: then Header and Settings are
// untouched and the rest may be half read, for the caller to clear.
// Damage inside the diary block gives 1: the document stands, the diary keeps its complete
// years.
std::int32_t ReadDocument(platform::ByteReader& in, TDataFile& document);
