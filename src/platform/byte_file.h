#pragma once
// Buffered byte streams over a file descriptor, with one-byte push-back and
// repositioning. String files are streamed through these one byte at a time,
// so get() and put() are inline and touch the kernel only once per buffer.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace sprig {

inline constexpr int kEof = -1;
inline constexpr std::size_t kFileBufferSize = 1 << 20;

class InFile {
public:
    InFile() = default;
    explicit InFile(const std::string& path) { open(path); }
    ~InFile();
    InFile(const InFile&) = delete;
    InFile& operator=(const InFile&) = delete;

    // Opens a regular file only: anything else (a FIFO, a device, a
    // folder) could block or never end, so it is refused at once.
    bool open(const std::string& path);
    bool isOpen() const { return fd_ >= 0; }
    void close();

    // Next byte (0 .. 255) or kEof; a read error also ends the stream and
    // sets failed().
    int get()
    {
        if (pos_ < end_) return static_cast<unsigned char>(buf_[pos_++]);
        return refillAndGet();
    }
    // Pushes back the byte just read; false when nothing can be pushed back.
    bool unget()
    {
        if (pos_ == 0) return false;
        --pos_;
        return true;
    }
    // The bytes from the read position to the end of the buffer, reading
    // more when none are left; empty at the end of the file or on a read
    // error. The read position moves past them.
    std::string_view readChunk();
    // The bytes from the read position to the end of the buffer, without
    // reading more; skip(n) then moves the read position past n of them.
    std::string_view buffered() const { return {buf_.get() + pos_, end_ - pos_}; }
    void skip(std::size_t n) { pos_ += n; }
    // Absolute offset of the next byte get() returns.
    std::uint64_t tell() const { return bufStart_ + pos_; }
    bool seek(std::uint64_t offset);
    // A read error has ended the stream.
    bool failed() const { return failed_; }
    // Why the file could not be opened or read, once it could not.
    const std::optional<FileFailure>& failure() const { return failure_; }

    // Reads a whitespace-delimited word, then the rest of its line including
    // the newline. False when the stream ends before any word byte.
    bool readHeaderWord(std::string& word);

private:
    int refillAndGet();

    std::string path_;
    int fd_ = -1;
    std::unique_ptr<char[]> buf_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    std::uint64_t bufStart_ = 0;
    bool failed_ = false;
    std::optional<FileFailure> failure_;
};

// A file written whole or not at all: the bytes go to a new file beside the
// target, which replaces the target (a link at that name too, not what it
// points to) only when close() finds every write done. Until then, and for
// ever if the writer fails, stops or is unwound, the old file stays as it was.
class OutFile {
public:
    OutFile() = default;
    explicit OutFile(const std::string& path) { open(path); }
    // Discards what was written unless close() put it in place.
    ~OutFile() { discard(); }
    OutFile(const OutFile&) = delete;
    OutFile& operator=(const OutFile&) = delete;

    bool open(const std::string& path);
    bool isOpen() const { return fd_ >= 0; }
    // Flushes, closes and puts the file in place under its name; false, with
    // the old file left as it was, when any write failed.
    bool close();
    // Writes out what is buffered; false when any write so far failed. A
    // caller putting two files in place learns so of a full disk before
    // either replaces its old file.
    bool flushed();
    // Closes and deletes what was written; the target stays as it was.
    void discard();

    void put(char c)
    {
        if (pos_ == kFileBufferSize) flush();
        buf_[pos_++] = c;
    }
    void write(std::string_view s)
    {
        if (kFileBufferSize - pos_ < s.size()) {
            flush();
            if (s.size() > kFileBufferSize) {
                writeDirect(s);
                return;
            }
        }
        s.copy(buf_.get() + pos_, s.size());
        pos_ += s.size();
    }
    // Room for writing in place: at least n bytes (n at most
    // kFileBufferSize) from the write position, flushing first when there is
    // less. Bytes written there count once commit() is given their end.
    char* reserve(std::size_t n, std::size_t& room)
    {
        if (kFileBufferSize - pos_ < n) flush();
        room = kFileBufferSize - pos_;
        return buf_.get() + pos_;
    }
    void commit(const char* end) { pos_ = static_cast<std::size_t>(end - buf_.get()); }
    // Writes bytes over ones already written from offset on, as when a
    // header gets the counts known only at the end.
    void overwrite(std::uint64_t offset, std::string_view bytes);
    // Writes a value as printf's "%f" would (six decimals).
    void writeFixed(float value);
    bool failed() const { return failure_.has_value(); }
    // Why the file could not be made or written, once it could not.
    const std::optional<FileFailure>& failure() const { return failure_; }

private:
    void flush();
    void writeDirect(std::string_view s);
    void fail(int error);

    std::string path_;
    std::string partPath_;
    int fd_ = -1;
    std::unique_ptr<char[]> buf_;
    std::size_t pos_ = 0;
    std::optional<FileFailure> failure_;
};

// kIoError explained by whichever of the two files failed, the input first.
Result ioError(const InFile& in, const OutFile& out);
// Closes the file (see OutFile::close()): kDone, or the code given, with
// the reason, when it could not be put in place.
Result closed(OutFile& out, int failureCode = kIoError);

bool fileExists(const std::string& path);
bool removeFile(const std::string& path);
// Size in bytes, or -1 when the file cannot be examined.
std::int64_t fileSize(const std::string& path);

}  // namespace sprig
