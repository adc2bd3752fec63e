#include "CommandeMaj.h"

namespace {

// Only spaces are trimmed: the line is the command as the main program wrote it.
QString sansEspaces(const QString& texte) {
    qsizetype debut = 0;
    qsizetype fin = texte.size();
    while (debut < fin && texte[debut] == QLatin1Char(' '))
        ++debut;
    while (fin > debut && texte[fin - 1] == QLatin1Char(' '))
        --fin;
    return texte.mid(debut, fin - debut);
}

QString ligne(const QStringList& lignes, int numero) {
    return lignes.value(numero - 1);
}

// The extension of a file name: the text after its last dot, when that dot is not the first character.
QString extension(const QString& nomFichier) {
    const qsizetype point = nomFichier.lastIndexOf(QLatin1Char('.'));
    return point > 0 ? nomFichier.mid(point + 1) : QString();
}

CommandeMaj analyserExif(const QStringList& lignes) {
    CommandeExif c;
    c.motMode = ligne(lignes, 2);
    if (c.motMode.left(7) == QLatin1String("Lecture"))
        c.mode = ModeExif::LecturePhoto;
    else if (c.motMode.left(8) == QLatin1String("DateExif"))
        c.mode = ModeExif::DateExif;
    else
        c.mode = ModeExif::EcrireDossier;

    c.dossier = ligne(lignes, 3);
    if (c.dossier.isEmpty())
        return CommandeRefusee{QStringLiteral("Commande Exif incomplète : le dossier de la photo manque.")};
    if (!c.dossier.endsWith(QLatin1Char('/')))
        c.dossier += QLatin1Char('/');

    c.nomFichier = ligne(lignes, 4);
    if (c.mode == ModeExif::LecturePhoto) {
        if (c.nomFichier.isEmpty())
            return CommandeRefusee{QStringLiteral("Commande Exif incomplète : le nom de la photo manque.")};
        if (!CommandesMaj::estNomJpeg(c.nomFichier))
            return CommandeRefusee{QStringLiteral("La photo ") + c.nomFichier +
                                   QStringLiteral(" n'est pas une photo JPEG : ses champs Exif et IPTC ne "
                                                  "peuvent pas être lus.")};
    }
    // The photo jobs name the file with its own extension; the folder job names the base name alone.
    const QString ext = extension(c.nomFichier);
    c.nomBase = c.mode != ModeExif::EcrireDossier && !ext.isEmpty()
                    ? c.nomFichier.left(c.nomFichier.size() - ext.size() - 1)
                    : c.nomFichier;
    c.cheminPhoto = c.dossier + c.nomFichier;

    c.formatNoms = ligne(lignes, 5);
    c.formatCompact = c.formatNoms.left(6) == QLatin1String("AAAAMM");
    c.formatJour = c.formatNoms.size() > 7 && c.formatNoms.mid(6, 2) == QLatin1String("JJ");
    return c;
}

} // namespace

namespace CommandesMaj {

QString premiereLigne(const QStringList& lignes) {
    return lignes.isEmpty() ? QString() : sansEspaces(lignes.first());
}

bool estNomJpeg(const QString& nomFichier) {
    const QString ext = extension(nomFichier).toLower();
    return ext == QLatin1String("jpg") || ext == QLatin1String("jpeg");
}

CommandeMaj analyser(const QStringList& lignes) {
    const QString premiere = premiereLigne(lignes);
    if (premiere == QLatin1String("Exif"))
        return analyserExif(lignes);
    // Nine spaces appended first, so that a shorter line never matches.
    if ((premiere + QString(9, QLatin1Char(' '))).left(7) == QLatin1String("MajPHP-"))
        return CommandeMajPhp{premiere.mid(7)};
    if (premiere == QLatin1String("Regedit") || premiere == QLatin1String("regedit"))
        return CommandeRegedit{};
    return SansCommande{};
}

} // namespace CommandesMaj
