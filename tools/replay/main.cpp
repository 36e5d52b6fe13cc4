// skyvane-replay: runs a replay script from standard input and writes its trace to standard output.
#include "ReplayRunner.h"
#include "ReplayScript.h"

#include <iostream>
#include <iterator>
#include <string>

int main()
{
    std::ios::sync_with_stdio(false);
    const std::string text{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    return skyvane::replay::runScript(skyvane::replay::parseScript(text), std::cout, std::cerr);
}
