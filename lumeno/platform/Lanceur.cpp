#include "Lanceur.h"

#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

// The core's own service: programs through QProcess, documents through xdg-open. The window
// library installs one that uses QDesktopServices.
class LanceurSysteme : public Lanceur {
public:
    bool demarrer(const QString& programme, const QStringList& arguments,
                  const QString& dossierTravail) override {
        return QProcess::startDetached(programme, arguments, dossierTravail);
    }
    bool ouvrir(const QString& documentOuAdresse) override {
        return QProcess::startDetached(QStringLiteral("xdg-open"), {documentOuAdresse});
    }
};

std::shared_ptr<Lanceur>& instance() {
    static std::shared_ptr<Lanceur> l = std::make_shared<LanceurSysteme>();
    return l;
}

} // namespace

Lanceur& Lanceur::courant() { return *instance(); }

std::shared_ptr<Lanceur> Lanceur::installer(std::shared_ptr<Lanceur> lanceur) {
    auto ancien = instance();
    instance() = lanceur ? std::move(lanceur) : std::make_shared<LanceurSysteme>();
    return ancien;
}
