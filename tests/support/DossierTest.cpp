#include "DossierTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

DossierTest::DossierTest() { EXPECT_TRUE(dir_.isValid()); }

QString DossierTest::chemin(const QString& relatif) const { return dir_.filePath(relatif); }

QString DossierTest::fichier(const QString& relatif, const QByteArray& contenu) {
    const QString p = chemin(relatif);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << p.toStdString();
    f.write(contenu);
    return p;
}

QString DossierTest::dossier(const QString& relatif) {
    const QString p = chemin(relatif);
    QDir().mkpath(p);
    return p;
}
