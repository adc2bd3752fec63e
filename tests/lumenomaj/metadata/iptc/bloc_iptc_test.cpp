#include "BlocIptc.h"
#include "DictionnaireIptc.h"

#include <QDate>
#include <QLocale>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

QByteArray octets(std::initializer_list<int> valeurs) {
    QByteArray b;
    for (int v : valeurs)
        b.append(static_cast<char>(v));
    return b;
}

QByteArray donnee(int enregistrement, int numero, const QByteArray& valeur) {
    return octets({0x1C, enregistrement, numero, valeur.size() >> 8, valeur.size() & 0xFF}) + valeur;
}

QByteArray ressource(int numero, const QByteArray& donnees) {
    QByteArray r = "8BIM" + octets({numero >> 8, numero & 0xFF, 0, 0});
    const auto n = donnees.size();
    r += octets({int(n >> 24), int((n >> 16) & 0xFF), int((n >> 8) & 0xFF), int(n & 0xFF)}) + donnees;
    if (n % 2)
        r += '\0';
    return r;
}

QByteArray segment(const QByteArray& charge) {
    const auto n = charge.size() + 2;
    return octets({0xFF, 0xED, int(n >> 8), int(n & 0xFF)}) + charge;
}

const QByteArray kPhotoshop("Photoshop 3.0\0", 14);

BlocIptc blocAvec(const QByteArray& datasets) {
    return BlocIptc::lireSegments({segment(kPhotoshop + ressource(0x0404, datasets))});
}

QStringList numeros(const BlocIptc& bloc) {
    QStringList liste;
    for (const DonneeIptc& d : bloc.donnees())
        liste << QStringLiteral("%1:%2=%3").arg(d.enregistrement).arg(d.numero).arg(bloc.texte(d));
    return liste;
}

} // namespace

TEST(LumenomajIptcBloc, ReadsTheKeywordOfAMinimalSegment) {
    const QByteArray seg = segment(kPhotoshop + "8BIM" + octets({4, 4, 0, 0, 0, 0, 0, 0x0C}) +
                                   octets({0x1C, 2, 0x19, 0, 7}) + "vacance");
    const BlocIptc bloc = BlocIptc::lireSegments({seg});
    ASSERT_TRUE(bloc.aDonnees());
    EXPECT_EQ(bloc.identifiant(), "Photoshop 3.0");
    EXPECT_EQ(bloc.textes(25), QStringList{"vacance"});
    EXPECT_TRUE(bloc.defauts().isEmpty());
    const DescriptionIptc d = bloc.decrire(bloc.donnees().first());
    EXPECT_EQ(d.anglais, "Keywords");
    EXPECT_EQ(d.francais, "Mots-clés");
    EXPECT_EQ(d.valeur, "vacance");
    // Built back unchanged: 13 identifier characters and 12 bytes of datasets give a length of 40.
    const QList<QByteArray> construits = bloc.construireSegments();
    ASSERT_EQ(construits.size(), 1);
    EXPECT_EQ(construits.first(), seg);
    EXPECT_EQ((quint8(seg[2]) << 8) | quint8(seg[3]), 40);
}

TEST(LumenomajIptcBloc, ReadsASegmentWithoutIdentifierAndWritesTheDefaultOne) {
    const BlocIptc bloc = BlocIptc::lireSegments({segment(ressource(0x0404, donnee(2, 90, "Nice")))});
    EXPECT_EQ(bloc.identifiant(), "");
    EXPECT_EQ(bloc.textes(90), QStringList{"Nice"});
    ASSERT_EQ(bloc.construireCharges().size(), 1);
    EXPECT_TRUE(bloc.construireCharges().first().startsWith(kPhotoshop + "8BIM"));
}

