#include "platform/byte_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/fixed_format.h"

namespace sprig {

namespace {

constexpr std::size_t kBufferSize = 1 << 20;

bool isSpace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

InFile::~InFile() { close(); }

bool InFile::open(const std::string& path)
{
    close();
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return false;
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || S_ISDIR(st.st_mode)) {
        close();
        return false;
    }
    buf_.resize(kBufferSize);
    pos_ = end_ = 0;
    bufStart_ = 0;
    failed_ = false;
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
        n = ::read(fd_, buf_.data() + keep, buf_.size() - keep);
    } while (n < 0 && errno == EINTR);
    if (n < 0) failed_ = true;
    if (n <= 0) return kEof;
    end_ = keep + static_cast<std::size_t>(n);
    return static_cast<unsigned char>(buf_[pos_++]);
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

bool InFile::readLine(std::string& line)
{
    line.clear();
    int c = get();
    if (c == kEof) return false;
    while (c != kEof && c != '\n') {
        line.push_back(static_cast<char>(c));
        c = get();
    }
    return true;
}

OutFile::~OutFile() { close(); }

bool OutFile::open(const std::string& path)
{
    close();
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) return false;
    buf_.resize(kBufferSize);
    pos_ = 0;
    failed_ = false;
    return true;
}

void OutFile::writeDirect(std::string_view s)
{
    while (!s.empty() && !failed_) {
        ssize_t n = ::write(fd_, s.data(), s.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            failed_ = true;
            break;
        }
        s.remove_prefix(static_cast<std::size_t>(n));
    }
}

void OutFile::flush()
{
    if (fd_ >= 0) writeDirect(std::string_view(buf_.data(), pos_));
    pos_ = 0;
}

bool OutFile::close()
{
    if (fd_ < 0) return !failed_;
    flush();
    if (::close(fd_) != 0) failed_ = true;
    fd_ = -1;
    return !failed_;
}

void OutFile::writeFixed(float value)
{
    char text[kFixedTextMax];
    write(std::string_view(text, formatFixed(value, text)));
}

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
