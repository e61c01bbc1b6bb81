// An environment variable set (or unset, for a null value) for the life of the
// object; what was there before is put back.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace brisko::test {

struct ScopedEnv {
    std::string name;
    std::optional<std::string> old;
    ScopedEnv(std::string variable, const char* value) : name(std::move(variable)) {
        if (const char* before = std::getenv(name.c_str())) old = before;
        value ? ::setenv(name.c_str(), value, 1) : ::unsetenv(name.c_str());
    }
    ~ScopedEnv() { old ? ::setenv(name.c_str(), old->c_str(), 1) : ::unsetenv(name.c_str()); }
};

}  // namespace brisko::test
