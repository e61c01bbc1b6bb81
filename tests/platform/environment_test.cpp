// Without a session bus Brisko disables the bus for itself, and the programs it
// starts get the environment it was started with.
#include "platform/posix/environment.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "platform/posix/start_detached.h"
#include "support/scoped_env.h"
#include "support/temp_tree.h"

namespace brisko::posix {
namespace {

TEST(SessionBus, DisabledWhenMissingAndNotForTheProgramsStarted) {
    test::TempTree tree;
    const std::string record = tree.path("bus");
    for (const char* before : {"unix:path=/run/bus", static_cast<const char*>(nullptr), ""}) {
        test::ScopedEnv bus{"DBUS_SESSION_BUS_ADDRESS", before};
        DisableMissingSessionBus();
        const std::string name = before ? before : "(unset)";
        EXPECT_STREQ(std::getenv("DBUS_SESSION_BUS_ADDRESS"),
                     before && *before ? before : "disabled:");
        ASSERT_TRUE(StartDetached(
            "/bin/sh", {"-c", "echo ${DBUS_SESSION_BUS_ADDRESS-(unset)} >r.new; mv r.new bus"},
            tree.root(), {}));
        std::string seen;
        for (int i = 0; i < 400 && !std::getline(std::ifstream(record), seen); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        EXPECT_EQ(seen, name);
        std::filesystem::remove(record);
    }
}

// The user's configuration folder, as the game's homes below it are compared with
// the clean paths the search finds.
TEST(ConfigHome, IsTheCleanFolderWhenAbsolute) {
    for (const auto& [value, expected] : std::vector<std::pair<const char*, const char*>>{
             {"/a//b/./c/../d/", "/a/b/d"}, {"relative/cfg", nullptr}, {"", nullptr}}) {
        test::ScopedEnv config{"XDG_CONFIG_HOME", value};
        EXPECT_EQ(ConfigHome(), expected ? std::optional<std::string>(expected) : std::nullopt);
    }
}

}  // namespace
}  // namespace brisko::posix
