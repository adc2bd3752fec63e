// The scan dates a folder once for all its files and reads names in place. These tests compare it,
// over many random names and folders, with the plain per-file rules written the simplest way.
#include "Datation.h"
#include "FormatDeclare.h"
#include "Horloge.h"
#include "MotsNom.h"
#include "Nombres.h"

#include <QRandomGenerator>

#include "ImpressionQString.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// --- The plain rules: every read makes its own text, every file searches its folder path. ---

int valeurSimple(const QString& texte, int position, int longueur) {
    const QString m = Nombres::milieu(texte, position, longueur);
    qsizetype i = 0;
    while (i < m.size() && m[i] == QLatin1Char(' '))
        ++i;
    int v = 0;
    while (i < m.size() && m[i].isDigit() && m[i].unicode() < 128) {
        v = v * 10 + (m[i].unicode() - u'0');
        ++i;
    }
    return v;
}

bool separateur(QChar c) {
    return c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char(' ');
}

Datation daterSimplement(const QString& base, int n, const QString& dossier, int racine,
                         const FormatDeclare& format) {
    Datation d;
    d.baseBourree = base;
    if (n < 10)
        d.baseBourree += QString(10, QLatin1Char(' '));
    const QString& b = d.baseBourree;
    const int p = format.positionAnnee;
    if (format.declare && p > 0 && p < n) {
        if (format.chiffresAnnee == 4) {
            d.annee = valeurSimple(b, p, 4);
            if (d.annee > 1800 && d.annee <= Horloge::anneeMaxiPhotos())
                d.code = DateFormatDeclare;
        } else {
            const int y = valeurSimple(b, p, 2);
            if (y > 0) {
                d.annee = 2000 + y <= Horloge::anneeMaxiPhotos() ? 2000 + y : 1900 + y;
                d.code = DateFormatDeclare;
            }
        }
        if (format.positionMois > 0 && separateur(Nombres::caractere(b, format.positionMois)))
            d.code = SansDate;
    }
    if (d.code == SansDate) {
        const int v = valeurSimple(b, 1, 4);
        if (anneeNomValide(v)) {
            d.annee = v;
            d.code = separateur(Nombres::caractere(b, 5)) ? DateNomStandard : DateNomSansSeparateur;
        } else {
            d.annee = 0;
        }
    }
    const QString relatif = dossier.size() > racine + 3 ? dossier.mid(racine + 1) : QString();
    QString texteEntier;
    QString texteReste;
    if (d.code == SansDate && !relatif.isEmpty()) {
        d.annee = 0;
        for (int q = 1; q <= relatif.size(); ++q) {
            const int v = valeurSimple(relatif, q, 4);
            if (anneeDossierValide(v)) {
                d.annee = v;
                d.code = DateDossier;
                texteEntier = relatif;
                texteEntier.replace(q - 1, 4, QStringLiteral("    "));
                texteReste = relatif.mid(q + 3) + QString(9, QLatin1Char(' '));
                break;
            }
        }
    }
    const auto borne = [](int m) { return m < 0 || m > 12 ? 0 : m; };
    switch (d.code) {
    case DateNomStandard:
        d.mois = borne(valeurSimple(b, 6, 2));
        break;
    case DateNomSansSeparateur:
        d.mois = borne(valeurSimple(b, 5, 2));
        break;
    case DateFormatDeclare:
        if (format.positionMois > 0 && format.positionMois < n)
            d.mois = borne(valeurSimple(b, format.positionMois, 2));
        break;
    case DateDossier:
        d.mois = chercherMotMois(texteReste);
        if (d.mois > 0) {
            d.texteMotsDossier = nettoyerTexteMotsDossier(texteReste);
        } else {
            texteEntier += QString(8, QLatin1Char(' '));
            d.mois = chercherMotMois(texteEntier);
            d.texteMotsDossier = nettoyerTexteMotsDossier(texteEntier);
        }
        return d;
    default:
        d.annee = 0;
        d.mois = 0;
        break;
    }
    d.texteMotsDossier = nettoyerTexteMotsDossier(relatif);
    return d;
}

