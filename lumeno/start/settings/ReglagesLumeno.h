#pragma once

#include <QDate>
#include <QString>

#include <array>

// The web site used when none is set, and the former server address that is replaced by it.
inline const QString kAdresseWebLumeno = QStringLiteral("https://www.lumeno-photo.fr/");
inline const QString kAdresseWebObsolete = QStringLiteral("http://212.27.40.253/lumeno/");

// One catalogue root as the settings file keeps it.
struct RacineCatalogue {
    QString chemin;         // the folder as the directory list shows it ("/" for the file system root)
    bool cochee = false;    // ConfigCheck1, ConfigCheck2, ConfigCheck3
    bool disponible = true; // false when the folder read from the settings is not there
};

// Every value of the settings file Lumeno1.txt, with the controls' built-in defaults.
struct ReglagesLumeno {
    std::array<RacineCatalogue, 3> racines; // Dir1/ConfigCheck1 … Dir3/ConfigCheck3
    int anneeMaxi = 0;                      // AnneeMaxi (line 8)
    int anneeMini = 9999;                   // AnneeMini (line 9)
    bool configCheck6 = true;               // videos allowed (line 10)
    bool configCheck7 = true;               // media player (line 11)
    bool configCheck8 = false;              // music allowed (line 12)
    QString couleurTexteHtml = QStringLiteral("Noir");
    int etatFenetre = 0; // 0 normal, 1 minimised, 2 maximised: full screen
    int hautFenetre = 0; // twips
    int gaucheFenetre = 0;
    int hauteurFenetre = 0; // the remembered normal-mode size
    int largeurFenetre = 0;
    int hScroll1 = 12;                       // slideshow speed slider
    bool formatDeclare = false;              // line 31: FormatPhotos1 is in force
    QString formatPhotos1;                   // the declared name pattern as typed
    bool configCheck11 = false;              // automatic thumbnails
    int nombreMusiques = 0;                  // entries of Lumeno4.ini
    bool configCheck12 = false;              // permanent ambiance music
    int nombreMots = 0;                      // word table size (distinct words + 1)
    int nombreAnnees = 0;                    // distinct years + 1
    int nombreMois = 0;                      // distinct months + 1
    bool configCheckTri = false;             // plain alphabetical sort of the dated names
    QString webAutreURL = kAdresseWebLumeno; // photo web site (an empty line reads as this address)
    QString webMotPasse = QStringLiteral("entrezcode");
    QDate dateMiseAJour; // last scan (line 53); invalid when none was read
    QString configAutoJour = QStringLiteral("30");
    bool texteCheck16 = false;       // text comments
    bool quickTimeCheck17 = false;   // MOV videos
    QString cheminQuickTime;         // written for compatibility, never used on reading
    bool deblocagePlayer = true;     // player watchdog
    bool vocaleCheck19 = false;      // voice announcements
    bool personnagesCheck20 = false; // companion

    // Defaults with the first root on the user's Pictures folder (else the home folder), ticked.
    static ReglagesLumeno parDefaut();
};

// The system kind: voice and companions are available on this system.
inline const QString kTypeSysteme = QStringLiteral("Linux");

// The program's version line.
inline const QString kVersionLumeno = QStringLiteral(" Lumeno V5.2  - 27 juin 2005 ");
