#include "platform/posix/processors.h"

#include <unistd.h>

namespace brisko::posix {

bool OnlineProcessors::hasSecondProcessor() {
    return sysconf(_SC_NPROCESSORS_ONLN) >= 2;
}

}  // namespace brisko::posix
