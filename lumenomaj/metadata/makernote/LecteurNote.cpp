#include "LecteurNote.h"

#include "AnalyseNote.h"
#include "ApercusNote.h"
#include "CodeFabricant.h"

void lireNoteFabricant(BlocExif& bloc, const QByteArray& segmentExif) {
    bloc.fabricant = codeFabricant(bloc);
    bloc.typeNote = 0;
    bloc.noteFabricant = Ifd{};
    const EntreeIfd* note = bloc.exif.trouver(TagMakerNote);
    // Without a Make tag the maker is unknown: guessing a layout would read noise as entries.
    if (note == nullptr || note->donnees.size() <= 4 || !aUneMarque(bloc)) {
        return;
    }
    const AnalyseNote analyse =
        analyserNote(note->donnees, bloc.fabricant, bloc.grosBoutiste(), note->valeur);
    if (!analyse.lue) {
        return;
    }
    bloc.typeNote = analyse.disposition.typeNote;
    bloc.noteFabricant.offset = note->valeur + quint32(analyse.disposition.position);
    for (const EntreeNote& e : analyse.entrees) {
        if (e.illisible) {
            continue;
        }
        bloc.noteFabricant.entrees.append(e.entree);
    }
    bloc.noteFabricant.nombreEntrees = quint32(bloc.noteFabricant.entrees.size());
    if (!segmentExif.isEmpty()) {
        rattacherApercus(bloc, segmentExif);
    }
}
