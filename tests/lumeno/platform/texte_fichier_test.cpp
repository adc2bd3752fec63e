#include "DossierTest.h"
#include "TexteFichier.h"
#include "Windows1252.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

TEST(Windows1252, RoundTripsTheWholeCodePage) {
    QByteArray tous;
    for (int b = 0; b < 256; ++b)
        tous.append(static_cast<char>(b));
    const QString texte = Windows1252::decode(tous);
    EXPECT_EQ(texte.size(), 256);
    EXPECT_TRUE(Windows1252::canEncode(texte));
    EXPECT_EQ(Windows1252::encode(texte), tous);
    EXPECT_EQ(texte[0x80], QChar(0x20AC)); // euro
    EXPECT_EQ(texte[0x9C], QChar(0x0153)); // oe ligature
    EXPECT_EQ(texte[0xE9], QChar(0x00E9)); // e acute
}

TEST(TexteFichier, WritesWindows1252WithCrLf) {
    DossierTest d;
    const QString p = d.chemin("a.txt");
    ASSERT_TRUE(TexteFichier::ecrire(p, {"[Lumeno-Config]", "Aléatoire €", ""}));
    EXPECT_EQ(contenu(p), QByteArray("[Lumeno-Config]\r\nAl\xE9"
                                     "atoire \x80\r\n\r\n"));
    const auto lu = TexteFichier::lire(p);
    ASSERT_TRUE(lu.ok);
    EXPECT_EQ(lu.lignes, (QStringList{"[Lumeno-Config]", "Aléatoire €", ""}));
}

TEST(TexteFichier, FallsBackToUtf8WithBomWhenTheCodePageCannotHoldTheText) {
    DossierTest d;
    const QString p = d.chemin("b.txt");
    const QStringList lignes{"写真", "Plage"};
    ASSERT_TRUE(TexteFichier::ecrire(p, lignes));
    EXPECT_TRUE(contenu(p).startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(TexteFichier::lire(p).lignes, lignes);
}

// The encoder writes a whole list into one buffer; each line must come out exactly as the line's
// own encoding gives it, whichever encoding the list takes.
TEST(TexteFichier, EncodesEachLineAsItsOwnEncodingDoes) {
    const QString seul = QString(QChar(0xD800)); // half a surrogate pair
    const QStringList cas[] = {
        {},
        {""},
        {"/photos/a.jpg", "", "1/photos/b.mp3"},
        {"Aléatoire €", "plain", "œuvre"},
        {"写真", "Plage", "Aléatoire €"},
        {"写真" + seul, seul + "x", "😀 émoji"},
        {QString(300, QChar(0x4E00)), QString(300, u'é')},
    };
    for (const QStringList& lignes : cas) {
        bool cp1252 = true;
        for (const QString& l : lignes)
            cp1252 = cp1252 && Windows1252::canEncode(l);
        QByteArray attendu = cp1252 ? QByteArray() : QByteArray("\xEF\xBB\xBF");
        for (const QString& l : lignes)
            attendu += (cp1252 ? Windows1252::encode(l) : l.toUtf8()) + "\r\n";
        EXPECT_EQ(TexteFichier::encoder(lignes), attendu) << lignes.join(QLatin1Char('|')).toStdString();
    }
}

TEST(TexteFichier, ReadsLfAndMixedLineEnds) {
    const QStringList attendu{"un", "deux", "", "trois"};
    EXPECT_EQ(TexteFichier::decoder("un\ndeux\r\n\r\ntrois"), attendu);
    EXPECT_EQ(TexteFichier::decoder("un\ndeux\n\ntrois\n"), attendu);
    EXPECT_TRUE(TexteFichier::decoder("").isEmpty());
}

TEST(TexteFichier, MissingFileIsNotOk) {
    DossierTest d;
    EXPECT_FALSE(TexteFichier::lire(d.chemin("absent.txt")).ok);
}

TEST(TexteFichier, FailedWriteKeepsTheOldFileAndSaysWhy) {
    DossierTest d;
    const QString p = d.fichier("c.txt", "ancien\r\n");
    QString erreur;
    EXPECT_FALSE(TexteFichier::ecrire(d.chemin("absent/c.txt"), {"x"}, &erreur));
    EXPECT_FALSE(erreur.isEmpty());
    EXPECT_EQ(contenu(p), QByteArray("ancien\r\n"));
}

TEST(TexteFichier, AppendKeepsTheEncodingOfTheLog) {
    DossierTest d;
    const QString p = d.chemin("journal.log");
    ASSERT_TRUE(TexteFichier::ajouter(p, {"début"}));
    ASSERT_TRUE(TexteFichier::ajouter(p, {"fin"}));
    EXPECT_EQ(contenu(p), QByteArray("d\xE9"
                                     "but\r\nfin\r\n"));
}
