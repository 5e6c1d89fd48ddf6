#pragma once

// Documents and line helpers shared by the document file and stream tests.

#include "Cp1251Literal.h"
#include "DocumentFile.h"
#include "DocumentStreams.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace DocumentSamples {

// A new document whose only defined program is the main one, as the workstation saves it first.
inline TDuvDocument FreshDocument() {
    TDuvDocument doc;
    doc.Progs.Prog(TDuvProgs::Main).Defined = 1;
    return doc;
}

// Every field differs from the defaults, so a reader that touches anything shows.
inline TDuvDocument FilledDocument() {
    TDuvDocument doc;
    doc.ChannelCount = 4;
    for (std::size_t i = 0; i < doc.Header.size(); ++i)
        doc.Header[i] = Cp1251Literal("Заголовок ") + std::to_string(i);
    for (int s = 0; s < TDuvProgs::ProgCount; ++s) {
        TDuvProg& prog = doc.Progs.Prog(s);
        prog.Name = Cp1251Literal("Программа ") + std::to_string(s);
        prog.Defined = 1;
        prog.ZoneStart = static_cast<std::uint16_t>(100 * s);
        prog.ZoneStop = static_cast<std::uint16_t>(100 * s + 50);
        for (int i = 0; i < TDuvProg::OpCount; ++i) {
            TDuvRec& op = prog.Op(i);
            op.Name = Cp1251Literal("Операция ") + std::to_string(s) + "." + std::to_string(i);
            op.Channel = i % 4 + 1;
            op.OnTime = static_cast<std::uint16_t>(10 * i + s);
            op.OffTime = static_cast<std::uint16_t>(10 * i + s + 7);
        }
    }
    return doc;
}

// Lines of a text whose every line ends with CR LF; a line end of any other kind fails the test.
inline std::vector<std::string> CrLfLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const auto end = bytes.find("\r\n");
        if (end == std::string_view::npos) {
            ADD_FAILURE() << "text does not end with CR LF";
            break;
        }
        const std::string line(bytes.substr(0, end));
        EXPECT_EQ(line.find('\n'), std::string::npos) << "bare LF in: " << line;
        lines.push_back(line);
        bytes.remove_prefix(end + 2);
    }
    return lines;
}

// The first count lines, each followed by eol.
inline std::string Join(const std::vector<std::string>& lines, std::size_t count,
                        std::string_view eol = "\r\n") {
    std::string out;
    for (std::size_t i = 0; i < count && i < lines.size(); ++i)
        (out += lines[i]) += eol;
    return out;
}

inline std::string Join(const std::vector<std::string>& lines, std::string_view eol = "\r\n") {
    return Join(lines, lines.size(), eol);
}

template <typename T> std::string Written(const T& value) {
    std::ostringstream out(std::ios::binary);
    out << value;
    return std::move(out).str();
}

// Field by field, so a failure names what differs.
inline void ExpectSameDocument(const TDuvDocument& actual, const TDuvDocument& expected) {
    EXPECT_EQ(actual.ChannelCount, expected.ChannelCount);
    for (std::size_t i = 0; i < expected.Header.size(); ++i)
        EXPECT_EQ(actual.Header[i], expected.Header[i]) << "header line " << i;
    for (int s = 0; s < TDuvProgs::ProgCount; ++s) {
        SCOPED_TRACE(::testing::Message() << "program " << s);
        const TDuvProg& a = actual.Progs.Prog(s);
        const TDuvProg& e = expected.Progs.Prog(s);
        EXPECT_EQ(a.Kind, e.Kind);
        EXPECT_EQ(a.Name, e.Name);
        EXPECT_EQ(a.Defined, e.Defined);
        EXPECT_EQ(a.ZoneStart.Value(), e.ZoneStart.Value());
        EXPECT_EQ(a.ZoneStop.Value(), e.ZoneStop.Value());
        for (int i = 0; i < TDuvProg::OpCount; ++i) {
            SCOPED_TRACE(::testing::Message() << "operation " << i);
            EXPECT_EQ(a.Op(i).Name, e.Op(i).Name);
            EXPECT_EQ(a.Op(i).Channel, e.Op(i).Channel);
            EXPECT_EQ(a.Op(i).OnTime.Value(), e.Op(i).OnTime.Value());
            EXPECT_EQ(a.Op(i).OffTime.Value(), e.Op(i).OffTime.Value());
        }
    }
}

} // namespace DocumentSamples
