// Damaged maker notes: reading, attaching previews and moving never read or write outside the bytes
// they are given (run under the sanitizers to see it), and the note keeps its length.
#include "OutilsCorpus.h"

#include <LecteurNote.h>
#include <ReconstructionNote.h>

#include <FichierJpeg.h>
#include <LecteurExif.h>
#include <ModificationExif.h>
#include <PhotoExif.h>

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

TEST(MakernoteDamaged, RandomBytesInRealNotesAreReadAndMovedSafely) {
    QRandomGenerator hasard(20040615);
    PlacementNoteFabricant deplacer = placementNoteFabricant();
    deplacer.garderPosition = false;
    int notes = 0;
    for (const QString& nom : OutilsCorpus::noms()) {
        FichierJpeg photo;
        if (!photo.lire(OutilsCorpus::chemin(nom))) {
            continue;
        }
        const QByteArray segment = photo.segmentExif();
        const BlocExif sain = lireExif(segment);
        const EntreeIfd* note = sain.exif.trouver(TagMakerNote);
        if (note == nullptr || sain.positionNoteLue == 0) {
            continue;
        }
        ++notes;
        const qint64 debut = 10 + sain.positionNoteLue;
        for (int essai = 0; essai < 150; ++essai) {
            QByteArray abime = segment;
            const int changements = 1 + int(hasard.bounded(8));
            for (int i = 0; i < changements; ++i) {
                // Mostly the directory and the first data, where counts and offsets stand.
                const qint64 place =
                    debut + qint64(hasard.bounded(qMin<quint32>(quint32(note->donnees.size()), 400)));
                abime[place] = char(hasard.bounded(256));
            }
            BlocExif bloc = lireExif(abime);
            lireNoteFabricant(bloc, abime);
            const EntreeIfd* lue = bloc.exif.trouver(TagMakerNote);
            ASSERT_NE(lue, nullptr);
            const qsizetype longueur = lue->donnees.size();
            definirTexteExif(bloc, SelecteurIfd0, 270, QStringLiteral("plus long"));
            const EntreeIfd copie = *lue;
            const QByteArray reconstruite = reconstruireNote(bloc, copie, bloc.positionNoteLue + 64);
            EXPECT_EQ(reconstruite.size(), longueur) << nom.toStdString();
            QString erreur;
            construireApp1(bloc, deplacer, &erreur);
        }
    }
    EXPECT_GE(notes, 25);
}

} // namespace
