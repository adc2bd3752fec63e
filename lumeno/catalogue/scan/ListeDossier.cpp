#include "ListeDossier.h"

#include "OrdreClef.h"

#include <QFile>

#include <algorithm>

#include <dirent.h>
#include <sys/stat.h>

namespace {

// ASCII letters without regard to case first (cheap, and any stable order serves: the catalogue
// order comes from the keys), then the exact text.
bool ordreNoms(const QString& a, const QString& b) {
    const int c = OrdreClef::comparer(a, b);
    return c != 0 ? c < 0 : a < b;
}

} // namespace

ListeDossier listerDossier(const QString& chemin) {
    ListeDossier liste;
    const QByteArray dossier = QFile::encodeName(chemin);
    DIR* d = ::opendir(dossier.constData());
    if (!d)
        return liste;
    liste.lisible = true;
    QByteArray complet = dossier;
    if (!complet.endsWith('/'))
        complet += '/';
    const qsizetype prefixe = complet.size();

    while (const dirent* e = ::readdir(d)) {
        const char* nom = e->d_name;
        if (nom[0] == '.' && (nom[1] == '\0' || (nom[1] == '.' && nom[2] == '\0')))
            continue;
        unsigned char type = e->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            complet.truncate(prefixe);
            complet += nom;
            struct stat st;
            if (type == DT_LNK) {
                // A link counts as the file it points to; a link to a folder is not followed.
                if (::stat(complet.constData(), &st) != 0 || !S_ISREG(st.st_mode))
                    continue;
                type = DT_REG;
            } else {
                if (::lstat(complet.constData(), &st) != 0)
                    continue;
                type = S_ISDIR(st.st_mode) ? DT_DIR : (S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN);
            }
        }
        // Names are UTF-8 on Linux, as QFile::decodeName reads them; decoded directly, without a
        // converter set up for each name.
        if (type == DT_REG)
            liste.fichiers.append(QString::fromUtf8(nom));
        else if (type == DT_DIR)
            liste.sousDossiers.append(QString::fromUtf8(nom));
    }
    ::closedir(d);
    std::sort(liste.fichiers.begin(), liste.fichiers.end(), ordreNoms);
    std::sort(liste.sousDossiers.begin(), liste.sousDossiers.end(), ordreNoms);
    return liste;
}

bool estDossierSysteme(const QString& chemin) {
    for (const char* s : {"/proc", "/sys", "/dev", "/run"}) {
        if (chemin == QLatin1String(s))
            return true;
    }
    return false;
}

qint64 tailleFichier(const QString& chemin) {
    struct stat st;
    if (::stat(QFile::encodeName(chemin).constData(), &st) != 0)
        return -1;
    return st.st_size;
}
