#pragma once
// Runs the zrltool binary for the black-box tests and keeps its exit status and output.
#include "support/TestPaths.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace ZrlTest {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs zrltool with the arguments (already quoted for the shell).
inline ToolRun zrltool(const std::string& arguments)
{
    const std::string errFile = scratchDir() + "/stderr.txt";
    const std::string command = std::string(ZRLTOOL_PATH) + " " + arguments + " 2>" + errFile;
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
        run.out.append(chunk, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(errFile);
    std::ostringstream text;
    text << in.rdbuf();
    run.err = text.str();
    return run;
}

}  // namespace ZrlTest
