// The process starter of the program: Qt's, able to set variables in a started
// program's environment (the game under Wine needs its prefix).
#pragma once

#include "platform/qt/qt_platform.h"

namespace brisko {

class GameProcessStarter : public qt::QtProcessStarter {
  public:
    bool startDetachedWithEnvironment(const std::string& program,
                                      const std::vector<std::string>& args,
                                      const std::string& workingDir,
                                      const std::vector<std::string>& environment) override;
};

}  // namespace brisko
