#pragma once

#include <QString>
#include <QStringList>

// The update log Lumeno.Log of the program folder: LumenoMaj writes its progress and its failures
// there as French lines; the main program shows it on its version screen.
class JournalMaj {
public:
    explicit JournalMaj(QString dossierProgramme);

    const QString& chemin() const { return chemin_; }
    QString cheminPhase1() const;

    // Appends lines; a failure to write the log is not worth stopping any job for.
    void ecrire(const QStringList& lignes);
    void ecrire(const QString& ligne) { ecrire(QStringList{ligne}); }

    // Phase 1 starts a new log with its header.
    void commencerPhase1(const QString& version);
    // Phase 1 ends with the line announcing the copy, then copies the log to Lumeno1.Log.
    bool terminerPhase1();
    // Phase 2 starts from the phase-1 log when there is one, and goes on appending.
    void commencerPhase2();
    void terminerPhase2(const QString& version);
    // The phase-2 clean-up.
    bool effacerJournalPhase1();

private:
    QString chemin_;
    QString dossierProgramme_;
};
