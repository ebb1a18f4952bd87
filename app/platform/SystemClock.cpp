#include "app/platform/SystemClock.h"

Instant SystemClock::now() const
{
    return currentInstant();
}
