#include "Horloge.h"

namespace {

std::function<QDateTime()>& source() {
    static std::function<QDateTime()> s;
    return s;
}

} // namespace

namespace Horloge {

QDateTime maintenant() { return source() ? source()() : QDateTime::currentDateTime(); }

QDate aujourdhui() { return maintenant().date(); }

int anneeCourante() { return aujourdhui().year(); }

int anneeMaxiPhotos() { return anneeCourante() + 1; }

void fixer(std::function<QDateTime()> s) { source() = std::move(s); }

} // namespace Horloge
