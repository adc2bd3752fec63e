#include "Catalogue.h"
#include "CurseurCatalogue.h"
#include "EcritureEnregistrement.h"
#include "OrdreClef.h"

#include "DossierTest.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

ActPhoto enregistrement(const QString& clef, const QString& nom, const QString& rep = QStringLiteral("/p")) {
    ActPhoto a;
    a.Clef = clef;
    a.Nom = nom;
    a.Rep = rep;
    a.Annee = 2004;
    a.Mois = 6;
    a.Type = QStringLiteral("jpg");
    a.Valide = 1;
    a.Rab = QStringLiteral(" 2");
    a.Mots = QStringLiteral("Plage-");
    return a;
}

QStringList colonnes(SqliteDatabase& base, const char* table) {
    SqliteStatement r(base, (QByteArray("PRAGMA table_info(") + table + ")").constData());
    QStringList noms;
    while (r.step())
        noms << r.text(1);
    return noms;
}

QStringList nomsEnOrdreClef(Catalogue& c) {
    CurseurCatalogue curseur(c.base());
    curseur.ouvrirOrdreClef();
    QStringList noms;
    ActPhoto a;
    for (; !curseur.eof(); curseur.suivant()) {
        EXPECT_TRUE(curseur.BddLit(a).ok());
        noms << a.Nom;
    }
    return noms;
}

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        chemin = dossier.chemin(QStringLiteral("Lumeno1.mdb"));
        Catalogue::creer(chemin);
        catalogue = std::make_unique<Catalogue>(chemin);
    }
    DossierTest dossier;
    QString chemin;
    std::unique_ptr<Catalogue> catalogue;
};

} // namespace

TEST_F(CatalogueTest, EmptyCatalogueHasTheFourTablesAndPassesTheTemplateSizeCheck) {
    EXPECT_GE(QFileInfo(chemin).size(), Catalogue::TailleMiniModele);
    EXPECT_EQ(colonnes(catalogue->base(), "Table1"),
              QStringList({"N°", "Clef", "Nom", "Rep", "Annee", "Mois", "Type", "Valide", "Rab", "Tri",
                           "Mots", "Complement", "Futur", "Information"}));
    EXPECT_EQ(colonnes(catalogue->base(), "Table2"), QStringList{"MotsTrouves"});
    EXPECT_EQ(colonnes(catalogue->base(), "Table3"), QStringList{"AnneesTrouvees"});
    EXPECT_EQ(colonnes(catalogue->base(), "Table4"), QStringList{"MoisTrouves"});
    EXPECT_EQ(catalogue->nombreEnregistrements(), 0);
    EXPECT_THROW(Catalogue::creer(chemin), SqliteError) << "an existing file is never replaced";
}

