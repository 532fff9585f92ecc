#ifndef ZARN_GLOBALUTIL_H
#define ZARN_GLOBALUTIL_H

namespace commonUtil {
// Sleeps by select() with no descriptors; the library's one way to pause.
void delay(int seconds, int milliseconds);
}  // namespace commonUtil

#endif  // ZARN_GLOBALUTIL_H
