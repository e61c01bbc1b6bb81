// The second-processor query of this machine, against the kernel's list of
// online processors.
#include "platform/posix/processors.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace brisko {
namespace {

// Counts the processors in a list such as "0-3,6,8-9".
int countListed(const std::string& list) {
    int count = 0;
    std::stringstream ranges(list);
    std::string range;
    while (std::getline(ranges, range, ',')) {
        const auto dash = range.find('-');
        if (dash == std::string::npos)
            ++count;
        else
            count += std::stoi(range.substr(dash + 1)) - std::stoi(range.substr(0, dash)) + 1;
    }
    return count;
}

TEST(OnlineProcessors, AnswersWhetherTheKernelListsTwoOnlineProcessors) {
    std::ifstream online("/sys/devices/system/cpu/online");
    std::string list;
    if (!std::getline(online, list)) GTEST_SKIP() << "no /sys/devices/system/cpu/online";
    posix::OnlineProcessors processors;
    EXPECT_EQ(processors.hasSecondProcessor(), countListed(list) >= 2) << list;
}

}  // namespace
}  // namespace brisko
