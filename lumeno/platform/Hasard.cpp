#include "Hasard.h"

#include <QDateTime>
#include <QRandomGenerator>

namespace {

std::function<double()>& source() {
    static std::function<double()> s;
    return s;
}

QRandomGenerator& generateur() {
    static QRandomGenerator g(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    return g;
}

} // namespace

namespace Hasard {

double rnd() {
    if (source()) {
        const double v = source()();
        return v < 0.0 ? 0.0 : (v >= 1.0 ? 0.999999999 : v);
    }
    return generateur().generateDouble();
}

int entier(int n) {
    if (n <= 0)
        return 0;
    const int v = static_cast<int>(rnd() * n);
    return v >= n ? n - 1 : v;
}

void initialiser() { generateur().seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch())); }

void fixer(std::function<double()> s) { source() = std::move(s); }

} // namespace Hasard