TEST(LumenomajIptcBloc, SetReplaceAndRemoveFollowOccurrences) {
    BlocIptc bloc = blocAvec(donnee(2, 25, "un") + donnee(2, 120, "légende") + donnee(2, 120, "deux"));
    bloc.definirTexte(0x1C, 2, 25, "second", 2, false);   // adds a second keyword after the first
    bloc.definirTexte(0x1C, 2, 25, "premier", 1, false);  // replaces the first in place
    bloc.definirTexte(0x1C, 2, 25, "troisième", 1, true); // add flag: after its namesakes
    bloc.definirTexte(0x1C, 2, 90, "Paris", 1, false);    // new number: in number order
    bloc.definirTexte(0x1C, 2, 5, "objet", 1, false);
    bloc.definirTexte(0x1C, 2, 120, "", 1, false); // empty text removes the first caption
    EXPECT_EQ(numeros(bloc), QStringList({"2:5=objet", "2:25=premier", "2:25=second", "2:25=troisième",
                                          "2:90=Paris", "2:120=deux"}));
    bloc.supprimer(0x1C, 2, 25, 2);
    EXPECT_EQ(bloc.textes(25), QStringList({"premier", "troisième"}));
    bloc.supprimer(0x1C, 2, 25, -1);
    bloc.supprimer(0x1C, 2, 25, 1); // nothing left to remove: no effect
    EXPECT_EQ(numeros(bloc), QStringList({"2:5=objet", "2:90=Paris", "2:120=deux"}));
    bloc.remplacerTextes(120, {});
    bloc.remplacerTextes(5, {});
    bloc.remplacerTextes(90, {});
    EXPECT_FALSE(bloc.aDonnees());
    EXPECT_TRUE(bloc.construireSegments().isEmpty());
}

TEST(LumenomajIptcBloc, SettingOnAnEmptyRecordCreatesTheIptcResource) {
    BlocIptc bloc;
    bloc.supprimer(0x1C, 2, 25, -1);
    EXPECT_FALSE(bloc.aDonnees());
    bloc.remplacerTextes(25, {"mer", "", "plage"});
    EXPECT_EQ(bloc.textes(25), QStringList({"mer", "plage"}));
    const BlocIptc relu = BlocIptc::lireSegments(bloc.construireSegments());
    EXPECT_EQ(relu.textes(25), QStringList({"mer", "plage"}));
    EXPECT_EQ(relu.identifiant(), "Photoshop 3.0");
}

TEST(LumenomajIptcBloc, TextFollowsTheCodedCharacterSet) {
    // Windows-1252 by default.
    BlocIptc bloc = blocAvec(donnee(2, 120, "Plage \xE9t\xE9 \x80"));
    EXPECT_EQ(bloc.textes(120), QStringList{"Plage été €"});
    bloc.definirTexte(0x1C, 2, 90, "Besançon", 1, false);
    EXPECT_EQ(bloc.donnees().first().donnees, QByteArray("Besan\xE7on"));
    EXPECT_FALSE(bloc.estUtf8());

    // A text Windows-1252 cannot hold moves the record to UTF-8, the older texts with it.
    bloc.definirTexte(0x1C, 2, 25, "東京", 1, false);
    EXPECT_TRUE(bloc.estUtf8());
    EXPECT_EQ(bloc.donnees().first(), (DonneeIptc{0x1C, 1, 90, "\x1B%G"}));
    const BlocIptc relu = BlocIptc::lireSegments(bloc.construireSegments());
    EXPECT_TRUE(relu.estUtf8());
    EXPECT_EQ(relu.textes(120), QStringList{"Plage été €"});
    EXPECT_EQ(relu.textes(90), QStringList{"Besançon"});
    EXPECT_EQ(relu.textes(25), QStringList{"東京"});

    // A record that declares UTF-8 is read and written in UTF-8.
    BlocIptc utf8 = blocAvec(donnee(1, 90, "\x1B%G") + donnee(2, 80, QStringLiteral("Zoë").toUtf8()));
    EXPECT_EQ(utf8.textes(80), QStringList{"Zoë"});
    utf8.definirTexte(0x1C, 2, 90, "Sète", 1, false);
    EXPECT_EQ(utf8.donnees().last().donnees, QStringLiteral("Sète").toUtf8());
}

