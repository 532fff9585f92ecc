#include "communication/globalutil.h"

#include <sys/select.h>

namespace commonUtil {

void delay(int seconds, int milliseconds)
{
    struct timeval timeout;
    timeout.tv_sec = seconds + milliseconds / 1000;
    timeout.tv_usec = (milliseconds % 1000) * 1000;
    select(0, nullptr, nullptr, nullptr, &timeout);
}

}  // namespace commonUtil
