// The binary record encoding shared by every file of the program: little-endian values one
// after another without padding. Text is Windows-1252 in the file and UTF-8 in memory.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fpw::app {

// A file that does not hold what its format promises: read past its end, a negative
// length, a count larger than the rest of the file can hold.
class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a ReadError says when the file ends before the record does; the readers report the
// same text with failure::kInputPastEndOfFile.
inline constexpr std::string_view kInputPastEndText = "Input past end of file";

// Reads values from a byte buffer it does not own. Every read checks the bytes left first
// and throws ReadError instead of reading past the end or allocating for an absurd count.
class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : bytes_(bytes) {}

    // The fixed-size reads are inline: a design file is thousands of them.
    std::int16_t integer() { return fixed<std::int16_t>(); }
    bool boolean() { return integer() != 0; } // any non-zero value is True
    std::int32_t longValue() { return fixed<std::int32_t>(); }
    double doubleValue() { return fixed<double>(); }
    // `N` Integers one after another, in one read: a record's fixed part.
    template <std::size_t N> std::array<std::int16_t, N> integers() {
        std::array<std::int16_t, N> values;
        const std::string_view bytes = take(sizeof values);
        std::memcpy(values.data(), bytes.data(), sizeof values);
        return values;
    }
    // A 16-bit unsigned length, then that many bytes.
    std::string string();
    // The same into `out`, whose storage is reused where the text fits.
    void string(std::string& out);
    // The same record's bytes as the file holds them (Windows-1252), without a copy: for text
    // that is converted only when it is kept.
    std::string_view stringBytes() {
        const auto length = fixed<std::uint16_t>();
        return take(length);
    }
    // `width` bytes of text as they stand, blanks included.
    std::string fixedText(std::size_t width);
    // `width` bytes of text with leading and trailing blanks removed (file headers).
    std::string header(std::size_t width);
    std::string rawBytes(std::size_t count);
    // The next `count` bytes as they stand, without a copy.
    std::string_view take(std::size_t count) {
        if (count > remaining()) {
            pastEnd();
        }
        const std::string_view part(bytes_.data() + position_, count); // checked just above
        position_ += count;
        return part;
    }

    // Dynamic arrays: a 16-bit dimension count (0 = empty, 1 = filled), then an element
    // count and a lower bound (32-bit each), then the elements.
    std::vector<std::int16_t> integerArray(std::int32_t* lowerBound = nullptr);
    std::vector<std::string> stringArray(std::int32_t* lowerBound = nullptr);
    // The array head alone; returns the element count after checking that that many
    // elements of at least `minElementBytes` each fit into the rest of the buffer. Inline:
    // every weapon record of a design file holds one.
    std::size_t arrayHead(std::size_t minElementBytes, std::int32_t* lowerBound = nullptr) {
        const std::int16_t dimensions = integer();
        if (lowerBound != nullptr) {
            *lowerBound = 0;
        }
        if (dimensions == 0) {
            return 0;
        }
        if (dimensions != 1) {
            unsupportedDimensions();
        }
        const std::int32_t count = longValue();
        const std::int32_t bound = longValue();
        if (lowerBound != nullptr) {
            *lowerBound = bound;
        }
        return checkedCount(count, minElementBytes);
    }

    // The highest-index prefix: an Integer n followed by n + 1 records (-1 = none).
    // Returns the record count n + 1 after checking it against the bytes left.
    std::size_t lastIndexPrefix(std::size_t minRecordBytes);
    // A plain count of records that must each take at least `minRecordBytes`.
    std::size_t checkedCount(std::int64_t count, std::size_t minRecordBytes);

    // The bytes not read yet, without reading them: a reader may look ahead at a record's
    // layout before choosing how to read it.
    std::string_view unread() const { return {bytes_.data() + position_, remaining()}; }

    std::size_t position() const { return position_; }
    std::size_t remaining() const { return bytes_.size() - position_; }
    bool atEnd() const { return position_ == bytes_.size(); }

private:
    [[noreturn]] static void pastEnd();
    [[noreturn]] static void unsupportedDimensions();

    // The file's bytes as they stand: the formats are little-endian like the machine.
    template <typename T> T fixed() {
        if (sizeof(T) > remaining()) {
            pastEnd();
        }
        T value;
        std::memcpy(&value, bytes_.data() + position_, sizeof(T));
        position_ += sizeof(T);
        return value;
    }

    std::string_view bytes_;
    std::size_t position_ = 0;
};

// Appends values to a byte buffer in the same encoding.
class RecordWriter {
public:
    void integer(std::int16_t value);
    void boolean(bool value); // True is written as -1
    void longValue(std::int32_t value);
    void doubleValue(double value);
    // Texts longer than 65,535 bytes in the file are cut there.
    void string(std::string_view utf8);
    // Cut or blank-padded to exactly `width` bytes.
    void fixedText(std::string_view utf8, std::size_t width);
    void rawBytes(std::string_view bytes);

    // An empty array is written with dimension count 0, as the program always has.
    void integerArray(const std::vector<std::int16_t>& values, std::int32_t lowerBound = 0);
    void stringArray(const std::vector<std::string>& values, std::int32_t lowerBound = 0);
    // A one-dimensional array head, also for zero elements.
    void arrayHead(std::size_t count, std::int32_t lowerBound = 0);
    // The highest-index prefix for `count` records.
    void lastIndexPrefix(std::size_t count);

    const std::string& bytes() const { return bytes_; }
    std::string release() { return std::move(bytes_); }

private:
    std::string bytes_;
};

// Narrowing a count or size to the file's 16-bit Integer; throws std::length_error when the
// value does not fit, so a writer never stores a wrapped number.
std::int16_t toFileInteger(std::size_t value);

} // namespace fpw::app
