#include "oil/table_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <new>

#include "core/constants.h"
#include "core/file_replace.h"

namespace ormix {

namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsScanBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Length of the decimal number at the start of `s` ([sign] digits [. digits]
// [exponent]); 0 when `s` does not begin with one.
size_t NumberPrefix(std::string_view s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && IsDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

}  // namespace

double RoundToDecimals(double v, int decimals) {
    double p = std::pow(10.0, decimals);
    return std::floor(v * p + 0.5) / p;
}

double ParseTableNumber(std::string_view text, int decimals) {
    size_t start = 0;
    while (start < text.size() && IsScanBlank(text[start]))
        ++start;
    text.remove_prefix(start);
    size_t n = NumberPrefix(text);
    if (n == 0) return NoData;
    char small[64];
    std::string large;
    const char* s;
    if (n < sizeof small) {
        text.copy(small, n);
        small[n] = '\0';
        s = small;
    } else {
        large.assign(text.substr(0, n));
        s = large.c_str();
    }
    // Library numbers are single-precision values.
    float f = std::strtof(s, nullptr);
    if (!std::isfinite(f) || f == -999.0f) return NoData;
    double v = RoundToDecimals(static_cast<double>(f), decimals);
    return std::isfinite(v) ? v : NoData;
}

std::string FormatTableNumber(double value, int decimals) {
    if (value == NoData || !std::isfinite(value)) return {};
    double v = RoundToDecimals(value, decimals);
    if (!std::isfinite(v)) return {};
    if (v == 0.0) v = 0.0;  // no "-0.00"
    int size = std::snprintf(nullptr, 0, "%.*f", decimals, v);
    std::string out(static_cast<size_t>(size), '\0');
    std::snprintf(out.data(), out.size() + 1, "%.*f", decimals, v);
    return out;
}

TableFile::TableFile(std::string path, const char* const* names, int nameCount, int fieldCount)
    : path_(std::move(path)),
      names_(names, names + nameCount),
      fieldCount_(fieldCount),
      columnOf_(static_cast<size_t>(fieldCount) + 1, -1),
      columns_(kMaxFields) {
    line_.reserve(kLineBufferSize);
    ResetColumnMap();
}

TableFile::~TableFile() {
    Close();
}

int TableFile::Open(bool readOnly, long position) {
    Close();
    // Opened without blocking (a pipe named like the library must not hang
    // the program); only a regular file is read or written.
    int fd = ::open(path_.c_str(), (readOnly ? O_RDONLY : O_RDWR) | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        problem_ = path_ + ": cannot open the file (" + SystemErrorText(err) + ")";
        return err == ENOENT ? kTableNotFound : kTableEnd;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        problem_ = path_ + " is not a regular file (a folder, a pipe or a device)";
        return kTableEnd;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file_ = ::fdopen(fd, readOnly ? "rb" : "r+b");
    if (!file_) {
        problem_ = path_ + ": cannot open the file (" + SystemErrorText(errno) + ")";
        ::close(fd);
        return kTableEnd;
    }
    readOnly_ = readOnly;
    writeFailed_ = false;
    if (!readBuffer_) {
        readBuffer_.reset(new (std::nothrow) char[kReadBufferSize]);
        if (!readBuffer_) {
            Close();
            return kTableNoMemory;
        }
    }
    bufferPos_ = bufferLen_ = 0;
    int rc = 0;
    if (position > 0)
        rc = ::fseeko(file_, position, SEEK_SET);
    else if (position < 0)
        rc = ::fseeko(file_, 0, SEEK_END);
    if (rc != 0) {
        Close();
        return kTableEnd;
    }
    position_ = static_cast<long>(::ftello(file_));
    lineNumber_ = position_ == 0 ? 0 : -1;
    return kTableOk;
}

int TableFile::BeginReplace() {
    Close();
    try {
        replacement_ = std::make_unique<FileReplacement>();
        std::string why;
        if (!replacement_->Begin(path_, why)) {
            replacement_.reset();
            problem_ = path_ + ": " + why;
            return kTableEnd;
        }
    } catch (const std::bad_alloc&) {
        replacement_.reset();
        return kTableNoMemory;
    }
    file_ = replacement_->Stream();
    readOnly_ = false;
    writeFailed_ = false;
    bufferPos_ = bufferLen_ = 0;
    position_ = 0;
    lineNumber_ = -1;
    return kTableOk;
}

int TableFile::CommitReplace() {
    if (!replacement_) return kTableLineTooLong;
    file_ = nullptr;
    std::string why;
    bool ok = replacement_->Commit(why);
    replacement_.reset();
    writeFailed_ = false;
    if (ok) return kTableOk;
    problem_ = path_ + ": " + why;
    return kTableEnd;
}

void TableFile::NoteWriteError(int err) {
    writeFailed_ = true;
    if (replacement_) replacement_->NoteWriteError(err);
    problem_ = path_ + ": the file could not be written (" + SystemErrorText(err) + ")";
}

int TableFile::Close() {
    if (replacement_) {  // a new version never finished: dropped
        replacement_->Abandon();
        replacement_.reset();
        file_ = nullptr;
        writeFailed_ = false;
        bufferPos_ = bufferLen_ = 0;
        return kTableOk;
    }
    if (!file_) return kTableOk;
    int rc = kTableOk;
    if (std::fflush(file_) != 0) rc = kTableEnd;
    if (std::fclose(file_) != 0) rc = kTableEnd;
    if (writeFailed_) rc = kTableEnd;
    file_ = nullptr;
    writeFailed_ = false;
    bufferPos_ = bufferLen_ = 0;
    return rc;
}

int TableFile::Sync() {
    if (!file_) return kTableLineTooLong;
    if (std::fflush(file_) != 0 || ::fsync(::fileno(file_)) != 0) {
        writeFailed_ = true;
        return kTableEnd;
    }
    return writeFailed_ ? kTableEnd : kTableOk;
}

int TableFile::Remove() {
    Close();
    if (std::remove(path_.c_str()) == 0) return kTableOk;
    return errno == ENOENT ? kTableNotFound : kTableEnd;
}

int TableFile::Fill() {
    bufferPos_ = 0;
    bufferLen_ = static_cast<int>(std::fread(readBuffer_.get(), 1, kReadBufferSize, file_));
    if (bufferLen_ > 0) return 1;
    if (!std::ferror(file_)) return 0;
    problem_ = path_ + ": cannot read the file (" + SystemErrorText(errno) + ")";
    return kTableEnd;
}

int TableFile::ReadLine(bool split) {
    atEnd_ = false;
    if (!file_) return kTableLineTooLong;
    line_.clear();
    const char* buf = readBuffer_.get();
    int endLength = 0;
    for (;;) {
        if (bufferPos_ == bufferLen_) {
            int r = Fill();
            if (r < 0) return r;
            if (r == 0) break;  // the end of the file ends the line
        }
        int q = bufferPos_;
        while (q < bufferLen_ && !IsLineEnd(buf[q]))
            ++q;
        size_t take = static_cast<size_t>(q - bufferPos_);
        // The line with its first end character must fit in 4095 characters.
        if (line_.size() + take > static_cast<size_t>(kMaxLineLength - 1)) {
            std::string where = lineNumber_ >= 0
                                    ? ", line " + std::to_string(lineNumber_ + 1)
                                    : ", the line at byte " + std::to_string(position_);
            problem_ = path_ + where + ": longer than " + std::to_string(kMaxLineLength) +
                       " characters, the most a line of the file may hold";
            return kTableLineTooLong;
        }
        line_.append(buf + bufferPos_, take);
        bufferPos_ = q;
        if (q < bufferLen_) {
            ++bufferPos_;
            endLength = 1;
            // A second CR or LF belongs to the same line end.
            if (bufferPos_ == bufferLen_ && Fill() < 0) return kTableEnd;
            if (bufferPos_ < bufferLen_ && IsLineEnd(buf[bufferPos_])) {
                ++bufferPos_;
                endLength = 2;
            }
            break;
        }
    }
    if (endLength == 0 && line_.empty()) {
        atEnd_ = true;
        return kTableEnd;
    }
    linePosition_ = position_;
    if (lineNumber_ >= 0) ++lineNumber_;
    lineLength_ = static_cast<int>(line_.size()) + endLength;
    position_ += lineLength_;
    if (split) Split();
    return kTableOk;
}

void TableFile::Split() {
    columnCount_ = 0;
    if (line_.empty()) return;
    size_t start = 0;
    for (;;) {
        size_t tab = line_.find('\t', start);
        size_t end = tab == std::string::npos ? line_.size() : tab;
        columns_[static_cast<size_t>(columnCount_++)].assign(line_, start, end - start);
        if (tab == std::string::npos || columnCount_ == kMaxFields) break;
        start = tab + 1;
    }
}

std::string TableFile::JoinedLine() const {
    std::string out;
    for (int c = 0; c < columnCount_; ++c) {
        if (c > 0) out += '\t';
        out += columns_[static_cast<size_t>(c)];
    }
    return out;
}

int TableFile::WriteLine() {
    std::string out = JoinedLine();
    if (out.size() > static_cast<size_t>(kMaxLineLength - 1)) out.resize(kMaxLineLength - 1);
    out += '\n';
    return WriteText(out);
}

int TableFile::WriteText(std::string_view out) {
    if (!file_) return kTableLineTooLong;
    if (readOnly_) return kTableEnd;
    if (bufferLen_ > 0) {  // drop what was read ahead before writing here
        if (::fseeko(file_, position_, SEEK_SET) != 0) return kTableEnd;
        bufferPos_ = bufferLen_ = 0;
    }
    if (std::fwrite(out.data(), 1, out.size(), file_) != out.size()) {
        NoteWriteError(errno);
        return kTableEnd;
    }
    position_ += static_cast<long>(out.size());
    return kTableOk;
}

int TableFile::ReadRecordAt(long position) {
    int rc = Open(true, position);
    if (rc != kTableOk) return rc;
    rc = ReadLine(true);
    Close();
    return rc;
}

int TableFile::ReadHeader(int n) {
    int rc = Open(true, 0);
    if (rc != kTableOk) return rc;
    for (int i = 1; i <= n && rc == kTableOk; ++i)
        rc = ReadLine(i == n);
    Close();
    if (rc == kTableOk) BuildColumnMap();
    return rc;
}

int TableFile::CopyRange(TableFile& target, long from, long to) {
    if (!target.file_ || target.readOnly_) return kTableLineTooLong;
    if (to >= 0 && to < from) return kTableEnd;
    int rc = Open(true, from);
    if (rc != kTableOk) return rc;
    if (target.bufferLen_ > 0) {
        if (::fseeko(target.file_, target.position_, SEEK_SET) != 0) {
            Close();
            return kTableEnd;
        }
        target.bufferPos_ = target.bufferLen_ = 0;
    }
    long left = to < 0 ? -1 : to - position_;
    while (left != 0) {
        size_t want = kReadBufferSize;
        if (left > 0 && static_cast<long>(want) > left) want = static_cast<size_t>(left);
        size_t got = std::fread(readBuffer_.get(), 1, want, file_);
        if (got == 0) {
            // Stopping short of the asked end, or a read error, is a failure.
            rc = (std::ferror(file_) || left > 0) ? kTableEnd : kTableOk;
            break;
        }
        if (std::fwrite(readBuffer_.get(), 1, got, target.file_) != got) {
            target.NoteWriteError(errno);
            rc = kTableEnd;
            break;
        }
        target.position_ += static_cast<long>(got);
        position_ += static_cast<long>(got);
        if (left > 0) left -= static_cast<long>(got);
    }
    Close();
    return rc;
}

void TableFile::BuildColumnMap() {
    for (int n = 1; n <= fieldCount_; ++n) {
        int found = -1;
        if (n <= static_cast<int>(names_.size())) {
            const std::string& name = names_[static_cast<size_t>(n - 1)];
            for (int c = 0; c < columnCount_ && found < 0; ++c)
                if (columns_[static_cast<size_t>(c)] == name) found = c;
        }
        columnOf_[static_cast<size_t>(n)] = found;
    }
}

void TableFile::ResetColumnMap() {
    for (int n = 1; n <= fieldCount_; ++n)
        columnOf_[static_cast<size_t>(n)] = n - 1 < kMaxFields ? n - 1 : -1;
}

int TableFile::ColumnOf(int n) const {
    if (n < 1 || n > fieldCount_) return -1;
    return columnOf_[static_cast<size_t>(n)];
}

std::string_view TableFile::Column(int c) const {
    if (c < 0 || c >= columnCount_) return {};
    return columns_[static_cast<size_t>(c)];
}

bool TableFile::HasNonEmptyColumn() const {
    for (int c = 0; c < columnCount_; ++c)
        if (!columns_[static_cast<size_t>(c)].empty()) return true;
    return false;
}

std::string_view TableFile::FieldText(int n) const {
    return Column(ColumnOf(n));
}

double TableFile::FieldNumber(int n, int decimals) const {
    return ParseTableNumber(FieldText(n), decimals);
}

bool TableFile::IsFieldEmpty(int n) const {
    return FieldText(n).empty();
}

void TableFile::SetFieldText(int n, std::string_view text) {
    int c = ColumnOf(n);
    if (c < 0 || c >= kMaxFields) return;
    while (columnCount_ <= c)
        columns_[static_cast<size_t>(columnCount_++)].clear();
    std::string& field = columns_[static_cast<size_t>(c)];
    field.assign(text);
    for (char& ch : field)
        if (ch == '\t' || IsLineEnd(ch)) ch = ' ';
}

void TableFile::SetFieldNumber(int n, double value, int decimals) {
    SetFieldText(n, FormatTableNumber(value, decimals));
}

void TableFile::ClearFields() {
    columnCount_ = 0;
}

}  // namespace ormix
