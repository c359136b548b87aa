// The reader's stream from any bytes: DbError or the tables, the same whether the bytes arrive at
// once or in small pieces; what was decoded, written again, decodes to the same. And the file
// name's hexadecimal form goes both ways.
#include <optional>
#include <string>

#include "FuzzInput.h"
#include "db/AccessStream.h"

using namespace access_detail;

namespace {

// Writes what it receives as a stream again, so two decodings can be compared byte for byte.
class RewritingSink : public TableSink {
  public:
    void beginTable(const std::string& name, const std::vector<ColumnDef>& columns) override {
        writer.beginTable(name, columns);
    }
    void addRow(const std::vector<DbValue>& row) override { writer.addRow(row); }
    void endTable() override { writer.endTable(); }

    StreamWriter writer;
};

// The tables decoded, written as a stream again; nullopt when the stream was refused.
std::optional<std::string> Decode(std::string_view bytes, std::size_t piece) {
    RewritingSink sink;
    StreamDecoder decoder(sink, 1u << 20);
    try {
        for (std::size_t at = 0; at < bytes.size(); at += piece)
            decoder.feed(bytes.substr(at, piece));
        decoder.finish();
    } catch (const DbError&) {
        return std::nullopt;
    }
    sink.writer.done();
    return sink.writer.buffer();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = AsText(data, size);
    FUZZ_CHECK(FromHex(ToHex(input)) == std::string(input));
    FromHex(input);
    if (input.empty()) return 0;

    const std::size_t piece = static_cast<unsigned char>(input[0]) % 64 + 1;
    const std::string_view stream = input.substr(1);
    const auto whole = Decode(stream, stream.size() + 1);
    FUZZ_CHECK(Decode(stream, piece) == whole);
    if (whole) FUZZ_CHECK(Decode(*whole, whole->size() + 1) == whole);
    return 0;
}
