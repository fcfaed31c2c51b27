// libFuzzer target for the skin reader in every filter. The first byte picks the way in:
//   0: the bytes as a stored skin (signature, else the default filter)
//   1-4: the bytes as the body of filter 1-4 (compressed here first where the filter inflates)
//   5: the bytes as a Windows bitmap file
// A skin that reads is written again and must read back to the same objects.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "fuzz/fuzz_budget.h"
#include "skin/bytes/bmp_reader.h"
#include "skin/bytes/skin_error.h"
#include "skin/bytes/zlib_codec.h"
#include "skin/model/skin_object_io.h"
#include "skin/stored/skin_source.h"
#include "toolkit/components/stream_errors.h"

namespace {

using namespace tolsy;

Bytes records(const TSeSkinSource& s) {
    ByteWriter w;
    for (const auto& root : s.objects) write_object_record(w, *root, RecordForm::kBinary);
    return w.take();
}

void round_trip(const TSeSkinSource& first) {
    const Bytes stored = first.write(uncompressed_filter());
    TSeSkinSource second;
    ByteReader in(stored);
    second.read(in);  // must not throw: what was read can be written and read again
    if (records(first) != records(second) || first.bitmaps.size() != second.bitmaps.size())
        std::abort();
}

void read_skin(std::span<const std::uint8_t> data, int mode) {
    TSeSkinSource source;
    if (mode == 0) {
        set_default_skin_filter(compressed_filter());
        ByteReader in(data);
        source.read(in);
    } else {
        const TSeSkinFilter& filter = skin_filters()[static_cast<std::size_t>(mode - 1)];
        const Bytes stored = encode_skin_body(filter, data);
        ByteReader in(stored);
        source.read(in);
    }
    round_trip(source);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::BudgetCheck check(size);
    if (size == 0) return 0;
    const int mode = data[0] % 6;
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    try {
        if (mode == 5)
            decode_bmp(rest);
        else
            read_skin(rest, mode);
    } catch (const SkinError&) {
    } catch (const StreamError&) {
    }
    return 0;
}
