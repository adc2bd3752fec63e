#include "LotMetadonnees.h"

#include "RenommageExif.h"

#include <QDate>
#include <QDir>

namespace {

constexpr int kLecture = 1;
constexpr int kEquilibre = 2;
constexpr int kEcriture = 3;
constexpr int kFinPhoto = 4;
constexpr int kLectureRenommage = 7;
constexpr int kRenommage = 8;

} // namespace

LotMetadonnees::LotMetadonnees(Mode mode, QString dossier, SortiesLot sorties, QObject* parent)
    : QObject(parent), mode_(mode), dossier_(std::move(dossier)), sorties_(std::move(sorties)),
      anneeMaxi_(QDate::currentDate().year() + 1) {
    timer_.setSingleShot(true);
    timer_.setInterval(kPasParDefaut);
    connect(&timer_, &QTimer::timeout, this, &LotMetadonnees::tic);
}

QStringList LotMetadonnees::photosDuDossier(const QString& dossier) {
    // Without QDir::CaseSensitive the pattern matches .JPG and .Jpg as well.
    return QDir(dossier).entryList({QStringLiteral("*.jpg")}, QDir::Files | QDir::Hidden,
                                   QDir::Name | QDir::IgnoreCase);
}

void LotMetadonnees::demarrer(const OptionsEquilibre& options) {
    options_ = options;
    fichiers_ = photosDuDossier(dossier_);
    compteurPhoto_ = 0;
    arretDemande_ = false;
    echecs_ = renommees_ = occupees_ = 0;
    enCours_ = true;
    afficher(QStringLiteral("Début du traitement du dossier"));
    relancer(mode_ == Mode::Renommage ? kLectureRenommage : kLecture);
}

void LotMetadonnees::relancer(int etape) {
    etapeLot_ = etape;
    timer_.start();
}

void LotMetadonnees::afficher(const QString& texte) {
    if (sorties_.afficher)
        sorties_.afficher(texte);
}

void LotMetadonnees::journal(const QString& texte) {
    if (sorties_.journal)
        sorties_.journal(texte);
}

void LotMetadonnees::tic() {
    timer_.stop();
    if (!enCours_)
        return;
    switch (etapeLot_) {
    case kLecture:
        return lireRemplissage();
    case kEquilibre:
        return equilibrer();
    case kEcriture:
        return ecrire();
    case kFinPhoto:
        return finPhoto();
    case kLectureRenommage:
        return lireRenommage();
    case kRenommage:
        return renommer();
    default:
        afficher(QStringLiteral("erreur Timer2Orientation ") + QString::number(etapeLot_));
        return;
    }
}

void LotMetadonnees::terminer(const QString& titre, const QString& texte) {
    enCours_ = false;
    if (sorties_.fin)
        sorties_.fin(titre, texte);
}

void LotMetadonnees::lireRemplissage() {
    afficher(QStringLiteral("Photo N° ") + numero() + QStringLiteral(" --- Lecture"));
    if (compteurPhoto_ >= fichiers_.size()) {
        afficher(QStringLiteral("Fin du traitement du dossier "));
        QString texte =
            QStringLiteral(" Fin du traitement du dossier à la Photo N° ") + QString::number(compteurPhoto_);
        if (echecs_ > 0)
            texte +=
                QStringLiteral("\r\n\r\n") + QString::number(echecs_) +
                QStringLiteral(" photo(s) n'ont pas pu être lues ou écrites : voir le journal Lumeno.Log.");
        return terminer(QStringLiteral("Fin du traitement du dossier"), texte);
    }
    const QString fichier = fichiers_[compteurPhoto_];
    chemin_ = QDir(dossier_).filePath(fichier);
    nomBase_ = AnalyseNom::nomBase(fichier);
    analyse_ = AnalyseNom::analyser(nomBase_, options_.format);
    photo_ = ChargementPhoto::charger(chemin_);
    if (sorties_.photoChargee)
        sorties_.photoChargee(photo_);
    if (!photo_.lue) {
        // Never saved: an unreadable photo would be rewritten with empty fields, or not at all.
        ++echecs_;
        const QString texte = QStringLiteral("La photo ") + chemin_ +
                              QStringLiteral(" n'a pas pu être lue, elle est laissée telle quelle : ") +
                              photo_.erreurLecture;
        afficher(texte);
        journal(texte);
        return relancer(kFinPhoto);
    }
    relancer(kEquilibre);
}

void LotMetadonnees::equilibrer() {
    afficher(QStringLiteral("Photo N° ") + numero() + QStringLiteral(" --- Equilibre de ") + nomBase_);
    Equilibre::equilibrer(photo_.champs, nomBase_, analyse_, options_);
    if (sorties_.photoChargee)
        sorties_.photoChargee(photo_);
    relancer(kEcriture);
}

