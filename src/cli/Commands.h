#pragma once
// The commands of zrltool. Each prints to standard output and returns the exit status.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ZrlTool {

constexpr int kLoadError = 1;
constexpr int kUsageError = 2;

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A usage error whose message is said alone, without the usage text (a filter's syntax error).
struct PlainUsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The words after the command, with the option parsing every command shares.
class Arguments {
public:
    Arguments(int count, char** words);
    // The next word that is not an option; throws UsageError naming what was expected.
    // Read the options (number, numbers, flag) before the positional words.
    std::string positional(const char* what);
    // The value of "--name N" as an unsigned number, or fallback when absent.
    unsigned long number(const char* name, unsigned long fallback);
    // Every value of a repeated "--name N" option.
    std::vector<unsigned long> numbers(const char* name);
    // The value of "--name TEXT", or nothing when absent.
    std::optional<std::string> text(const char* name);
    // Whether "--name" is present.
    bool flag(const char* name);
    // The remaining positional words.
    std::vector<std::string> rest();
    // Throws UsageError when a word was not consumed.
    void finish() const;

private:
    std::vector<std::string> words_;
    std::vector<bool> used_;
};

int run(const std::string& command, Arguments args);

int summary(Arguments& args);
int list(Arguments& args);
int join(Arguments& args);
int exportCsv(Arguments& args);
int details(Arguments& args);
int pgns(Arguments& args);
int series(Arguments& args);
int track(Arguments& args);
int devices(Arguments& args);
int stats(Arguments& args);

}  // namespace ZrlTool
