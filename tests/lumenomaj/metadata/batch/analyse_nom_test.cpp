#include "AnalyseNom.h"
#include "Equilibre.h"
#include "RenommageExif.h"

#include <gtest/gtest.h>

namespace {

struct CasNom {
    const char* nom;
    bool compact;
    EtatNom etat;
    const char* annee;
    const char* mois;
    QStringList mots;
};

} // namespace

TEST(LumenomajLotAnalyseNom, DatesAndWordsOfNames) {
    const CasNom cas[] = {
        {"2004-06-Vacances-Mer", false, EtatNom::Date, "2004", "06", {"Vacances", "Mer"}},
        {"VacancesMer", false, EtatNom::NonDate, "", "", {"Vacances", "Mer"}},
        {"2004-13-Noel", false, EtatNom::MoisIncorrect, "", "", {"Noel"}},
        // Shorter than 10 characters: never dated.
        {"2004-06-A", false, EtatNom::NonDate, "", "", {}},
        {"20040600-Plage_ete", true, EtatNom::Date, "2004", "06", {"Plage", "Ete"}},
        {"200413-Plage", true, EtatNom::MoisIncorrect, "", "", {"Plage"}},
        // Without the compact format a name AAAAMM is not dated.
        {"200406-Plage", false, EtatNom::NonDate, "", "", {"Plage"}},
        {"1799-06-Ancien-Nom", false, EtatNom::NonDate, "", "", {"Ancien", "Nom"}},
        {"2003-12-Img_0012", false, EtatNom::Date, "2003", "12", {"Img"}},
        {"2004-06-été à Noël-Château", false, EtatNom::Date, "2004", "06", {"Ete", "Noel", "Chateau"}},
        {"2004-06-NOEL en FAMILLE", false, EtatNom::Date, "2004", "06", {"Noel", "Famille"}},
        {"2004-06-De la mer", false, EtatNom::Date, "2004", "06", {"Mer"}},
    };
    for (const CasNom& c : cas) {
        SCOPED_TRACE(c.nom);
        const NomAnalyse a = AnalyseNom::analyser(QString::fromUtf8(c.nom), FormatNoms{c.compact, false});
        EXPECT_EQ(a.etat, c.etat);
        EXPECT_EQ(a.annee, QString::fromUtf8(c.annee));
        EXPECT_EQ(a.mois, QString::fromUtf8(c.mois));
        EXPECT_EQ(a.mots, c.mots);
        EXPECT_EQ(a.motsIptc, c.mots.isEmpty() ? QString() : c.mots.join("\r\n") + "\r\n");
        EXPECT_EQ(a.motsXp, c.mots.isEmpty() ? QString() : c.mots.join(" ") + " ");
    }
}

TEST(LumenomajLotAnalyseNom, AtMostTwentyWordsTheNumberingStartsAgain) {
    QStringList noms;
    for (int i = 0; i < 22; ++i)
        noms.append(QStringLiteral("Mot") + QChar('a' + i) + QStringLiteral("x"));
    const QStringList mots = AnalyseNom::mots(noms.join(' '));
    ASSERT_EQ(mots.size(), 20);
    EXPECT_EQ(mots[0], "Motux"); // the 21st word took the first place
    EXPECT_EQ(mots[1], "Motvx");
    EXPECT_EQ(mots[19], "Mottx");
}

TEST(LumenomajLotAnalyseNom, BaseNames) {
    EXPECT_EQ(AnalyseNom::nomBase("2004-06-Mer.jpg"), "2004-06-Mer");
    EXPECT_EQ(AnalyseNom::nomBase("2004-06-Mer"), "2004-06-Mer");
    EXPECT_EQ(AnalyseNom::nomBase("Photo.JPG"), "Photo");
    EXPECT_EQ(AnalyseNom::nomBase("jpg"), "jpg");
}

namespace {

struct CasDate {
    const char* nom;
    FormatNoms format;
    const char* exif;
    const char* jour;
};

} // namespace

TEST(LumenomajLotEquilibre, DatesTakenFromNames) {
    const CasDate cas[] = {
        {"2004-06-15-143000-Plage", {}, "2004:06:15 14:30:00", "15"},
        {"2004-06-Plage-de-Nice", {}, "2004:06:01 00:00:00", "01"},
        // A day of 32 or a time that is not digits is no renamer's name: day 01.
        {"2004-06-32-143000-Plage", {}, "2004:06:01 00:00:00", "01"},
        {"2004-06-15-14h30m-Plage", {}, "2004:06:01 00:00:00", "01"},
        {"20040615-Plage", {true, true}, "2004:06:15 00:00:00", "15"},
        // A day that is not two digits 01–31 in the day format gives day 01.
        {"200406xx-Plage", {true, true}, "2004:06:01 00:00:00", "01"},
        {"20040600-Plage", {true, true}, "2004:06:01 00:00:00", "01"},
        // A month 00, or not two digits, writes no date at all.
        {"2004-00-Plage-de-Nice", {}, "", ""},
        {"2004-1x-Plage-de-Nice", {}, "", ""},
        {"VacancesMer", {}, "", ""},
    };
    for (const CasDate& c : cas) {
        SCOPED_TRACE(c.nom);
        const QString nom = QString::fromUtf8(c.nom);
        const Equilibre::DateNom d = Equilibre::dateDuNom(nom, AnalyseNom::analyser(nom, c.format), c.format);
        EXPECT_EQ(d.exif, c.exif);
        EXPECT_EQ(d.jourIptc, c.jour);
    }
}

