#include "platform/byte_file.h"

#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/fixed_format.h"

namespace sprig {

namespace {

// A buffer is filled before it is read, so it is never cleared.
void allocate(std::unique_ptr<char[]>& buffer)
{
    if (!buffer) buffer = std::make_unique_for_overwrite<char[]>(kFileBufferSize);
}

FileFailure systemFailure(const std::string& path, int error) { return {path, std::strerror(error)}; }

bool isSpace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Creates a new file beside `path` that no one else has, named after it so
// that a file left by a killed process shows what it was meant to be.
int createPartFile(const std::string& path, std::string& partPath)
{
    static std::atomic<unsigned> serial{0};
    for (;;) {
        partPath = path + ".part-" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
        const int fd = ::open(partPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
}

}  // namespace

InFile::~InFile() { close(); }

bool InFile::open(const std::string& path)
{
    close();
    failed_ = false;
    failure_.reset();
    // Non-blocking, so that opening a FIFO cannot wait for a writer.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        failure_ = systemFailure(path, errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        failure_ = FileFailure{path, "not a regular file"};
        close();
        return false;
    }
    path_ = path;
    allocate(buf_);
    pos_ = end_ = 0;
    bufStart_ = 0;
    return true;
}

void InFile::close()
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

int InFile::refillAndGet()
{
    if (fd_ < 0) return kEof;
    // Keep the last byte so that one push-back stays possible after a refill.
    std::size_t keep = end_ > 0 ? 1 : 0;
    if (keep) buf_[0] = buf_[end_ - 1];
    bufStart_ += end_ - keep;
    pos_ = end_ = keep;
    ssize_t n;
    do {
        n = ::read(fd_, buf_.get() + keep, kFileBufferSize - keep);
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        failed_ = true;
        failure_ = systemFailure(path_, errno);
    }
    if (n <= 0) return kEof;
    end_ = keep + static_cast<std::size_t>(n);
    return static_cast<unsigned char>(buf_[pos_++]);
}

std::string_view InFile::readChunk()
{
    if (pos_ == end_) {
        if (refillAndGet() == kEof) return {};
        --pos_;
    }
    const std::string_view chunk(buf_.get() + pos_, end_ - pos_);
    pos_ = end_;
    return chunk;
}

bool InFile::seek(std::uint64_t offset)
{
    if (fd_ < 0) return false;
    if (offset >= bufStart_ && offset <= bufStart_ + end_) {
        pos_ = static_cast<std::size_t>(offset - bufStart_);
        return true;
    }
    if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) return false;
    bufStart_ = offset;
    pos_ = end_ = 0;
    return true;
}

bool InFile::readHeaderWord(std::string& word)
{
    word.clear();
    int c = get();
    while (c != kEof && isSpace(c)) c = get();
    if (c == kEof) return false;
    while (c != kEof && !isSpace(c)) {
        word.push_back(static_cast<char>(c));
        c = get();
    }
    while (c != kEof && c != '\n') c = get();
    return true;
}

bool OutFile::open(const std::string& path)
{
    discard();
    failure_.reset();
    fd_ = createPartFile(path, partPath_);
    if (fd_ < 0) {
        failure_ = systemFailure(path, errno);
        return false;
    }
    path_ = path;
    allocate(buf_);
    pos_ = 0;
    return true;
}

void OutFile::writeDirect(std::string_view s)
{
    while (!s.empty() && !failed()) {
        ssize_t n = ::write(fd_, s.data(), s.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            fail(n < 0 ? errno : ENOSPC);
            break;
        }
        s.remove_prefix(static_cast<std::size_t>(n));
    }
}

void OutFile::flush()
{
    if (fd_ >= 0) writeDirect(std::string_view(buf_.get(), pos_));
    pos_ = 0;
}

void OutFile::overwrite(std::uint64_t offset, std::string_view bytes)
{
    flush();
    if (fd_ < 0 || failed()) return;
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd_, bytes.data(), bytes.size(), static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fail(n < 0 ? errno : ENOSPC);
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += static_cast<std::uint64_t>(n);
    }
}

void OutFile::fail(int error)
{
    if (!failed()) failure_ = systemFailure(path_, error);
}

bool OutFile::close()
{
    if (fd_ < 0) return !failed();
    flush();
    if (::close(fd_) != 0) fail(errno);
    fd_ = -1;
    if (!failed() && std::rename(partPath_.c_str(), path_.c_str()) != 0) fail(errno);
    if (failed()) ::unlink(partPath_.c_str());
    return !failed();
}

bool OutFile::flushed()
{
    flush();
    return !failed();
}

void OutFile::discard()
{
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
    ::unlink(partPath_.c_str());
}

// Below 10^9 the value times 10^6 is exact in a double (the 24 bits of the
// float times the 14 of 15625, 10^6 being 15625 * 2^6), so rounding it to an
// integer, ties to even, gives the six decimals of "%f" at once. Below 2^52,
// adding and taking away 2^52 rounds a double so.
void OutFile::writeFixed(float value)
{
    if (!(std::fabs(value) < 1e9f)) {
        char text[kFixedTextMax];
        write(std::string_view(text, formatFixed(value, text)));
        return;
    }
    constexpr std::size_t kLongest = 18;  // "-999999999.999999"
    if (kFileBufferSize - pos_ < kLongest) flush();
    char* out = buf_.get() + pos_;
    if (std::signbit(value)) *out++ = '-';
    constexpr double kRound = 4503599627370496.0;  // 2^52
    const double scaled = std::fabs(static_cast<double>(value)) * 1e6 + kRound;
    const auto millionths = static_cast<std::uint64_t>(scaled - kRound);
    char digits[10];
    int n = 0;
    for (auto whole = static_cast<std::uint32_t>(millionths / 1000000); n == 0 || whole > 0; whole /= 10)
        digits[n++] = static_cast<char>('0' + whole % 10);
    while (n > 0) *out++ = digits[--n];
    *out++ = '.';
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                     "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                     "8081828384858687888990919293949596979899";
    const auto fraction = static_cast<std::uint32_t>(millionths % 1000000);
    std::memcpy(out, kPairs + 2 * (fraction / 10000), 2);
    std::memcpy(out + 2, kPairs + 2 * (fraction / 100 % 100), 2);
    std::memcpy(out + 4, kPairs + 2 * (fraction % 100), 2);
    pos_ = static_cast<std::size_t>(out + 6 - buf_.get());
}

Result ioError(const InFile& in, const OutFile& out) { return {kIoError, in.failure() ? in.failure() : out.failure()}; }

Result closed(OutFile& out, int failureCode) { return out.close() ? Result() : Result{failureCode, out.failure()}; }

bool fileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool removeFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

std::int64_t fileSize(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return -1;
    return static_cast<std::int64_t>(st.st_size);
}

}  // namespace sprig