void LotMetadonnees::ecrire() {
    QString erreur;
    const ChampsPhoto champs = photo_.champs;
    if (!ChargementPhoto::sauver(photo_, champs, &erreur)) {
        ++echecs_;
        afficher(erreur);
        journal(erreur);
    } else {
        afficher(QStringLiteral("Photo N° ") + numero() + QStringLiteral(" --- Ecriture de ") + nomBase_);
    }
    relancer(kFinPhoto);
}

void LotMetadonnees::finPhoto() {
    afficher(QStringLiteral("Photo N° ") + numero() + QStringLiteral(" --- Fin traitement de ") + nomBase_);
    if (arretDemande_) {
        enCours_ = false;
        if (sorties_.arrete)
            sorties_.arrete();
        return;
    }
    ++compteurPhoto_;
    etapeLot_ = kLecture;
    lireRemplissage();
}

void LotMetadonnees::lireRenommage() {
    const QString debut = QStringLiteral("Lecture de la photo ") + numero() +
                          QStringLiteral(" puis recherche de la Date (format Exif)");
    afficher(debut + QLatin1Char('.'));
    if (compteurPhoto_ >= fichiers_.size()) {
        afficher(QStringLiteral("Fin du traitement de renommer chaque photo suivant sa date Exif."));
        QString texte =
            QStringLiteral("Fin du traitement de recherche de la Date Exif pour renommer les photos."
                           "\r\n\r\nIl faudra relancer Config dans Lumeno après cette opération."
                           "\r\n\r\nNombre de Photos Traitées : ") +
            QString::number(compteurPhoto_);
        texte += QStringLiteral("\r\nNombre de Photos Renommées : ") + QString::number(renommees_);
        if (occupees_ > 0)
            texte += QStringLiteral("\r\nPhotos non renommées car le nouveau nom existe déjà : ") +
                     QString::number(occupees_);
        return terminer(QStringLiteral("Fin du traitement des dates Exif"), texte);
    }
    const QString fichier = fichiers_[compteurPhoto_];
    chemin_ = QDir(dossier_).filePath(fichier);
    nomBase_ = AnalyseNom::nomBase(fichier);
    afficher(debut + QStringLiteral(": ") + nomBase_);
    analyse_ = AnalyseNom::analyser(nomBase_, options_.format);
    photo_ = ChargementPhoto::charger(chemin_);
    if (sorties_.photoChargee)
        sorties_.photoChargee(photo_);
    relancer(kRenommage);
}

void LotMetadonnees::renommer() {
    if (analyse_.estDate()) {
        afficher(QStringLiteral(" Pas de nommage ici, la photo est déjà renommée: ") + chemin_);
    } else {
        const QString date = photo_.lue ? RenommageExif::dateExif(photo_.exif) : QString();
        const QString prefixe = RenommageExif::prefixe(date, options_.format.compact, anneeMaxi_);
        if (date.isEmpty()) {
            afficher(QStringLiteral(" Pas d'Exif ici, donc pas de nommage possible ici."));
        } else if (prefixe.isEmpty()) {
            afficher(QStringLiteral(" Date Exif incorrecte (") + date +
                     QStringLiteral("), donc pas de nommage possible ici."));
        } else {
            const QString nouveauNom = prefixe + QLatin1Char('-') + nomBase_ + QStringLiteral(".jpg");
            const QString nouveau = QDir(dossier_).filePath(nouveauNom);
            switch (RenommageExif::renommer(chemin_, nouveau)) {
            case RenommageExif::Resultat::Renommee:
                ++renommees_;
                afficher(nomBase_ + QStringLiteral(" est renommée : ") + prefixe + QLatin1Char('-') +
                         nomBase_);
                break;
            case RenommageExif::Resultat::Occupee: {
                ++occupees_;
                const QString texte = QStringLiteral("Le fichier ") + nouveauNom +
                                      QStringLiteral(" existe déjà : la photo ") + chemin_ +
                                      QStringLiteral(" n'est pas renommée.");
                afficher(texte);
                journal(texte);
                break;
            }
            case RenommageExif::Resultat::Echec: {
                const QString texte = QStringLiteral("Erreur : la photo ") + chemin_ +
                                      QStringLiteral(" n'a pas pu être renommée en ") + nouveauNom;
                afficher(texte);
                journal(texte);
                break;
            }
            }
        }
    }
    if (arretDemande_) {
        enCours_ = false;
        if (sorties_.arrete)
            sorties_.arrete();
        return;
    }
    ++compteurPhoto_;
    relancer(kLectureRenommage);
}
