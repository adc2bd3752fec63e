#include "BarreDesTaches.h"

namespace BarreDesTaches {
bool cacher() {
    return false;
}
bool montrer() {
    return false;
}
} // namespace BarreDesTaches