TEST(LumenomajLotEquilibre, OptionsDecideWhatIsReplaced) {
    const QString nom = "2004-06-Vacances-Mer";
    const NomAnalyse a = AnalyseNom::analyser(nom, {});
    ChampsPhoto ancien;
    ancien.xpTitre = "Ancien titre";
    ancien.description = "Ancienne description";
    ancien.iptcMotsCles = "Ancien\r\n";
    ancien.xpAuteur = "Ancien auteur";

    // Replace everything, with an author and an extra word.
    ChampsPhoto c = ancien;
    OptionsEquilibre o;
    o.auteur = "Marie";
    o.motAjout = "Famille";
    Equilibre::equilibrer(c, nom, a, o);
    EXPECT_EQ(c.xpTitre, nom + " Famille");
    EXPECT_EQ(c.xpCommentaire, nom + " Famille");
    EXPECT_EQ(c.iptcTitreAuteur, nom + " Famille");
    EXPECT_EQ(c.xpMotsCles, "Vacances Mer  Famille");
    EXPECT_EQ(c.iptcMotsCles, "Vacances\r\nMer\r\nFamille");
    EXPECT_EQ(c.xpAuteur, "Marie");
    EXPECT_EQ(c.iptcAuteur, "Marie");
    EXPECT_EQ(c.iptcCopyright, "Marie");
    EXPECT_EQ(c.dateHeure, "2004:06:01 00:00:00");
    EXPECT_EQ(c.dateOrigine, "2004:06:01 00:00:00");
    EXPECT_EQ(c.iptcAnnee + c.iptcMois + c.iptcJour, "20040601");

    // Only the empty boxes, no date, no author.
    c = ancien;
    o = {};
    o.effaceImpose = false;
    o.auteur = "Marie";
    Equilibre::equilibrer(c, nom, a, o);
    EXPECT_EQ(c.xpTitre, "Ancien titre");
    EXPECT_EQ(c.description, "Ancienne description");
    EXPECT_EQ(c.xpSujet, nom);
    EXPECT_EQ(c.iptcMotsCles, "Ancien\r\n");
    EXPECT_EQ(c.xpMotsCles, "Vacances Mer ");
    EXPECT_EQ(c.xpAuteur, "Ancien auteur");
    EXPECT_TRUE(c.dateHeure.isEmpty());

    // The photo's EXIF keeps its names: only the author is taken over.
    c = ancien;
    o = {};
    o.lumenoImpose = false;
    o.auteur = "Marie";
    Equilibre::equilibrer(c, nom, a, o);
    EXPECT_EQ(c.xpTitre, "Ancien titre");
    EXPECT_EQ(c.xpAuteur, "Marie");
    EXPECT_TRUE(c.dateHeure.isEmpty());

    // The XP title is filled but the stored EXIF description is left alone.
    c = ancien;
    o = {};
    o.microsoftMajeur = true;
    Equilibre::equilibrer(c, nom, a, o);
    EXPECT_EQ(c.xpTitre, nom);
    EXPECT_TRUE(c.description.isEmpty());
}

TEST(LumenomajLotRenommage, PrefixOnlyFromAWellFormedPlausibleDate) {
    const struct {
        const char* date;
        bool compact;
        const char* prefixe;
    } cas[] = {
        {"2003:12:24 18:05:33", false, "2003-12-24-180533"},
        {"2003:12:24 18:05:33", true, "20031224-180533"},
        {"0000:00:00 00:00:00", false, ""},
        {"2003:13:24 18:05:33", false, ""},
        {"2003:12:00 18:05:33", false, ""},
        {"2003-12-24 18:05:33", false, ""},
        {"2003:12:24 18:05", false, ""},
        {"2003:1a:24 18:05:33", false, ""},
        {"2099:12:24 18:05:33", false, ""},
        {"    :  :     :  :  ", false, ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.date);
        EXPECT_EQ(RenommageExif::prefixe(QString::fromUtf8(c.date), c.compact, 2027), c.prefixe);
    }
}
