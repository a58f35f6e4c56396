#pragma once
// A file an export writes: an output stream (binary, so CR LF line ends stay as written) that
// remembers the system's reason for the first failure to create or write it. finish() closes
// it and, when anything failed, removes what was written, so that no partial file is left.
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace KelpLib {

// The catalogue code of a file that cannot be written ("WriteFile Function Error!").
inline constexpr std::int32_t writeFailureCode = -185;

// The log's text for a file that could not be written: Cannot write "PATH": REASON.
std::string writeFailureText(const std::string& path, const std::string& reason);

// A file an export could not write, and the system's reason.
struct ExportFailure {
    std::string path;
    std::string reason;
};

// What one export did: the files it wrote, those it could not write, and whether it ran at
// all (a name that does not end in ".csv" aborts it).
struct ExportOutcome {
    std::vector<std::string> written;
    std::vector<ExportFailure> failures;
    bool aborted = false;

    bool succeeded() const { return !aborted && failures.empty(); }
};

class ExportFile : public std::ostream {
public:
    // Creates (or empties) the file.
    explicit ExportFile(std::string path);
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;

    const std::string& path() const { return path_; }
    // Flushes and closes the file; true when all of it was written, otherwise the file is
    // removed and failure() says why. Later calls return the same answer.
    bool finish();
    // The system's reason for the first failure (strerror), empty while none happened.
    const std::string& failure() const { return buffer.failure; }

private:
    // Notes errno when the file refuses bytes.
    class CheckedBuffer : public std::filebuf {
    public:
        std::string failure;
        void note();

    protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* s, std::streamsize count) override;
        int sync() override;
    };

    CheckedBuffer buffer;
    std::string path_;
    bool finished = false;
};

} // namespace KelpLib
