// Feeds arbitrary bytes to the document reader. A document that reads must write 383 CR LF lines
// and read back to the same bytes; one that does not read must leave the target as it was; the
// stream readers must agree with the whole-document parser.
#include "DocumentFile.h"
#include "DocumentStreams.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// A target that differs from a fresh document everywhere the reader writes.
const TDuvDocument& Filled() {
    static const TDuvDocument doc = [] {
        TDuvDocument d;
        d.ChannelCount = 4;
        for (auto& line : d.Header)
            line = "header";
        for (auto& prog : d.Progs.Progs) {
            prog.Name = "program";
            prog.Defined = 1;
            prog.ZoneStart = 1;
            prog.ZoneStop = 2;
            for (auto& op : prog.Ops) {
                op.Name = "op";
                op.Channel = 5;
                op.OnTime = 3;
                op.OffTime = 4;
            }
        }
        return d;
    }();
    return doc;
}

bool WellFormed(const std::string& written) {
    std::size_t lines = 0;
    for (std::size_t i = 0; i < written.size(); ++i)
        if (written[i] == '\n') {
            if (i == 0 || written[i - 1] != '\r')
                return false;
            ++lines;
        }
    return lines == DocumentFile::LineCount && !written.empty() && written.back() == '\n';
}

// The same bytes through the stream operators, as the main window reads a document.
bool ReadWithStreams(std::string_view bytes, TDuvDocument& doc) {
    std::istringstream in(std::string(bytes), std::ios::binary);
    std::string first;
    if (!std::getline(in, first))
        return false;
    in >> doc.Header >> doc.Progs;
    return !in.fail();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TDuvDocument doc = Filled();
    const auto error = DocumentFile::Parse(bytes, doc);

    TDuvDocument streamed = Filled();
    const bool streamsRead = ReadWithStreams(bytes, streamed);
    Check(streamsRead == !error);

    if (error) {
        Check(error->Line >= 1 && error->Line <= DocumentFile::LineCount);
        Check(DocumentFile::Serialize(doc) == DocumentFile::Serialize(Filled()));
        return 0;
    }
    const std::string written = DocumentFile::Serialize(doc);
    Check(WellFormed(written));
    streamed.ChannelCount = doc.ChannelCount;
    Check(DocumentFile::Serialize(streamed) == written);

    TDuvDocument again;
    Check(!DocumentFile::Parse(written, again));
    Check(DocumentFile::Serialize(again) == written);
    return 0;
}
