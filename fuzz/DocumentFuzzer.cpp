// Feeds arbitrary bytes to the document loader. Besides not crashing, whatever it accepts must
// be stable: written, read back and written again, it gives the same bytes. Read as a file is,
// a block at a time from a source that delivers a few bytes a call, it must read the same.

#include <algorithm>
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

// Hands out the bytes a few at a time.
class TrickleSource final : public platform::ByteSource {
  public:
    explicit TrickleSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::ptrdiff_t Read(std::uint8_t* into, std::size_t size) override {
        const std::size_t n = std::min({size, std::size_t{7}, bytes_.size() - given_});
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(given_), n, into);
        given_ += n;
        return static_cast<std::ptrdiff_t>(n);
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t given_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    TDataFile document;
    platform::ByteReader in(bytes);
    const std::int32_t read = ReadDocument(in, document);

    TDataFile trickled;
    TrickleSource source(bytes);
    platform::ByteReader inBlocks(source, size);
    if (ReadDocument(inBlocks, trickled) != read) std::abort();
    if (read < 0) return 0;
    if (Write(trickled) != Write(document)) std::abort();

    const std::vector<std::uint8_t> first = Write(document);
    TDataFile again;
    platform::ByteReader reread(first);
    if (ReadDocument(reread, again) != 0 || reread.Remaining() != 0) std::abort();
    if (Write(again) != first) std::abort();
    return 0;
}