TEST_F(CatalogueTest, WriterAppliesEveryLimitAndPlaceholder) {
    struct Cas {
        const char* quoi;
        ActPhoto entree;
        ActPhoto attendu;
    };
    auto base = enregistrement(QStringLiteral("2004-06x5"), QStringLiteral("Plage          "));
    std::vector<Cas> cas;
    auto ajoute = [&](const char* quoi, auto modifier, auto attendre) {
        ActPhoto e = base, a = base;
        modifier(e);
        attendre(a);
        cas.push_back({quoi, e, a});
    };
    ajoute(
        "4-character Rab loses its first character", [](ActPhoto& a) { a.Rab = " 100"; },
        [](ActPhoto& a) { a.Rab = "100"; });
    ajoute(
        "shorter Rab kept", [](ActPhoto& a) { a.Rab = " 9"; }, [](ActPhoto& a) { a.Rab = " 9"; });
    ajoute(
        "empty fields get placeholders",
        [](ActPhoto& a) {
            a.Rep.clear();
            a.Nom.clear();
            a.Type.clear();
            a.Mots.clear();
        },
        [](ActPhoto& a) {
            a.Rep = "Rep vide ?";
            a.Nom = "Photo sans nom ?";
            a.Type = "bof";
            a.Mots = "_";
        });
    ajoute(
        "key cut to 254", [](ActPhoto& a) { a.Clef = QString(300, 'k'); },
        [](ActPhoto& a) { a.Clef = QString(254, 'k'); });
    ajoute(
        "folder of 240 kept", [](ActPhoto& a) { a.Rep = QString(240, 'r'); },
        [](ActPhoto& a) { a.Rep = QString(240, 'r'); });
    ajoute(
        "folder of 241 replaced", [](ActPhoto& a) { a.Rep = QString(241, 'r'); },
        [](ActPhoto& a) { a.Rep = EcritureEnregistrement::RepTropLong.trimmed(); });
    ajoute(
        "name of 149 kept", [](ActPhoto& a) { a.Nom = QString(149, 'n'); },
        [](ActPhoto& a) { a.Nom = QString(149, 'n'); });
    ajoute(
        "name of 150 replaced", [](ActPhoto& a) { a.Nom = QString(150, 'n'); },
        [](ActPhoto& a) { a.Nom = EcritureEnregistrement::NomTropLong.trimmed(); });
    ajoute(
        "month 13 becomes 0", [](ActPhoto& a) { a.Mois = 13; }, [](ActPhoto& a) { a.Mois = 0; });
    ajoute(
        "month -1 becomes 0", [](ActPhoto& a) { a.Mois = -1; }, [](ActPhoto& a) { a.Mois = 0; });
    ajoute(
        "name with quote, comma and other scripts",
        [](ActPhoto& a) { a.Nom = QString::fromUtf8("Il a dit \"oui\", l'été 東京"); },
        [](ActPhoto& a) { a.Nom = QString::fromUtf8("Il a dit \"oui\", l'été 東京"); });

    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        DossierTest d;
        const QString p = d.chemin("c.mdb");
        Catalogue::creer(p);
        Catalogue cat(p);
        ASSERT_TRUE(cat.BddEcrit(c.entree));
        CurseurCatalogue curseur(cat.base());
        curseur.ouvrirOrdreClef();
        ActPhoto lu;
        ASSERT_TRUE(curseur.BddLit(lu).ok());
        EXPECT_EQ(lu.Clef, c.attendu.Clef);
        // The reader drops trailing spaces of Nom and Rep.
        EXPECT_EQ(lu.Nom, c.attendu.Nom.trimmed());
        EXPECT_EQ(lu.Rep, c.attendu.Rep.trimmed());
        EXPECT_EQ(lu.Rab, c.attendu.Rab);
        EXPECT_EQ(lu.Type, c.attendu.Type);
        EXPECT_EQ(lu.Mots, c.attendu.Mots);
        EXPECT_EQ(lu.Mois, c.attendu.Mois);
        EXPECT_EQ(lu.Annee, 2004);
        EXPECT_EQ(lu.Valide, 1);
        EXPECT_EQ(lu.Complement, "...");
        EXPECT_EQ(lu.Futur, ".");
        EXPECT_EQ(lu.Information, ".");
        EXPECT_EQ(lu.Tri, 0);
        EXPECT_GT(lu.Numero, 0);
    }
}

TEST_F(CatalogueTest, ReaderKeepsTheTrailingSpaceMarkerAndDropsFiller) {
    ActPhoto a = enregistrement("k5", QStringLiteral("Plage") + QChar(2) + QString(10, ' '));
    ASSERT_TRUE(catalogue->BddEcrit(a));
    CurseurCatalogue curseur(catalogue->base());
    curseur.ouvrirOrdreClef();
    ActPhoto lu;
    ASSERT_TRUE(curseur.BddLit(lu).ok());
    EXPECT_EQ(lu.Nom, QStringLiteral("Plage") + QChar(2));
}

TEST_F(CatalogueTest, NumberingGivesPositionsInKeyOrderAndPositionLookUpFindsThem) {
    // Written out of order; equal keys keep their writing order.
    for (const auto& [clef, nom] : std::vector<std::pair<QString, QString>>{{"2005-01c5", "c"},
                                                                            {"2004-06a5", "a1"},
                                                                            {"9999-00z5", "z"},
                                                                            {"2004-06a5", "a2"},
                                                                            {"2004-07b5", "b"}})
        ASSERT_TRUE(catalogue->BddEcrit(enregistrement(clef, nom)));
    catalogue->numeroter();

    EXPECT_EQ(nomsEnOrdreClef(*catalogue), QStringList({"a1", "a2", "b", "c", "z"}));
    CurseurCatalogue curseur(catalogue->base());
    ActPhoto lu;
    for (int tri = 1; tri <= 5; ++tri) {
        curseur.ouvrirPosition(tri);
        ASSERT_TRUE(curseur.BddLit(lu).ok());
        EXPECT_EQ(lu.Tri, tri);
        EXPECT_EQ(lu.Nom, QStringList({"a1", "a2", "b", "c", "z"})[tri - 1]);
        curseur.suivant();
        EXPECT_TRUE(curseur.eof()) << "one row a position";
    }
    curseur.ouvrirPosition(6);
    EXPECT_TRUE(curseur.eof());
    EXPECT_EQ(curseur.BddLit(lu).erreur, LectureBdd::PasDeLigneCourante);

    curseur.ouvrirOrdreClefDepuis(3);
    QStringList suite;
    for (; !curseur.eof(); curseur.suivant()) {
        curseur.BddLit(lu);
        suite << lu.Nom;
    }
    EXPECT_EQ(suite, QStringList({"b", "c", "z"}));
}

