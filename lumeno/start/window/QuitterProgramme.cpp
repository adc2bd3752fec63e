#include "QuitterProgramme.h"

#include "BarreDesTaches.h"
#include "FenetrePrincipale.h"

#include <QCoreApplication>
#include <QTimer>

#include <exception>

namespace QuitterProgramme {

void executer(FenetrePrincipale& f, QList<QPointer<QWidget>>& annexes) {
    auto sansErreur = [](auto&& etape) {
        try {
            etape();
        } catch (const std::exception&) {
        } catch (...) {
        }
    };
    sansErreur([&] {
        f.controles().Timer1->stop();
        f.controles().Timer2->stop();
        f.hide();
        f.setWindowState(Qt::WindowNoState);
    });
    sansErreur([] { BarreDesTaches::montrer(); });
    sansErreur([&] {
        if (f.crochetsFenetre().arreterHtml)
            f.crochetsFenetre().arreterHtml();
    });
    for (QPointer<QWidget>& annexe : annexes)
        sansErreur([&] {
            if (annexe)
                annexe->close();
        });
    annexes.clear();
    sansErreur([&] { f.close(); });
    if (f.crochetsFenetre().finProgramme) {
        f.crochetsFenetre().finProgramme();
        return;
    }
    // Queued, so that a quit during the load (before the event loop runs) still ends the program.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

} // namespace QuitterProgramme
