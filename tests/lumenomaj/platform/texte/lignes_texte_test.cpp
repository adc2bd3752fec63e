#include "Cp1252.h"
#include "DossierTest.h"
#include "LignesTexte.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(LumenomajTexte, CodePageRoundTripsItsCharactersAndRefusesOthers) {
    const QString texte = QStringLiteral("été € œ Ÿ ’ \u0081");
    ASSERT_TRUE(Cp1252::encodable(texte));
    EXPECT_EQ(Cp1252::encoder(texte), QByteArray("\xE9t\xE9 \x80 \x9C \x9F \x92 \x81"));
    EXPECT_EQ(Cp1252::decoder(Cp1252::encoder(texte)), texte);
    EXPECT_FALSE(Cp1252::encodable(QStringLiteral("東京")));
    EXPECT_EQ(Cp1252::encoder(QStringLiteral("a東")), QByteArray("a?"));
}

TEST(LumenomajTexte, WritesCrLfInTheCodePageOrUtf8WithBomWhenNeeded) {
    DossierTest dossier;
    const QString chemin = dossier.chemin("a.txt");
    ASSERT_TRUE(LignesTexte::ecrire(chemin, {"Début", "x"}));
    EXPECT_EQ(contenu(chemin), QByteArray("D\xE9"
                                          "but\r\nx\r\n"));
    ASSERT_TRUE(LignesTexte::ecrire(chemin, {"Début", "東京"}));
    EXPECT_EQ(contenu(chemin), QByteArray("\xEF\xBB\xBF") + QStringLiteral("Début\r\n東京\r\n").toUtf8());
    EXPECT_EQ(LignesTexte::lire(chemin).lignes, QStringList({"Début", "東京"}));
}

TEST(LumenomajTexte, ReadsBothLineEndsAndReportsAMissingFile) {
    EXPECT_EQ(LignesTexte::decoder("a\nb\r\n\r\nc"), QStringList({"a", "b", "", "c"}));
    EXPECT_FALSE(LignesTexte::lire("/nonexistent/folder/f.txt").ok);
}

TEST(LumenomajTexte, AppendingKeepsTheFileEncodingAndSwitchesToUtf8OnlyWhenNeeded) {
    DossierTest dossier;
    const QString chemin = dossier.chemin("log.txt");
    ASSERT_TRUE(LignesTexte::ajouter(chemin, {"été"}));
    ASSERT_TRUE(LignesTexte::ajouter(chemin, {"hiver"}));
    EXPECT_EQ(contenu(chemin), QByteArray("\xE9t\xE9\r\nhiver\r\n"));
    ASSERT_TRUE(LignesTexte::ajouter(chemin, {"東京"}));
    EXPECT_EQ(LignesTexte::lire(chemin).lignes, QStringList({"été", "hiver", "東京"}));
    EXPECT_TRUE(contenu(chemin).startsWith("\xEF\xBB\xBF"));
}
