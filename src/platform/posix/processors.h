// The processor count of this machine.
#pragma once

#include "platform/platform.h"

namespace brisko::posix {

// A second processor exists when at least two processors are online; the count
// is asked again on every call.
class OnlineProcessors : public Processors {
  public:
    bool hasSecondProcessor() override;
};

}  // namespace brisko::posix
