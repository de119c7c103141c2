#pragma once

#include <cstdio>
#include <string>

// Runs a shell command and returns what it printed; its exit status goes to `status`.
inline std::string shellOutput(const std::string &command, int &status)
{
    FILE *pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    while (const auto n = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    status = WEXITSTATUS(pclose(pipe));
    return output;
}
