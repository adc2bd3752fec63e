#include "LanceurBureau.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool LanceurBureau::demarrer(const QString& programme, const QStringList& arguments,
                             const QString& dossierTravail) {
    return QProcess::startDetached(programme, arguments, dossierTravail);
}

bool LanceurBureau::ouvrir(const QString& documentOuAdresse) {
    const QUrl url = QFileInfo::exists(documentOuAdresse) ? QUrl::fromLocalFile(documentOuAdresse)
                                                          : QUrl::fromUserInput(documentOuAdresse);
    return QDesktopServices::openUrl(url);
}
