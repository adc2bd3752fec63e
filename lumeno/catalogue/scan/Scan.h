#pragma once

#include "ActPhoto.h"
#include "ReglagesLumeno.h"
#include "RetourScan.h"
#include "TablesTrouvees.h"
#include "TraitementFichier.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// What the configuration screen hands to a scan.
struct ParametresScan {
    QString dossierProgramme;          // where Lumeno2.mdb is and the catalogue, list and settings files go
    ReglagesLumeno reglages;           // the screen's roots and options, saved with the scan's results
    int signalRenommage = 0;           // above 0: a renaming tool started the scan
    int nombreRenommes = 0;            // files it renamed, told to the user when signalRenommage is 1
    int limiteEnregistrements = 64000; // the record limit: at most one row less than this
};

// How a scan ended.
enum class FinScan {
    Terminee,           // new catalogue, list files and settings in place: restart start-up at step B
    AucuneRacine,       // no root ticked: nothing started
    ModeleAbsent,       // no template: the user was told; restart start-up at step B
    BaseVide,           // nothing catalogued: empty catalogue, settings kept
    RacineIndisponible, // a ticked root cannot be read: everything kept
    Annulee,            // cancelled: everything kept
    ErreurEcriture,     // the catalogue or the settings could not be written: everything kept
};

struct ResultatScan {
    FinScan fin = FinScan::Terminee;
    int fichiersAcceptes = 0; // files that passed classification, written or not
    int enregistrements = 0;  // rows of the new catalogue
    int anneeMaxi = 0;
    int anneeMini = 9999;
    int nombreMusiques = 0;
    int indexMots = 1;
    int indexAnnees = 1;
    int indexMois = 1;
    bool signalRenommageTraite = false; // the caller resets its renaming signal to 0
    QString erreur;                     // detail of a failure

    // Where the time went, in milliseconds: listing the folders, working out the files, sorting
    // and writing the catalogue, writing the settings and list files.
    struct Durees {
        double parcours = 0;
        double traitement = 0;
        double catalogue = 0;
        double fichiers = 0;
        // Processor time of the thread that lists the folders, during the listing: set against
        // parcours, it tells the listing's own cost from time spent waiting for a core.
        double parcoursProcesseur = 0;
    } durees;
};

// The catalogue scan ("Valider la Configuration"): walks the ticked roots, classifies, dates and
// words every file, and builds a new catalogue, the music and playlist lists and the settings file.
// Nothing of the previous catalogue or settings is replaced before the new ones are complete.
//
// Run it in one call (executer(), on a worker thread for instance) or in slices from a timer
// (etape() until it returns false). annuler() may be called from any thread.
class Scan {
public:
    static constexpr int ProfondeurMaxi = 8;

    Scan(ParametresScan parametres, RetourScan& retour);
    ~Scan();
    Scan(const Scan&) = delete;
    Scan& operator=(const Scan&) = delete;

    // Runs the next slice of about budgetMs milliseconds; false once the scan has ended.
    bool etape(int budgetMs = 40);
    const ResultatScan& executer();
    void annuler() { annule_.store(true); }

    bool termine() const { return phase_ == Phase::Finie; }
    const ResultatScan& resultat() const { return resultat_; }

private:
    enum class Phase { Depart, Parcours, Traitement, Conclusion, Finie };

    struct DossierAVisiter {
        QString chemin;
        int profondeur = 0;
    };

    void demarrer();
    bool racineSuivante();
    void parcourirDossier(const DossierAVisiter& dossier);
    // The files are worked out by helper threads while the walk goes on; the scan's own thread
    // joins them once the walk is over.
    void lancerAides();
    void travailler();
    void arreterAides();
    void traiterFichiers();
    void retenirDansOrdreDuParcours();
    void conclure();
    bool construireCatalogue(const QString& cheminTemporaire, const std::vector<const FichierTraite*>& ordre,
                             QStringList& lignesMusique);
    void terminer(FinScan fin);
    void liberer();
    void creerDossiersMiniatures();
    void copierVisionneuse();
    void boite(Boite::Icone icone, const QString& titre, const QString& texte);

    ParametresScan p_;
    RetourScan& retour_;
    std::atomic<bool> annule_{false};
    Phase phase_ = Phase::Depart;
    ResultatScan resultat_;
    QElapsedTimer chrono_;

    OptionsTraitement options_;
    QString cheminModele_;
    QString racineMiniatures_; // x-Lumeno/Miniatures of the first root, when thumbnails are on
    int racine_ = -1;          // index of the root being walked
    QString cheminRacine_;
    int longueurRacine_ = 0;
    QString rab_;
    std::vector<DossierAVisiter> pile_;

    // Folders in walk order and the files worked out for each; a deque keeps the addresses of the
    // folders already published while the walk adds more.
    std::deque<DossierParcouru> dossiers_;
    std::deque<std::vector<FichierTraite>> traites_;
    std::mutex verrou_;
    std::condition_variable publication_;
    size_t publies_ = 0;
    bool parcoursFini_ = false;
    std::atomic<size_t> suivant_{0};
    std::vector<std::thread> aides_;
    std::vector<const FichierTraite*> fiches_; // the rows to write, in walk order
    TablesTrouvees tables_;
    QStringList lignesPlaylists_;
};
