#include "ListesDemarrage.h"

#include <QDir>
#include <QFileInfo>

namespace ListesDemarrage {

QStringList repertoires(const std::array<RacineCatalogue, 3>& racines) {
    QStringList r;
    for (const auto& racine : racines) {
        if (!racine.cochee || !racine.disponible || racine.chemin.isEmpty())
            continue;
        const QFileInfoList dossiers =
            QDir(racine.chemin).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
        for (const QFileInfo& d : dossiers) {
            if (d.isSymLink())
                continue;
            const QString chemin = d.absoluteFilePath();
            if (chemin.contains(QLatin1String("x-Lumeno")))
                continue;
            r << chemin;
        }
    }
    return r;
}

QStringList annees(const QList<int>& lues, int anneeMaxiPhotos) {
    QStringList l{QString()};
    for (int a : lues)
        if (a > 1800 && a <= anneeMaxiPhotos)
            l << QString::number(a);
    return l;
}

QStringList mois(const QList<int>& lus) {
    QStringList l{QString()};
    for (int m : lus)
        if (m >= 1 && m <= 12)
            l << QString::number(m);
    return l;
}

QStringList mots(const QStringList& lus) {
    return QStringList{QStringLiteral(" ")} + lus;
}

namespace {

QString sansAccents(QString t) {
    static const struct {
        const char16_t* de;
        char16_t vers;
    } table[] = {{u"éèêë", u'e'}, {u"àâ", u'a'},  {u"ç", u'c'}, {u"ôö", u'o'},
                 {u"îï", u'i'},   {u"üùû", u'u'}, {u"Î", u'I'}};
    for (QChar& c : t)
        for (const auto& ligne : table)
            if (QStringView(ligne.de).contains(c))
                c = QChar(ligne.vers);
    return t;
}

QString capitalise(const QString& t) {
    return t.isEmpty() ? t : t.left(1).toUpper() + t.mid(1).toLower();
}

} // namespace

QStringList variantesMot(const QString& mot) {
    QStringList cases(20);
    const QStringList formes{mot, mot.toUpper(), mot.toLower(), capitalise(mot)};
    for (int i = 0; i < 4; ++i) {
        cases[i] = formes.at(i);
        cases[i + 4] = sansAccents(formes.at(i));
    }
    return cases;
}

} // namespace ListesDemarrage