TEST(LumenomajIptcBloc, DescribesDatesTimesAndTheObjectCycle) {
    const BlocIptc bloc =
        blocAvec(donnee(2, 55, "20040615") + donnee(2, 60, "134501+0200") + donnee(2, 30, "2004") +
                 donnee(2, 75, "b") + donnee(2, 75, "z") + donnee(2, 200, "x"));
    const auto valeur = [&](int i) { return bloc.decrire(bloc.donnees()[i]).valeur; };
    EXPECT_EQ(valeur(0), QLocale::system().toString(QDate(2004, 6, 15), QLocale::ShortFormat)); // 55
    EXPECT_EQ(valeur(2), "2004");           // 30: too short to be a date, shown as it is
    EXPECT_EQ(valeur(1), "13:45:01+02h00"); // 60
    EXPECT_EQ(valeur(3), "l'après midi");   // 75
    EXPECT_EQ(valeur(4), "");
    EXPECT_EQ(bloc.decrire(bloc.donnees()[5]).anglais, "Unknown");
    EXPECT_EQ(bloc.decrire(bloc.donnees()[5]).francais, "Inconnu");
}

TEST(LumenomajIptcBloc, DictionaryNamesTheDatasets) {
    struct Cas {
        int numero;
        const char* anglais;
        const char* francais;
    };
    const Cas cas[] = {
        {5, "Object Name", "Nom de l'objet"},
        {45, "Reference service", "Service de référence (doit être suivi des champs 47 et 50)"},
        {95, "Province/State", "Province/État"},
        {120, "Caption/Abstract", "Description, Résumé, Commentaire"},
        {130, "Image Type", "Type de l'image"},
        {131, "Unknown", "Inconnu"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(DictionnaireIptc::nomAnglais(c.numero), QString::fromUtf8(c.anglais)) << c.numero;
        EXPECT_EQ(DictionnaireIptc::nomFrancais(c.numero), QString::fromUtf8(c.francais)) << c.numero;
    }
}

TEST(LumenomajIptcBloc, WalksEveryResourceAndKeepsTheOthers) {
    // IPTC third, after a resource with an odd size and one with a name; then a foreign APP13.
    const QByteArray avant =
        ressource(0x03ED, octets({0, 0x48, 0, 0, 0, 1, 0, 1, 0, 0x48, 0, 0, 0, 1, 0, 1})) +
        ressource(0x0425, "abc");
    QByteArray nomme = "8BIM" + octets({0x04, 0x0B, 3}) + "url" + octets({0, 0, 0, 4}) + "http";
    const QByteArray charge = kPhotoshop + avant + nomme + ressource(0x0404, donnee(2, 25, "mer"));
    const QByteArray etranger = QByteArray("Adobe_CM\0", 9) + "xyz";
    BlocIptc bloc = BlocIptc::lireSegments({segment(charge), segment(etranger)});
    ASSERT_EQ(bloc.textes(25), QStringList{"mer"});
    ASSERT_EQ(bloc.autresRessources().size(), 3);
    EXPECT_EQ(bloc.autresRessources()[2].nom, "url");
    EXPECT_TRUE(bloc.defauts().isEmpty()) << bloc.defauts().join("\n").toStdString();
    // Unchanged, the segments come back byte for byte.
    EXPECT_EQ(bloc.construireSegments(), QList<QByteArray>({segment(charge), segment(etranger)}));

    bloc.remplacerTextes(25, {"montagne", "lac"});
    BlocIptc relu = BlocIptc::lireSegments(bloc.construireSegments());
    EXPECT_EQ(relu.textes(25), QStringList({"montagne", "lac"}));
    EXPECT_EQ(relu.construireCharges().first().left(kPhotoshop.size() + avant.size() + nomme.size()),
              kPhotoshop + avant + nomme);
    EXPECT_EQ(relu.construireCharges().last(), etranger);

    // Without datasets the other resources are still written.
    relu.remplacerTextes(25, {});
    const QList<QByteArray> sansIptc = relu.construireCharges();
    ASSERT_EQ(sansIptc.size(), 2);
    EXPECT_EQ(BlocIptc::lireCharges(sansIptc).autresRessources().size(), 3);
}

TEST(LumenomajIptcBloc, JoinsConsecutiveSegmentsAndSplitsLongOnes) {
    BlocIptc bloc;
    QStringList mots;
    for (int i = 0; i < 900; ++i)
        mots << QStringLiteral("mot-clé numéro %1 ").arg(i).repeated(4);
    bloc.remplacerTextes(25, mots);
    bloc.definirTexte(0x1C, 2, 120, QString(40000, QLatin1Char('x')), 1, false); // extended length
    const QList<QByteArray> segments = bloc.construireSegments();
    ASSERT_GE(segments.size(), 2);
    for (const QByteArray& s : segments) {
        EXPECT_LE(s.size(), 65537);
        EXPECT_TRUE(s.mid(4).startsWith(kPhotoshop));
        EXPECT_EQ(s.size() % 2, 0);
    }
    const BlocIptc relu = BlocIptc::lireSegments(segments);
    EXPECT_EQ(relu.textes(25), mots);
    EXPECT_EQ(relu.textes(120), QStringList{QString(40000, QLatin1Char('x'))});
    EXPECT_TRUE(relu.defauts().isEmpty());
}

TEST(LumenomajIptcBloc, MalformedInputIsReadAsFarAsPossibleAndReported) {
    struct Cas {
        const char* nom;
        QList<QByteArray> segments;
        QStringList mots;
    };
    const QByteArray bon = ressource(0x0404, donnee(2, 25, "un") + donnee(2, 25, "deux"));
    const Cas cas[] = {
        {"segment plus court que sa longueur", {segment(kPhotoshop + bon).left(40)}, {"un"}},
        {"donnée plus longue que la ressource",
         {segment(kPhotoshop + ressource(0x0404, donnee(2, 25, "un") + octets({0x1C, 2, 25, 0, 50}) + "xy"))},
         {"un", "xy"}},
        {"longueur étendue impossible",
         {segment(kPhotoshop + ressource(0x0404, donnee(2, 25, "un") + octets({0x1C, 2, 25, 0x80, 9, 1})))},
         {"un"}},
        {"octets étrangers après les données",
         {segment(kPhotoshop + ressource(0x0404, donnee(2, 25, "un") + "zz"))},
         {"un"}},
        {"ressource plus longue que le segment",
         {segment(kPhotoshop + "8BIM" + octets({4, 4, 0, 0, 0x7F, 0, 0, 0}) + donnee(2, 25, "un"))},
         {"un"}},
        {"signature inconnue", {segment(kPhotoshop + "XXXX" + bon)}, {}},
        {"segment vide", {octets({0xFF, 0xED, 0, 2})}, {}},
        {"longueur inférieure à 2", {octets({0xFF, 0xED, 0, 0})}, {}},
        {"pas un segment APP13", {octets({0xFF, 0xE1, 0, 2})}, {}},
    };
    for (const Cas& c : cas) {
        const BlocIptc bloc = BlocIptc::lireSegments(c.segments);
        EXPECT_EQ(bloc.textes(25), c.mots) << c.nom;
        if (QByteArray(c.nom) != "segment vide")
            EXPECT_FALSE(bloc.defauts().isEmpty()) << c.nom;
        bloc.construireSegments(); // must not fail either
    }
}

TEST(LumenomajIptcBloc, RandomCutsAndFlipsNeverReadOutOfBounds) {
    const QByteArray charge = kPhotoshop + ressource(0x03ED, QByteArray(16, 'a')) +
                              ressource(0x0404, donnee(1, 90, "\x1B%G") + donnee(2, 25, "un") +
                                                    donnee(2, 120, QByteArray(300, 'c')));
    QRandomGenerator hasard(1234);
    for (int essai = 0; essai < 3000; ++essai) {
        QByteArray abime = charge.left(hasard.bounded(charge.size() + 1));
        for (int i = 0, n = hasard.bounded(4); i < n && !abime.isEmpty(); ++i)
            abime[hasard.bounded(abime.size())] = static_cast<char>(hasard.bounded(256));
        // The copy is exactly as long as the bytes, so a read past them is caught by the sanitizers.
        const BlocIptc bloc = BlocIptc::lireCharges({abime});
        for (const DonneeIptc& d : bloc.donnees())
            bloc.decrire(d);
        const BlocIptc relu = BlocIptc::lireCharges(bloc.construireCharges());
        EXPECT_EQ(relu.donnees(), bloc.donnees()) << essai;
    }
}
