// Feeds arbitrary bytes to the document loader. Besides not crashing, whatever it accepts must
// be stable: written, read back and written again, it gives the same bytes.

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "core/DataFile.h"
#include "core/DocumentFile.h"

namespace {

std::vector<std::uint8_t> Write(TDataFile& document) {
    platform::VectorSink sink;
    platform::ByteWriter out(sink);
    WriteDocument(out, document, MakeDocumentHeader(document));
    return sink.bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TDataFile document;
    platform::ByteReader in(std::span<const std::uint8_t>(data, size));
    if (ReadDocument(in, document) < 0) return 0;

    const std::vector<std::uint8_t> first = Write(document);
    TDataFile again;
    platform::ByteReader reread(first);
    if (ReadDocument(reread, again) != 0 || reread.Remaining() != 0) std::abort();
    if (Write(again) != first) std::abort();
    return 0;
}