TEST_F(CatalogueTest, NameQueryBindsTheNameSoQuotesFindTheirRows) {
    const QString piege = QStringLiteral("x\" OR \"1\"=\"1");
    ASSERT_TRUE(catalogue->BddEcrit(enregistrement("b5", piege)));
    ASSERT_TRUE(catalogue->BddEcrit(enregistrement("a5", "autre")));
    ASSERT_TRUE(catalogue->BddEcrit(enregistrement("c5", piege, "/q")));
    catalogue->numeroter();
    CurseurCatalogue curseur(catalogue->base());
    curseur.ouvrirNom(piege);
    QStringList reps;
    ActPhoto lu;
    for (; !curseur.eof(); curseur.suivant()) {
        ASSERT_TRUE(curseur.BddLit(lu).ok());
        EXPECT_EQ(lu.Nom, piege);
        reps << lu.Rep;
    }
    EXPECT_EQ(reps, QStringList({"/p", "/q"}));

    // A short name is stored with its filler and looked for as listed, without it.
    ASSERT_TRUE(catalogue->BddEcrit(enregistrement("d5", "Nice" + QString(10, ' '))));
    curseur.ouvrirNom("Nice");
    ASSERT_FALSE(curseur.eof());
    ASSERT_TRUE(curseur.BddLit(lu).ok());
    EXPECT_EQ(lu.Nom, "Nice");
}

TEST_F(CatalogueTest, EmptyCatalogueReadReportsNoCurrentRowWithItsMessages) {
    CurseurCatalogue curseur(catalogue->base());
    curseur.ouvrirOrdreClef();
    EXPECT_TRUE(curseur.eof());
    ActPhoto a;
    a.Nom = "Plage";
    a.Type = "jpg";
    const LectureBdd l = curseur.BddLit(a);
    EXPECT_EQ(l.erreur, 3021);
    EXPECT_EQ(a.Nom, "Plage") << "the buffer keeps what it held";
    EXPECT_EQ(MessagesLectureBdd::message(l.erreur, a), "Erreur 3021-ActPhotoRep-Plage-jpg-");
    EXPECT_EQ(MessagesLectureBdd::messageBas(),
              QString::fromUtf8("Erreur de lecture de La Base de Données. Il faut aller dans Config."));
}

TEST_F(CatalogueTest, WordYearAndMonthListsComeBackSorted) {
    for (const char* m : {"Plage", "Ecole", "Nice"})
        catalogue->ajouterMotTrouve(m);
    for (const char* a : {"2004", "9999", "1999"})
        catalogue->ajouterAnneeTrouvee(a);
    for (const char* m : {"06", "00", "12"})
        catalogue->ajouterMoisTrouve(m);
    EXPECT_EQ(catalogue->motsTrouves(), QStringList({"Ecole", "Nice", "Plage"}));
    EXPECT_EQ(catalogue->anneesTrouvees(), QStringList({"1999", "2004", "9999"}));
    EXPECT_EQ(catalogue->moisTrouves(), QStringList({"00", "06", "12"}));
}

// The scan sorts keys in memory and stores Tri at insert time: that only holds when the memory
// order is exactly the database's order for Clef.
TEST_F(CatalogueTest, MemoryKeyOrderMatchesTheDatabaseOrder) {
    const QStringList clefs = {"2004-06Vacances/plage5",
                               "2004-06vacances/Plage5",
                               "2004-06Vacances_x5",
                               "2004-06Vacances5",
                               "2004-06VacancesZ5",
                               "2004-06Vacances[5",
                               "2004-06Été5",
                               "2004-06Ete5",
                               "2004-06東京5",
                               "2004-06e\u0301te5",
                               "2004-06Vacances00",
                               "2004-06Vacances",
                               "9999-00 a5",
                               "9999-00a5",
                               "9999-00A5",
                               "2004-06\U0001F600x5",
                               "2004-06\uFF21x5",
                               "2004-06\uE000x5"};
    for (int i = 0; i < clefs.size(); ++i)
        ASSERT_TRUE(catalogue->BddEcrit(enregistrement(clefs[i], QString::number(i))));
    catalogue->numeroter();

    std::vector<int> ordre(clefs.size());
    for (int i = 0; i < clefs.size(); ++i)
        ordre[i] = i;
    std::stable_sort(ordre.begin(), ordre.end(), [&](int a, int b) {
        return OrdreClef::avant(OrdreClef::forme(clefs[a]), OrdreClef::forme(clefs[b]));
    });
    QStringList attendu;
    for (int i : ordre)
        attendu << QString::number(i);
    EXPECT_EQ(nomsEnOrdreClef(*catalogue), attendu);

    // The comparison on the texts themselves gives the same order.
    std::stable_sort(ordre.begin(), ordre.end(),
                     [&](int a, int b) { return OrdreClef::avant(clefs[a], clefs[b]); });
    QStringList surTextes;
    for (int i : ordre)
        surTextes << QString::number(i);
    EXPECT_EQ(surTextes, attendu);
}

