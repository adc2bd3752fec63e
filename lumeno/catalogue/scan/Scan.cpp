#include "Scan.h"

#include "Catalogue.h"
#include "Datation.h"
#include "EcritureEnregistrement.h"
#include "EcritureReglages.h"
#include "Horloge.h"
#include "ListeDossier.h"
#include "MessagesScan.h"
#include "Nombres.h"
#include "OrdreClef.h"
#include "TexteFichier.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

constexpr int MusiquesMaxi = 1000;
// The bottom line warns from this many files below the limit on.
constexpr int MargeMessageTaille = 10;

QString joindre(const QString& dossier, const QString& nom) {
    return dossier.endsWith(QLatin1Char('/')) ? dossier + nom : dossier + QLatin1Char('/') + nom;
}

// The root as the directory list shows it: no final "/", except for the file system root.
QString normaliserRacine(QString chemin) {
    while (chemin.size() > 1 && chemin.endsWith(QLatin1Char('/')))
        chemin.chop(1);
    return chemin;
}

void creerDossier(const QString& chemin) {
    // A folder that exists already is fine; any other failure only costs the thumbnails there.
    ::mkdir(QFile::encodeName(chemin).constData(), 0777);
}

bool dossierLisible(const QString& chemin) {
    const QFileInfo info(chemin);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

// Flushes a finished file to the disk before it is renamed into place.
bool synchroniser(const QString& chemin) {
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool remplacer(const QString& source, const QString& cible, QString* erreur) {
    // The temporary file was made private; the catalogue is an ordinary file of the program folder.
    QFile::setPermissions(source, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                      QFileDevice::ReadOther);
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(source).toStdString(), QFile::encodeName(cible).toStdString(),
                            ec);
    if (ec && erreur)
        *erreur = QString::fromStdString(ec.message());
    return !ec;
}

// Processor time of the calling thread, in milliseconds.
double tempsProcesseurFil() {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

} // namespace

Scan::Scan(ParametresScan parametres, RetourScan& retour) : p_(std::move(parametres)), retour_(retour) {}

Scan::~Scan() {
    arreterAides();
}

const ResultatScan& Scan::executer() {
    while (etape(1000)) {
    }
    return resultat_;
}

bool Scan::etape(int budgetMs) {
    switch (phase_) {
    case Phase::Depart:
        demarrer();
        return phase_ != Phase::Finie;
    case Phase::Parcours: {
        QElapsedTimer chrono;
        chrono.start();
        chrono_.start();
        const double processeur = tempsProcesseurFil();
        while (!annule_.load()) {
            if (pile_.empty()) {
                if (!racineSuivante()) {
                    phase_ = Phase::Traitement;
                    break;
                }
                continue;
            }
            const DossierAVisiter dossier = std::move(pile_.back());
            pile_.pop_back();
            parcourirDossier(dossier);
            if (chrono.elapsed() >= budgetMs)
                break;
        }
        resultat_.durees.parcours += chrono_.nsecsElapsed() / 1e6;
        resultat_.durees.parcoursProcesseur += tempsProcesseurFil() - processeur;
        retour_.progression({int(dossiers_.size()), 0});
        if (annule_.load())
            terminer(FinScan::Annulee);
        return phase_ != Phase::Finie;
    }
    case Phase::Traitement:
        chrono_.start();
        traiterFichiers();
        if (annule_.load()) {
            terminer(FinScan::Annulee);
            return false;
        }
        retenirDansOrdreDuParcours();
        resultat_.durees.traitement = chrono_.nsecsElapsed() / 1e6;
        retour_.progression({int(dossiers_.size()), resultat_.fichiersAcceptes});
        phase_ = Phase::Conclusion;
        return true;
    case Phase::Conclusion:
        conclure();
        return false;
    case Phase::Finie:
        return false;
    }
    return false;
}

void Scan::boite(Boite::Icone icone, const QString& titre, const QString& texte) {
    Boite::Message m;
    m.icone = icone;
    m.titre = titre;
    m.texte = texte;
    retour_.boite(m);
}

void Scan::terminer(FinScan fin) {
    resultat_.fin = fin;
    resultat_.indexMots = tables_.indexMots();
    resultat_.indexAnnees = tables_.indexAnnees();
    resultat_.indexMois = tables_.indexMois();
    if (fin != FinScan::AucuneRacine)
        retour_.moment(RetourScan::Moment::Fin);
    phase_ = Phase::Finie;
    liberer();
}

void Scan::demarrer() {
    const ReglagesLumeno& r = p_.reglages;
    if (std::none_of(r.racines.begin(), r.racines.end(), [](const RacineCatalogue& c) { return c.cochee; })) {
        retour_.messageConfig(MessagesScan::aucuneRacine());
        terminer(FinScan::AucuneRacine);
        return;
    }
    retour_.compagnon(RetourScan::Animation::Lecture);
    retour_.moment(RetourScan::Moment::Debut);
    retour_.message(MessagesScan::lecture());
    retour_.messageBas(QString());

    cheminModele_ = joindre(p_.dossierProgramme, QStringLiteral("Lumeno2.mdb"));
    const QFileInfo modele(cheminModele_);
    if (!modele.isFile() || modele.size() < Catalogue::TailleMiniModele) {
        boite(Boite::Icone::Information, MessagesScan::titreModeleAbsent(),
              MessagesScan::modeleAbsent(p_.dossierProgramme));
        terminer(FinScan::ModeleAbsent);
        return;
    }

    // A root that is not there (an unplugged disk) would empty its part of the catalogue: nothing
    // is replaced then.
    for (const RacineCatalogue& c : r.racines) {
        if (c.cochee && !dossierLisible(normaliserRacine(c.chemin))) {
            resultat_.erreur = c.chemin;
            boite(Boite::Icone::Information, MessagesScan::titreRacineIndisponible(),
                  MessagesScan::racineIndisponible(c.chemin));
            terminer(FinScan::RacineIndisponible);
            return;
        }
    }

    if (r.configCheck11) {
        creerDossiersMiniatures();
        copierVisionneuse();
    }
    options_.format = analyserFormat(r.formatPhotos1);
    options_.genres.texte = r.texteCheck16;
    options_.genres.musique = r.configCheck8;
    options_.genres.video = r.configCheck6;
    options_.genres.quickTime = r.quickTimeCheck17;
    options_.triAlpha = r.configCheckTri;
    options_.anneeMaxi = Horloge::anneeMaxiPhotos();
    phase_ = Phase::Parcours;
    lancerAides();
}

void Scan::creerDossiersMiniatures() {
    const QString racine = normaliserRacine(p_.reglages.racines[0].chemin);
    if (racine.isEmpty())
        return;
    const QString xLumeno = joindre(racine, QStringLiteral("x-Lumeno"));
    creerDossier(xLumeno);
    creerDossier(xLumeno + QStringLiteral("/Lumeno"));
    creerDossier(xLumeno + QStringLiteral("/Lumeno/Html"));
    creerDossier(xLumeno + QStringLiteral("/Miniatures"));
    creerDossier(xLumeno + QStringLiteral("/Miniatures/Lumeno-Bin"));
    racineMiniatures_ = xLumeno + QStringLiteral("/Miniatures");
}

void Scan::copierVisionneuse() {
    const QString racine = normaliserRacine(p_.reglages.racines[0].chemin);
    const QString xLumeno = joindre(racine, QStringLiteral("x-Lumeno"));
    if (QFile::exists(xLumeno + QStringLiteral("/i_view32.exe")))
        return;
    for (const QString nom : {QStringLiteral("i_view32.exe"), QStringLiteral("i_view32.ini")}) {
        const QString source = joindre(p_.dossierProgramme, nom);
        if (QFile::exists(source))
            QFile::copy(source, joindre(xLumeno, nom));
    }
}

bool Scan::racineSuivante() {
    while (++racine_ < int(p_.reglages.racines.size())) {
        const RacineCatalogue& c = p_.reglages.racines[racine_];
        if (!c.cochee)
            continue;
        cheminRacine_ = normaliserRacine(c.chemin);
        longueurRacine_ = longueurRacine(cheminRacine_);
        rab_ = Nombres::texteSigne(longueurRacine_);
        pile_.push_back({cheminRacine_, 0});
        return true;
    }
    return false;
}

void Scan::parcourirDossier(const DossierAVisiter& dossier) {
    // Our own folders (thumbnails, HTML projects) are never catalogued, nor is anything below them.
    if (dossier.chemin.contains(QLatin1String("x-Lumeno")) ||
        (dossier.profondeur > 0 && estDossierSysteme(dossier.chemin)))
        return;
    const QString relatif = dossier.profondeur == 0 ? QString() : dossier.chemin.mid(longueurRacine_ + 1);
    if (racine_ == 0 && !racineMiniatures_.isEmpty() && dossier.profondeur > 0)
        creerDossier(joindre(racineMiniatures_, relatif));
    retour_.messageBas(dossier.chemin);

    ListeDossier liste = listerDossier(dossier.chemin);
    if (!liste.lisible)
        return; // an unreadable folder costs its own files only
    if (!liste.fichiers.isEmpty()) {
        std::lock_guard<std::mutex> verrou(verrou_);
        dossiers_.push_back({dossier.chemin, relatif, longueurRacine_, rab_, std::move(liste.fichiers)});
        traites_.emplace_back();
        publies_ = dossiers_.size();
    }
    publication_.notify_one();
    if (dossier.profondeur < ProfondeurMaxi) {
        for (auto it = liste.sousDossiers.crbegin(); it != liste.sousDossiers.crend(); ++it)
            pile_.push_back({joindre(dossier.chemin, *it), dossier.profondeur + 1});
    }
}

void Scan::lancerAides() {
    // Each file is worked out on its own, so the folders are shared among the processor's cores;
    // what depends on order is taken afterwards, in walk order.
    const unsigned coeurs = std::clamp(std::thread::hardware_concurrency(), 2u, 4u);
    for (unsigned k = 1; k < coeurs; ++k)
        aides_.emplace_back([this] { travailler(); });
}

void Scan::travailler() {
    for (;;) {
        const size_t i = suivant_.fetch_add(1);
        const DossierParcouru* dossier = nullptr;
        std::vector<FichierTraite>* sortie = nullptr;
        {
            std::unique_lock<std::mutex> verrou(verrou_);
            publication_.wait(verrou, [&] { return i < publies_ || parcoursFini_ || annule_.load(); });
            if (i >= publies_ || annule_.load())
                return;
            dossier = &dossiers_[i];
            sortie = &traites_[i];
        }
        sortie->reserve(dossier->fichiers.size());
        ContexteDossier contexte = preparerDossier(options_, *dossier);
        for (const QString& nom : dossier->fichiers) {
            if (std::optional<FichierTraite> f = traiterFichier(options_, *dossier, contexte, nom))
                sortie->push_back(std::move(*f));
        }
    }
}

void Scan::arreterAides() {
    {
        std::lock_guard<std::mutex> verrou(verrou_);
        parcoursFini_ = true;
    }
    publication_.notify_all();
    for (std::thread& t : aides_)
        t.join();
    aides_.clear();
}

void Scan::traiterFichiers() {
    {
        std::lock_guard<std::mutex> verrou(verrou_);
        parcoursFini_ = true;
    }
    publication_.notify_all();
    travailler();
    arreterAides();
}

void Scan::retenirDansOrdreDuParcours() {
    const QByteArray motsVides = EcritureEnregistrement::MotsVides.toUtf8();
    for (std::vector<FichierTraite>& dossier : traites_) {
        for (FichierTraite& f : dossier) {
            if (f.playlist) {
                lignesPlaylists_.append(f.chemin());
                continue;
            }
            tables_.ajouterAnnee(f.cleAnnee);
            tables_.ajouterMois(f.cleMois);
            // Once the word table is nearly full, later files get no words at all.
            if (tables_.motsAcceptes()) {
                for (const QString& mot : f.mots)
                    tables_.ajouterMot(mot);
            } else {
                f.ligne.Mots = motsVides;
            }
            ++resultat_.fichiersAcceptes;
            if (resultat_.fichiersAcceptes < p_.limiteEnregistrements)
                fiches_.push_back(&f);
        }
    }
}

void Scan::liberer() {
    arreterAides();
    fiches_.clear();
    traites_.clear();
    dossiers_.clear();
    pile_.clear();
}

bool Scan::construireCatalogue(const QString& chemin, const std::vector<const FichierTraite*>& ordre,
                               QStringList& lignesMusique) {
    try {
        Catalogue catalogue(chemin);
        catalogue.modeConstruction();
        SqliteTransaction transaction(catalogue.base());
        std::vector<const LigneCatalogue*> lignes;
        lignes.reserve(ordre.size());
        for (const FichierTraite* fiche : ordre)
            lignes.push_back(&fiche->ligne);
        catalogue.ecrireLignes(lignes, 1);
        const int tri = int(lignes.size());
        for (const FichierTraite* fiche : ordre) {
            const FichierTraite& f = *fiche;
            const int annee = f.ligne.Annee;
            if (annee > 1800 && annee < 2200) {
                resultat_.anneeMaxi = std::max(resultat_.anneeMaxi, annee);
                resultat_.anneeMini = std::min(resultat_.anneeMini, annee);
            }
            if (lignesMusique.size() < MusiquesMaxi && f.listeMusique) {
                const int v = f.ligne.Valide;
                const bool dateIncertaine = v == 2 || v == 3 || v == 4;
                lignesMusique.append((dateIncertaine ? QStringLiteral("1") : QStringLiteral("0")) +
                                     f.chemin());
            }
        }
        for (const QString& mot : tables_.motsPourCatalogue())
            catalogue.ajouterMotTrouve(mot);
        for (const QString& annee : tables_.anneesPourCatalogue())
            catalogue.ajouterAnneeTrouvee(annee);
        for (const QString& mois : tables_.moisPourCatalogue())
            catalogue.ajouterMoisTrouve(mois);
        transaction.commit();
        resultat_.enregistrements = tri;
    } catch (const SqliteError& e) {
        resultat_.erreur = QString::fromUtf8(e.what());
        return false;
    }
    if (!synchroniser(chemin)) {
        resultat_.erreur = QStringLiteral("synchronisation");
        return false;
    }
    return true;
}

void Scan::conclure() {
    chrono_.start();
    const QString cheminCatalogue = joindre(p_.dossierProgramme, QStringLiteral("Lumeno1.mdb"));

    // The new catalogue starts as a copy of the template beside the live one, and takes its place
    // only once complete.
    QTemporaryFile temporaire(joindre(p_.dossierProgramme, QStringLiteral("Lumeno1.mdb.XXXXXX")));
    QFile modele(cheminModele_);
    if (!temporaire.open() || !modele.open(QIODevice::ReadOnly) ||
        temporaire.write(modele.readAll()) != modele.size() || !temporaire.flush()) {
        resultat_.erreur = temporaire.errorString();
        boite(Boite::Icone::Critique, MessagesScan::titreErreurEcriture(),
              MessagesScan::erreurBase(resultat_.erreur));
        terminer(FinScan::ErreurEcriture);
        return;
    }
    temporaire.close();
    const QString cheminTemporaire = temporaire.fileName();

    retour_.messageBas(MessagesScan::tri());
    retour_.compagnon(RetourScan::Animation::Traitement);

    auto ecrireListes = [&](const QStringList& musiques) {
        const QString lumeno4 = joindre(p_.dossierProgramme, QStringLiteral("Lumeno4.ini"));
        const QString lumeno7 = joindre(p_.dossierProgramme, QStringLiteral("Lumeno7.ini"));
        QString erreur;
        if (!TexteFichier::ecrire(lumeno4, musiques, &erreur))
            boite(Boite::Icone::Critique, MessagesScan::titreErreurEcriture(),
                  MessagesScan::erreurListe(lumeno4, erreur));
        if (!TexteFichier::ecrire(lumeno7, lignesPlaylists_, &erreur))
            boite(Boite::Icone::Critique, MessagesScan::titreErreurEcriture(),
                  MessagesScan::erreurListe(lumeno7, erreur));
    };

    if (fiches_.empty()) {
        // Nothing catalogued: the empty catalogue replaces the old one and the settings stay.
        QString erreur;
        if (!remplacer(cheminTemporaire, cheminCatalogue, &erreur)) {
            resultat_.erreur = erreur;
            boite(Boite::Icone::Critique, MessagesScan::titreErreurEcriture(),
                  MessagesScan::erreurBase(erreur));
            terminer(FinScan::ErreurEcriture);
            return;
        }
        temporaire.setAutoRemove(false);
        ecrireListes({});
        QString dossier;
        for (const RacineCatalogue& c : p_.reglages.racines) {
            if (c.cochee) {
                dossier = c.chemin;
                break;
            }
        }
        boite(Boite::Icone::Information, MessagesScan::titreBaseVide(), MessagesScan::baseVide(dossier));
        terminer(FinScan::BaseVide);
        return;
    }

    if (resultat_.fichiersAcceptes > p_.limiteEnregistrements - MargeMessageTaille)
        retour_.messageBas(
            MessagesScan::limiteDepassee(p_.limiteEnregistrements, resultat_.fichiersAcceptes));

    // Rows go in in key order, so each one's position is known as it is written; equal keys keep
    // the order in which the walk met them.
    std::vector<const FichierTraite*> ordre = fiches_;
    std::stable_sort(ordre.begin(), ordre.end(), [](const FichierTraite* a, const FichierTraite* b) {
        return OrdreClef::avant(a->ligne.Clef, b->ligne.Clef);
    });
    QStringList musiques;
    if (annule_.load() || !construireCatalogue(cheminTemporaire, ordre, musiques)) {
        if (annule_.load()) {
            terminer(FinScan::Annulee);
        } else {
            boite(Boite::Icone::Critique, MessagesScan::titreErreurEcriture(),
                  MessagesScan::erreurBase(resultat_.erreur));
            terminer(FinScan::ErreurEcriture);
        }
        return;
    }
    resultat_.nombreMusiques = int(musiques.size());
    resultat_.durees.catalogue = chrono_.nsecsElapsed() / 1e6;
    chrono_.start();

    retour_.messageBas(MessagesScan::sauvegarde());
    retour_.moment(RetourScan::Moment::ConfigurationMasquee);
    retour_.compagnon(RetourScan::Animation::Anime);

    ReglagesLumeno reglages = p_.reglages;
    reglages.formatDeclare = options_.format.declare;
    ResultatsScan resultats;
    resultats.nombreEnregistrements = resultat_.enregistrements + 1;
    resultats.anneeMaxi = resultat_.anneeMaxi;
    resultats.anneeMini = resultat_.anneeMini;
    resultats.nombreMusiques = resultat_.nombreMusiques;
    resultats.nombreMots = tables_.indexMots();
    resultats.nombreAnnees = tables_.indexAnnees();
    resultats.nombreMois = tables_.indexMois();
    resultats.dateScan = Horloge::aujourdhui();
    QString erreur;
    if (!ecrireReglages(p_.dossierProgramme, resultats, reglages, &erreur)) {
        resultat_.erreur = erreur;
        boite(Boite::Icone::Critique, MessagesScan::titreErreurEcriture(),
              MessagesScan::erreurReglages(joindre(p_.dossierProgramme, QStringLiteral("Lumeno1.txt")),
                                           erreur));
        terminer(FinScan::ErreurEcriture);
        return;
    }

    retour_.message(MessagesScan::classementMots());
    if (!remplacer(cheminTemporaire, cheminCatalogue, &erreur)) {
        resultat_.erreur = erreur;
        boite(Boite::Icone::Critique, MessagesScan::titreErreurEcriture(), MessagesScan::erreurBase(erreur));
        terminer(FinScan::ErreurEcriture);
        return;
    }
    temporaire.setAutoRemove(false);
    ecrireListes(musiques);
    resultat_.durees.fichiers = chrono_.nsecsElapsed() / 1e6;

    retour_.moment(RetourScan::Moment::Fin);
    if (p_.signalRenommage > 0) {
        retour_.message(QString());
        retour_.messageBas(QString());
        if (p_.signalRenommage == 1)
            boite(Boite::Icone::Information, MessagesScan::titreRenommage(),
                  MessagesScan::renommage(p_.nombreRenommes));
        resultat_.signalRenommageTraite = true;
    }
    retour_.compagnon(RetourScan::Animation::Arret);
    retour_.message(MessagesScan::activation());
    retour_.messageBas(QString());
    resultat_.fin = FinScan::Terminee;
    resultat_.indexMots = tables_.indexMots();
    resultat_.indexAnnees = tables_.indexAnnees();
    resultat_.indexMois = tables_.indexMois();
    phase_ = Phase::Finie;
    liberer();
}
