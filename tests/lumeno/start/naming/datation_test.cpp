#include "AnatomieNom.h"
#include "Datation.h"
#include "Horloge.h"
#include "MotsNom.h"

#include <QRandomGenerator>

#include "ImpressionQString.h"

#include <gtest/gtest.h>

namespace {

// Today is fixed so that the newest accepted year is N = 2027.
class NamingDatation : public ::testing::Test {
protected:
    void SetUp() override { fixerAnnee(2026); }
    void TearDown() override { Horloge::fixer({}); }
    static void fixerAnnee(int annee) {
        Horloge::fixer([annee] { return QDateTime(QDate(annee, 12, 11), QTime(12, 0)); });
    }
};

struct Cas {
    const char* nomFichier;
    const char* dossier;
    const char* motif;
    int code, annee, mois;
    const char* motsDossier;
};

Datation daterFichier(const Cas& c, const char* racine = "/photos") {
    const AnatomieNom a = decouperNom(QString::fromUtf8(c.nomFichier));
    EXPECT_TRUE(a.media) << c.nomFichier;
    return dater(a.baseMarquee, static_cast<int>(a.baseMarquee.size()), QString::fromUtf8(c.dossier),
                 longueurRacine(QString::fromUtf8(racine)), analyserFormat(QString::fromUtf8(c.motif)));
}

template <std::size_t N> void verifier(const Cas (&cas)[N], const char* racine = "/photos") {
    for (const Cas& c : cas) {
        const Datation d = daterFichier(c, racine);
        const std::string lieu = std::string(c.dossier) + " / " + c.nomFichier + " [" + c.motif + "]";
        EXPECT_EQ(d.code, c.code) << lieu;
        EXPECT_EQ(d.annee, c.annee) << lieu;
        EXPECT_EQ(d.mois, c.mois) << lieu;
        EXPECT_EQ(d.texteMotsDossier, QString::fromUtf8(c.motsDossier)) << lieu;
    }
}

} // namespace

TEST_F(NamingDatation, DatedNamesGiveCodesOneAndFive) {
    const Cas cas[] = {
        {"2004-06-Plage.jpg", "/photos", "", 1, 2004, 6, ""},
        {"2004_06_Plage.jpg", "/photos", "", 1, 2004, 6, ""},
        {"2004 06 Plage.jpg", "/photos", "", 1, 2004, 6, ""},
        {"200406Plage.jpg", "/photos", "", 5, 2004, 6, ""},
        {"2004 Juin.jpg", "/photos", "", 1, 2004, 0, ""}, // characters 6-7 are "Ju"
        {"2004-5-x.jpg", "/photos", "", 1, 2004, 5, ""},  // "5-" reads 5
        {"2004-13-x.jpg", "/photos", "", 1, 2004, 0, ""}, // no month 13
        {"2004-0.jpg", "/photos", "", 1, 2004, 0, ""},
        {"2004.jpg", "/photos", "", 1, 2004, 0, ""}, // short: the filler reads blanks
        {"1800-01-x.jpg", "/photos", "", 1, 1800, 1, ""},
        {"1799-01-x.jpg", "/photos", "", 4, 0, 0, ""},
        {" 2004-06.jpg", "/photos", "", 4, 0, 0, ""}, // " 200" is 200
        {"2004-06-Plage.jpg", "/photos/Vacances Nice", "", 1, 2004, 6, "Vacances Nice"},
        {"Plage.jpg", "/photos", "", 4, 0, 0, ""},
        {"a.jpg", "/photos", "", 4, 0, 0, ""},
    };
    verifier(cas);
}

// Years after 2019: the newest year accepted is the current year + 1.
TEST_F(NamingDatation, YearsUpToNextYearAreDates) {
    const Cas cas[] = {
        {"2024-06-Plage.jpg", "/photos", "", 1, 2024, 6, ""},
        {"2020-01-x.jpg", "/photos/Vacances/2003 Juillet", "", 1, 2020, 1, "Vacances/2003 Juillet"},
        {"2027-01-x.jpg", "/photos", "", 1, 2027, 1, ""},
        {"2028-01-x.jpg", "/photos", "", 4, 0, 0, ""},
        {"Plage.jpg", "/photos/2025 Noel Nice", "", 3, 2025, 0, "Noel Nice"},
        {"Plage.jpg", "/photos/2048x1536", "", 4, 0, 0, "2048x1536"}, // a size, not a year
        {"IM0524_001.jpg", "/photos", "xxMMAAxxxx", 2, 2024, 5, ""},
        {"IM0515_001.jpg", "/photos", "xxMMAAxxxx", 2, 2015, 5, ""},
        {"IM0530_001.jpg", "/photos", "xxMMAAxxxx", 2, 1930, 5, ""},
        {"IM0527_001.jpg", "/photos", "xxMMAAxxxx", 2, 2027, 5, ""},
        {"IM0528_001.jpg", "/photos", "xxMMAAxxxx", 2, 1928, 5, ""},
        {"IM05202601.jpg", "/photos", "xxMMAAAAxx", 2, 2026, 5, ""},
        {"IM05209901.jpg", "/photos", "xxMMAAAAxx", 4, 0, 0, ""},
    };
    verifier(cas);

    // The same names with the clock in 2018: only years up to 2019 are accepted.
    fixerAnnee(2018);
    const Cas avant[] = {
        {"2020-01-x.jpg", "/photos/Vacances/2003 Juillet", "", 3, 2003, 7, ""},
        {"2019-01-x.jpg", "/photos", "", 1, 2019, 1, ""},
        {"Plage.jpg", "/photos/2025 Noel Nice", "", 4, 0, 0, "2025 Noel Nice"},
        {"IM0524_001.jpg", "/photos", "xxMMAAxxxx", 2, 1924, 5, ""},
        {"IM0519_001.jpg", "/photos", "xxMMAAxxxx", 2, 2019, 5, ""},
    };
    verifier(avant);
}

