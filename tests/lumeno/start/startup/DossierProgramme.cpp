#include "DossierProgramme.h"

#include "Catalogue.h"
#include "EcritureReglages.h"
#include "FichierContextes.h"
#include "Horloge.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

DossierProgramme::DossierProgramme() {
    dossier.dossier("prog");
}

DossierProgramme::~DossierProgramme() {
    fenetre_.reset();
    Horloge::fixer({});
}

QString DossierProgramme::chemin(const QString& nom) const {
    return nom.isEmpty() ? dossier.chemin("prog") : dossier.chemin("prog/" + nom);
}

DossierProgramme& DossierProgramme::programme() {
    dossier.fichier("prog/Lumeno", "programme");
    return *this;
}

DossierProgramme& DossierProgramme::modele() {
    QFile::remove(chemin("Lumeno2.mdb"));
    Catalogue::creer(chemin("Lumeno2.mdb"));
    return *this;
}

DossierProgramme& DossierProgramme::contextes() {
    EXPECT_TRUE(FichierContextes::ContexteCreation(chemin()));
    return *this;
}

DossierProgramme& DossierProgramme::base() {
    return programme().modele().contextes();
}

DossierProgramme& DossierProgramme::catalogue(const QList<QPair<QString, int>>& photos) {
    QFile::remove(chemin("Lumeno1.mdb"));
    Catalogue::creer(chemin("Lumeno1.mdb"));
    Catalogue c(chemin("Lumeno1.mdb"));
    for (const auto& [nom, annee] : photos) {
        ActPhoto a;
        a.Clef = QString::number(annee) + nom;
        a.Nom = nom;
        a.Rep = "/photos";
        a.Annee = annee;
        a.Type = "jpg";
        a.Valide = 1;
        c.BddEcrit(a);
        c.ajouterAnneeTrouvee(QString::number(annee));
    }
    c.ajouterMotTrouve("Plage");
    c.ajouterMoisTrouve("6");
    c.numeroter();
    return *this;
}

DossierProgramme& DossierProgramme::reglages(const QString& racine, const QDate& dateScan,
                                             const QString& joursAuto) {
    ReglagesLumeno r = ReglagesLumeno::parDefaut();
    r.racines[0] = {racine, true, true};
    r.configAutoJour = joursAuto;
    r.hScroll1 = 5;
    ResultatsScan s;
    s.anneeMaxi = 2024;
    s.anneeMini = 2003;
    s.dateScan = dateScan;
    EXPECT_TRUE(ecrireReglages(chemin(), s, r));
    return *this;
}

EtatDemarrage DossierProgramme::etatParDefaut() const {
    EtatDemarrage e;
    e.dossierProgramme = chemin();
    e.dossierExecutable = chemin();
    return e;
}

FenetrePrincipale& DossierProgramme::demarrer(EtatDemarrage etat) {
    if (etat.dossierProgramme.isEmpty())
        etat = etatParDefaut();
    fenetre_ = std::make_unique<FenetrePrincipale>(etat);
    fenetre_->crochetsFenetre().finProgramme = [this] { ++fins; };
    fenetre_->show();
    fenetre_->demarrer();
    return *fenetre_;
}
