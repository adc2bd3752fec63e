#include "Horloge.h"

#include <atomic>
#include <cstdint>

#include <time.h>

namespace {

std::function<QDateTime()>& source() {
    static std::function<QDateTime()> s;
    return s;
}

// The local year, asked for every file of a scan, is read from the time zone at most once per
// interval of the coarse system clock: a local-time request re-reads the zone file each time.
// Deadline (seconds, high bits) and year (low 16 bits) share one word, so threads always see a
// matching pair. 0 means nothing cached.
constexpr std::int64_t IntervalleAnnee = 1;
std::atomic<std::uint64_t> anneeEnCache{0};

std::int64_t secondesGrossieres() {
    timespec ts;
    clock_gettime(CLOCK_REALTIME_COARSE, &ts);
    return ts.tv_sec;
}

} // namespace

namespace Horloge {

QDateTime maintenant() {
    return source() ? source()() : QDateTime::currentDateTime();
}

QDate aujourdhui() {
    return maintenant().date();
}

int anneeCourante() {
    if (source())
        return source()().date().year();
    const std::int64_t maintenantS = secondesGrossieres();
    const std::uint64_t cache = anneeEnCache.load(std::memory_order_relaxed);
    if (cache != 0 && maintenantS < std::int64_t(cache >> 16))
        return int(cache & 0xFFFF);
    const int annee = QDate::currentDate().year();
    if (annee > 0 && annee <= 0xFFFF)
        anneeEnCache.store((std::uint64_t(maintenantS + IntervalleAnnee) << 16) | std::uint64_t(annee),
                           std::memory_order_relaxed);
    return annee;
}

int anneeMaxiPhotos() {
    return anneeCourante() + 1;
}

void fixer(std::function<QDateTime()> s) {
    source() = std::move(s);
    anneeEnCache.store(0);
}

} // namespace Horloge
