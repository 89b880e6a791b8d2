// A text table file: tab-separated lines, one record a line, with a line of
// column names. It knows nothing of oils; the oil library builds on it.
//
// Fields are addressed by number (1 .. field count). Each number has a column
// name; the header line of the file says in which column each name stands, so
// the columns of a file may come in any order. Numbers are decimal text.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ormix {

class FileReplacement;

// Status codes of every table operation.
enum TableStatus : int {
    kTableOk = 0,
    kTableEnd = -1,          // cannot open, end of file reached, or a read or write failed
    kTableLineTooLong = -2,  // a line longer than the line buffer, or no open file
    kTableNotFound = -43,    // the file does not exist
    kTableNoMemory = -108,   // memory could not be had
};

// Reads a number field: an empty field, a field that does not begin with a
// number, a value that is not finite and the value -999 all give NoData; any
// other value, scanned in single precision, is rounded to `decimals`.
double ParseTableNumber(std::string_view text, int decimals);

// Writes a number field: rounded as ParseTableNumber rounds and printed with
// exactly `decimals` decimals; NoData (and anything not finite) is empty.
std::string FormatTableNumber(double value, int decimals);

// floor(v x 10^decimals + 0.5) / 10^decimals.
double RoundToDecimals(double v, int decimals);

class TableFile {
public:
    // A line holds at most 4095 characters including its end (the buffer
    // keeps one more for the terminator); at most 256 fields a line.
    static constexpr int kLineBufferSize = 4096;
    static constexpr int kMaxLineLength = kLineBufferSize - 1;
    static constexpr int kReadBufferSize = 32768;
    static constexpr int kMaxFields = 256;

    // `names` holds `nameCount` column names for the fields 1 .. nameCount;
    // fields nameCount + 1 .. fieldCount have no name. Until a header is
    // read, field n stands in column n.
    TableFile(std::string path, const char* const* names, int nameCount, int fieldCount);
    virtual ~TableFile();
    TableFile(const TableFile&) = delete;
    TableFile& operator=(const TableFile&) = delete;

    const std::string& Path() const { return path_; }
    int FieldCount() const { return fieldCount_; }

    // Opens the file, read only or for reading and writing; a position above
    // 0 seeks there, below 0 seeks to the end, 0 starts at the beginning.
    // Only a regular file is opened (a pipe is refused, never waited on).
    int Open(bool readOnly, long position);
    // Flushes what was written and closes; kTableEnd when a write failed.
    // A replacement not committed is dropped.
    int Close();
    // Starts a new version of the file: what is written goes to a new file
    // beside it (core/file_replace.h), which CommitReplace puts in the
    // file's place in one step. Until then the file is as it was.
    int BeginReplace();
    int CommitReplace();
    // Flushes what was written to the disk itself (not only to the system).
    int Sync();
    // Deletes the file.
    int Remove();
    bool IsOpen() const { return file_ != nullptr; }
    // Why the last operation that failed did: the file, the line where it
    // is known, and the reason (empty when there is nothing to add).
    const std::string& Problem() const { return problem_; }

    // Reads the next line; with `split`, divides it into its fields.
    // kTableEnd with AtEnd() true means the end of the file was reached.
    int ReadLine(bool split);
    bool AtEnd() const { return atEnd_; }
    // Joins the fields with tabs, ends the line with a line feed (the line
    // is cut at 4095 characters) and writes it at the current position.
    int WriteLine();
    // The line WriteLine would write, without its line feed and not cut.
    std::string JoinedLine() const;
    // Writes bytes as they are at the current position.
    int WriteText(std::string_view text);
    // Opens read only at `position`, reads and splits one line, closes.
    int ReadRecordAt(long position);
    // Opens, skips n - 1 lines, reads line n, builds the column map, closes.
    int ReadHeader(int n);
    // Copies the bytes [from, to) of this file (to < 0: to the end) to the
    // current position of `target`, which must be open.
    int CopyRange(TableFile& target, long from, long to);
    // Finds the column of every named field in the current line.
    void BuildColumnMap();
    // Sets the column map so that field n stands in column n (a file this
    // program writes).
    void ResetColumnMap();

    // Fields by number, in the columns of the map.
    std::string_view FieldText(int n) const;
    double FieldNumber(int n, int decimals) const;
    bool IsFieldEmpty(int n) const;
    // Tabs and line breaks cannot be held by a field: they become blanks.
    void SetFieldText(int n, std::string_view text);
    void SetFieldNumber(int n, double value, int decimals);
    void ClearFields();

    // The current line: its text without its end, its byte position, its
    // length including its end, and its fields by column.
    const std::string& Line() const { return line_; }
    long LinePosition() const { return linePosition_; }
    int LineLength() const { return lineLength_; }
    int ColumnCount() const { return columnCount_; }
    std::string_view Column(int c) const;
    bool HasNonEmptyColumn() const;
    // The column of field n, or -1 when the header has no such column.
    int ColumnOf(int n) const;

protected:
    void SetProblem(std::string text) { problem_ = std::move(text); }

private:
    int Fill();  // refills the read buffer: 1 data, 0 end, kTableEnd error
    void Split();
    void NoteWriteError(int err);

    std::string path_;
    std::vector<std::string> names_;
    int fieldCount_;
    std::vector<int> columnOf_;  // index: field number

    std::FILE* file_ = nullptr;
    std::unique_ptr<FileReplacement> replacement_;
    std::string problem_;
    int lineNumber_ = 0;  // of the line read last; -1: not counted
    bool readOnly_ = true;
    bool writeFailed_ = false;
    bool atEnd_ = false;
    std::unique_ptr<char[]> readBuffer_;
    int bufferPos_ = 0;
    int bufferLen_ = 0;
    long position_ = 0;  // byte position of the next unread or unwritten byte

    std::string line_;
    long linePosition_ = 0;
    int lineLength_ = 0;
    std::vector<std::string> columns_;
    int columnCount_ = 0;
};

}  // namespace ormix