bool minuscule(QChar c) {
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}
bool majuscule(QChar c) {
    return c.unicode() >= 65 && c.unicode() <= 92;
}

// Each slot a text that grows one character at a time.
QStringList motsSimplement(const QString& texteMotsDossier, const QString& baseBourree) {
    const QString t = plierTexte(texteMotsDossier + QLatin1Char(' ') + baseBourree);
    if (t.size() <= 2)
        return {};
    const auto car = [&t](qsizetype i) { return i < t.size() ? t[i] : QLatin1Char(' '); };
    std::array<QString, 20> emplacements;
    int j = 0;
    emplacements[j] = t[0];
    for (qsizetype i = 1; i < t.size(); ++i) {
        const QChar c = t[i];
        const QChar s = car(i + 1);
        if ((minuscule(c) && minuscule(s)) || (majuscule(c) && majuscule(s))) {
            emplacements[j] += c;
        } else if (emplacements[j].size() < 2) {
            emplacements[j] = c;
        } else {
            emplacements[j] += c;
            if (i + 1 < t.size()) {
                j = (j + 1) % 20;
                ++i;
                emplacements[j] = t[i];
            }
        }
    }
    QStringList mots;
    for (const QString& e : emplacements) {
        if (e.size() < 3)
            continue;
        const QString m = capitaliser(e.trimmed());
        if (!m.isEmpty())
            mots.append(m);
    }
    return mots;
}

// --- Random names and folders made of the pieces the rules look at. ---

class Tirage {
public:
    explicit Tirage(quint32 graine) : g_(graine) {}
    int entier(int n) { return g_.bounded(n); }
    QString texte(int morceauxMaxi) {
        static const char* const morceaux[] = {
            "2004",  "1999", "1801",   "1800",   "2026",  "2027",    "2028",      "0099",      "19",
            "07",    "13",   "00",     "-",      "_",     " ",       " ",         ".",         "'",
            "(",     "Juin", "juin",   "Jui",    "Mar",   "Mariage", "sep",       "Septembre", "OCTOB",
            "Décem", "Fév",  "nov",    "Invite", "Plage", "PLAGE",   "PlageNice", "Noël",      "été",
            "ÉTÉ",   "çà",   "ß",      "€",      "x",     "a",       "Z",         "[",         "\\",
            "3",     "9",    "\u00e0", "\u0660", "\x02"};
        QString t;
        const int n = entier(morceauxMaxi + 1);
        for (int i = 0; i < n; ++i)
            t += QString::fromUtf8(morceaux[entier(int(std::size(morceaux)))]);
        return t;
    }

private:
    QRandomGenerator g_;
};

class NamingReference : public ::testing::Test {
protected:
    void TearDown() override { Horloge::fixer({}); }
};