TEST_F(NamingDatation, DeclaredPatternDatesWhatTheStandardNameCannot) {
    const Cas cas[] = {
        {"IM0504_001.jpg", "/photos", "xxMMAAxxxx", 2, 2004, 5, ""},
        {"IM1304_001.jpg", "/photos", "xxMMAAxxxx", 2, 2004, 0, ""}, // month above 12
        {"IM0500_001.jpg", "/photos", "xxMMAAxxxx", 4, 0, 0, ""},    // year digits 00 date nothing
        {"IMxx04_001.jpg", "/photos", "xxMMAAxxxx", 2, 2004, 0, ""},
        {"IM-504_001.jpg", "/photos", "xxMMAAxxxx", 4, 0, 0, ""}, // a separator where the month is
        {"IM 504_001.jpg", "/photos", "xxMMAAxxxx", 4, 0, 0, ""},
        // The separator check sends the name on to the standard test.
        {"2004-504_1.jpg", "/photos", "xxxxMMAAxx", 1, 2004, 0, ""},
        {"DSC20040612.jpg", "/photos", "xxxAAAAMMJJ", 2, 2004, 6, ""},
        {"20040612_1.jpg", "/photos", "AAAAMMJJ", 2, 2004, 6, ""},
        // Year position beyond the name: the pattern does not apply.
        {"Plage.jpg", "/photos", "xxxxxxxxxxAA", 4, 0, 0, ""},
        // The pattern dates the year even when a folder year exists.
        {"IM0504_001.jpg", "/photos/1999 Skieurs", "xxMMAAxxxx", 2, 2004, 5, "1999 Skieurs"},
        // Not matching the pattern: the folder dates it.
        {"Robe.jpg", "/photos/1999 Skieurs", "xxMMAAxxxx", 3, 1999, 0, "Skieurs"},
    };
    verifier(cas);
}

// A pattern with a year and no "MM" dates the year and leaves the month 0; nothing is read at
// position 0, and the scan goes on.
TEST_F(NamingDatation, PatternWithoutMonthDatesTheYearOnly) {
    const Cas cas[] = {
        {"IM2004ab.jpg", "/photos", "xxAAAAxx", 2, 2004, 0, ""},
        {"IM04-abcdef.jpg", "/photos", "xxAAxxxx", 2, 2004, 0, ""},
        {" M2004ab.jpg", "/photos", "xxAAAAxx", 2, 2004, 0, ""},
        {"2004xxab.jpg", "/photos", "AAAAxxxx", 2, 2004, 0, ""},
    };
    verifier(cas);
}

TEST_F(NamingDatation, FolderPathDatesAndMonthWordsAreBlanked) {
    const Cas cas[] = {
        {"Plage.jpg", "/photos/Vacances/2003 Juillet", "", 3, 2003, 7, ""},
        {"Robe.jpg", "/photos/2004 Mariage", "", 3, 2004, 3, ""}, // "Mar" starts Mariage
        {"Plage.jpg", "/photos/Vacances 2003", "", 3, 2003, 0, "Vacances"},
        // No month after the year: the whole text is searched, the year blanked.
        {"Plage.jpg", "/photos/Juin/2003 Nice Antibes", "", 3, 2003, 6, "/     Nice Antibes"},
        {"Plage.jpg", "/photos/Noel 2019-12", "", 3, 2019, 12, ""},
        {"Plage.jpg", "/photos/2003/Septembre Corse", "", 3, 2003, 9, "/      bre Corse"},
        {"Plage.jpg", "/photos/Soirée Invites 2004", "", 3, 2004, 0, "Soirée       s"},
        {"Plage.jpg", "/photos/Vieux/Famille", "", 4, 0, 0, "Vieux/Famille"},
        {"Plage.jpg", "/photos/12004", "", 3, 2004, 0, ""}, // the first 4 digits that are a year
        {"Plage.jpg", "/photos/1800 2001", "", 3, 2001, 0, ""},
        {"Plage.jpg", "/photos/ab", "", 4, 0, 0, ""}, // too short to hold a folder text
        {"Plage.jpg", "/photos", "", 4, 0, 0, ""},
        {"Plage.jpg", "/photos/Invite", "", 4, 0, 0, ""},
        {"Plage.jpg", "/photos/ Invites au Mas ", "", 4, 0, 0, "s au Mas"},
    };
    verifier(cas);
}