// The bulk writer takes rows already prepared and converted on other threads; what it stores is
// what the record writer stores for the same record, field for field.
TEST_F(CatalogueTest, PreparedRowsAreStoredAsTheRecordWriterStoresThem) {
    std::vector<ActPhoto> cas;
    cas.push_back(enregistrement(QStringLiteral("2004-06Été/Noël5"), QStringLiteral("Noël à Paris\x02")));
    ActPhoto vide = enregistrement(QStringLiteral("9999-005"), QString(), QString());
    vide.Type.clear();
    vide.Mots.clear();
    vide.Rab = QStringLiteral(" 100");
    cas.push_back(vide);
    ActPhoto long_ = enregistrement(QString(300, QLatin1Char('k')), QString(150, QLatin1Char('n')),
                                    QStringLiteral("/") + QString(240, QLatin1Char('r')));
    long_.Mois = 14;
    cas.push_back(long_);
    cas.push_back(enregistrement(QStringLiteral("2004-06東京\U0001F600x5"), QStringLiteral("東京 'quote\""),
                                 QStringLiteral("/p/l'été")));

    {
        SqliteTransaction transaction(catalogue->base());
        int tri = 0;
        for (const ActPhoto& a : cas) {
            ++tri;
            ASSERT_TRUE(catalogue->BddEcrit(a, tri));
            const ActPhoto prepare = EcritureEnregistrement::preparer(a);
            LigneCatalogue ligne = LigneCatalogue::depuis(prepare);
            // The scan gives each file its folder's stored fields.
            ligne.Rep = EcritureEnregistrement::repStocke(a.Rep).toUtf8();
            ligne.Rab = EcritureEnregistrement::rabStocke(a.Rab).toUtf8();
            catalogue->ecrireLigne(ligne, tri);
        }
        transaction.commit();
    }

    SqliteStatement r(catalogue->base(), "SELECT * FROM Table1 ORDER BY \"N°\"");
    std::vector<QStringList> lignes;
    while (r.step()) {
        QStringList champs;
        for (int c = 1; c < r.columnCount(); ++c)
            champs << (r.isNull(c) ? QStringLiteral("<null>") : r.text(c));
        lignes.push_back(champs);
    }
    ASSERT_EQ(lignes.size(), 2 * cas.size());
    for (size_t i = 0; i < cas.size(); ++i)
        EXPECT_EQ(lignes[2 * i + 1], lignes[2 * i]) << cas[i].Clef.left(20).toStdString();
}

// Rows written in batches keep their order and their positions, the last short batch included.
TEST_F(CatalogueTest, RowsWrittenInBatchesMatchRowsWrittenOneByOne) {
    std::vector<ActPhoto> cas;
    for (int i = 0; i < 70; ++i) {
        ActPhoto a = enregistrement(QStringLiteral("2004-06Lot%1-5").arg(i),
                                    QStringLiteral("Nom été %1").arg(i), QStringLiteral("/p/%1").arg(i % 7));
        a.Mois = i % 13;
        a.Valide = 1 + i % 5;
        cas.push_back(EcritureEnregistrement::preparer(a));
    }
    std::vector<LigneCatalogue> lignes;
    for (const ActPhoto& a : cas)
        lignes.push_back(LigneCatalogue::depuis(a));
    std::vector<const LigneCatalogue*> pointeurs;
    for (const LigneCatalogue& l : lignes)
        pointeurs.push_back(&l);
    {
        SqliteTransaction transaction(catalogue->base());
        for (size_t i = 0; i < cas.size(); ++i)
            ASSERT_TRUE(catalogue->ecrirePrepare(cas[i], int(i) + 1));
        catalogue->ecrireLignes(pointeurs, 1);
        transaction.commit();
    }
    SqliteStatement r(catalogue->base(), "SELECT * FROM Table1 ORDER BY \"N°\"");
    std::vector<QStringList> lues;
    while (r.step()) {
        QStringList champs;
        for (int c = 1; c < r.columnCount(); ++c)
            champs << (r.isNull(c) ? QStringLiteral("<null>") : r.text(c));
        lues.push_back(champs);
    }
    ASSERT_EQ(lues.size(), 2 * cas.size());
    for (size_t i = 0; i < cas.size(); ++i)
        EXPECT_EQ(lues[cas.size() + i], lues[i]) << i;
}