// Dating each file from its folder path and dating the folder once give the same dates, folder
// words and filled names, whatever the name, the folder, the root, the pattern and the year N.
TEST_F(NamingReference, FolderDatedOnceGivesWhatEachFileWouldGet) {
    Tirage tirage(2026);
    const QStringList motifs{"", "xxMMAAxxxx", "AAAAMMJJ", "xxAAAAxx", "AA", "MMAA", "JJMMAAAA", "AAAAxxxx"};
    const QStringList racines{"/", "/photos", "/photos/", "/mnt/Disque Photos"};
    std::array<bool, 6> codesVus{};
    bool moisDuDossier = false;
    for (const int annee : {2018, 2026}) {
        Horloge::fixer([annee] { return QDateTime(QDate(annee, 6, 1), QTime(12, 0)); });
        const int anneeMaxi = Horloge::anneeMaxiPhotos();
        for (int essai = 0; essai < 1500; ++essai) {
            const QString racineTexte = racines[tirage.entier(int(racines.size()))];
            const int racine = longueurRacine(racineTexte);
            QString dossier = racineTexte.left(racine);
            for (int niveau = tirage.entier(4); niveau > 0; --niveau)
                dossier += QLatin1Char('/') + tirage.texte(4);
            const DatationDossier datation = daterDossier(dossier, racine, anneeMaxi);
            MotsConnus connus; // kept over the folder's files, as the scan keeps it
            for (int fichier = 0; fichier < 6; ++fichier) {
                const QString base = tirage.texte(6);
                const FormatDeclare format = analyserFormat(motifs[tirage.entier(int(motifs.size()))]);
                const int n = int(base.size());
                const Datation attendu = daterSimplement(base, n, dossier, racine, format);
                codesVus[attendu.code] = true;
                moisDuDossier |= attendu.code == DateDossier && attendu.mois > 0;
                const std::string lieu = (dossier + " | " + base).toStdString();
                for (const Datation& d :
                     {dater(base, n, datation, format, anneeMaxi), dater(base, n, dossier, racine, format)}) {
                    ASSERT_EQ(d.code, attendu.code) << lieu;
                    ASSERT_EQ(d.annee, attendu.annee) << lieu;
                    ASSERT_EQ(d.mois, attendu.mois) << lieu;
                    ASSERT_EQ(d.baseBourree, attendu.baseBourree) << lieu;
                    ASSERT_EQ(d.texteMotsDossier, attendu.texteMotsDossier) << lieu;
                }
                const QStringList motsAttendus =
                    motsSimplement(attendu.texteMotsDossier, attendu.baseBourree);
                ASSERT_EQ(extraireMots(attendu.texteMotsDossier, attendu.baseBourree), motsAttendus) << lieu;
                ASSERT_EQ(extraireMots(attendu.texteMotsDossier, attendu.baseBourree, &connus), motsAttendus)
                    << lieu;
            }
        }
    }
    // The draws reach every way of dating.
    for (int code = 1; code <= 5; ++code)
        EXPECT_TRUE(codesVus[code]) << code;
    EXPECT_TRUE(moisDuDossier);
}

// Long texts wrap round the 20 word emplacements several times; the words read in place are still those
// the emplacements would hold. Words taken from the known words, kept over every draw so that they
// fill up, are the same too.
TEST_F(NamingReference, WordsOfLongTextsMatchTheSlotBySlotRules) {
    Tirage tirage(11);
    MotsConnus connus;
    for (int essai = 0; essai < 2000; ++essai) {
        const QString dossier = tirage.texte(40);
        const QString base = tirage.texte(30);
        const QStringList attendus = motsSimplement(dossier, base);
        ASSERT_EQ(extraireMots(dossier, base), attendus) << (dossier + " | " + base).toStdString();
        ASSERT_EQ(extraireMots(dossier, base, &connus), attendus) << (dossier + " | " + base).toStdString();
    }
}

// A folder's files share their folder words: taken from the known words, each is the text made the
// first time, whatever case the name wrote it in.
TEST_F(NamingReference, KnownWordsAreSharedWhateverTheirCase) {
    MotsConnus connus;
    const QStringList premier =
        extraireMots(QStringLiteral("Vacances Plage"), QStringLiteral("PLAGE soleil"), &connus);
    ASSERT_EQ(premier, (QStringList{"Vacances", "Plage", "Plage", "Soleil"}));
    const QStringList second =
        extraireMots(QStringLiteral("Vacances Plage"), QStringLiteral("MerBleue"), &connus);
    ASSERT_EQ(second, (QStringList{"Vacances", "Plage", "Mer", "Bleue"}));
    EXPECT_TRUE(second[0].isSharedWith(premier[0]));
    EXPECT_TRUE(second[1].isSharedWith(premier[1]));
    EXPECT_TRUE(extraireMots(QString(), QStringLiteral("VACANCES"), &connus)[0].isSharedWith(premier[0]));
}

} // namespace