TEST_F(NamingDatation, RootOfTheFileSystemAndRootWithFinalSeparator) {
    EXPECT_EQ(longueurRacine("/"), 0);
    EXPECT_EQ(longueurRacine("/photos/"), 7);
    EXPECT_EQ(longueurRacine("/photos"), 7);
    const Cas cas[] = {
        {"Plage.jpg", "/2004 Eté Nice", "", 3, 2004, 0, "Eté Nice"},
    };
    verifier(cas, "/");
    verifier(cas, "");
    const Cas sousDossier[] = {
        {"Plage.jpg", "/photos/Nice Cannes 2004", "", 3, 2004, 0, "Nice Cannes"},
    };
    verifier(sousDossier, "/photos/");
}

TEST_F(NamingDatation, ShortNamesAreFilledWithBlanks) {
    const Datation d = dater("ab", 2, "/photos", 7, {});
    EXPECT_EQ(d.baseBourree, QStringLiteral("ab") + QString(10, ' '));
    const Datation longue = dater("abcdefghij", 10, "/photos", 7, {});
    EXPECT_EQ(longue.baseBourree, "abcdefghij");
    const Datation vide = dater("", 0, "/photos/2004", 7, {});
    EXPECT_EQ(vide.code, 3);
    EXPECT_EQ(vide.annee, 2004);
}

TEST_F(NamingDatation, MonthWordSearch) {
    const struct {
        const char* texte;
        int mois;
        const char* apres;
    } cas[] = {
        {" Juin ", 6, "      "}, // June wins over July at the same position
        {" Juillet", 7, "    llet"},
        {" JUILLET", 7, "    LLET"},
        {"x Fév x", 2, "x     x"},
        {"décembre ", 12, "     bre "},
        {"aout  ", 8, "   t  "},
        {"Septembre ", 9, "      bre "},
        {"sept ", 9, "   t "},
        {"Octobre Mai", 10, "     re Mai"}, // the leftmost match wins
        {"photo 07 x", 7, "photo    x"},
        {"Mars ", 3, "   s "},
        {"rien ici", 0, "rien ici"},
        {"janv", 1, "    "},
        {"", 0, ""},
    };
    for (const auto& c : cas) {
        QString t = QString::fromUtf8(c.texte);
        EXPECT_EQ(chercherMotMois(t), c.mois) << c.texte;
        EXPECT_EQ(t, QString::fromUtf8(c.apres)) << c.texte;
    }
}

// Any name and folder, however odd, gives a date within the rules and words of the stored form.
TEST_F(NamingDatation, AnyNameAndFolderGivesAValidDate) {
    const QString alphabet = QStringLiteral("0123456789-_ /.AaJjMmuivr\u00e9\u00c9\u00df\u20ac") + QChar(2);
    QRandomGenerator graine(7);
    const auto texte = [&](int maxi) {
        QString t;
        const int n = graine.bounded(maxi + 1);
        for (int i = 0; i < n; ++i)
            t += alphabet[graine.bounded(int(alphabet.size()))];
        return t;
    };
    const QStringList motifs{"", "xxMMAAxxxx", "AAAAMMJJ", "xxAAAAxx", "AA", "MMAA", "JJMMAAAA"};
    for (int essai = 0; essai < 3000; ++essai) {
        const QString base = texte(14);
        const QString dossier = "/photos/" + texte(20);
        const FormatDeclare format = analyserFormat(motifs[essai % motifs.size()]);
        const Datation d = dater(base, int(base.size()), dossier, 7, format);
        ASSERT_TRUE(d.code >= 1 && d.code <= 5) << base.toStdString();
        ASSERT_TRUE(d.mois >= 0 && d.mois <= 12) << base.toStdString();
        if (d.code == SansDate)
            ASSERT_EQ(d.annee, 0);
        if (d.code == DateNomStandard || d.code == DateNomSansSeparateur)
            ASSERT_TRUE(anneeNomValide(d.annee));
        if (d.code == DateDossier)
            ASSERT_TRUE(anneeDossierValide(d.annee));
        ASSERT_GE(d.baseBourree.size(), 10);
        for (const QString& mot : extraireMots(d.texteMotsDossier, d.baseBourree)) {
            ASSERT_GE(mot.size(), 2) << mot.toStdString();
            ASSERT_FALSE(mot[0].unicode() >= 'a' && mot[0].unicode() <= 'z') << mot.toStdString();
        }
    }
}
