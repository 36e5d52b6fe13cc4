// Every script in scripts/ runs to the trace in its .out file, the error in its .err file
// and the exit code named by a leading "# expect exit N" (0 when absent).
#include "tools/replay/ReplayRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using namespace skyvane::replay;

namespace {

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int expectedExit(const std::string& script)
{
    const std::string marker = "# expect exit ";
    return script.rfind(marker, 0) == 0 ? std::stoi(script.substr(marker.size())) : kExitOk;
}

std::vector<fs::path> scripts()
{
    std::vector<fs::path> paths;
    for (const auto& entry : fs::directory_iterator(SKYVANE_REPLAY_SCRIPTS))
        if (entry.path().extension() == ".replay")
            paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    return paths;
}

class ReplayScripts : public ::testing::TestWithParam<fs::path> {};

TEST_P(ReplayScripts, RunToTheirRecordedTraceErrorAndExitCode)
{
    const fs::path script = GetParam();
    const std::string text = readFile(script);
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = runScript(parseScript(text), out, err);
    EXPECT_EQ(exitCode, expectedExit(text));
    EXPECT_EQ(out.str(), readFile(fs::path(script).replace_extension(".out")));
    const fs::path errFile = fs::path(script).replace_extension(".err");
    EXPECT_EQ(err.str(), fs::exists(errFile) ? readFile(errFile) : "");
}

INSTANTIATE_TEST_SUITE_P(Scripts, ReplayScripts, ::testing::ValuesIn(scripts()),
                         [](const auto& script) { return script.param.stem().string(); });

} // namespace
