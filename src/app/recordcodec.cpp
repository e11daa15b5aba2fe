#include "app/recordcodec.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "app/ansi.h"
#include "app/textutil.h"

namespace fpw::app {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the file formats are little-endian and the codec copies values directly");

template <typename T> void encode(std::string& out, T value) {
    char raw[sizeof(T)];
    std::memcpy(raw, &value, sizeof(T));
    out.append(raw, sizeof(T));
}

constexpr std::size_t kMaxCountedString = std::numeric_limits<std::uint16_t>::max();

} // namespace

void RecordReader::pastEnd() {
    throw ReadError(std::string(kInputPastEndText));
}

void RecordReader::unsupportedDimensions() {
    throw ReadError("Unsupported array dimensions");
}

std::string RecordReader::string() {
    return ansiAsUtf8(stringBytes());
}

void RecordReader::string(std::string& out) {
    assignAnsiAsUtf8(out, stringBytes());
}

std::string RecordReader::fixedText(std::size_t width) {
    return ansiToUtf8(take(width));
}
std::string RecordReader::header(std::size_t width) {
    return std::string(trimBlanks(fixedText(width)));
}
std::string RecordReader::rawBytes(std::size_t count) {
    return std::string(take(count));
}

std::size_t RecordReader::checkedCount(std::int64_t count, std::size_t minRecordBytes) {
    if (count < 0) {
        throw ReadError("Bad record count");
    }
    const auto records = static_cast<std::uint64_t>(count);
    if (minRecordBytes > 0 && records > remaining() / minRecordBytes) {
        throw ReadError("Record count exceeds the file");
    }
    return static_cast<std::size_t>(records);
}

std::vector<std::int16_t> RecordReader::integerArray(std::int32_t* lowerBound) {
    const std::size_t count = arrayHead(2, lowerBound);
    std::vector<std::int16_t> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        values.push_back(integer());
    }
    return values;
}

std::vector<std::string> RecordReader::stringArray(std::int32_t* lowerBound) {
    const std::size_t count = arrayHead(2, lowerBound);
    std::vector<std::string> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        values.push_back(string());
    }
    return values;
}

std::size_t RecordReader::lastIndexPrefix(std::size_t minRecordBytes) {
    const std::int16_t lastIndex = integer();
    if (lastIndex < -1) {
        throw ReadError("Bad record count");
    }
    return checkedCount(std::int64_t{lastIndex} + 1, minRecordBytes);
}

void RecordWriter::integer(std::int16_t value) {
    encode(bytes_, value);
}
void RecordWriter::boolean(bool value) {
    integer(value ? -1 : 0);
}
void RecordWriter::longValue(std::int32_t value) {
    encode(bytes_, value);
}
void RecordWriter::doubleValue(double value) {
    encode(bytes_, value);
}

void RecordWriter::string(std::string_view utf8) {
    std::string ansi = utf8ToAnsi(utf8);
    // Windows-1252 has one byte per character, so any cut falls on a character boundary.
    ansi.resize(std::min(ansi.size(), kMaxCountedString));
    encode(bytes_, static_cast<std::uint16_t>(ansi.size()));
    bytes_ += ansi;
}

void RecordWriter::fixedText(std::string_view utf8, std::size_t width) {
    std::string ansi = utf8ToAnsi(utf8);
    ansi.resize(width, ' ');
    bytes_ += ansi;
}

void RecordWriter::rawBytes(std::string_view bytes) {
    bytes_.append(bytes);
}

void RecordWriter::arrayHead(std::size_t count, std::int32_t lowerBound) {
    integer(1);
    if (count > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw std::length_error("array too large for the file format");
    }
    longValue(static_cast<std::int32_t>(count));
    longValue(lowerBound);
}

void RecordWriter::integerArray(const std::vector<std::int16_t>& values, std::int32_t lowerBound) {
    if (values.empty()) {
        integer(0);
        return;
    }
    arrayHead(values.size(), lowerBound);
    for (auto value : values) {
        integer(value);
    }
}

void RecordWriter::stringArray(const std::vector<std::string>& values, std::int32_t lowerBound) {
    if (values.empty()) {
        integer(0);
        return;
    }
    arrayHead(values.size(), lowerBound);
    for (const auto& value : values) {
        string(value);
    }
}

void RecordWriter::lastIndexPrefix(std::size_t count) {
    integer(count == 0 ? std::int16_t{-1} : toFileInteger(count - 1));
}

std::int16_t toFileInteger(std::size_t value) {
    if (value > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
        throw std::length_error("value too large for a 16-bit Integer");
    }
    return static_cast<std::int16_t>(value);
}

} // namespace fpw::app
