#pragma once

#include "DossierTest.h"

#include <QByteArray>

// Points the user's configuration folder at a temporary folder for the life of a test.
class DossierConfigTest {
public:
    DossierConfigTest() : ancien_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", dossier_.chemin().toUtf8());
    }
    ~DossierConfigTest() { qputenv("XDG_CONFIG_HOME", ancien_); }
    QString copie() const { return dossier_.chemin(QStringLiteral("lumeno/Lumeno3.txt")); }
    DossierTest& dossier() { return dossier_; }

private:
    DossierTest dossier_;
    QByteArray ancien_;
};
